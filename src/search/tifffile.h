#pragma once

#include <QByteArray>
#include <QtEndian>
#include <QtGlobal>

#include <vector>

// Reads the integers of a TIFF file in the file's own byte order.
struct TiffByteOrder {
    bool bigEndian = false;

    quint16 u16(const uchar *p) const
    {
        return bigEndian ? qFromBigEndian<quint16>(p) : qFromLittleEndian<quint16>(p);
    }
    quint32 u32(const uchar *p) const
    {
        return bigEndian ? qFromBigEndian<quint32>(p) : qFromLittleEndian<quint32>(p);
    }
    quint64 u64(const uchar *p) const
    {
        return bigEndian ? qFromBigEndian<quint64>(p) : qFromLittleEndian<quint64>(p);
    }
};

// A read-only file seen through one cached window. The first window starts
// at offset 0, so the header and a directory stored near it cost a single
// pread; another pread happens only when asked for bytes outside the window.
// Only regular files are read: the file is opened non-blocking, so a pipe or
// device never stalls the caller. Bytes already in memory are read through
// the same window, so both kinds of source share every check.
class TiffFile {
public:
    // `knownSize` is the size the caller already has from a directory listing
    // of a regular file; -1 has it looked up (and the file type checked).
    TiffFile(const QByteArray &nativePath, qint64 knownSize);
    explicit TiffFile(const QByteArray &contents);
    ~TiffFile();
    TiffFile(const TiffFile &) = delete;
    TiffFile &operator=(const TiffFile &) = delete;

    bool isOpen() const { return m_fd >= 0 || m_inMemory; }
    quint64 size() const { return m_size; }
    // Whether a read failed (as opposed to asking for bytes past the end).
    bool failed() const { return m_failed; }
    // The system's error number of a failed open or read; 0 when the file
    // opened but is not a regular file, or nothing failed.
    int errorNumber() const { return m_errorNumber; }

    // Whether `length` bytes at `offset` lie inside the file (overflow-safe).
    bool contains(quint64 offset, quint64 length) const;

    // `length` bytes at `offset`, or nullptr when they are not all in the
    // file or cannot be read. Valid until the next call.
    const uchar *bytesAt(quint64 offset, quint64 length);

private:
    bool fill(quint64 offset, quint64 length);
    qint64 readAt(uchar *buffer, quint64 length, quint64 offset) const;

    int m_fd = -1;
    bool m_inMemory = false;
    QByteArray m_contents; // the source when m_inMemory
    quint64 m_size = 0;
    std::vector<uchar> m_window;
    quint64 m_windowOffset = 0;
    quint64 m_windowLength = 0;
    bool m_failed = false;
    int m_errorNumber = 0;
};
