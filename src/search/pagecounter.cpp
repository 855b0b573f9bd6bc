#include "search/pagecounter.h"

#include "search/tiffdirectory.h"

#include <algorithm>
#include <climits>
#include <cstdint>

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
//
// Directories of a sound file do not overlap: reading each once costs at
// most the file's size, and counting a loop (which re-reads some) a small
// multiple of it. A crafted chain of overlapping directories that each claim
// thousands of entries would take time quadratic in the file's size, so once
// a budget of several times the file's size is spent the file is given up.
class ChainWalker {
public:
    ChainWalker(TiffFile &file, const TiffFormat &format)
        : m_file(file), m_format(format), m_budget(budgetFor(file.size()))
    {
    }

    bool exhausted() const { return m_exhausted; }

    std::optional<TiffDirectory> at(quint64 offset)
    {
        if (offset == 0 || m_exhausted)
            return std::nullopt;
        auto directory = readTiffDirectory(m_file, m_format, offset);
        if (directory && !charge(*directory)) {
            m_exhausted = true;
            return std::nullopt;
        }
        return directory;
    }

private:
    static constexpr quint64 kBudgetPerFileByte = 8;
    static constexpr quint64 kMinimumBudget = 1 << 16;

    static quint64 budgetFor(quint64 fileSize)
    {
        const quint64 budget = fileSize > UINT64_MAX / kBudgetPerFileByte
                ? UINT64_MAX : fileSize * kBudgetPerFileByte;
        return std::max(budget, kMinimumBudget);
    }

    bool charge(const TiffDirectory &directory)
    {
        // Cannot overflow: the entries were checked to fit in the file.
        const quint64 cost = m_format.countSize() + directory.entryCount * m_format.entrySize()
                + m_format.offsetSize();
        if (cost > m_budget)
            return false;
        m_budget -= cost;
        return true;
    }

    TiffFile &m_file;
    const TiffFormat &m_format;
    quint64 m_budget;
    bool m_exhausted = false;
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

// Pages of the TIFF data `file` reads, or kNotCountable.
int countPagesIn(TiffFile &file)
{
    const auto header = readTiffHeader(file);
    if (!header)
        return kNotCountable;
    ChainWalker walker(file, header->format);
    const auto first = walker.at(header->firstDirectory);
    if (!first || first->entryCount == 0 || first->entryCount > kMaxFirstDirectoryEntries
        || !first->isImage)
        return kNotCountable;
    const ChainCount count = countChain(walker, header->firstDirectory, *first);
    if (count.readFailed || walker.exhausted() || file.failed())
        return kNotCountable;
    return pageCount(count);
}

} // namespace

int PageCounter::countPages(ByteSource *source)
{
    TiffFile file(source);
    return countPagesIn(file);
}

int PageCounter::countPagesOfContents(const QByteArray &contents)
{
    MemoryByteSource source(contents);
    return countPages(&source);
}
