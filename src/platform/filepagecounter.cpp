#include "platform/filesystem.h"

#include "base/pathcodec.h"
#include "search/pagecounter.h"
#include "search/unreadablereason.h"

int FilePageCounter::CountPages(const QString &path) const
{
    return countPagesOfFile(PathCodec::encode(path));
}

int FilePageCounter::countPagesOfFile(const QByteArray &nativePath, qint64 knownSize)
{
    return PageCounter::countPages(openFileForReading(nativePath, knownSize).get());
}

int FilePageCounter::countPagesExplained(const QByteArray &nativePath, qint64 knownSize)
{
    return UnreadableReason::countPagesExplained(openFileForReading(nativePath, knownSize).get());
}
