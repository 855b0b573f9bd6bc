#include "search/tifffile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Large enough for the header and a typical first directory in one read,
// small enough to cost little when the file is tiny.
constexpr quint64 kWindowSize = 4096;

int openReadOnly(const QByteArray &nativePath)
{
    int fd;
    do {
        fd = ::open(nativePath.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// Size of the regular file behind `fd`, or -1 for anything else.
qint64 regularFileSize(int fd)
{
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return -1;
    return info.st_size;
}

} // namespace

TiffFile::TiffFile(const QByteArray &nativePath, qint64 knownSize)
{
    if (nativePath.isEmpty() || nativePath.contains('\0')) {
        m_errorNumber = nativePath.isEmpty() ? ENOENT : EINVAL;
        return;
    }
    m_fd = openReadOnly(nativePath);
    if (m_fd < 0) {
        m_errorNumber = errno;
        return;
    }
    errno = 0;
    const qint64 size = knownSize >= 0 ? knownSize : regularFileSize(m_fd);
    if (size < 0) {
        m_errorNumber = errno; // 0: not a regular file
        ::close(m_fd);
        m_fd = -1;
        return;
    }
    m_size = quint64(size);
}

TiffFile::TiffFile(const QByteArray &contents)
    : m_inMemory(true), m_contents(contents)
{
    m_size = quint64(contents.size());
}

TiffFile::~TiffFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool TiffFile::contains(quint64 offset, quint64 length) const
{
    return offset <= m_size && length <= m_size - offset;
}

const uchar *TiffFile::bytesAt(quint64 offset, quint64 length)
{
    if (!isOpen() || !contains(offset, length))
        return nullptr;
    const bool inWindow = offset >= m_windowOffset
            && offset - m_windowOffset <= m_windowLength
            && length <= m_windowLength - (offset - m_windowOffset);
    if (!inWindow && !fill(offset, length))
        return nullptr;
    return m_window.data() + (offset - m_windowOffset);
}

// Reads a window at `offset` holding at least `length` bytes. A short read
// means the file shrank since its size was taken: those bytes are not there.
bool TiffFile::fill(quint64 offset, quint64 length)
{
    const quint64 wanted = std::min(std::max(length, kWindowSize), m_size - offset);
    m_window.resize(wanted);
    m_windowOffset = offset;
    m_windowLength = 0;
    while (m_windowLength < wanted) {
        const qint64 got = readAt(m_window.data() + m_windowLength, wanted - m_windowLength,
                                  offset + m_windowLength);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            m_errorNumber = errno;
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

// Up to `length` bytes at `offset`: the count read, 0 at the end, -1 on error.
qint64 TiffFile::readAt(uchar *buffer, quint64 length, quint64 offset) const
{
    if (!m_inMemory)
        return ::pread(m_fd, buffer, length, off_t(offset));
    if (offset >= quint64(m_contents.size()))
        return 0;
    const quint64 count = std::min(length, quint64(m_contents.size()) - offset);
    std::memcpy(buffer, m_contents.constData() + offset, count);
    return qint64(count);
}
