#include "grid/rowtransfer.h"

#include "grid/delimitedtext.h"
#include "grid/gridmodel.h"

namespace {

QStringList shownCells(const GridModel &grid, int row)
{
    QStringList cells;
    for (int col = 0; col < grid.cols(); ++col)
        if (!grid.isColumnHidden(col))
            cells.append(grid.text(row, col));
    return cells;
}

} // namespace

QString tabSeparatedText(const QList<QStringList> &lines)
{
    return DelimitedText::joinRows(lines, DelimitedText::Separators{u'\t', u'\n'}, u"\n");
}

QString rowsAsText(const GridModel &grid, const QList<int> &rows)
{
    QList<QStringList> lines;
    if (grid.fixedRows() > 0)
        lines.append(shownCells(grid, 0));
    for (int row : rows)
        lines.append(shownCells(grid, row));
    return tabSeparatedText(lines);
}

QList<int> selectedShownRows(const GridModel &grid)
{
    QList<int> rows = grid.selectedRows();
    rows.removeIf([&grid](int row) { return grid.isRowHidden(row); });
    return rows;
}
