#pragma once

#include "grid/gridmodel.h"

#include <QString>

// The label beside the page total: the files and pages of the selected shown
// rows ("Selected : 3 file(s), 17 pages"); with nothing selected, how many
// shown files could not be counted ("Unreadable : 2 file(s)"); else empty.
// A row whose pages are no number counts as a file with no pages.
QString selectionTotalText(const GridModel::Tally &selected, const GridModel::Tally &shown);
