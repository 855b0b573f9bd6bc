#pragma once

#include <QByteArray>
#include <QString>

// Counts the pages of a TIFF file by reading its header and following its
// chain of image file directories; never reads the image data.
//
// A page is a directory of the main chain that is neither a reduced-resolution
// image (a thumbnail, a pyramid level) nor a transparency mask; when no
// directory qualifies, every directory counts. Sub-directories are never
// followed. A chain that loops back counts each directory once.
class PageCounter {
public:
    // Pages of the TIFF file at `path`; negative when they cannot be counted.
    int CountPages(const QString &path) const;

    // The same for a path in its native bytes. `knownSize` is the size in
    // bytes of a regular file, when the caller has it from its listing; -1
    // has it looked up (and rejects anything but a regular file).
    static int countPagesOfFile(const QByteArray &nativePath, qint64 knownSize = -1);

    // The same for the whole contents of a file already in memory.
    static int countPagesOfContents(const QByteArray &contents);
};
