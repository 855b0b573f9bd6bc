#pragma once

#include <QByteArray>

class ByteSource;

// Counts the pages of a TIFF file by reading its header and following its
// chain of image file directories; never reads the image data.
//
// A page is a directory of the main chain that is neither a reduced-resolution
// image (a thumbnail, a pyramid level) nor a transparency mask; when no
// directory qualifies, every directory counts. Sub-directories are never
// followed. A chain that loops back counts each directory once.
class PageCounter {
public:
    // Pages of the TIFF data `source` reads; negative when they cannot be
    // counted (also when `source` is null: the file could not be opened).
    static int countPages(ByteSource *source);

    // The same for the whole contents of a file already in memory.
    static int countPagesOfContents(const QByteArray &contents);
};
