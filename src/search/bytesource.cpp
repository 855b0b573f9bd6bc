#include "search/bytesource.h"

#include <algorithm>
#include <cstring>

qint64 MemoryByteSource::readAt(uchar *buffer, quint64 length, quint64 offset)
{
    if (offset >= size())
        return 0;
    const quint64 count = std::min(length, size() - offset);
    std::memcpy(buffer, m_contents.constData() + offset, count);
    return qint64(count);
}
