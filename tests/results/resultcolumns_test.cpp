#include "settings/settings.h"
#include "results/colorvalue.h"
#include "results/gridlooksettings.h"
#include "grid/gridmodel.h"
#include "results/resultcolumns.h"

#include <QAbstractItemModelTester>
#include <QTemporaryDir>
#include <QTest>

using namespace ResultColumns;

namespace {

const QColor kBlue(0, 0, 255);
const QColor kLightBlue(192, 192, 255);

// One data row as the search run writes it.
void appendFile(GridModel &grid, const QString &name, const QString &sizeKB, const QString &date, const QString &pages)
{
    const int row = grid.appendRow();
    grid.setText(row, FileName, name);
    grid.setText(row, Size, sizeKB + u" KB");
    grid.setText(row, ModifiedDate, date);
    grid.setText(row, Pages, pages);
    grid.setText(row, FullPath, u"/scans/" + name);
    grid.setText(row, SizeInKB, sizeKB);
}

QStringList names(const GridModel &grid)
{
    QStringList result;
    for (int row = 1; row < grid.rows(); ++row)
        result << grid.text(row, FileName);
    return result;
}

QList<bool> hiddenFlags(const GridModel &grid)
{
    QList<bool> flags;
    for (int col = 0; col < Count; ++col)
        flags << grid.isColumnHidden(col);
    return flags;
}

} // namespace

class ResultColumnsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void setupBuildsTheColumnTable();
    void visibility_data();
    void visibility();
    void arrowsHaveTheirPixels_data();
    void arrowsHaveTheirPixels();
    void arrowMovesToTheLastSortedColumn();
    void sizeSortUsesTheSizeInKilobytes();
    void sizeResortPutsTheCursorBack();
    void colorValues_data();
    void colorValues();
    void lookFollowsSettings();

private:
    std::unique_ptr<GridModel> m_grid;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

void ResultColumnsTest::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_tester.reset();
    m_grid = std::make_unique<GridModel>();
    m_tester = std::make_unique<QAbstractItemModelTester>(m_grid.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    setupColumns(*m_grid);
}

void ResultColumnsTest::setupBuildsTheColumnTable()
{
    const GridModel &grid = *m_grid;
    QCOMPARE(grid.rows(), 1);
    QCOMPARE(grid.cols(), 9);
    QStringList captions;
    for (int col = 0; col < kDataColumns; ++col)
        captions << grid.text(0, col);
    QCOMPARE(captions, (QStringList{"File Name", "Location", "Size", "Modified Date", "Pages"}));
    QCOMPARE(grid.text(0, FullPath), QString());
    QCOMPARE(hiddenFlags(grid), (QList<bool>{false, false, false, false, false, true, true, true, true}));
    QCOMPARE(grid.columnWidthTwips(Location), 2500);
    QCOMPARE(grid.columnWidthTwips(SizeInKB), -1);
    QCOMPARE(grid.columnAlignment(Pages), Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(grid.columnAlignment(ModifiedDate), Qt::AlignLeft | Qt::AlignVCenter);
    QCOMPARE(grid.columnDataType(Size), GridDataType::Decimal);
    QCOMPARE(grid.columnDataType(ModifiedDate), GridDataType::Date);
    QCOMPARE(grid.columnDataType(Pages), GridDataType::None);
}

void ResultColumnsTest::visibility_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("comparison");
    QTest::addColumn<QList<bool>>("hidden");
    const int startup = int(EntryComparison::IgnoreTrailingSpaces), refresh = int(EntryComparison::Exact);
    const bool H = true, S = false;
    QTest::newRow("1,0,1,1,1 hides only Location") << "1,0,1,1,1" << refresh << QList<bool>{S, H, S, S, S, H, H};
    QTest::newRow("0,0,0,0,0 hides all five") << "0,0,0,0,0" << refresh << QList<bool>{H, H, H, H, H, H, H};
    QTest::newRow("six entries show the full path") << "1,1,1,1,1,1" << refresh << QList<bool>{S, S, S, S, S, S, H};
    QTest::newRow("a trailing comma keeps the full path hidden")
        << "1,1,1,1,1," << refresh << QList<bool>{S, S, S, S, S, H, H};
    QTest::newRow("an empty list changes nothing") << "" << refresh << QList<bool>{S, S, S, S, S, H, H};
    QTest::newRow("entries past the seventh are ignored")
        << "1,1,1,1,1,1,1,1,0" << refresh << QList<bool>{S, S, S, S, S, S, S};
    QTest::newRow("trailing space at start-up counts as 1")
        << "1 ,1,0,1  ,1" << startup << QList<bool>{S, S, H, S, S, H, H};
    QTest::newRow("trailing space after the dialog does not")
        << "1 ,1,0,1  ,1" << refresh << QList<bool>{H, S, H, H, S, H, H};
    QTest::newRow("a leading space never counts") << " 1,1,1,1,1" << startup << QList<bool>{H, S, S, S, S, H, H};
    QTest::newRow("short list leaves the rest") << "0,0" << refresh << QList<bool>{H, H, S, S, S, H, H};
}

