#include "search/pagecounter.h"

#include "search/bytesource.h"
#include "search/tiffdirectory.h"

#include <QStringList>

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

using Failure = PageCountFailure;

constexpr quint64 kMaxFirstDirectoryEntries = 4096;

struct ChainCount {
    qint64 directories = 0;
    qint64 pages = 0;
    qint64 masks = 0;
    bool readFailed = false;
    PageBreakdown ofPages;
    PageBreakdown ofDirectories; // for a file where no directory is a page

    void add(const TiffDirectory &directory)
    {
        ++directories;
        ofDirectories.add(directory.page);
        if (directory.isPage) {
            ++pages;
            ofPages.add(directory.page);
        } else if (directory.isMask) {
            ++masks;
        }
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

    std::optional<TiffDirectory> at(quint64 offset, TiffDirectoryFault *fault = nullptr)
    {
        if (fault)
            *fault = TiffDirectoryFault::Outside;
        if (offset == 0 || m_exhausted)
            return std::nullopt;
        auto directory = readTiffDirectory(m_file, m_format, offset, fault);
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

PageCountResult pageCount(const ChainCount &count)
{
    if (count.pages == 0) { // no directory qualifies: every one counts
        if (count.directories > INT_MAX)
            return PageCountResult::failed(Failure::TooManyDirectories);
        PageCountResult result(int(count.directories));
        result.breakdown = count.ofDirectories;
        return result;
    }
    if (count.pages > INT_MAX)
        return PageCountResult::failed(Failure::TooManyDirectories);
    PageCountResult result(int(count.pages));
    result.breakdown = count.ofPages;
    result.masks = count.masks;
    result.reducedImages = count.directories - count.pages - count.masks;
    return result;
}

// Why the header could not be read: a file that starts like a TIFF header
// but ends before it is whole is cut off; anything else is no TIFF file.
PageCountResult headerFailure(TiffFile &file)
{
    if (file.failed())
        return PageCountResult::failed(Failure::CannotRead, file.errorNumber());
    if (file.size() == 0)
        return PageCountResult::failed(Failure::EmptyFile);
    static const QByteArray starts[] = {QByteArray("II*\0", 4), QByteArray("MM\0*", 4),
                                        QByteArray("II+\0", 4), QByteArray("MM\0+", 4)};
    const quint64 known = std::min<quint64>(file.size(), 4);
    const uchar *bytes = file.bytesAt(0, known);
    if (!bytes)
        return PageCountResult::failed(Failure::CannotRead, file.errorNumber());
    const QByteArray start(reinterpret_cast<const char *>(bytes), qsizetype(known));
    for (int i = 0; i < 4; ++i) {
        const quint64 headerSize = i < 2 ? 8 : 16;
        if (starts[i].startsWith(start) && file.size() < headerSize)
            return PageCountResult::failed(Failure::HeaderCutOff);
    }
    return PageCountResult::failed(Failure::NotTiff);
}

// Pages of the TIFF data `file` reads, or why they cannot be counted.
PageCountResult countPagesIn(TiffFile &file)
{
    const auto header = readTiffHeader(file);
    if (!header)
        return headerFailure(file);
    ChainWalker walker(file, header->format);
    TiffDirectoryFault fault;
    const auto first = walker.at(header->firstDirectory, &fault);
    if (file.failed())
        return PageCountResult::failed(Failure::CannotRead, file.errorNumber());
    if (!first)
        return fault == TiffDirectoryFault::CutOff ? PageCountResult::failed(Failure::DirectoryCutOff, 0, 1)
                                                   : PageCountResult::failed(Failure::FirstDirectoryOutside);
    if (first->entryCount == 0)
        return PageCountResult::failed(Failure::FirstDirectoryEmpty);
    if (first->entryCount > kMaxFirstDirectoryEntries)
        return PageCountResult::failed(Failure::FirstDirectoryTooLarge);
    if (!first->isImage)
        return PageCountResult::failed(Failure::FirstDirectoryNoImage);
    const ChainCount count = countChain(walker, header->firstDirectory, *first);
    if (file.failed())
        return PageCountResult::failed(Failure::CannotRead, file.errorNumber());
    if (walker.exhausted())
        return PageCountResult::failed(Failure::DirectoriesOverlap);
    if (count.readFailed)
        return PageCountResult::failed(Failure::ChangedWhileRead);
    return pageCount(count);
}

} // namespace

int PageCounter::countPages(ByteSource *source, int openError)
{
    return count(source, openError).pages;
}

PageCountResult PageCounter::count(ByteSource *source, int openError)
{
    if (!source)
        return PageCountResult::failed(openError ? Failure::CannotOpen : Failure::NotRegularFile, openError);
    TiffFile file(source);
    return countPagesIn(file);
}

int PageCounter::countPagesOfContents(const QByteArray &contents)
{
    return countContents(contents).pages;
}

PageCountResult PageCounter::countContents(const QByteArray &contents)
{
    MemoryByteSource source(contents);
    return count(&source);
}

PageCountResult PageCountResult::failed(PageCountFailure why, int errorNumber, qint64 directory)
{
    PageCountResult result;
    result.failure = why;
    result.errorNumber = errorNumber;
    result.directory = directory;
    return result;
}

QString pageCountNote(const PageCountResult &result)
{
    switch (result.failure) {
    case Failure::None: {
        QStringList parts;
        if (result.reducedImages > 0)
            parts << (result.reducedImages == 1 ? PageCounter::tr("%1 reduced-resolution image")
                                                : PageCounter::tr("%1 reduced-resolution images"))
                             .arg(result.reducedImages);
        if (result.masks > 0)
            parts << (result.masks == 1 ? PageCounter::tr("%1 transparency mask")
                                        : PageCounter::tr("%1 transparency masks"))
                             .arg(result.masks);
        if (parts.size() == 2)
            return PageCounter::tr("%1 and %2 not counted").arg(parts[0], parts[1]);
        return parts.isEmpty() ? QString() : PageCounter::tr("%1 not counted").arg(parts[0]);
    }
    case Failure::Unknown: return PageCounter::tr("The pages could not be counted");
    case Failure::CannotOpen:
    case Failure::CannotRead: return qt_error_string(result.errorNumber);
    case Failure::NotRegularFile: return PageCounter::tr("Not a regular file");
    case Failure::EmptyFile: return PageCounter::tr("Empty file");
    case Failure::NotTiff: return PageCounter::tr("Not a TIFF file");
    case Failure::HeaderCutOff: return PageCounter::tr("The file ends inside its header");
    case Failure::FirstDirectoryOutside: return PageCounter::tr("The first image directory lies outside the file");
    case Failure::DirectoryCutOff:
        return PageCounter::tr("Image directory %1 is cut off by the end of the file").arg(result.directory);
    case Failure::FirstDirectoryEmpty: return PageCounter::tr("The first image directory is empty");
    case Failure::FirstDirectoryTooLarge: return PageCounter::tr("The first image directory has too many entries");
    case Failure::FirstDirectoryNoImage: return PageCounter::tr("The first image directory describes no image");
    case Failure::DirectoriesOverlap: return PageCounter::tr("The image directories overlap one another");
    case Failure::TooManyDirectories: return PageCounter::tr("Too many image directories");
    case Failure::ChangedWhileRead: return PageCounter::tr("The file changed while it was read");
    }
    return {};
}
