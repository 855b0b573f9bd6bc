#include "platform/filesystem.h"
#include "results/cellformats.h"
#include "results/pagebreakdownwords.h"
#include "search/pagecounter.h"
#include "search/pagesize.h"
#include "base/pathcodec.h"
#include "support/tempfiles.h"
#include "support/tiffbytes.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <array>
#include <atomic>
#include <cmath>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <thread>
#include <tiffio.h>
#include <unistd.h>

using namespace TestSupport;

namespace {

enum class LibtiffDirectory { Page, Thumbnail, Mask, TiledPage, PageWithSubIfds };
using LibtiffLayout = QList<LibtiffDirectory>;

constexpr int kImageSide = 32;
constexpr int kTileSide = 16;
constexpr int kSubIfdCount = 2;

void setGreyImage(TIFF *tiff, quint32 subfileType)
{
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, kImageSide);
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, kImageSide);
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 1);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISBLACK);
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_NONE);
    if (subfileType)
        TIFFSetField(tiff, TIFFTAG_SUBFILETYPE, subfileType);
}

bool writeImage(TIFF *tiff, quint32 subfileType, bool tiled)
{
    setGreyImage(tiff, subfileType);
    QByteArray pixels(kImageSide * kImageSide, char(0x40));
    if (!tiled) {
        TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, kImageSide);
        return TIFFWriteEncodedStrip(tiff, 0, pixels.data(), pixels.size()) >= 0
                && TIFFWriteDirectory(tiff);
    }
    TIFFSetField(tiff, TIFFTAG_TILEWIDTH, kTileSide);
    TIFFSetField(tiff, TIFFTAG_TILELENGTH, kTileSide);
    for (uint tile = 0; tile < TIFFNumberOfTiles(tiff); ++tile)
        if (TIFFWriteEncodedTile(tiff, tile, pixels.data(), kTileSide * kTileSide) < 0)
            return false;
    return TIFFWriteDirectory(tiff);
}

bool writeDirectory(TIFF *tiff, LibtiffDirectory kind)
{
    switch (kind) {
    case LibtiffDirectory::Page: return writeImage(tiff, FILETYPE_PAGE, false);
    case LibtiffDirectory::Thumbnail: return writeImage(tiff, FILETYPE_REDUCEDIMAGE, false);
    case LibtiffDirectory::Mask: return writeImage(tiff, FILETYPE_MASK, false);
    case LibtiffDirectory::TiledPage: return writeImage(tiff, 0, true);
    case LibtiffDirectory::PageWithSubIfds: {
        // The directories written next become the page's SubIFDs, off the main chain.
        toff_t placeholders[kSubIfdCount] = {};
        TIFFSetField(tiff, TIFFTAG_SUBIFD, kSubIfdCount, placeholders);
        bool ok = writeImage(tiff, 0, false);
        for (int i = 0; i < kSubIfdCount; ++i)
            ok = ok && writeImage(tiff, FILETYPE_REDUCEDIMAGE, false);
        return ok;
    }
    }
    return false;
}

void writeWithLibtiff(const QString &path, const char *mode, const LibtiffLayout &layout)
{
    TIFF *tiff = TIFFOpen(QFile::encodeName(path).constData(), mode);
    QVERIFY(tiff);
    bool ok = true;
    for (LibtiffDirectory kind : layout)
        ok = ok && writeDirectory(tiff, kind);
    TIFFClose(tiff);
    QVERIFY2(ok, "libtiff failed to write the fixture");
}

int libtiffDirectoryCount(const QString &path)
{
    TIFF *tiff = TIFFOpen(QFile::encodeName(path).constData(), "r");
    if (!tiff)
        return -1;
    const int count = int(TIFFNumberOfDirectories(tiff));
    TIFFClose(tiff);
    return count;
}

QByteArray pages(int count, TiffVariant variant = TiffVariant::Classic,
                 TiffEndian endian = TiffEndian::Little)
{
    TiffBuilder tiff(variant, endian);
    tiff.addPages(count);
    return tiff.bytes();
}

QList<TiffField> imageFields(int total)
{
    QList<TiffField> fields{{TiffTag::ImageWidth, TiffType::Short, 1, 1},
                            {TiffTag::ImageLength, TiffType::Short, 1, 1},
                            {TiffTag::StripOffsets, TiffType::Long, 1, 8}};
    for (quint16 tag = 1000; fields.size() < total; ++tag)
        fields.append({tag, TiffType::Short, 1, 0});
    return fields;
}

TiffField subfileField(quint16 tag, quint64 value)
{
    return {tag, tag == TiffTag::SubfileType ? TiffType::Short : TiffType::Long, 1, value};
}

// A first page linked to `count` directories that overlap one another, 4
// bytes apart, each claiming 65535 entries: read one by one they would cost
// time quadratic in the file's size.
QByteArray overlappingChain(int count)
{
    constexpr quint64 kChainStart = 16;
    constexpr quint64 kEntryBytes = 65535 * 12;
    const auto le = TiffEndian::Little;
    const quint64 pointers = kChainStart + 2 + kEntryBytes;
    const quint64 first = pointers + 4 * quint64(count);
    QByteArray bytes(qsizetype(first + 2 + 3 * 12 + 4), '\0');
    bytes.replace(0, 4, QByteArray("II*\0", 4));
    putU32(bytes, 4, quint32(first), le);
    bytes.replace(kChainStart, 4 * count, QByteArray(4 * count, '\xff'));
    for (int i = 0; i + 1 < count; ++i)
        putU32(bytes, pointers + 4 * i, quint32(kChainStart + 4 * (i + 1)), le);
    putU16(bytes, first, 3, le);
    const quint16 tags[] = {TiffTag::ImageWidth, TiffTag::ImageLength, TiffTag::StripOffsets};
    for (int i = 0; i < 3; ++i) {
        putU16(bytes, first + 2 + 12 * i, tags[i], le);
        putU16(bytes, first + 4 + 12 * i, TiffType::Long, le);
        putU32(bytes, first + 6 + 12 * i, 1, le);
        putU32(bytes, first + 10 + 12 * i, 8, le);
    }
    putU32(bytes, first + 2 + 36, quint32(kChainStart), le);
    return bytes;
}

