// Fuzz target: the TIFF page counter on arbitrary file contents.

#include "fuzzcheck.h"
#include "search/pagecounter.h"

#include <cstddef>
#include <cstdint>

extern "C" int FUZZ_ENTRY(const uint8_t *data, size_t size)
{
    // Not copied: a read past the input's end is caught by AddressSanitizer.
    const QByteArray contents = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                                        qsizetype(size));
    const int pages = PageCounter::countPagesOfContents(contents);
    // Not countable, or at most one page per byte of the file.
    FUZZ_CHECK(pages >= -1 && pages != 0);
    FUZZ_CHECK(pages < 0 || size_t(pages) <= size);
    FUZZ_CHECK(PageCounter::countPagesOfContents(contents) == pages);
    return 0;
}
