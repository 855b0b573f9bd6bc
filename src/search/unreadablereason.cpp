#include "search/unreadablereason.h"

#include "search/pagecounter.h"
#include "search/tiffdirectory.h"

namespace UnreadableReason {

int countPagesExplained(ByteSource *source)
{
    if (!source)
        return CannotOpen;
    const int pages = PageCounter::countPages(source);
    if (pages >= 0)
        return pages;
    TiffFile file(source);
    const bool isTiff = readTiffHeader(file).has_value();
    if (file.failed())
        return ReadError;
    return isTiff ? Damaged : NotTiff;
}

QString text(int pages)
{
    switch (pages) {
    case CannotOpen:
        return QStringLiteral("cannot be opened");
    case NotTiff:
        return QStringLiteral("not a TIFF file");
    case ReadError:
        return QStringLiteral("read error");
    default:
        return pages < 0 ? QStringLiteral("damaged TIFF file") : QString();
    }
}

} // namespace UnreadableReason