// A page of the builder's with `fields`, or (exact) of these fields alone.
QByteArray onePage(const QList<TiffField> &fields, TiffVariant variant = TiffVariant::Classic, bool exact = false)
{
    TiffBuilder tiff(variant);
    if (exact)
        tiff.addDirectory(fields + QList<TiffField>{{TiffTag::StripOffsets, TiffType::Long, 1, 8}});
    else
        tiff.addPage(fields);
    return tiff.bytes();
}

// Nominal sizes in mm (portrait; Letter 8.5 × 11 in, Legal 8.5 × 14, Tabloid 11 × 17, ANSI C 17 × 22,
// D 22 × 34, E 34 × 44), A4 pages a page is worth (its area in A4s rounded up; A0 and A1, a hair
// over 16 and 8, are worth 16 and 8), its name in a file's key and in words.
struct SizeClass { PageSize size; double shortMm, longMm; qint64 a4; const char *key, *name; };
const SizeClass kSizeClasses[] = {
    {PageSize::A0, 841, 1189, 16, "A0", "A0"}, {PageSize::A1, 594, 841, 8, "A1", "A1"},
    {PageSize::A2, 420, 594, 4, "A2", "A2"}, {PageSize::A3, 297, 420, 2, "A3", "A3"},
    {PageSize::A4, 210, 297, 1, "A4", "A4"}, {PageSize::A5, 148, 210, 1, "A5", "A5"},
    {PageSize::A6, 105, 148, 1, "A6", "A6"}, {PageSize::IsoB4, 250, 353, 2, "B4", "ISO B4"},
    {PageSize::IsoB5, 176, 250, 1, "B5", "ISO B5"}, {PageSize::JisB4, 257, 364, 2, "JB4", "JIS B4"},
    {PageSize::JisB5, 182, 257, 1, "JB5", "JIS B5"}, {PageSize::Letter, 215.9, 279.4, 1, "Let", "Letter"},
    {PageSize::Legal, 215.9, 355.6, 2, "Leg", "Legal"}, {PageSize::Tabloid, 279.4, 431.8, 2, "Tab", "Tabloid"},
    {PageSize::AnsiC, 431.8, 558.8, 4, "AC", "ANSI C"}, {PageSize::AnsiD, 558.8, 863.6, 8, "AD", "ANSI D"},
    {PageSize::AnsiE, 863.6, 1117.6, 16, "AE", "ANSI E"}, {PageSize::Fax, 0, 0, 1, "Fax", "Fax"},
    {PageSize::Other, 0, 0, 1, "Oth", "Other"}, {PageSize::Unknown, 0, 0, 1, "U", "Unknown size"}};

// A page of width × length pixels at x × y pixels per inch, or per centimetre (unit 3).
TiffPageTags pageTags(double width, double length, double x, double y, quint64 unit = 2, int photometric = -1,
                      quint64 samples = 1, TiffValue bits = {TiffValue::Read, 0, 1})
{
    const auto tenths = [](double value) { return TiffValue{TiffValue::Read, 0, quint32(std::lround(value * 10)), 10}; };
    return {quint64(std::lround(width)), quint64(std::lround(length)), tenths(x), tenths(y), unit, photometric, samples,
            bits};
}

// Counts the reads the counter makes.
class CountingSource : public MemoryByteSource
{
public:
    using MemoryByteSource::MemoryByteSource;
    qint64 readAt(uchar *buffer, quint64 length, quint64 offset) override
    {
        ++reads;
        return MemoryByteSource::readAt(buffer, length, offset);
    }
    int reads = 0;
};

} // namespace

class PageCounterTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void libtiffFiles_data();
    void libtiffFiles();
    void builtFiles_data();
    void builtFiles();
    void brokenFiles_data();
    void brokenFiles();
    void pageWorth_data();
    void pageWorth();
    void sizeClasses_data();
    void sizeClasses();
    void sizeKeysNamesAndReasons();
    void captureModes_data();
    void captureModes();
    void loops_data();
    void loops();
    void staleKnownSize();
    void notRegularFiles();
    void everyFailureGivesAReason();
    void pipeDoesNotBlock();
    void beyondFourGiB();
    void nonUtf8Name();

private:
    int count(const QString &name, const QByteArray &bytes);
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

void PageCounterTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TIFFSetErrorHandler(nullptr);
    TIFFSetWarningHandler(nullptr);
}

// Writes `bytes` and counts them both ways: by text path and by native
// path with the size known. The two must agree.
int PageCounterTest::count(const QString &name, const QByteArray &bytes)
{
    writeFile(path(name), bytes);
    const int byPath = FilePageCounter().CountPages(path(name));
    const int bySize = FilePageCounter::countPagesOfFile(QFile::encodeName(path(name)), bytes.size());
    if (byPath != bySize)
        qWarning("path gives %d, known size gives %d", byPath, bySize);
    return byPath == bySize ? byPath : INT_MIN;
}

