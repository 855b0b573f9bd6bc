#pragma once

// libtiff as the peer our page counter is measured and checked against.

#include <QByteArray>
#include <tiffio.h>

namespace LibTiffPeer {

// Every directory of the main chain, as libtiff counts them.
inline int directories(const QByteArray &nativePath)
{
    TIFF *tiff = TIFFOpen(nativePath.constData(), "r");
    if (!tiff)
        return -1;
    const int count = int(TIFFNumberOfDirectories(tiff));
    TIFFClose(tiff);
    return count;
}

// libtiff's reading of our page rule: directories that are neither reduced-
// resolution images nor masks; all of them when none qualifies.
inline int pages(const QByteArray &nativePath)
{
    TIFF *tiff = TIFFOpen(nativePath.constData(), "r");
    if (!tiff)
        return -1;
    int directories = 0;
    int pages = 0;
    do {
        uint32_t type = 0;
        TIFFGetField(tiff, TIFFTAG_SUBFILETYPE, &type);
        ++directories;
        if (!(type & (FILETYPE_REDUCEDIMAGE | FILETYPE_MASK)))
            ++pages;
    } while (TIFFReadDirectory(tiff));
    TIFFClose(tiff);
    return pages > 0 ? pages : directories;
}

} // namespace LibTiffPeer
