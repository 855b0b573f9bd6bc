#include "results/selectiontotal.h"

#include "results/foldertotals.h"
#include "results/pagebreakdownwords.h"

#include <QCoreApplication>

QString selectionTotalText(const GridModel::Tally &selected, const GridModel::Tally &shown)
{
    if (selected.rows > 0)
        return QCoreApplication::translate("SelectionTotal", "Selected : %1 file(s), %2 pages")
                .arg(selected.rows)
                .arg(selected.sum);
    if (shown.unnumbered > 0)
        return QCoreApplication::translate("SelectionTotal", "Unreadable : %1 file(s)").arg(shown.unnumbered);
    return {};
}

QString worthToolTip(const GridModel &results, RowScope scope)
{
    FolderTotal total;
    forEachRowInScope(results, scope, [&total](const ScopedRow &row) { total.addFile(row.pages, row.worthKey); });
    if (total.worth.pages() == 0)
        return {};
    return a4EquivalentText(total.worth.a4Equivalent) + QStringLiteral(" · ") + modesText(total.worth);
}