void PageCounterTest::libtiffFiles_data()
{
    using D = LibtiffDirectory;
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<LibtiffLayout>("layout");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("libtiffAgrees");
    QTest::newRow("classic, one page") << QByteArray("w") << LibtiffLayout{D::Page} << 1 << true;
    QTest::newRow("classic, 12 pages") << QByteArray("w") << LibtiffLayout(12, D::Page) << 12 << true;
    QTest::newRow("BigTIFF w8, 5 pages") << QByteArray("w8") << LibtiffLayout(5, D::Page) << 5 << true;
    QTest::newRow("big-endian wb, 3 pages") << QByteArray("wb") << LibtiffLayout(3, D::Page) << 3 << true;
    QTest::newRow("big-endian BigTIFF w8b") << QByteArray("w8b") << LibtiffLayout(4, D::Page) << 4 << true;
    QTest::newRow("tiled, 3 pages") << QByteArray("w") << LibtiffLayout(3, D::TiledPage) << 3 << true;
    QTest::newRow("SubIFDs not followed")
            << QByteArray("w") << LibtiffLayout{D::PageWithSubIfds, D::Page} << 2 << true;
    QTest::newRow("thumbnail after the page")
            << QByteArray("w") << LibtiffLayout{D::Page, D::Thumbnail} << 1 << false;
    QTest::newRow("pyramid overviews in the chain")
            << QByteArray("w8") << LibtiffLayout{D::TiledPage, D::Thumbnail, D::Thumbnail} << 1 << false;
    QTest::newRow("page with a transparency mask")
            << QByteArray("w") << LibtiffLayout{D::Page, D::Mask, D::Page} << 2 << false;
    QTest::newRow("thumbnails only count as pages")
            << QByteArray("w") << LibtiffLayout(2, D::Thumbnail) << 2 << true;
}

void PageCounterTest::libtiffFiles()
{
    QFETCH(QByteArray, mode);
    QFETCH(LibtiffLayout, layout);
    QFETCH(int, expected);
    QFETCH(bool, libtiffAgrees);
    const QString file = path(QStringLiteral("libtiff-%1.tif").arg(QTest::currentDataTag()));
    writeWithLibtiff(file, mode.constData(), layout);
    const int pages = count(QFileInfo(file).fileName(), readFile(file));
    QCOMPARE(pages, expected);
    if (libtiffAgrees)
        QCOMPARE(pages, libtiffDirectoryCount(file));
    else
        QCOMPARE_LT(pages, libtiffDirectoryCount(file));
}

void PageCounterTest::builtFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("leftOut"); // what the tooltip says was not counted
    const auto classic = TiffVariant::Classic;
    const auto big = TiffVariant::BigTiff;
    const auto le = TiffEndian::Little;
    const auto be = TiffEndian::Big;
    for (auto variant : {classic, big}) {
        for (auto endian : {le, be}) {
            for (bool first : {false, true}) {
                TiffBuilder tiff(variant, endian);
                if (first)
                    tiff.placeDirectoriesFirst();
                tiff.addPages(3);
                QTest::addRow("%s %s, directories %s", variant == big ? "BigTIFF" : "classic",
                              endian == be ? "MM" : "II", first ? "first" : "last")
                        << tiff.bytes() << 3 << QString();
            }
        }
    }
    QTest::newRow("100000 pages, no cap") << pages(100000) << 100000 << QString();

    TiffBuilder thumbnail;
    thumbnail.addPages(2);
    thumbnail.addThumbnail();
    QTest::newRow("thumbnail in the chain") << thumbnail.bytes() << 2 << "1 reduced-resolution image";

    const QList<std::tuple<const char *, TiffField, QString>> kinds{
            {"NewSubfileType bit 0", subfileField(TiffTag::NewSubfileType, 1), "1 reduced-resolution image"},
            {"NewSubfileType bit 2", subfileField(TiffTag::NewSubfileType, 4), "1 transparency mask"},
            {"NewSubfileType 5", subfileField(TiffTag::NewSubfileType, 5), "1 reduced-resolution image"},
            {"SubfileType 2", subfileField(TiffTag::SubfileType, 2), "1 reduced-resolution image"}};
    for (const auto &[name, field, leftOut] : kinds) {
        TiffBuilder tiff(big, be);
        tiff.addPage();
        tiff.addPage({field});
        tiff.addPage();
        QTest::addRow("%s is no page", name) << tiff.bytes() << 2 << leftOut;
    }
    const QList<QPair<const char *, TiffField>> stillPages{
            {"NewSubfileType bit 1", subfileField(TiffTag::NewSubfileType, 2)},
            {"SubfileType 3", subfileField(TiffTag::SubfileType, 3)},
            {"NewSubfileType as a SHORT", {TiffTag::NewSubfileType, TiffType::Short, 1, 2}},
            {"NewSubfileType stored elsewhere", {TiffTag::NewSubfileType, TiffType::Long, 2, 5}}};
    for (const auto &[name, field] : stillPages) {
        TiffBuilder tiff;
        tiff.addPage({field});
        tiff.addPage();
        QTest::addRow("%s is a page", name) << tiff.bytes() << 2 << QString();
    }

    TiffBuilder tiled;
    tiled.addDirectory({{TiffTag::ImageWidth, TiffType::Long, 1, 1},
                        {TiffTag::ImageLength, TiffType::Long, 1, 1},
                        {TiffTag::TileOffsets, TiffType::Long, 1, 8}});
    QTest::newRow("tiles instead of strips") << tiled.bytes() << 1 << QString();
    TiffBuilder emptyLater;
    emptyLater.addPage();
    emptyLater.addDirectory({});
    QTest::newRow("later directory without entries") << emptyLater.bytes() << 2 << QString();
    TiffBuilder widest;
    widest.addDirectory(imageFields(4096));
    QTest::newRow("first directory of 4096 entries") << widest.bytes() << 1 << QString();
}