void ResultColumnsTest::visibility()
{
    QFETCH(QString, stored);
    QFETCH(int, comparison);
    QFETCH(QList<bool>, hidden);
    ApplyColumnVisibility(*m_grid, SettingsStore::splitVisibility(stored), EntryComparison(comparison));
    hidden << true << true; // the pages note and worth, whatever the list says
    QCOMPARE(hiddenFlags(*m_grid), hidden);
}

void ResultColumnsTest::arrowsHaveTheirPixels_data()
{
    QTest::addColumn<bool>("ascending");
    QTest::addColumn<QList<int>>("bluePerRow");
    QTest::newRow("imgAsc points up") << true << QList<int>{1, 3, 5, 7};
    QTest::newRow("imgDes points down") << false << QList<int>{7, 5, 3, 1};
}

void ResultColumnsTest::arrowsHaveTheirPixels()
{
    QFETCH(bool, ascending);
    QFETCH(QList<int>, bluePerRow);
    const QImage &arrow = ascending ? imgAsc() : imgDes();
    QCOMPARE(arrow.size(), QSize(11, 4));
    QCOMPARE(arrow.depth(), 24);
    for (int y = 0; y < 4; ++y) {
        const int half = bluePerRow[y] / 2;
        for (int x = 0; x < 11; ++x) {
            const bool blue = x >= 5 - half && x <= 5 + half;
            QCOMPARE(arrow.pixelColor(x, y), blue ? kBlue : kLightBlue);
        }
    }
}

void ResultColumnsTest::arrowMovesToTheLastSortedColumn()
{
    GridModel &grid = *m_grid;
    appendFile(grid, QStringLiteral("b.tif"), QStringLiteral("2"), QStringLiteral("01/01/2004 01:00 AM"), QStringLiteral("3"));
    appendFile(grid, QStringLiteral("a.tif"), QStringLiteral("1"), QStringLiteral("12/31/2003 11:00 PM"), QStringLiteral("Error"));
    connect(&grid, &GridModel::afterSort, this, [&](int col, bool asc) { afterHeaderSort(grid, col, asc); });
    grid.headerSort(FileName);
    QCOMPARE(grid.picture(0, FileName), imgAsc());
    grid.headerSort(Pages);
    grid.headerSort(Pages);
    for (int col = 0; col < grid.cols(); ++col)
        QCOMPARE(grid.picture(0, col).isNull(), col != Pages);
    QCOMPARE(grid.picture(0, Pages), imgDes());
    QCOMPARE(grid.picturePlacement(0, Pages), GridPicturePlacement::RightCenter);
    QCOMPARE(names(grid), (QStringList{"b.tif", "a.tif"})); // 3 pages, then Error
    grid.headerSort(ModifiedDate);
    QCOMPARE(names(grid), (QStringList{"a.tif", "b.tif"})); // 2003 before 2004
}

void ResultColumnsTest::sizeSortUsesTheSizeInKilobytes()
{
    GridModel &grid = *m_grid;
    const QString date = QStringLiteral("03/15/2004 02:07 PM");
    appendFile(grid, QStringLiteral("mid.tif"), QStringLiteral("999"), date, QStringLiteral("1"));
    appendFile(grid, QStringLiteral("big.tif"), QStringLiteral("1,000"), date, QStringLiteral("1"));
    appendFile(grid, QStringLiteral("small.tif"), QStringLiteral("12"), date, QStringLiteral("1"));
    connect(&grid, &GridModel::afterSort, this, [&](int col, bool asc) { afterHeaderSort(grid, col, asc); });
    grid.headerSort(Size);
    QCOMPARE(names(grid), (QStringList{"small.tif", "mid.tif", "big.tif"}));
    grid.headerSort(Size);
    QCOMPARE(names(grid), (QStringList{"big.tif", "mid.tif", "small.tif"}));
    QCOMPARE(grid.picture(0, Size), imgDes());
}

