#include "platform/filesystem.h"
#include "platform/posix/posixfilereader.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

// A file opened non-blocking and read with pread, so a pipe or device never
// stalls the caller.
class PosixFileSource : public ByteSource
{
public:
    PosixFileSource(int fd, quint64 size) : m_fd(fd), m_size(size) {}
    ~PosixFileSource() override { ::close(m_fd); }
    PosixFileSource(const PosixFileSource &) = delete;
    PosixFileSource &operator=(const PosixFileSource &) = delete;

    quint64 size() const override { return m_size; }
    qint64 readAt(uchar *buffer, quint64 length, quint64 offset) override
    {
        ssize_t got;
        do {
            got = ::pread(m_fd, buffer, length, off_t(offset));
        } while (got < 0 && errno == EINTR);
        if (got < 0)
            m_errorNumber = errno;
        return got;
    }
    int errorNumber() const override { return m_errorNumber; }

private:
    int m_fd;
    quint64 m_size;
    int m_errorNumber = 0;
};

} // namespace

std::unique_ptr<ByteSource> sourceOfOpenFile(int fd, quint64 size)
{
    return std::make_unique<PosixFileSource>(fd, size);
}

std::unique_ptr<ByteSource> openFileForReading(const QByteArray &nativePath, qint64 knownSize,
                                               int *errorNumber)
{
    int ignored = 0;
    int &error = errorNumber ? *errorNumber : ignored;
    error = 0;
    if (nativePath.isEmpty() || nativePath.contains('\0')) {
        error = nativePath.isEmpty() ? ENOENT : EINVAL;
        return nullptr;
    }
    const int fd = openReadOnly(nativePath);
    if (fd < 0) {
        error = errno;
        return nullptr;
    }
    errno = 0;
    const qint64 size = knownSize >= 0 ? knownSize : regularFileSize(fd);
    if (size < 0) {
        error = errno; // 0: not a regular file
        ::close(fd);
        return nullptr;
    }
    return sourceOfOpenFile(fd, quint64(size));
}