void PageCounterTest::builtFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, expected);
    QFETCH(QString, leftOut);
    QCOMPARE(count(QStringLiteral("built.tif"), bytes), expected);
    const QString note = pageCountNote(PageCounter::countContents(bytes));
    QCOMPARE(note, leftOut.isEmpty() ? QString() : leftOut + " not counted");
}

// The key lists modes (c, g, b, u), sizes ("~" landscape, U unknown), then
// the A4-equivalent pages when not one per page, Other's mm and the reasons
// (s=, m=; PageFault's numbers) of unknown ones, but for "no resolution".
void PageCounterTest::pageWorth_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("reads");
    const auto row = [](const char *name, const QByteArray &bytes, const char *key, int reads = 1) {
        QTest::newRow(name) << bytes << QString::fromLatin1(key) << reads;
    };
    row("A4 300 dpi", onePage(sizedPage(2480, 3508, 300, 300)), "b,A4");
    row("A4 landscape, 600 x 300 dpi", onePage(sizedPage(7016, 2480, 600, 300)), "b,~A4");
    row("A3 200 dpi", onePage(sizedPage(2339, 3307, 200, 200, TiffCapture::Gray8)), "g,A3,e=2");
    row("A0 over by 2.5 mm", onePage(sizedPage(3321, 4691, 100, 100, TiffCapture::Rgb)), "c,A0,e=16");
    row("Letter, grey and alpha", onePage(sizedPage(2550, 3300, 300, 300, TiffCapture::Gray16, {{TiffTag::SamplesPerPixel,
        TiffType::Short, 1, 2}, {TiffTag::BitsPerSample, TiffType::Short, 2, 0, {16, 16}}})), "g,Let");
    row("centimetres", onePage(sizedPage(2480, 3508, 0, 0, TiffCapture::Cmyk, {rational(282, 11811, 100),
        rational(283, 11811, 100), {TiffTag::ResolutionUnit, TiffType::Short, 1, 3}})), "c,A4");
    row("unit 1", onePage(sizedPage(2480, 3508, 300, 300, TiffCapture::YCbCr, {{TiffTag::ResolutionUnit, TiffType::Short, 1, 1}})),
        "c,U,s=4");
    row("unit 4", onePage(sizedPage(2480, 3508, 300, 300, TiffCapture::Bilevel, {{TiffTag::ResolutionUnit, TiffType::Short, 1, 4}})),
        "b,U,s=5");
    row("no resolution", onePage(sizedPage(2480, 3508, 0, 0)), "b,U");
    row("1 dpi", onePage(sizedPage(2480, 3508, 1, 1)), "b,U,s=3");
    row("zero denominator", onePage(sizedPage(2480, 3508, 300, 300, TiffCapture::Bilevel, {rational(283, 300, 0)})), "b,U,s=2");
    row("width 0", onePage(sizedPage(0, 3508, 300, 300)), "b,U,s=6");
    row("length 0", onePage(sizedPage(2480, 0, 300, 300)), "b,U,s=6");
    row("4 billion pixels", onePage(sizedPage(4000000000u, 3508, 20, 300)), "b,U,s=7");
    row("fax 204 x 98", onePage(sizedPage(1728, 1143, 204, 98)), "b,Fax");
    row("BigTIFF", onePage(sizedPage(2480, 3508, 300, 300), TiffVariant::BigTiff), "b,A4");
    row("no photometric", onePage(sizedPage(2480, 3508, 300, 300, TiffCapture::NoPhotometric), TiffVariant::Classic, true),
        "u,A4,m=10");
    row("RGB of one sample", onePage(sizedPage(2480, 3508, 300, 300, TiffCapture::RgbOneSample)), "u,A4,m=11");
    row("LogLuv", onePage(sizedPage(2480, 3508, 300, 300, TiffCapture::Rgb, {{TiffTag::Photometric, TiffType::Short, 1,
        32845}})), "c,A4");
    row("grey of 3 samples, bits after the directory", onePage(sizedPage(2480, 3508, 300, 300, TiffCapture::Gray8,
        {{TiffTag::SamplesPerPixel, TiffType::Short, 1, 3}, {TiffTag::BitsPerSample, TiffType::Short, 3, 0, {8, 8, 8}}})), "g,A4");
    QByteArray cutBits = onePage(sizedPage(2480, 3508, 300, 300, TiffCapture::Gray8, {{TiffTag::SamplesPerPixel,
        TiffType::Short, 1, 3}, {TiffTag::BitsPerSample, TiffType::Short, 3, 0, {8, 8, 8}}}));
    for (qsizetype at = qFromLittleEndian<quint32>(cutBits.constData() + 4) + 2; at + 12 <= cutBits.size(); at += 12)
        if (qFromLittleEndian<quint16>(cutBits.constData() + at) == TiffTag::BitsPerSample)
            qToLittleEndian<quint32>(quint32(cutBits.size() - 1), cutBits.data() + at + 8); // one byte of two left
    row("grey of 3 samples, bits cut off by the end", cutBits, "u,A4,m=8");

    TiffBuilder mixed(TiffVariant::Classic, TiffEndian::Big);
    mixed.addPage(sizedPage(2480, 3508, 300, 300));
    mixed.addThumbnail();
    mixed.addPage(sizedPage(4961, 3508, 300, 300, TiffCapture::Rgb));
    mixed.addPage(sizedPage(2550, 3300, 300, 300, TiffCapture::Gray8));
    mixed.addPage(sizedPage(3555, 2528, 300, 300)); // A4 over by 4 mm, landscape: Other, as measured
    mixed.addPage(sizedPage(1000, 1000, 100, 100)); // another Other: the first one's size is kept
    row("mixed with a thumbnail", mixed.bytes(), "c,g,b=3,~A3,A4,Let,Oth=2,e=6,o=301x214");

    // Values out beyond the first read (32 KiB): one more read gets them,
    // and past the end of the file none can.
    TiffBuilder far;
    far.placeDirectoriesFirst();
    far.placeValuesAt(100000);
    far.addPage(sizedPage(2480, 3508, 300, 300));
    far.addPage(sizedPage(2480, 3508, 300, 300, TiffCapture::Bilevel, {{281, TiffType::Short, 10000, 0, QList<quint32>(10000, 1)}}));
    row("values far out", far.bytes(), "b=2,A4,U,s=9", 2);
    QByteArray past = onePage(sizedPage(2480, 3508, 300, 300));
    past.chop(16); // the two fractions after the directory
    row("resolution past the end", past, "b,U,s=8");
}

