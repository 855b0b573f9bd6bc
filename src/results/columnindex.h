#pragma once

#include <QtGlobal>

// The positions of the results table's columns: what a search row's cells
// are indexed by. Kept apart from the table's look so that code without a
// graphics library (the search, the command-line counter) can name them.
namespace ResultColumns {

enum Column : int {
    FileName = 0,
    Location = 1,
    Size = 2,
    ModifiedDate = 3,
    Pages = 4,
    FullPath = 5, // hidden: the file's full path
    SizeInKB = 6, // hidden: the size in kilobytes, "###,###,##0"
    PagesNote = 7, // hidden: why the pages are "Error", or what the count left out
    PageWorth = 8, // hidden: the pages' sizes and modes as PageBreakdown::key() gives them
    Count = 9
};
constexpr int kDataColumns = 5; // the columns the user sees and the visibility list names

// The header captions of the columns the user sees, by position. The header
// row holds them as they are (exports write it); they are marked for whoever
// shows them translated, in the context "ResultColumns".
inline constexpr const char *kCaptions[kDataColumns] = {
        QT_TRANSLATE_NOOP("ResultColumns", "File Name"), QT_TRANSLATE_NOOP("ResultColumns", "Location"),
        QT_TRANSLATE_NOOP("ResultColumns", "Size"), QT_TRANSLATE_NOOP("ResultColumns", "Modified Date"),
        QT_TRANSLATE_NOOP("ResultColumns", "Pages")};

} // namespace ResultColumns