void ResultColumnsTest::sizeResortPutsTheCursorBack()
{
    GridModel &grid = *m_grid;
    for (const char *sizeKB : {"3", "1", "2"})
        appendFile(grid, QString::fromLatin1(sizeKB) + u".tif", QString::fromLatin1(sizeKB), {}, {});
    grid.setText(1, Size, QStringLiteral("same KB")); // the texts shown disagree with the hidden sizes
    grid.setText(2, Size, QStringLiteral("same KB"));
    grid.setText(3, Size, QStringLiteral("same KB"));
    grid.setCurrentCell(2, Location);
    QVERIFY(afterHeaderSort(grid, Size, true));
    QCOMPARE(names(grid), (QStringList{"1.tif", "2.tif", "3.tif"}));
    QCOMPARE(grid.currentRow(), 2); // the same position, now another file
    QCOMPARE(grid.currentCol(), int(Location));
    QVERIFY(!afterHeaderSort(grid, FileName, true));
}

void ResultColumnsTest::colorValues_data()
{
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QColor>("color");
    QTest::newRow("0x000000FF is pure red") << 0x000000FFu << QColor(255, 0, 0);
    QTest::newRow("0x00FF8000 is BBGGRR") << 0x00FF8000u << QColor(0, 128, 255);
    QTest::newRow("0x8000000D highlight") << 0x8000000Du << QColor(10, 20, 30);
    QTest::newRow("0x80000005 window background") << 0x80000005u << QColor(1, 2, 3);
    QTest::newRow("0x80000008 window text") << 0x80000008u << QColor(4, 5, 6);
    QTest::newRow("0x8000000E highlight text") << 0x8000000Eu << QColor(7, 8, 9);
    QTest::newRow("0x8000000F button face") << 0x8000000Fu << QColor(11, 12, 13);
    QTest::newRow("unknown system colour") << 0x800000FFu << QColor();
}

void ResultColumnsTest::colorValues()
{
    QFETCH(quint32, value);
    QFETCH(QColor, color);
    QPalette palette;
    palette.setColor(QPalette::Highlight, QColor(10, 20, 30));
    palette.setColor(QPalette::Base, QColor(1, 2, 3));
    palette.setColor(QPalette::Text, QColor(4, 5, 6));
    palette.setColor(QPalette::HighlightedText, QColor(7, 8, 9));
    palette.setColor(QPalette::Button, QColor(11, 12, 13));
    QCOMPARE(colorFromValue(value, palette), color);
}

void ResultColumnsTest::lookFollowsSettings()
{
    QTemporaryDir dir;
    const QString picturePath = dir.filePath(QStringLiteral("back.bmp"));
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::green);
    QVERIFY(picture.save(picturePath));

    Settings settings;
    settings.backPicture = picturePath;
    settings.style = LinesExplorer;
    settings.showHide = 0;
    settings.gridColor = 0x000000FF;
    settings.backColor = qint32(0x800000FFu); // unknown: that one value is skipped
    GridLook look;
    look.backColor = Qt::yellow;
    look = lookFromSettings(settings, look, QPalette());
    QCOMPARE(look.lineStyle, int(LinesNone));
    QCOMPARE(look.gridColor, QColor(Qt::red));
    QCOMPARE(look.backColor, QColor(Qt::yellow));
    QCOMPARE(look.backPicture.pixelColor(0, 0), QColor(Qt::green));

    settings.showHide = 1;
    settings.style = 42; // not a style: the previous one stays
    settings.backPicture = dir.filePath(QStringLiteral("missing.bmp"));
    look.lineStyle = LinesFlatHorizontal;
    look = lookFromSettings(settings, look, QPalette());
    QCOMPARE(look.lineStyle, int(LinesFlatHorizontal));
    QVERIFY(!look.backPicture.isNull()); // an unreadable picture leaves the old one
    settings.backPicture.clear();
    look = lookFromSettings(settings, look, QPalette());
    QVERIFY(look.backPicture.isNull()); // cleared in the dialog: gone
}

QTEST_GUILESS_MAIN(ResultColumnsTest)
#include "resultcolumns_test.moc"