void PageCounterTest::pageWorth()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, key);
    QFETCH(int, reads);
    CountingSource source(bytes);
    const PageCountResult result = PageCounter::count(&source);
    QCOMPARE(result.breakdown.key(), key);
    QCOMPARE(source.reads, reads);
    QCOMPARE(result.breakdown.pages(), qint64(result.pages));
    QCOMPARE(PageBreakdown::fromKey(key).key(), key);
}

// Within 2 mm of each nominal side (3 mm above 600 mm) a page is of that
// class either way round, and worth its nominal area; farther out it is
// Other. At 254 pixels per inch (100 per cm) a pixel is 0.1 mm.
void PageCounterTest::sizeClasses_data()
{
    QTest::addColumn<TiffPageTags>("tags");
    QTest::addColumn<PageSize>("size");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<qint64>("a4"); // 0: not checked
    for (const SizeClass &c : kSizeClasses)
        for (int side = 0; c.shortMm > 0 && side < 2; ++side) {
            const double tolerance = (side ? c.longMm : c.shortMm) > 600 ? 3 : 2;
            for (double off : {tolerance, -tolerance, tolerance + 0.1, -tolerance - 0.1}) {
                const bool in = std::abs(off) == tolerance;
                const double shortMm = c.shortMm + (side ? 0 : off), longMm = c.longMm + (side ? off : 0);
                for (bool across : {false, true})
                    for (auto [unit, r, yScale] : {std::tuple{2, 254, 1}, {2, 254, 2}, {3, 100, 1}, {3, 100, 2}})
                        QTest::addRow("%s, %s side %+.1f mm, %s, unit %d, y x%d", c.name, side ? "long" : "short", off,
                                      across ? "landscape" : "portrait", unit, yScale)
                                << pageTags((across ? longMm : shortMm) * 10, (across ? shortMm : longMm) * 10 * yScale,
                                            r, r * yScale, quint64(unit))
                                << (in ? c.size : PageSize::Other) << (in && across) << (in ? c.a4 : 0);
            }
        }
    // Other pages 100 mm wide or high: A4-equivalents of their area, at and above whole A4 areas.
    for (bool across : {false, true})
        for (auto [inA4, a4] : {std::pair{0.01, 1}, {1.04, 1}, {1.06, 2}, {2., 2}, {2.04, 2}, {2.06, 3}, {16.04, 16},
                                {16.06, 17}}) {
            const double tenths = std::round(inA4 * 210 * 297 / 10); // 100 mm by this many 0.1 mm
            QTest::addRow("Other of %.2f A4, %s", inA4, across ? "landscape" : "portrait")
                    << pageTags(across ? tenths : 1000, across ? 1000 : tenths, 254, 254) << PageSize::Other << false
                    << qint64(a4);
        }
    // Fax: 1728 pixels wide at 195 to 210 pixels per inch, 98 or 196 (±1) high.
    for (auto [width, x, y, fax] : {std::tuple{1728, 204., 98., true}, {1728, 195., 97., true}, {1728, 210., 99., true},
                                    {1728, 204., 195., true}, {1728, 204., 197., true}, {1727, 204., 98., false},
                                    {1729, 204., 196., false}, {1728, 194.9, 98., false}, {1728, 210.1, 196., false},
                                    {1728, 204., 96.9, false}, {1728, 204., 99.1, false}, {1728, 204., 194.9, false},
                                    {1728, 204., 197.1, false}, {1728, 204., 150., false}})
        QTest::addRow("%d pixels at %.1f x %.1f", width, x, y)
                << pageTags(width, 1000, x, y) << (fax ? PageSize::Fax : PageSize::Other) << false << qint64(0);
    // Resolutions from 20 to 20,000 pixels per inch are believed, none beyond.
    for (auto [ppi, size] : {std::pair{19.9, PageSize::Unknown}, {20., PageSize::Other}, {20000., PageSize::Other},
                             {20000.1, PageSize::Unknown}})
        QTest::addRow("1000 pixels at %.1f", ppi) << pageTags(1000, 1000, ppi, ppi) << size << false << qint64(0);
}

void PageCounterTest::sizeClasses()
{
    QFETCH(TiffPageTags, tags);
    QFETCH(PageSize, size);
    QFETCH(bool, landscape);
    QFETCH(qint64, a4);
    const PageFacts page = classifyPage(tags);
    QCOMPARE(page.size, size);
    QCOMPARE(page.landscape, landscape);
    if (a4 > 0)
        QCOMPARE(page.a4Equivalent, a4);
}

