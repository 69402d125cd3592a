// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/queueview.h"

#include "main/jobqueue.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>

QueueView::QueueView(QWidget *parent) : QTreeView(parent)
{
    setTextElideMode(Qt::ElideMiddle);
    setRootIsDecorated(false);
    setIndentation(0);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(ExtendedSelection);
    setSelectionBehavior(SelectRows);
    setEditTriggers(NoEditTriggers);
    header()->setStretchLastSection(false); // the name columns take the room
}

bool QueueView::isRowSelected(int row) const
{
    return selectionModel() && model() && selectionModel()->isSelected(model()->index(row, 0));
}

QList<int> QueueView::selectedRows() const
{
    QList<int> rows;
    if (!selectionModel())
        return rows;
    // From the selection's ranges: asking row by row costs the square of a long queue.
    for (const QItemSelectionRange &range : selectionModel()->selection())
        for (int r = range.top(); r <= range.bottom(); ++r)
            rows << r;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void QueueView::selectRows(const QList<int> &rows)
{
    if (!model() || !selectionModel())
        return;
    // Runs of neighbouring rows as one range each: a selection of thousands of single rows
    // makes every question to it slow.
    QList<int> sorted = rows;
    std::sort(sorted.begin(), sorted.end());
    QItemSelection selection;
    const int last = model()->columnCount() - 1;
    for (qsizetype i = 0; i < sorted.size();) {
        qsizetype j = i;
        while (j + 1 < sorted.size() && sorted[j + 1] <= sorted[j] + 1)
            ++j;
        if (sorted[i] >= 0 && sorted[j] < model()->rowCount())
            selection.select(model()->index(sorted[i], 0), model()->index(sorted[j], last));
        i = j + 1;
    }
    if (selection.isEmpty()) {
        selectionModel()->clearSelection();
        return;
    }
    const QModelIndex first = model()->index(rows.first() >= 0 && rows.first() < model()->rowCount() ? rows.first() : sorted.first(), 0);
    selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(first);
}

void QueueView::setFirstColumnWidths()
{
    const int widths[] = {30, 120, 80, 80, 60, 120, 60};
    for (int c = 0; c < JobColumnCount; ++c)
        setColumnWidth(c, widths[c]);
    const QFontMetrics metrics(font());
    fitNumberColumn();
    // Status and Convert To as wide as their longest text in the running language.
    const int margin = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 12;
    const QFontMetrics headerMetrics(header()->font());
    const auto headerWidth = [&](int column) {
        return headerMetrics.horizontalAdvance(model() ? model()->headerData(column, Qt::Horizontal).toString() : QString()) + margin + 8;
    };
    int status = headerWidth(ColStatus);
    for (int s = JobResult::Waiting; s <= JobResult::Skipped; ++s)
        status = std::max(status, metrics.horizontalAdvance(QCoreApplication::translate("MainWindow", statusText(JobResult::State(s)))) + margin);
    setColumnWidth(ColStatus, std::max(60, status));
    setColumnWidth(ColConvertTo, std::max({60, headerWidth(ColConvertTo), metrics.horizontalAdvance(QStringLiteral("opus")) + margin}));
}

QList<int> QueueView::columnWidths() const
{
    QList<int> widths;
    for (int c = 0; c < header()->count(); ++c)
        widths << columnWidth(c);
    return widths;
}

void QueueView::setColumnWidths(const QList<int> &widths)
{
    for (int c = 0; c < widths.size() && c < header()->count(); ++c)
        if (widths[c] > 0)
            setColumnWidth(c, widths[c]);
    fitNumberColumn();
}

void QueueView::setModel(QAbstractItemModel *newModel)
{
    QTreeView::setModel(newModel);
    if (!newModel)
        return;
    connect(newModel, &QAbstractItemModel::rowsInserted, this, &QueueView::fitNumberColumn);
    connect(newModel, &QAbstractItemModel::modelReset, this, &QueueView::fitNumberColumn);
    fitNumberColumn();
}

void QueueView::fitNumberColumn()
{
    if (!model() || !itemDelegate())
        return;
    const int rows = model()->rowCount();
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    // The icon, the margins and the last row's number, as the delegate draws them.
    int needed = rows > 0 ? itemDelegate()->sizeHint(option, model()->index(rows - 1, ColNumber)).width()
                          : 16 + 12;
    const int digits = rows > 0 ? int(QString::number(rows).size()) : 0;
    needed += option.fontMetrics.horizontalAdvance(QLatin1Char('9')) * std::max(0, 2 - digits);
    if (columnWidth(ColNumber) < needed)
        setColumnWidth(ColNumber, needed);
}

void QueueView::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::NoModifier && event->key() == Qt::Key_Delete) {
        emit removeRequested();
        return;
    }
    if (mods == Qt::NoModifier && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        emit openRequested();
        return;
    }
    if ((mods == Qt::ShiftModifier && event->key() == Qt::Key_F10) || (mods == Qt::NoModifier && event->key() == Qt::Key_Menu)) {
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        contextMenuEvent(&menu);
        return;
    }
    QTreeView::keyPressEvent(event);
}

// The context menu from the keyboard (Shift+F10, the Menu key) opens at the current row,
// from the mouse at the pointer.
void QueueView::contextMenuEvent(QContextMenuEvent *event)
{
    QPoint at = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        const QRect row = visualRect(currentIndex());
        at = viewport()->mapToGlobal(row.isValid() ? QPoint(row.left() + 8, row.center().y())
                                                   : QPoint(8, 8));
    }
    emit contextMenuAt(at);
    event->accept();
}

void QueueView::resizeEvent(QResizeEvent *event)
{
    QTreeView::resizeEvent(event);
    fitNameColumns();
}

// The source and output columns share the room the view has beyond its columns, and give
// it back when the view shrinks, down to their first widths.
void QueueView::fitNameColumns()
{
    const int spare = viewport()->width() - header()->length();
    const int half = spare / 2;
    setColumnWidth(ColSource, std::max(80, header()->sectionSize(ColSource) + spare - half));
    setColumnWidth(ColOutput, std::max(80, header()->sectionSize(ColOutput) + half));
}
