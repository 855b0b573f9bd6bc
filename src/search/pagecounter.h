#pragma once

#include "results/pagebreakdown.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

class ByteSource;

// Why the pages of a file could not be counted.
enum class PageCountFailure {
    None,
    Unknown,               // a counter that gives no reason
    CannotOpen,            // the system's error number says why
    CannotRead,            // the system's error number says why
    NotRegularFile,
    EmptyFile,
    NotTiff,
    HeaderCutOff,
    FirstDirectoryOutside,
    DirectoryCutOff,       // `directory` says which one
    FirstDirectoryEmpty,
    FirstDirectoryTooLarge,
    FirstDirectoryNoImage,
    DirectoriesOverlap,
    TooManyDirectories,
    ChangedWhileRead,
};

// The outcome of one count: the pages, or why there are none.
struct PageCountResult {
    int pages = -1;
    PageCountFailure failure = PageCountFailure::Unknown;
    int errorNumber = 0;     // CannotOpen, CannotRead
    qint64 directory = 0;    // DirectoryCutOff: 1 for the first
    qint64 reducedImages = 0; // left out of `pages`
    qint64 masks = 0;         // left out of `pages`
    PageBreakdown breakdown;  // what the counted pages are worth

    PageCountResult() = default;
    // A bare count (negative: not countable, no reason known).
    PageCountResult(int count)
        : pages(count < 0 ? -1 : count),
          failure(count < 0 ? PageCountFailure::Unknown : PageCountFailure::None)
    {
    }
    static PageCountResult failed(PageCountFailure why, int errorNumber = 0, qint64 directory = 0);

    bool ok() const { return failure == PageCountFailure::None; }
};

// Plain words on a count: why it failed ("Not a TIFF file", the system's
// words for an open or read error), or what it left out ("2 reduced-resolution
// images not counted"); empty when there is nothing to add.
QString pageCountNote(const PageCountResult &result);

// Counts the pages of a TIFF file by reading its header and following its
// chain of image file directories; never reads the image data.
//
// A page is a directory of the main chain that is neither a reduced-resolution
// image (a thumbnail, a pyramid level) nor a transparency mask; when no
// directory qualifies, every directory counts. Sub-directories are never
// followed. A chain that loops back counts each directory once.
class PageCounter {
    Q_DECLARE_TR_FUNCTIONS(PageCounter) // the words of pageCountNote

public:
    // Raised whenever the same bytes may count differently (pages, reasons,
    // what they are worth): the page-count cache then counts every file
    // again instead of giving an older count.
    static constexpr int kVersion = 1;

    // Pages of the TIFF data `source` reads; negative when they cannot be
    // counted (also when `source` is null: the file could not be opened,
    // for the system's reason `openError`, or 0 when it is no regular file).
    static int countPages(ByteSource *source, int openError = 0);
    // The same with the reason of a failure and what was left out.
    static PageCountResult count(ByteSource *source, int openError = 0);

    // The same for the whole contents of a file already in memory.
    static int countPagesOfContents(const QByteArray &contents);
    static PageCountResult countContents(const QByteArray &contents);
};
