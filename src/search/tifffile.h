#pragma once

#include "search/bytesource.h"

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

// A file's bytes seen through one cached window. The first window starts at
// offset 0, so the header and a directory stored near it cost a single read;
// another read happens only when asked for bytes outside the window.
class TiffFile {
public:
    // `source` may be null (a file that could not be opened); it must
    // outlive this object.
    explicit TiffFile(ByteSource *source);
    TiffFile(const TiffFile &) = delete;
    TiffFile &operator=(const TiffFile &) = delete;

    bool isOpen() const { return m_source != nullptr; }
    quint64 size() const { return m_size; }
    // Whether a read failed (as opposed to asking for bytes past the end).
    bool failed() const { return m_failed; }
    // The system's error number of the failed read; 0 when none.
    int errorNumber() const { return m_source ? m_source->errorNumber() : 0; }

    // Whether `length` bytes at `offset` lie inside the file (overflow-safe).
    bool contains(quint64 offset, quint64 length) const;

    // `length` bytes at `offset`, or nullptr when they are not all in the
    // file or cannot be read. Valid until the next call.
    const uchar *bytesAt(quint64 offset, quint64 length);

    // The same for a value a directory points to: from the window when it
    // holds the bytes, else from one more read per file into a window of
    // its own (the main window stays as it is, so the chain costs no re-read).
    // Null when the bytes are not in the file, or that read is spent.
    const uchar *valueAt(quint64 offset, quint64 length);

private:
    bool fill(quint64 offset, quint64 length);

    ByteSource *m_source = nullptr;
    quint64 m_size = 0;
    std::vector<uchar> m_window;
    quint64 m_windowOffset = 0;
    quint64 m_windowLength = 0;
    bool m_failed = false;
    std::vector<uchar> m_aside; // valueAt's one read
    quint64 m_asideOffset = 0;
    bool m_asideRead = false;
};