// A file's key names each class, "~" for its landscape pages, and reads back the same.
void PageCounterTest::sizeKeysNamesAndReasons()
{
    for (const SizeClass &c : kSizeClasses) {
        const QString key = QStringLiteral("%1,~%1=2%2").arg(QLatin1StringView(c.key),
                                                             c.size == PageSize::Other ? u",o=9x9" : u"");
        const PageBreakdown read = PageBreakdown::fromKey(key);
        QCOMPARE(read.count(c.size), 3);
        QCOMPARE(read.landscape[size_t(c.size)], 2);
        QCOMPARE(read.key(), key);
        QCOMPARE(sizesText(read, TextFor::People), QString::fromLatin1(c.name) + u" 3");
    }
    // Keys added up keep the first Other size and the first reason; a reason
    // past those this version knows (12) reads as none.
    PageBreakdown sum = PageBreakdown::fromKey(u"A3,U,s=12");
    for (const char16_t *key : {u"Oth,o=100x200,U,s=3", u"Oth,o=300x400,U,s=4"})
        sum.addKey(QStringView(key));
    QCOMPARE(std::tuple(sum.otherWidthMm, sum.otherHeightMm, sum.sizeFault),
             std::tuple(quint16(100), quint16(200), PageFault::NoResolution));
    // A resolution's state gives the size's reason for the key.
    for (const auto &[state, sizeFault] :
         {std::pair{TiffValue::Missing, PageFault::NoResolution}, {TiffValue::Outside, PageFault::ValueOutside},
          {TiffValue::NotRead, PageFault::ValueNotRead}, {TiffValue::Pending, PageFault::ValueNotRead},
          {TiffValue::Malformed, PageFault::BadResolution}}) {
        TiffPageTags unsized = pageTags(2480, 3508, 300, 300);
        unsized.yResolution = {state, 0, 300, 1};
        QCOMPARE(classifyPage(unsized).sizeFault, sizeFault);
    }
}

// Each photometric interpretation's mode, for samples and bits on both sides
// of what it asks; the mode of grey and mask pages depends on their bits.
void PageCounterTest::captureModes_data()
{
    QTest::addColumn<TiffPageTags>("tags");
    QTest::addColumn<CaptureMode>("mode");
    QTest::addColumn<PageFault>("fault");
    QTest::addColumn<bool>("needsBits");
    const auto c = CaptureMode::Color, g = CaptureMode::Grayscale, b = CaptureMode::BlackAndWhite;
    const auto u = CaptureMode::Unknown;
    using Cases = QList<std::tuple<quint64, quint32, CaptureMode>>; // samples, bits, mode
    const QList<std::tuple<QList<int>, bool, Cases>> rules{
        {{0, 1}, true, {{1, 1, b}, {1, 2, g}, {1, 8, g}, {3, 16, g}, {2, 1, u}, {0, 8, u}, {1, 0, u}}},
        {{4}, true, {{1, 1, b}, {1, 8, u}, {2, 1, u}}},
        {{32844}, false, {{1, 1, g}, {0, 8, u}}},
        {{3}, false, {{1, 8, c}, {0, 8, u}, {2, 8, u}}},
        {{5, 32803}, false, {{1, 8, c}, {4, 8, c}, {0, 8, u}}},
        {{2, 6, 8, 9, 10, 32845, 34892}, false, {{3, 8, c}, {2, 8, u}}},
        {{7, 11, 32842, 34891, 65535}, false, {{1, 1, u}, {3, 8, u}}}};
    for (const auto &[photometrics, needsBits, cases] : rules)
        for (int photometric : photometrics)
            for (const auto &[samples, bits, mode] : cases)
                QTest::addRow("photometric %d, %llu samples of %u bits", photometric, samples, bits)
                        << pageTags(0, 0, 0, 0, 2, photometric, samples, {TiffValue::Read, 0, bits}) << mode
                        << (mode == u ? PageFault::Contradictory : PageFault::None) << needsBits;
    for (int photometric : {0, 1, 4})
        for (auto [state, fault] : {std::pair{TiffValue::Outside, PageFault::ValueOutside},
                                    {TiffValue::Malformed, PageFault::Contradictory},
                                    {TiffValue::Pending, PageFault::ValueNotRead}, {TiffValue::NotRead, PageFault::ValueNotRead}})
            QTest::addRow("photometric %d, bits in state %d", photometric, int(state))
                    << pageTags(0, 0, 0, 0, 2, photometric, 1, {state}) << u << fault << true;
    QTest::newRow("no photometric") << pageTags(0, 0, 0, 0) << u << PageFault::NoPhotometric << false;
}

void PageCounterTest::captureModes()
{
    QFETCH(TiffPageTags, tags);
    QFETCH(CaptureMode, mode);
    QFETCH(PageFault, fault);
    QFETCH(bool, needsBits);
    const PageFacts page = classifyPage(tags);
    QCOMPARE(page.mode, mode);
    QCOMPARE(page.modeFault, fault);
    QCOMPARE(modeNeedsBits(tags.photometric), needsBits);
}

