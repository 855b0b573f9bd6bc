#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class GridModel;

// Lines of cells as text: cells separated by tabs, each line ended by LF, a
// cell holding a tab, CR, LF or quote quoted as the export does.
QString tabSeparatedText(const QList<QStringList> &lines);

// Rows of a grid as text for the clipboard or a drag: the header row, then
// one line per row; the shown columns in order, separated by tabs; a cell
// holding a tab, CR, LF or quote quoted as the export does.
QString rowsAsText(const GridModel &grid, const QList<int> &rows);

// The selected data rows that are not hidden, top to bottom (Select All and
// Invert Selection also select hidden rows: the rows of deleted files).
QList<int> selectedShownRows(const GridModel &grid);
