#pragma once

#include "grid/gridmodel.h"
#include "results/foldertotals.h"

#include <QString>

// The label beside the page total: the files and pages of the selected shown
// rows ("Selected : 3 file(s), 17 pages"); with nothing selected, how many
// shown files could not be counted ("Unreadable : 2 file(s)"); else empty.
// A row whose pages are no number counts as a file with no pages.
QString selectionTotalText(const GridModel::Tally &selected, const GridModel::Tally &shown);

// What the pages of the results table's rows in `scope` are worth, for the
// tooltips of the selection and page-total labels: "17 A4-equivalent pages
// · 3 color, 14 black and white"; empty when no counted row is there.
QString worthToolTip(const GridModel &results, RowScope scope);
