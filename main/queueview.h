// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The queue's view: the rows of the queue model, long names elided in the middle so both
// their ends show, the keys of the list (Return opens, Delete removes, Shift+F10 and the Menu key
// open the context menu at the current row), and the columns sized to their texts.
#include <QTreeView>

class QueueView : public QTreeView
{
    Q_OBJECT
public:
    explicit QueueView(QWidget *parent = nullptr);

    // The selected rows, in order.
    QList<int> selectedRows() const;
    bool isRowSelected(int row) const;
    // Selects exactly these rows, the first of them current, and scrolls it into view.
    void selectRows(const QList<int> &rows);
    // The first widths of the columns; Status and Convert To as wide as their texts in the
    // running language.
    void setFirstColumnWidths();
    QList<int> columnWidths() const;
    void setColumnWidths(const QList<int> &widths);
    void setModel(QAbstractItemModel *model) override;

signals:
    void openRequested();   // Return or Enter
    void removeRequested(); // Delete
    void contextMenuAt(const QPoint &globalPos);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void fitNameColumns();
    // The number column grows to show the highest row's number whole, two digits at least.
    void fitNumberColumn();
};
