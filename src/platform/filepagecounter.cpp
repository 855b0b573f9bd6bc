#include "platform/filesystem.h"

#include "base/pathcodec.h"
#include "search/pagecounter.h"

int FilePageCounter::CountPages(const QString &path) const
{
    return countPagesOfFile(PathCodec::encode(path));
}

int FilePageCounter::countPagesOfFile(const QByteArray &nativePath, qint64 knownSize)
{
    return PageCounter::countPages(openFileForReading(nativePath, knownSize).get());
}
