#include "results/selectiontotal.h"

QString selectionTotalText(const GridModel::Tally &selected, const GridModel::Tally &shown)
{
    if (selected.rows > 0)
        return QStringLiteral("Selected : %1 file(s), %2 pages").arg(selected.rows).arg(selected.sum);
    if (shown.unnumbered > 0)
        return QStringLiteral("Unreadable : %1 file(s)").arg(shown.unnumbered);
    return {};
}
