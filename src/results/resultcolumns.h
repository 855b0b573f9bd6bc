#pragma once

#include "grid/gridtypes.h"
#include "results/columnindex.h"

#include <QImage>
#include <QStringList>
#include <array>

class GridModel;

// The results table: its nine columns (five shown; the full path, the size
// in kilobytes, the pages note and the pages' worth kept hidden for the program), their
// visibility and the sort arrow of the header-click sort.
namespace ResultColumns {

struct Definition
{
    const char *caption; // "" for the hidden columns
    int widthTwips;      // -1: the view's default
    Qt::Alignment alignment;
    GridDataType dataType;
};

const std::array<Definition, Count> &definitions();

// Header row, columns, captions, widths, alignments, data types; the full
// path and size-in-KB columns hidden. Leaves no data rows.
void setupColumns(GridModel &grid);

// How a visibility entry is compared with "1": at start-up trailing spaces
// are ignored; after the preferences dialog the entry must match exactly.
enum class EntryComparison { IgnoreTrailingSpaces, Exact };

// Entry i shows column i when it reads "1" and hides it otherwise; entries
// past the seventh are ignored (the pages note is never shown), columns
// without an entry keep their state.
void ApplyColumnVisibility(GridModel &grid, const QStringList &visibility, EntryComparison comparison);

// The 11 x 4 arrows of the sorted header: blue triangle on light blue.
const QImage &imgAsc();
const QImage &imgDes();

// What follows a header-click sort: the arrow moves to the sorted column and
// a Size sort is redone by the size in kilobytes, the cursor put back where it
// was. Returns true when the table should take the keyboard focus.
bool afterHeaderSort(GridModel &grid, int col, bool ascending);

} // namespace ResultColumns
