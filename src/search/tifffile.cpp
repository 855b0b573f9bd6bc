#include "search/tifffile.h"

#include <algorithm>

namespace {

// Every read is a round trip on a network share, so reads are large: the
// first covers the header and the first directory of the usual layouts
// (small files whole); a later one, for directories stored after the image
// data, covers the directories that usually follow one another there.
constexpr quint64 kFirstWindowSize = 32 * 1024;
constexpr quint64 kLaterWindowSize = 64 * 1024;
// A value stored away from its directory: the values of the directories
// near it usually lie close by.
constexpr quint64 kAsideWindowSize = 16 * 1024;

bool holds(quint64 windowOffset, quint64 windowLength, quint64 offset, quint64 length)
{
    return offset >= windowOffset && offset - windowOffset <= windowLength
            && length <= windowLength - (offset - windowOffset);
}

} // namespace

TiffFile::TiffFile(ByteSource *source)
    : m_source(source), m_size(source ? source->size() : 0)
{
}

bool TiffFile::contains(quint64 offset, quint64 length) const
{
    return offset <= m_size && length <= m_size - offset;
}

const uchar *TiffFile::bytesAt(quint64 offset, quint64 length)
{
    if (!isOpen() || !contains(offset, length))
        return nullptr;
    if (!holds(m_windowOffset, m_windowLength, offset, length) && !fill(offset, length))
        return nullptr;
    return m_window.data() + (offset - m_windowOffset);
}

// Reads a window at `offset` holding at least `length` bytes. A short read
// means the file shrank since its size was taken: those bytes are not there.
bool TiffFile::fill(quint64 offset, quint64 length)
{
    const quint64 window = offset == 0 ? kFirstWindowSize : kLaterWindowSize;
    const quint64 wanted = std::min(std::max(length, window), m_size - offset);
    m_window.resize(wanted);
    m_windowOffset = offset;
    m_windowLength = 0;
    while (m_windowLength < wanted) {
        const qint64 got = m_source->readAt(m_window.data() + m_windowLength,
                                            wanted - m_windowLength, offset + m_windowLength);
        if (got < 0) {
            m_failed = true; // a directory, an I/O error: nothing more to read
            m_size = 0;
            return false;
        }
        if (got == 0)
            break;
        m_windowLength += quint64(got);
    }
    return m_windowLength >= length;
}

const uchar *TiffFile::valueAt(quint64 offset, quint64 length)
{
    if (!isOpen() || !contains(offset, length))
        return nullptr;
    if (holds(m_windowOffset, m_windowLength, offset, length))
        return m_window.data() + (offset - m_windowOffset);
    if (!m_asideRead) {
        // A failure here leaves the value unknown; the count is not affected.
        m_asideRead = true;
        m_aside.resize(std::min(std::max(length, kAsideWindowSize), m_size - offset));
        m_asideOffset = offset;
        quint64 got = 0;
        while (got < m_aside.size()) {
            const qint64 read = m_source->readAt(m_aside.data() + got, m_aside.size() - got, offset + got);
            if (read <= 0)
                break;
            got += quint64(read);
        }
        m_aside.resize(got);
    }
    if (!holds(m_asideOffset, m_aside.size(), offset, length))
        return nullptr;
    return m_aside.data() + (offset - m_asideOffset);
}
