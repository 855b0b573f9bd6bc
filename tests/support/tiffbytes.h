#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// Builds TIFF files byte by byte, for fixtures that a real writer will not
// produce: any byte order, classic or BigTIFF, directories before or after
// the image data (or far out in a sparse file), chains with chosen links.
//
//     TiffBuilder tiff(TiffVariant::BigTiff, TiffEndian::Big);
//     tiff.addPages(3);
//     tiff.addThumbnail();
//     tiff.link(3, 0);                 // loop back to the first directory
//     writeFile(path, tiff.bytes());
namespace TestSupport {

enum class TiffVariant { Classic, BigTiff };
enum class TiffEndian { Little, Big };

namespace TiffTag {
constexpr quint16 NewSubfileType = 254;
constexpr quint16 SubfileType = 255;
constexpr quint16 ImageWidth = 256;
constexpr quint16 ImageLength = 257;
constexpr quint16 BitsPerSample = 258;
constexpr quint16 Photometric = 262;
constexpr quint16 StripOffsets = 273;
constexpr quint16 SamplesPerPixel = 277;
constexpr quint16 XResolution = 282;
constexpr quint16 YResolution = 283;
constexpr quint16 ResolutionUnit = 296;
constexpr quint16 TileOffsets = 324;
constexpr quint16 SubIfds = 330;
} // namespace TiffTag

namespace TiffType {
constexpr quint16 Byte = 1;
constexpr quint16 Short = 3;
constexpr quint16 Long = 4;
constexpr quint16 Rational = 5;
constexpr quint16 Long8 = 16;
} // namespace TiffType

// One directory entry whose value is held in the entry itself, or whose
// `values` (shorts, or a fraction's numerator and denominator for each
// rational) go in the entry when they fit and after the directory otherwise.
struct TiffField {
    quint16 tag;
    quint16 type;
    quint64 count;
    quint64 value;
    QList<quint32> values = {};
};

// How a page of sizedPage() was captured: photometric interpretation,
// samples and bits (NoPhotometric leaves the tag out).
enum class TiffCapture { Bilevel, Gray8, Gray16, Palette, Rgb, Cmyk, YCbCr, NoPhotometric, RgbOneSample };

TiffField rational(quint16 tag, quint32 numerator, quint32 denominator = 1);

// The fields of a page of width × length pixels at x × y pixels per inch
// (0: no tag) captured as `capture`, then `extra`; for TiffBuilder::addPage.
QList<TiffField> sizedPage(quint32 width, quint32 length, quint32 x, quint32 y,
                           TiffCapture capture = TiffCapture::Bilevel, const QList<TiffField> &extra = {});

class TiffBuilder {
public:
    explicit TiffBuilder(TiffVariant variant = TiffVariant::Classic,
                         TiffEndian endian = TiffEndian::Little);

    // Appends a page: a 1×1 8-bit grey image in one strip, plus `extra`
    // fields (one with a tag of those replaces it). Returns the directory's index.
    int addPage(const QList<TiffField> &extra = {});
    void addPages(int count);
    // Appends a reduced-resolution page (NewSubfileType 1).
    int addThumbnail();
    // Appends a directory of exactly these fields.
    int addDirectory(const QList<TiffField> &fields);

    // Directories go before the image data instead of after it.
    void placeDirectoriesFirst();
    // Directories start no earlier than `offset`, leaving a hole before them.
    void placeDirectoriesAt(quint64 offset);
    // Values that do not fit their entries go together at `offset` (past
    // everything else) instead of after their directories.
    void placeValuesAt(quint64 offset);

    // Directory `from` links to directory `to` (by default each links to the
    // next one and the last to 0).
    void link(int from, int to);
    void linkToOffset(int from, quint64 offset);

    quint64 headerSize() const;
    quint64 directoryOffset(int index) const;
    quint64 fileSize() const;
    TiffEndian endian() const { return m_endian; }

    // The whole file; use writeTo for one with a hole beyond 4 GiB.
    QByteArray bytes() const;
    // Writes the file, leaving the gaps as sparse holes. Fails the test on error.
    void writeTo(const QString &path) const;

private:
    struct Directory {
        QList<TiffField> fields;
        int dataIndex = -1; // the page's one byte of image data
        std::optional<quint64> nextOffset;
        std::optional<int> nextDirectory;
    };
    struct Layout {
        quint64 dataOffset = 0;
        QList<quint64> directoryOffsets;
        QList<quint64> valueOffsets; // each directory's values that do not fit
        quint64 size = 0;
    };
    struct Chunk {
        quint64 offset;
        QByteArray bytes;
    };

    Layout layout() const;
    quint64 directorySize(const Directory &directory) const;
    QByteArray encodeValues(const TiffField &field) const;
    QByteArray outOfLineValues(const Directory &directory) const;
    QList<Chunk> chunks() const;
    QByteArray encodeHeader(const Layout &layout) const;
    QByteArray encodeDirectory(int index, const Layout &layout) const;

    TiffVariant m_variant;
    TiffEndian m_endian;
    QList<Directory> m_directories;
    int m_dataBytes = 0;
    bool m_directoriesFirst = false;
    quint64 m_directoriesAt = 0;
    quint64 m_valuesAt = 0;
};

// Overwrite integers in built bytes, to break a file on purpose.
void putU16(QByteArray &bytes, quint64 offset, quint16 value, TiffEndian endian);
void putU32(QByteArray &bytes, quint64 offset, quint32 value, TiffEndian endian);
void putU64(QByteArray &bytes, quint64 offset, quint64 value, TiffEndian endian);

} // namespace TestSupport
