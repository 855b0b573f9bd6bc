#pragma once

#include <QString>

class ByteSource;

// Why the pages of a file could not be counted. PageCounter only says that
// they could not; a listing that names unreadable files also says why.
namespace UnreadableReason {

// Negative page counts, one for each reason.
enum Code : int {
    Damaged = -1,    // a TIFF header, but the directories cannot be followed
    CannotOpen = -2, // no source: the file could not be opened
    NotTiff = -3,    // no TIFF header
    ReadError = -4,  // the file could not be read
};

// PageCounter::countPages, with a failure given as its Code. The reason is
// looked for only after a failure, so counting costs the same.
int countPagesExplained(ByteSource *source);

// The reason's text for a negative count ("" for a count).
QString text(int pages);

} // namespace UnreadableReason
