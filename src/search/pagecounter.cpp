#include "search/pagecounter.h"

#include "search/pathcodec.h"
#include "search/tiffdirectory.h"

#include <climits>

namespace {

constexpr int kNotCountable = -1;
constexpr quint64 kMaxFirstDirectoryEntries = 4096;

struct ChainCount {
    qint64 directories = 0;
    qint64 pages = 0;
    bool readFailed = false;

    void add(const TiffDirectory &directory)
    {
        ++directories;
        if (directory.isPage)
            ++pages;
    }
};

// Walks directories one link at a time; a link to a directory that does not
// fit ends the chain like a 0 link does.
class ChainWalker {
public:
    ChainWalker(TiffFile &file, const TiffFormat &format) : m_file(file), m_format(format) {}

    std::optional<TiffDirectory> at(quint64 offset)
    {
        if (offset == 0)
            return std::nullopt;
        return readTiffDirectory(m_file, m_format, offset);
    }

private:
    TiffFile &m_file;
    const TiffFormat &m_format;
};

// Counts a chain known to loop: lambda is the loop's length. The loop starts
// after mu directories, so there are mu + lambda distinct ones. Walks a lead
// pointer lambda ahead of a trailing one until they meet (at mu); every
// directory the lead passes is counted once.
ChainCount countLoopingChain(ChainWalker &walker, quint64 first, qint64 lambda)
{
    ChainCount count;
    quint64 lead = first;
    for (qint64 i = 0; i < lambda; ++i) {
        const auto directory = walker.at(lead);
        if (!directory) {
            count.readFailed = true; // the file changed under us
            return count;
        }
        count.add(*directory);
        lead = directory->next;
    }
    for (quint64 trail = first; trail != lead;) {
        const auto leadDirectory = walker.at(lead);
        const auto trailDirectory = walker.at(trail);
        if (!leadDirectory || !trailDirectory) {
            count.readFailed = true;
            return count;
        }
        count.add(*leadDirectory);
        lead = leadDirectory->next;
        trail = trailDirectory->next;
    }
    return count;
}

// Follows the chain from the first directory (already read). Loops are
// caught with Brent's cycle detection, which needs no memory per directory:
// a crafted file with millions of tiny directories cannot exhaust memory.
ChainCount countChain(ChainWalker &walker, quint64 first, const TiffDirectory &firstDirectory)
{
    ChainCount count;
    count.add(firstDirectory);
    quint64 marker = first;
    qint64 stepsSinceMarker = 0;
    qint64 power = 1;
    for (quint64 next = firstDirectory.next;;) {
        if (next == marker)
            return countLoopingChain(walker, first, stepsSinceMarker + 1);
        const auto directory = walker.at(next);
        if (!directory)
            return count;
        count.add(*directory);
        if (++stepsSinceMarker == power) {
            marker = next;
            power *= 2;
            stepsSinceMarker = 0;
        }
        next = directory->next;
    }
}

int pageCount(const ChainCount &count)
{
    const qint64 result = count.pages > 0 ? count.pages : count.directories;
    return result > INT_MAX ? kNotCountable : int(result);
}

} // namespace

int PageCounter::CountPages(const QString &path) const
{
    return countPagesOfFile(PathCodec::encode(path));
}

int PageCounter::countPagesOfFile(const QByteArray &nativePath, qint64 knownSize)
{
    TiffFile file(nativePath, knownSize);
    const auto header = readTiffHeader(file);
    if (!header)
        return kNotCountable;
    ChainWalker walker(file, header->format);
    const auto first = walker.at(header->firstDirectory);
    if (!first || first->entryCount == 0 || first->entryCount > kMaxFirstDirectoryEntries
        || !first->isImage)
        return kNotCountable;
    const ChainCount count = countChain(walker, header->firstDirectory, *first);
    if (count.readFailed || file.failed())
        return kNotCountable;
    return pageCount(count);
}
