#pragma once

#include <QByteArray>
#include <QtGlobal>

// Bytes of one file at any offset: what the page counter reads. The
// platform opens real files; bytes already in memory come through the same
// interface so both kinds of source share every check. One source is read by
// one thread at a time (the one that opened it).
class ByteSource
{
public:
    virtual ~ByteSource() = default;
    // The size the source had when it was opened.
    virtual quint64 size() const = 0;
    // Up to `length` bytes at `offset` into `buffer`: the count read, 0 at
    // the end, -1 when the source cannot be read.
    virtual qint64 readAt(uchar *buffer, quint64 length, quint64 offset) = 0;
    // The system's error number of the last read that returned -1; 0: none.
    virtual int errorNumber() const { return 0; }
};

// A source over bytes held in memory.
class MemoryByteSource : public ByteSource
{
public:
    explicit MemoryByteSource(const QByteArray &contents) : m_contents(contents) {}
    quint64 size() const override { return quint64(m_contents.size()); }
    qint64 readAt(uchar *buffer, quint64 length, quint64 offset) override;

private:
    QByteArray m_contents;
};
