// Fuzz target: file names as bytes through text and back.

#include "fuzzcheck.h"
#include "base/pathcodec.h"

#include <cstddef>
#include <cstdint>

extern "C" int FUZZ_ENTRY(const uint8_t *data, size_t size)
{
    const QByteArray name(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = PathCodec::decode(name);
    // The exact bytes come back, so every action reaches this file and no other.
    FUZZ_CHECK(PathCodec::encode(text) == name);
    FUZZ_CHECK(text.size() <= name.size());
    return 0;
}