void PageCounterTest::brokenFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("tip"); // the Pages cell's tooltip
    const auto le = TiffEndian::Little;
    auto patched = [](QByteArray bytes, int at, const QByteArray &with) {
        return bytes.replace(at, with.size(), with);
    };
    const QString kCutHeader = QStringLiteral("The file ends inside its header");
    const QString kNotTiff = QStringLiteral("Not a TIFF file");
    const QString kOutside = QStringLiteral("The first image directory lies outside the file");
    const QByteArray three = pages(3);
    const QByteArray bigThree = pages(3, TiffVariant::BigTiff);
    QTest::newRow("empty file") << QByteArray() << -1 << "Empty file";
    QTest::newRow("3 bytes") << QByteArray("II*") << -1 << kCutHeader;
    QTest::newRow("header cut short") << three.left(6) << -1 << kCutHeader;
    QTest::newRow("BigTIFF header cut short") << bigThree.left(12) << -1 << kCutHeader;
    QTest::newRow("bad magic") << patched(three, 0, "IM") << -1 << kNotTiff;
    QTest::newRow("text file") << QByteArray("II see a text file, not an image\n") << -1 << kNotTiff;
    QTest::newRow("version 41") << patched(three, 2, QByteArray("\x29\0", 2)) << -1 << kNotTiff;
    QTest::newRow("version 43 in a classic file") << patched(three, 2, QByteArray("\x2b\0", 2)) << -1 << kNotTiff;
    QTest::newRow("BigTIFF offset size 4") << patched(bigThree, 4, QByteArray("\x04\0", 2)) << -1 << kNotTiff;
    QTest::newRow("BigTIFF reserved word set") << patched(bigThree, 6, QByteArray("\x01\0", 2)) << -1 << kNotTiff;

    QByteArray pastEnd = three;
    putU32(pastEnd, 4, quint32(three.size()) + 100, le);
    QTest::newRow("first directory past the end") << pastEnd << -1 << kOutside;
    QByteArray inHeader = three;
    putU32(inHeader, 4, 4, le);
    QTest::newRow("first directory inside the header") << inHeader << -1 << kOutside;
    TiffBuilder firstOnly;
    firstOnly.addPage();
    QTest::newRow("first directory cut short") << firstOnly.bytes().chopped(20) << -1 << "Image directory 1 is cut off by the end of the file";

    TiffBuilder empty;
    empty.addDirectory({});
    QTest::newRow("first directory without entries") << empty.bytes() << -1 << "The first image directory is empty";
    TiffBuilder tooWide;
    tooWide.addDirectory(imageFields(5000));
    QTest::newRow("first directory of 5000 entries") << tooWide.bytes() << -1 << "The first image directory has too many entries";
    for (quint16 missing : {TiffTag::ImageWidth, TiffTag::ImageLength, TiffTag::StripOffsets}) {
        QList<TiffField> fields = imageFields(3);
        fields.removeIf([missing](const TiffField &field) { return field.tag == missing; });
        TiffBuilder notImage;
        notImage.addDirectory(fields);
        notImage.addPage();
        QTest::addRow("first directory without tag %d", missing) << notImage.bytes() << -1
                                                                  << "The first image directory describes no image";
    }

    TiffBuilder chain;
    chain.addPages(3);
    const QByteArray whole = chain.bytes();
    QTest::newRow("chain cut mid-directory") << whole.left(qsizetype(chain.directoryOffset(2)) + 30) << 2 << QStringLiteral("2 pages");
    QTest::newRow("chain cut in an entry count") << whole.left(qsizetype(chain.directoryOffset(2)) + 1) << 2 << QStringLiteral("2 pages");
    QByteArray hugeCount = whole;
    putU16(hugeCount, chain.directoryOffset(1), 0xffff, le);
    QTest::newRow("huge entry count on a later directory") << hugeCount << 1 << QStringLiteral("1 page");
    TiffBuilder bigChain(TiffVariant::BigTiff);
    bigChain.addPages(3);
    QByteArray overflowCount = bigChain.bytes();
    putU64(overflowCount, bigChain.directoryOffset(1), quint64(1) << 62, le);
    QTest::newRow("BigTIFF entry count that overflows") << overflowCount << 1 << QStringLiteral("1 page");
    QTest::newRow("overlapping directories, quadratic to read") << overlappingChain(100) << -1 << "The image directories overlap one another";
    QTest::newRow("few overlapping directories still count") << overlappingChain(2) << 3 << QStringLiteral("3 pages");

    // 42 directories: enough for one read at a bad pointer to seem to fit.
    TiffBuilder pointer;
    pointer.addPages(42);
    const QList<QPair<const char *, quint64>> pointers{
            {"past the end", pointer.fileSize()},
            {"at 0xffffffff", 0xffffffff},
            {"into the header", 2}};
    for (const auto &[name, next] : pointers) {
        pointer.linkToOffset(1, next);
        QTest::addRow("next pointer %s", name) << pointer.bytes() << 2 << "2 pages";
    }
}

void PageCounterTest::brokenFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, expected);
    QFETCH(QString, tip);
    QCOMPARE(count(QStringLiteral("broken.tif"), bytes), expected);
    const PageCountResult result = FilePageCounter::countFile(QFile::encodeName(path("broken.tif")));
    QCOMPARE(result.pages, expected);
    QCOMPARE(pagesToolTip(pagesCellText(result.pages), pageCountNote(result)), tip);
}

void PageCounterTest::loops_data()
{
    QTest::addColumn<int>("lead");   // directories before the loop starts
    QTest::addColumn<int>("length"); // directories in the loop
    for (auto [lead, length] : {std::pair{0, 1}, {0, 2}, {0, 7}, {1, 1}, {2, 1}, {3, 5},
                                {5, 3}, {10, 17}, {64, 64}, {100, 1}, {1, 100}})
        QTest::addRow("%d then a loop of %d", lead, length) << lead << length;
}

