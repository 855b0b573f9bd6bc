#include "support/tiffbytes.h"

#include <QFile>
#include <QTest>
#include <QtEndian>

#include <algorithm>

namespace TestSupport {

namespace {

constexpr char kPixel = char(0x80);

template<typename T>
void put(QByteArray &bytes, quint64 offset, T value, TiffEndian endian)
{
    Q_ASSERT(offset + sizeof(T) <= quint64(bytes.size()));
    auto *target = reinterpret_cast<uchar *>(bytes.data() + offset);
    if (endian == TiffEndian::Big)
        qToBigEndian(value, target);
    else
        qToLittleEndian(value, target);
}

template<typename T>
void append(QByteArray &bytes, T value, TiffEndian endian)
{
    const quint64 at = bytes.size();
    bytes.resize(bytes.size() + sizeof(T));
    put(bytes, at, value, endian);
}

// Entries in the order a directory stores them.
QList<TiffField> byTag(QList<TiffField> fields)
{
    std::stable_sort(fields.begin(), fields.end(),
                     [](const TiffField &a, const TiffField &b) { return a.tag < b.tag; });
    return fields;
}

quint64 evenUp(quint64 offset)
{
    return (offset + 1) & ~quint64(1);
}

} // namespace

void putU16(QByteArray &bytes, quint64 offset, quint16 value, TiffEndian endian)
{
    put(bytes, offset, value, endian);
}

void putU32(QByteArray &bytes, quint64 offset, quint32 value, TiffEndian endian)
{
    put(bytes, offset, value, endian);
}

void putU64(QByteArray &bytes, quint64 offset, quint64 value, TiffEndian endian)
{
    put(bytes, offset, value, endian);
}

TiffField rational(quint16 tag, quint32 numerator, quint32 denominator)
{
    return {tag, TiffType::Rational, 1, 0, {numerator, denominator}};
}

QList<TiffField> sizedPage(quint32 width, quint32 length, quint32 x, quint32 y, TiffCapture capture,
                           const QList<TiffField> &extra)
{
    struct Mode { int photometric; quint32 samples, bits; };
    static const Mode kModes[] = {{0, 1, 1}, {1, 1, 8}, {1, 1, 16}, {3, 1, 8}, {2, 3, 8}, {5, 4, 8}, {6, 3, 8},
                                  {-1, 1, 8}, {2, 1, 8}};
    const Mode mode = kModes[int(capture)];
    QList<TiffField> fields{{TiffTag::ImageWidth, TiffType::Long, 1, width},
                            {TiffTag::ImageLength, TiffType::Long, 1, length},
                            {TiffTag::SamplesPerPixel, TiffType::Short, 1, mode.samples},
                            {TiffTag::BitsPerSample, TiffType::Short, mode.samples, 0,
                             QList<quint32>(mode.samples, mode.bits)}};
    if (mode.photometric >= 0)
        fields.append({TiffTag::Photometric, TiffType::Short, 1, quint64(mode.photometric)});
    if (x)
        fields.append(rational(TiffTag::XResolution, x));
    if (y)
        fields.append(rational(TiffTag::YResolution, y));
    return fields + extra;
}

TiffBuilder::TiffBuilder(TiffVariant variant, TiffEndian endian)
    : m_variant(variant), m_endian(endian)
{
}

int TiffBuilder::addPage(const QList<TiffField> &extra)
{
    const quint16 offsetType = m_variant == TiffVariant::BigTiff ? TiffType::Long8 : TiffType::Long;
    Directory directory;
    directory.fields = {
        {TiffTag::ImageWidth, TiffType::Short, 1, 1},
        {TiffTag::ImageLength, TiffType::Short, 1, 1},
        {258, TiffType::Short, 1, 8},        // BitsPerSample
        {259, TiffType::Short, 1, 1},        // Compression: none
        {262, TiffType::Short, 1, 1},        // Photometric: black is zero
        {TiffTag::StripOffsets, offsetType, 1, 0}, // filled in by the layout
        {277, TiffType::Short, 1, 1},        // SamplesPerPixel
        {278, TiffType::Short, 1, 1},        // RowsPerStrip
        {279, offsetType, 1, 1},             // StripByteCounts
    };
    for (const TiffField &field : extra) {
        auto same = std::find_if(directory.fields.begin(), directory.fields.end(),
                                 [&](const TiffField &f) { return f.tag == field.tag; });
        if (same != directory.fields.end())
            *same = field;
        else
            directory.fields.append(field);
    }
    directory.dataIndex = m_dataBytes++;
    m_directories.append(directory);
    return int(m_directories.size()) - 1;
}

void TiffBuilder::addPages(int count)
{
    for (int i = 0; i < count; ++i)
        addPage();
}

int TiffBuilder::addThumbnail()
{
    return addPage({{TiffTag::NewSubfileType, TiffType::Long, 1, 1}});
}

int TiffBuilder::addDirectory(const QList<TiffField> &fields)
{
    Directory directory;
    directory.fields = fields;
    m_directories.append(directory);
    return int(m_directories.size()) - 1;
}

void TiffBuilder::placeDirectoriesFirst()
{
    m_directoriesFirst = true;
}

void TiffBuilder::placeDirectoriesAt(quint64 offset)
{
    m_directoriesAt = offset;
}

void TiffBuilder::placeValuesAt(quint64 offset)
{
    m_valuesAt = offset;
}

void TiffBuilder::link(int from, int to)
{
    m_directories[from].nextDirectory = to;
    m_directories[from].nextOffset.reset();
}

void TiffBuilder::linkToOffset(int from, quint64 offset)
{
    m_directories[from].nextOffset = offset;
    m_directories[from].nextDirectory.reset();
}

quint64 TiffBuilder::headerSize() const
{
    return m_variant == TiffVariant::BigTiff ? 16 : 8;
}

quint64 TiffBuilder::directoryOffset(int index) const
{
    return layout().directoryOffsets.value(index);
}

quint64 TiffBuilder::fileSize() const
{
    return layout().size;
}

quint64 TiffBuilder::directorySize(const Directory &directory) const
{
    const bool big = m_variant == TiffVariant::BigTiff;
    return (big ? 8 : 2) + quint64(directory.fields.size()) * (big ? 20 : 12) + (big ? 8 : 4);
}

QByteArray TiffBuilder::encodeValues(const TiffField &field) const
{
    QByteArray bytes;
    for (quint32 value : field.values) {
        if (field.type == TiffType::Short)
            append<quint16>(bytes, quint16(value), m_endian);
        else
            append<quint32>(bytes, value, m_endian);
    }
    return bytes;
}

// The values of a directory that do not fit their entries, in entry order.
QByteArray TiffBuilder::outOfLineValues(const Directory &directory) const
{
    QByteArray values;
    for (const TiffField &field : byTag(directory.fields)) {
        const QByteArray bytes = encodeValues(field);
        if (bytes.size() > (m_variant == TiffVariant::BigTiff ? 8 : 4))
            values += bytes.leftJustified(qsizetype(evenUp(quint64(bytes.size()))), '\0');
    }
    return values;
}

TiffBuilder::Layout TiffBuilder::layout() const
{
    Layout result;
    quint64 at = headerSize();
    if (!m_directoriesFirst) {
        result.dataOffset = at;
        at += quint64(m_dataBytes);
    }
    at = evenUp(std::max(at, m_directoriesAt));
    for (const Directory &directory : m_directories) {
        result.directoryOffsets.append(at);
        at += directorySize(directory);
        if (!m_valuesAt) {
            result.valueOffsets.append(at);
            at += quint64(outOfLineValues(directory).size());
        }
    }
    if (m_directoriesFirst) {
        result.dataOffset = at;
        at += quint64(m_dataBytes);
    }
    if (m_valuesAt) {
        at = std::max(at, m_valuesAt);
        for (const Directory &directory : m_directories) {
            result.valueOffsets.append(at);
            at += quint64(outOfLineValues(directory).size());
        }
    }
    result.size = at;
    return result;
}

QByteArray TiffBuilder::encodeHeader(const Layout &layout) const
{
    QByteArray bytes(m_endian == TiffEndian::Big ? "MM" : "II");
    const quint64 first = layout.directoryOffsets.value(0);
    if (m_variant == TiffVariant::BigTiff) {
        append<quint16>(bytes, 43, m_endian);
        append<quint16>(bytes, 8, m_endian);
        append<quint16>(bytes, 0, m_endian);
        append<quint64>(bytes, first, m_endian);
    } else {
        append<quint16>(bytes, 42, m_endian);
        append<quint32>(bytes, quint32(first), m_endian);
    }
    return bytes;
}

QByteArray TiffBuilder::encodeDirectory(int index, const Layout &layout) const
{
    const Directory &directory = m_directories[index];
    const bool big = m_variant == TiffVariant::BigTiff;
    const QList<TiffField> fields = byTag(directory.fields);
    QByteArray bytes;
    quint64 valuesAt = layout.valueOffsets.value(index);
    if (big)
        append<quint64>(bytes, fields.size(), m_endian);
    else
        append<quint16>(bytes, quint16(fields.size()), m_endian);
    for (const TiffField &field : fields) {
        quint64 value = field.value;
        if (field.tag == TiffTag::StripOffsets && directory.dataIndex >= 0)
            value = layout.dataOffset + quint64(directory.dataIndex);
        append<quint16>(bytes, field.tag, m_endian);
        append<quint16>(bytes, field.type, m_endian);
        if (big)
            append<quint64>(bytes, field.count, m_endian);
        else
            append<quint32>(bytes, quint32(field.count), m_endian);
        QByteArray valueField(big ? 8 : 4, '\0');
        const QByteArray values = encodeValues(field);
        if (values.size() > valueField.size()) {
            value = valuesAt;
            valuesAt += evenUp(quint64(values.size()));
        } else if (!values.isEmpty()) {
            bytes += values.leftJustified(valueField.size(), '\0');
            continue;
        }
        switch (field.type) {
        case TiffType::Byte: valueField[0] = char(value); break;
        case TiffType::Short: put<quint16>(valueField, 0, quint16(value), m_endian); break;
        case TiffType::Long8: put<quint64>(valueField, 0, value, m_endian); break;
        default: put<quint32>(valueField, 0, quint32(value), m_endian); break;
        }
        bytes += valueField;
    }
    quint64 next = 0;
    if (directory.nextOffset)
        next = *directory.nextOffset;
    else if (directory.nextDirectory)
        next = layout.directoryOffsets.value(*directory.nextDirectory);
    else if (index + 1 < m_directories.size())
        next = layout.directoryOffsets[index + 1];
    if (big)
        append<quint64>(bytes, next, m_endian);
    else
        append<quint32>(bytes, quint32(next), m_endian);
    return bytes;
}

QList<TiffBuilder::Chunk> TiffBuilder::chunks() const
{
    const Layout at = layout();
    QList<Chunk> result{{0, encodeHeader(at)}, {at.dataOffset, QByteArray(m_dataBytes, kPixel)}};
    for (int i = 0; i < m_directories.size(); ++i) {
        result.append({at.directoryOffsets[i], encodeDirectory(i, at)});
        result.append({at.valueOffsets[i], outOfLineValues(m_directories[i])});
    }
    return result;
}

QByteArray TiffBuilder::bytes() const
{
    QByteArray file(qsizetype(fileSize()), '\0');
    for (const Chunk &chunk : chunks())
        file.replace(qsizetype(chunk.offset), chunk.bytes.size(), chunk.bytes);
    return file;
}

void TiffBuilder::writeTo(const QString &path) const
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QVERIFY(file.resize(qint64(fileSize()))); // the gaps stay holes
    for (const Chunk &chunk : chunks()) {
        QVERIFY(file.seek(qint64(chunk.offset)));
        QCOMPARE(file.write(chunk.bytes), chunk.bytes.size());
    }
}

} // namespace TestSupport
