#include "results/selectiontotal.h"

#include "results/foldertotals.h"
#include "results/pagebreakdownwords.h"

QString selectionTotalText(const GridModel::Tally &selected, const GridModel::Tally &shown)
{
    if (selected.rows > 0)
        return QStringLiteral("Selected : %1 file(s), %2 pages").arg(selected.rows).arg(selected.sum);
    if (shown.unnumbered > 0)
        return QStringLiteral("Unreadable : %1 file(s)").arg(shown.unnumbered);
    return {};
}

QString worthToolTip(const GridModel &grid, int pagesCol, int worthCol, bool selectedOnly)
{
    PageBreakdown worth;
    for (int row = grid.fixedRows(); row < grid.rows(); ++row) {
        if (isInScope(grid, row, selectedOnly ? RowScope::Selected : RowScope::Shown)
            && countedPages(grid.textView(row, pagesCol)))
            worth.addKey(grid.textView(row, worthCol));
    }
    if (worth.pages() == 0)
        return {};
    return a4EquivalentText(worth.a4Equivalent) + QStringLiteral(" · ") + modesText(worth);
}