void PageCounterTest::loops()
{
    QFETCH(int, lead);
    QFETCH(int, length);
    TiffBuilder tiff(TiffVariant::BigTiff, TiffEndian::Big);
    tiff.addPages(lead + length);
    tiff.link(lead + length - 1, lead);
    QCOMPARE(count(QStringLiteral("loop.tif"), tiff.bytes()), lead + length);

    TiffBuilder withThumbnails;
    for (int i = 0; i < lead + length; ++i) {
        withThumbnails.addPage();
        withThumbnails.addThumbnail();
    }
    withThumbnails.link(2 * (lead + length) - 1, 2 * lead);
    QCOMPARE(count(QStringLiteral("loop.tif"), withThumbnails.bytes()), lead + length);
}

// The listing's size may be out of date by the time the file is read.
void PageCounterTest::staleKnownSize()
{
    const QByteArray bytes = pages(4);
    writeFile(path(QStringLiteral("stale.tif")), bytes);
    const QByteArray native = QFile::encodeName(path(QStringLiteral("stale.tif")));
    QCOMPARE(FilePageCounter::countPagesOfFile(native, bytes.size() + 100000), 4);
    QCOMPARE(FilePageCounter::countPagesOfFile(native, 4), -1);
}

void PageCounterTest::notRegularFiles()
{
    writeFile(path(QStringLiteral("target.tif")), pages(2));
    QVERIFY(QFile::link(path(QStringLiteral("target.tif")), path(QStringLiteral("link.tif"))));
    QVERIFY(QFile::link(path(QStringLiteral("gone.tif")), path(QStringLiteral("dangling.tif"))));
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder.tif")));
    const FilePageCounter counter;
    QCOMPARE(counter.CountPages(path(QStringLiteral("link.tif"))), 2);
    QCOMPARE(counter.CountPages(path(QStringLiteral("dangling.tif"))), -1);
    QCOMPARE(counter.CountPages(path(QStringLiteral("missing.tif"))), -1);
    QCOMPARE(counter.CountPages(path(QStringLiteral("folder.tif"))), -1);
    QCOMPARE(FilePageCounter::countPagesOfFile(QFile::encodeName(path("folder.tif")), 4096), -1);
    QCOMPARE(counter.CountPages(QString()), -1);
    // Why, in the system's words where the system refused.
    const auto why = [this](const char *name, qint64 size) {
        return pageCountNote(FilePageCounter::countFile(QFile::encodeName(path(QString::fromLatin1(name))), size));
    };
    QCOMPARE(why("missing.tif", -1), QStringLiteral("No such file or directory"));
    QCOMPARE(why("folder.tif", -1), QStringLiteral("Not a regular file"));
    QCOMPARE(why("folder.tif", 4096), QStringLiteral("Is a directory"));
}

// No failure, the ones no test file can provoke included, reads as the
// system's words for "no error". Only the system's refusals carry a number.
void PageCounterTest::everyFailureGivesAReason()
{
    using Failure = PageCountFailure;
    for (int why = int(Failure::Unknown); why <= int(Failure::ChangedWhileRead); ++why) {
        const bool refused = Failure(why) == Failure::CannotOpen || Failure(why) == Failure::CannotRead;
        const QString note = pageCountNote(PageCountResult::failed(Failure(why), refused ? EIO : 0, 1));
        QVERIFY2(!note.isEmpty() && note != qt_error_string(0), qPrintable(QString::number(why) + u' ' + note));
    }
}

// A pipe with no writer must neither block the open nor the read. The count
// runs on a thread of its own so a fault fails the test instead of hanging it.
void PageCounterTest::pipeDoesNotBlock()
{
    const QByteArray fifo = QFile::encodeName(path(QStringLiteral("x.tif")));
    QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
    auto results = std::make_shared<std::array<std::atomic<int>, 2>>();
    (*results)[0] = (*results)[1] = INT_MIN;
    std::thread([fifo, results] {
        (*results)[0] = FilePageCounter().CountPages(PathCodec::decode(fifo));
        (*results)[1] = FilePageCounter::countPagesOfFile(fifo, 4096);
    }).detach();
    QTRY_COMPARE((*results)[0].load(), -1);
    QTRY_COMPARE((*results)[1].load(), -1);
}

void PageCounterTest::beyondFourGiB()
{
    constexpr quint64 kFiveGiB = quint64(5) << 30;
    TiffBuilder tiff(TiffVariant::BigTiff);
    tiff.placeDirectoriesAt(kFiveGiB);
    tiff.addPages(3);
    const QString file = path(QStringLiteral("huge.tif"));
    {
        QFile probe(file);
        if (!probe.open(QIODevice::WriteOnly) || !probe.resize(qint64(tiff.fileSize())))
            QSKIP("this file system cannot hold a sparse file of 5 GiB");
    }
    tiff.writeTo(file);
    QVERIFY(tiff.directoryOffset(0) > quint64(UINT32_MAX));
    QCOMPARE(FilePageCounter().CountPages(file), 3);
    QCOMPARE(FilePageCounter::countPagesOfFile(QFile::encodeName(file), qint64(tiff.fileSize())), 3);
    QCOMPARE(libtiffDirectoryCount(file), 3);
    QFile::remove(file);
}

void PageCounterTest::nonUtf8Name()
{
    const QByteArray native = QFile::encodeName(m_dir.path()) + "/scan\xff\xfe.tif";
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    QVERIFY(fd >= 0);
    // QTemporaryDir cannot remove a name that is not UTF-8.
    const auto removeFile = qScopeGuard([&native] { ::unlink(native.constData()); });
    const QByteArray bytes = pages(5, TiffVariant::Classic, TiffEndian::Big);
    QCOMPARE(::write(fd, bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
    ::close(fd);
    QCOMPARE(FilePageCounter().CountPages(PathCodec::decode(native)), 5);
}

QTEST_GUILESS_MAIN(PageCounterTest)
#include "pagecounter_test.moc"
