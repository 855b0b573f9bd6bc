#include "platform/filesystem.h"

#include "base/pathcodec.h"
#include "search/pagecounter.h"

int FilePageCounter::CountPages(const QString &path) const
{
    return countPagesOfFile(PathCodec::encode(path));
}

int FilePageCounter::countPagesOfFile(const QByteArray &nativePath, qint64 knownSize)
{
    return countFile(nativePath, knownSize).pages;
}

PageCountResult FilePageCounter::countFile(const QByteArray &nativePath, qint64 knownSize)
{
    int openError = 0;
    const auto source = openFileForReading(nativePath, knownSize, &openError);
    return PageCounter::count(source.get(), openError);
}
