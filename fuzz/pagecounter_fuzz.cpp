// Fuzz target: the TIFF page counter on arbitrary file contents, with what
// the counted pages are worth (sizes, modes, A4-equivalent pages).

#include "fuzzcheck.h"
#include "results/pagebreakdownwords.h"
#include "search/pagecounter.h"

#include <cstddef>
#include <cstdint>

extern "C" int FUZZ_ENTRY(const uint8_t *data, size_t size)
{
    // Not copied: a read past the input's end is caught by AddressSanitizer.
    const QByteArray contents = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                                        qsizetype(size));
    const PageCountResult result = PageCounter::countContents(contents);
    const int pages = result.pages;
    // Not countable, or at most one page per byte of the file.
    FUZZ_CHECK(pages >= -1 && pages != 0);
    FUZZ_CHECK(pages < 0 || size_t(pages) <= size);
    FUZZ_CHECK(PageCounter::countPagesOfContents(contents) == pages);
    // Every counted page has one size and one mode, and is worth at least
    // one A4 page; the row's key gives the same breakdown back.
    const PageBreakdown &worth = result.breakdown;
    qint64 modes = 0;
    for (qint64 count : worth.modes)
        modes += count;
    FUZZ_CHECK(worth.pages() == qMax(pages, 0) && modes == worth.pages());
    FUZZ_CHECK(worth.a4Equivalent >= worth.pages());
    const QString key = worth.key();
    FUZZ_CHECK(PageBreakdown::fromKey(key).key() == key);
    FUZZ_CHECK(pages < 0 || !breakdownText(worth).isEmpty());
    return 0;
}
