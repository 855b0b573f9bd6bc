#include "support/fuzzseeds.h"

#include "support/tiffbytes.h"

#include <QDir>
#include <QFile>

namespace TestSupport {

namespace {

QByteArray pages(int count, TiffVariant variant = TiffVariant::Classic,
                 TiffEndian endian = TiffEndian::Little)
{
    TiffBuilder tiff(variant, endian);
    tiff.addPages(count);
    return tiff.bytes();
}

QByteArray loopingChain()
{
    TiffBuilder tiff(TiffVariant::BigTiff, TiffEndian::Big);
    tiff.addPages(3);
    tiff.addThumbnail();
    tiff.link(3, 1);
    return tiff.bytes();
}

QByteArray directoriesFirst()
{
    TiffBuilder tiff(TiffVariant::Classic, TiffEndian::Big);
    tiff.addPages(2);
    tiff.placeDirectoriesFirst();
    return tiff.bytes();
}

QByteArray linkOutOfFile()
{
    TiffBuilder tiff;
    tiff.addPages(2);
    tiff.linkToOffset(1, 0xFFFFFFF0u);
    return tiff.bytes();
}

QByteArray tiledWithMask()
{
    TiffBuilder tiff(TiffVariant::BigTiff);
    tiff.addDirectory({{TiffTag::ImageWidth, TiffType::Long, 1, 1},
                       {TiffTag::ImageLength, TiffType::Long, 1, 1},
                       {TiffTag::TileOffsets, TiffType::Long8, 1, 16}});
    tiff.addPage({{TiffTag::NewSubfileType, TiffType::Long, 1, 4}});
    tiff.addPage({{TiffTag::SubfileType, TiffType::Short, 1, 2}});
    return tiff.bytes();
}

// A directory claiming more entries than the file holds.
QByteArray overlongDirectory()
{
    TiffBuilder tiff;
    tiff.addPages(1);
    QByteArray bytes = tiff.bytes();
    putU16(bytes, tiff.directoryOffset(0), 0xFFFF, TiffEndian::Little);
    return bytes;
}

QByteArray longLine()
{
    return "[General]\r\nStartupFolder=" + QByteArray(100000, 'x') + "\r\n";
}

// Column separator selectors first (see the fuzz target's table).
QByteArray delimited(char columnPick, char rowPick, const QByteArray &text)
{
    return QByteArray(1, columnPick) + QByteArray(1, rowPick) + text;
}

} // namespace

QList<FuzzSeed> pageCounterSeeds()
{
    QByteArray truncated = pages(3);
    truncated.chop(5);
    return {
        {"classic-le-1", pages(1)},
        {"classic-be-3", pages(3, TiffVariant::Classic, TiffEndian::Big)},
        {"bigtiff-le-2", pages(2, TiffVariant::BigTiff)},
        {"bigtiff-be-loop", loopingChain()},
        {"directories-first", directoriesFirst()},
        {"link-out-of-file", linkOutOfFile()},
        {"tiled-mask-reduced", tiledWithMask()},
        {"overlong-directory", overlongDirectory()},
        {"truncated", truncated},
        {"header-only", QByteArray("II*\0\x08\0\0\0", 8)},
        {"bigtiff-header-only", QByteArray("MM\0\x2B\0\x08\0\0\0\0\0\0\0\0\0\x10", 16)},
        {"empty", QByteArray()},
    };
}

QList<FuzzSeed> iniSeeds()
{
    const QByteArray own = "[Grid]\r\nBackPicture=\r\nStyle=1\r\nShow/Hide=1\r\n"
                           "ForeColor=-2147483640\r\nForeColorSel=-2147483634\r\n"
                           "BackColor=-2147483643\r\nBackColorSel=-2147483635\r\n"
                           "GridColor=-2147483633\r\n[ColumnSetting]\r\nVisibility=1,0,1,1,1\r\n"
                           "[General]\r\nStartupFolder=/scans\r\nExportLocation=/tmp\r\n";
    return {
        {"own-settings", own},
        {"bom-cr-only", "\xEF\xBB\xBF[grid]\rstyle = 3 \r;comment\r[GRID]\rStyle=9\r"},
        {"duplicates-mixed-ends", "[Grid]\nStyle=1\r\nstyle=2\r[grid]\nSTYLE=4"},
        {"no-final-newline", "[General]\nStartupFolder=/a b"},
        {"binary", QByteArray("\x00\xff[\xfe]\x80=\x01\r\n\xc3(=\xed\xa0\x80", 15)},
        {"long-line", longLine()},
        {"key-before-section", "Style=2\n[Grid]\n  # Style=5\n\tShow/Hide\t=\t0\t\n"},
        {"empty", QByteArray()},
    };
}

QList<FuzzSeed> delimitedTextSeeds()
{
    return {
        {"tab-cr-export",
         delimited(0, 0, "File Name\tLocation\tSize\r\na.tif\t/scans\t1 KB\r\n")},
        {"comma-quotes", delimited(1, 0, "\"a,b\",\"say \"\"hi\"\"\",c\r\"multi\nline\",x\r")},
        {"quote-as-column", delimited(4, 1, "a\"'b''c'\"d\n")},
        {"unterminated-quote", delimited(1, 1, "\"never ends,\nstill")},
        {"raw-bytes", delimited(0, 0, QByteArray("\xff\xfe\t\xed\xa0\x80\r", 7))},
        {"trailing-separator", delimited(2, 1, "a;b;;\n;\n")},
        {"empty", delimited(0, 0, QByteArray())},
    };
}

QList<FuzzSeed> pathCodecSeeds()
{
    return {
        {"ascii", "scan 01.tif"},
        {"utf8", "r\xC3\xA9sum\xC3\xA9 \xF0\x9F\x93\x84.tiff"},
        {"latin1", "r\xE9sum\xE9.tif"},
        {"byte-order-marks", "\xEF\xBB\xBF\xEF\xBB\xBF" "a\xFF\xEF\xBB\xBF" "b"},
        {"encoded-surrogates", "\xED\xA0\x80\xED\xB2\x80"},
        {"truncated-sequence", "a\xE2\x82"},
    };
}

QList<FuzzSeed> filesIn(const QString &folder)
{
    QList<FuzzSeed> seeds;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            seeds.append({name, file.readAll()});
    }
    return seeds;
}

} // namespace TestSupport
