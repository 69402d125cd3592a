// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The queue as the main window shows it: a cell's text or other role, where a name cell's
// file is, and the selection.
#include "main/main.h"
#include "main/queueview.h"

inline QString cell(const MainWindow &w, int row, int column, int role = Qt::DisplayRole)
{
    return w.Queue.index(row, column).data(role).toString();
}

// Where a Source or Output cell's file is: the first line of its tooltip.
inline QString pathIn(const MainWindow &w, int row, int column)
{
    return cell(w, row, column, Qt::ToolTipRole).section(QLatin1Char('\n'), 0, 0);
}

inline int rowCount(const MainWindow &w) { return w.Queue.rowCount(); }

inline QueueView *queueOf(const MainWindow &w) { return w.findChild<QueueView *>(QStringLiteral("queueView")); }

inline void selectRows(MainWindow &w, const QList<int> &rows) { queueOf(w)->selectRows(rows); }
