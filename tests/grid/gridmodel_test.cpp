#include "grid/gridmodel.h"
#include "grid/gridvalues.h"

#include <QAbstractItemModelTester>
#include <QBuffer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A device that accepts a few bytes and then fails, as a full disk does.
class FailingDevice : public QIODevice
{
public:
    FailingDevice() { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 size) override
    {
        if (m_written + size > 16) {
            setErrorString(QStringLiteral("disk full"));
            return -1;
        }
        m_written += size;
        return size;
    }

private:
    qint64 m_written = 0;
};

QStringList column(const GridModel &grid, int col)
{
    QStringList texts;
    for (int row = grid.fixedRows(); row < grid.rows(); ++row)
        texts << grid.text(row, col);
    return texts;
}

void fill(GridModel &grid, int col, const QStringList &texts)
{
    for (const QString &text : texts) {
        const int row = grid.appendRow();
        grid.setText(row, col, text);
    }
}

QStringList hostileTexts()
{
    return {QStringLiteral("plain"), QStringLiteral(""), QStringLiteral("a\tb"), QStringLiteral("a,b"),
            QStringLiteral("say \"hi\""), QStringLiteral("\""), QStringLiteral("line\rbreak"),
            QStringLiteral("line\nfeed"), QStringLiteral("cr\r\nlf"), QStringLiteral("\n"),
            QStringLiteral("  spaced  "), QStringLiteral("|pipe|"), QStringLiteral("'single'"),
            QString::fromUtf8("\xF0\x9F\x93\x84 scan.tif"), QString(QChar(0xDC80)) + u"raw",
            QString(QChar(0xD800)) + u"high", u"low" + QString(QChar(0xDC00)),
            QString(QChar(0xDFFF)), QStringLiteral("\"quoted start"), QStringLiteral("end\t")};
}

} // namespace

class GridModelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void countsGrowAndShrinkAtTheEnd();
    void appendedRowsKeepTheirCells();
    void picturesAreSharedAndPlaced();
    void moveColumnCarriesCellsAndSettings();
    void selectionIsPerRowAndSkipsTheHeader();
    void sumColumn_data();
    void sumColumn();
    void headerSort_data();
    void headerSort();
    void headerSortTogglesAndSignals();
    void sortKeepsRowFlagsAndFollowsCurrentRow();
    void rowsAppendedAfterSortStayAtTheEnd();
    void sortRangeComparesAsNumbers();
    void roundTrip_data();
    void roundTrip();
    void roundTripThroughFile();
    void loadToleratesForeignText_data();
    void loadToleratesForeignText();
    void writeFailuresAreReported();
    void checkColumnAsksBeforeEdit();
    void numberParsing_data();
    void numberParsing();

private:
    GridModel *m_grid = nullptr;
    std::unique_ptr<GridModel> m_owned;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

void GridModelTest::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_tester.reset();
    m_owned = std::make_unique<GridModel>();
    m_grid = m_owned.get();
    m_tester = std::make_unique<QAbstractItemModelTester>(m_grid, QAbstractItemModelTester::FailureReportingMode::QtTest);
    m_grid->setCols(3);
}

void GridModelTest::countsGrowAndShrinkAtTheEnd()
{
    GridModel &grid = *m_grid;
    grid.setRows(4);
    grid.setText(1, 0, QStringLiteral("first"));
    grid.setText(3, 2, QStringLiteral("last"));
    QCOMPARE(grid.rowCount(), 3);
    grid.setRows(3);
    QCOMPARE(grid.text(1, 0), QStringLiteral("first"));
    grid.setRows(4);
    QCOMPARE(grid.text(3, 2), QString()); // removed rows come back empty
    grid.setCols(1);
    grid.setCols(3);
    QCOMPARE(grid.text(1, 0), QStringLiteral("first"));
    QCOMPARE(grid.text(1, 1), QString());
    grid.setRows(0);
    QCOMPARE(grid.rows(), 1); // never below the header row
    QCOMPARE(grid.rowCount(), 0);
}

void GridModelTest::appendedRowsKeepTheirCells()
{
    GridModel &grid = *m_grid;
    grid.setText(0, 1, QStringLiteral("Caption"));
    QCOMPARE(grid.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Caption"));
    const int row = grid.appendRow({QStringLiteral("a"), QString(), QStringLiteral("c"), QStringLiteral("ignored")});
    QCOMPARE(row, 1);
    grid.setText(row, 1, QStringLiteral("middle"));
    grid.setText(row, 2, QString());
    QCOMPARE(grid.text(row, 0), QStringLiteral("a"));
    QCOMPARE(grid.text(row, 1), QStringLiteral("middle"));
    QCOMPARE(grid.text(row, 2), QString());
    QCOMPARE(grid.data(grid.index(0, 1), Qt::DisplayRole).toString(), QStringLiteral("middle"));
    QCOMPARE(grid.text(row, 3), QString()); // outside the grid: nothing, no crash
}

void GridModelTest::picturesAreSharedAndPlaced()
{
    GridModel &grid = *m_grid;
    QImage icon(16, 16, QImage::Format_RGB32);
    icon.fill(Qt::red);
    grid.setRows(3);
    grid.setPicture(1, 0, icon);
    grid.setPicture(2, 0, icon);
    QCOMPARE(grid.picture(1, 0).cacheKey(), grid.picture(2, 0).cacheKey());
    icon.fill(Qt::green); // a later drawing does not change the cells
    QCOMPARE(grid.picture(1, 0).pixelColor(0, 0), QColor(Qt::red));
    grid.setPicturePlacement(0, 1, GridPicturePlacement::RightCenter);
    grid.setPicture(0, 1, icon);
    QCOMPARE(grid.picturePlacement(0, 1), GridPicturePlacement::RightCenter);
    grid.clearPictures(0, 0, 1, 2);
    QVERIFY(grid.picture(0, 1).isNull());
    QVERIFY(grid.picture(1, 0).isNull());
    QVERIFY(!grid.picture(2, 0).isNull());
}

void GridModelTest::moveColumnCarriesCellsAndSettings()
{
    GridModel &grid = *m_grid;
    grid.appendRow({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    grid.setPicture(1, 0, QImage(4, 4, QImage::Format_RGB32));
    grid.setColumnHidden(0, true);
    grid.setColumnWidthTwips(0, 1500);
    grid.moveColumn(0, 2);
    QCOMPARE(column(grid, 0), QStringList{QStringLiteral("b")});
    QCOMPARE(column(grid, 2), QStringList{QStringLiteral("a")});
    QVERIFY(grid.isColumnHidden(2));
    QVERIFY(!grid.isColumnHidden(0));
    QCOMPARE(grid.columnWidthTwips(2), 1500);
    QVERIFY(!grid.picture(1, 2).isNull());
    grid.setCols(2); // drops the moved column, as the export does
    QCOMPARE(grid.text(1, 1), QStringLiteral("c"));
}

void GridModelTest::selectionIsPerRowAndSkipsTheHeader()
{
    GridModel &grid = *m_grid;
    grid.setRows(5);
    grid.setRowSelected(0, true);
    QVERIFY(!grid.isRowSelected(0));
    grid.setRowSelected(1, true);
    grid.setRowSelected(3, true);
    grid.setRowHidden(3, true);
    grid.invertSelection();
    QCOMPARE(grid.selectedRows(), (QList<int>{2, 4}));
    grid.selectAll();
    QCOMPARE(grid.selectedCount(), 4); // the hidden row included
    grid.selectOnly(3, 2);
    QCOMPARE(grid.selectedRows(), (QList<int>{2, 3}));
    QCOMPARE(grid.data(grid.index(1, 0), GridModel::SelectedRole).toBool(), true);
    grid.clearSelection();
    QCOMPARE(grid.selectedCount(), 0);
}

void GridModelTest::sumColumn_data()
{
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<double>("sum");
    QTest::newRow("pages with an Error cell") << QStringList{"3", "Error", "5"} << 8.0;
    QTest::newRow("empty cells add nothing") << QStringList{"", "7", ""} << 7.0;
    QTest::newRow("grouped thousands") << QStringList{"1,234", "1"} << 1235.0;
    QTest::newRow("text with a number in it is no number") << QStringList{"12 KB", "2"} << 2.0;
    QTest::newRow("no rows") << QStringList{} << 0.0;
}

void GridModelTest::sumColumn()
{
    QFETCH(QStringList, cells);
    QFETCH(double, sum);
    fill(*m_grid, 1, cells);
    QCOMPARE(m_grid->sumColumn(1, 1, m_grid->rows() - 1), sum);
}

void GridModelTest::headerSort_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("ascending");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QStringList>("sorted");
    const int none = int(GridDataType::None), date = int(GridDataType::Date), decimal = int(GridDataType::Decimal);
    QTest::newRow("pages ascending, Error at the end")
        << none << true << QStringList{"10", "Error", "9", "", "1"} << QStringList{"1", "9", "10", "", "Error"};
    QTest::newRow("pages descending, Error still at the end")
        << none << false << QStringList{"10", "Error", "9", "1"} << QStringList{"10", "9", "1", "Error"};
    QTest::newRow("dates across a year boundary")
        << date << true << QStringList{"01/01/2004 01:00 AM", "12/31/2003 11:00 PM", "12/31/2003 11:00 AM"}
        << QStringList{"12/31/2003 11:00 AM", "12/31/2003 11:00 PM", "01/01/2004 01:00 AM"};
    QTest::newRow("noon and midnight")
        << date << true << QStringList{"03/15/2004 12:00 PM", "03/15/2004 12:30 AM", "03/15/2004 11:59 AM"}
        << QStringList{"03/15/2004 12:30 AM", "03/15/2004 11:59 AM", "03/15/2004 12:00 PM"};
    QTest::newRow("names ignore letter case")
        << none << true << QStringList{"b.tif", "A.tif", "a.tif", "C.TIF"}
        << QStringList{"A.tif", "a.tif", "b.tif", "C.TIF"};
    QTest::newRow("names descending") << none << false << QStringList{"a", "c", "b"} << QStringList{"c", "b", "a"};
    QTest::newRow("decimal with grouping")
        << decimal << true << QStringList{"1,000", "999", "12"} << QStringList{"12", "999", "1,000"};
    QTest::newRow("decimal texts with a unit sort by their number")
        << decimal << true << QStringList{"999 KB", "Error", "1,000 KB", "12 KB"}
        << QStringList{"12 KB", "999 KB", "1,000 KB", "Error"};
}

void GridModelTest::headerSort()
{
    QFETCH(int, type);
    QFETCH(bool, ascending);
    QFETCH(QStringList, cells);
    QFETCH(QStringList, sorted);
    m_grid->setColumnDataType(1, GridDataType(type));
    fill(*m_grid, 1, cells);
    m_grid->sortByColumn(1, ascending);
    QCOMPARE(column(*m_grid, 1), sorted);
}

void GridModelTest::headerSortTogglesAndSignals()
{
    fill(*m_grid, 0, {"2", "1", "3"});
    QSignalSpy spy(m_grid, &GridModel::afterSort);
    m_grid->headerSort(0);
    m_grid->headerSort(0);
    m_grid->headerSort(1);
    QCOMPARE(spy.count(), 3);
    QCOMPARE(spy.at(0), (QVariantList{0, true}));
    QCOMPARE(spy.at(1), (QVariantList{0, false}));
    QCOMPARE(spy.at(2), (QVariantList{1, true}));
    m_grid->headerSort(0); // another column in between: ascending again
    QCOMPARE(column(*m_grid, 0), (QStringList{"1", "2", "3"}));
}

void GridModelTest::sortKeepsRowFlagsAndFollowsCurrentRow()
{
    fill(*m_grid, 0, {"c", "a", "b"});
    m_grid->setText(1, 1, QStringLiteral("of c"));
    m_grid->setRowHidden(1, true);
    m_grid->setRowSelected(2, true);
    m_grid->setCurrentCell(1, 1);
    const QPersistentModelIndex persistent = m_grid->index(m_grid->modelRow(1), 1);
    m_grid->sortByColumn(0, true);
    QCOMPARE(column(*m_grid, 0), (QStringList{"a", "b", "c"}));
    QCOMPARE(m_grid->text(3, 1), QStringLiteral("of c"));
    QVERIFY(m_grid->isRowHidden(3));
    QVERIFY(m_grid->isRowSelected(1));
    QCOMPARE(m_grid->currentRow(), 3);
    QCOMPARE(persistent.row(), m_grid->modelRow(3));
}

void GridModelTest::rowsAppendedAfterSortStayAtTheEnd()
{
    fill(*m_grid, 0, {"b", "a"});
    m_grid->sortByColumn(0, true);
    fill(*m_grid, 0, {"0"});
    QCOMPARE(column(*m_grid, 0), (QStringList{"a", "b", "0"}));
}

void GridModelTest::sortRangeComparesAsNumbers()
{
    fill(*m_grid, 2, {"5", "1,000", "999", "12", "1"});
    m_grid->sortRange(2, 4, 2, GridColumnSort::NumericAscending);
    QCOMPARE(column(*m_grid, 2), (QStringList{"5", "12", "999", "1,000", "1"}));
    m_grid->sortRange(1, 5, 2, GridColumnSort::NumericDescending);
    QCOMPARE(column(*m_grid, 2), (QStringList{"1,000", "999", "12", "5", "1"}));
    m_grid->sortRange(1, 5, 2, GridColumnSort::None);
    QCOMPARE(column(*m_grid, 2).first(), QStringLiteral("1,000"));
}

void GridModelTest::roundTrip_data()
{
    QTest::addColumn<QString>("separators");
    QTest::newRow("default tab and CR") << QString();
    QTest::newRow("comma and CR") << QStringLiteral(",\r");
    QTest::newRow("pipe, row separator left default") << QStringLiteral("|");
    QTest::newRow("quote as column separator") << QStringLiteral("\"\r");
    QTest::newRow("LF rows") << QStringLiteral(";\n");
}

// Every hostile text in every cell position, the header row included.
void GridModelTest::roundTrip()
{
    QFETCH(QString, separators);
    const QStringList texts = hostileTexts();
    GridModel &grid = *m_grid;
    grid.setSeparators(separators);
    grid.setCols(4);
    grid.setRows(int(texts.size()) + 2);
    for (int i = 0; i < texts.size(); ++i)
        for (int col = 0; col < 4; ++col)
            grid.setText((i + col) % grid.rows(), col, texts.at(i));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY2(grid.saveToDevice(&buffer), qPrintable(grid.errorString()));
    buffer.close();

    GridModel loaded;
    QAbstractItemModelTester tester(&loaded, QAbstractItemModelTester::FailureReportingMode::QtTest);
    loaded.setSeparators(separators);
    buffer.open(QIODevice::ReadOnly);
    QVERIFY2(loaded.loadFromDevice(&buffer), qPrintable(loaded.errorString()));
    QCOMPARE(loaded.rows(), grid.rows());
    QCOMPARE(loaded.cols(), grid.cols());
    for (int row = 0; row < grid.rows(); ++row)
        for (int col = 0; col < grid.cols(); ++col)
            QCOMPARE(loaded.text(row, col), grid.text(row, col));
}

void GridModelTest::roundTripThroughFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Temp.xls"));
    GridModel &grid = *m_grid;
    fill(grid, 0, {QStringLiteral("a\tb"), QStringLiteral("x")});
    grid.setText(0, 0, QStringLiteral("File Name"));
    QVERIFY2(grid.saveToFile(path), qPrintable(grid.errorString()));
    GridModel loaded;
    loaded.setCols(1);
    QVERIFY(loaded.loadFromFile(path));
    QCOMPARE(loaded.cols(), 3);
    QCOMPARE(loaded.text(0, 0), QStringLiteral("File Name"));
    QCOMPARE(loaded.text(1, 0), QStringLiteral("a\tb"));
    QCOMPARE(loaded.text(2, 0), QStringLiteral("x"));
    QVERIFY(!loaded.loadFromFile(dir.filePath(QStringLiteral("missing.xls"))));
    QVERIFY(!loaded.errorString().isEmpty());
    QCOMPARE(loaded.text(0, 0), QStringLiteral("File Name")); // a failed load changes nothing
}

void GridModelTest::loadToleratesForeignText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::newRow("CR LF line ends") << QByteArray("a\tb\r\nc\td\r\n")
                                     << QList<QStringList>{{"a", "b"}, {"c", "d"}};
    QTest::newRow("no final row separator") << QByteArray("a\tb\rc") << QList<QStringList>{{"a", "b"}, {"c", ""}};
    QTest::newRow("unclosed quote keeps the rest") << QByteArray("\"a\tb\rc")
                                                   << QList<QStringList>{{"a\tb\rc"}};
    QTest::newRow("text after a closing quote") << QByteArray("\"a\"b\tc\r") << QList<QStringList>{{"ab", "c"}};
    QTest::newRow("invalid UTF-8 kept as escaped bytes")
        << QByteArray("\xff\tok\r") << QList<QStringList>{{QString(QChar(0xDCFF)), "ok"}};
    QTest::newRow("trailing column separator") << QByteArray("a\t") << QList<QStringList>{{"a", ""}};
}

void GridModelTest::loadToleratesForeignText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<QStringList>, rows);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QVERIFY(m_grid->loadFromDevice(&buffer));
    QCOMPARE(m_grid->rows(), int(rows.size()));
    for (int row = 0; row < rows.size(); ++row)
        for (int col = 0; col < rows[row].size(); ++col)
            QCOMPARE(m_grid->text(row, col), rows[row][col]);
}

void GridModelTest::writeFailuresAreReported()
{
    fill(*m_grid, 0, QStringList(100, QStringLiteral("some text")));
    FailingDevice device;
    QVERIFY(!m_grid->saveToDevice(&device));
    QCOMPARE(m_grid->errorString(), QStringLiteral("disk full"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("export.txt"));
    QVERIFY(m_grid->saveToFile(path));
    m_grid->setSeparators(QStringLiteral("\r\r"));
    QVERIFY(!m_grid->saveToFile(path)); // separators that cannot be told apart
    QVERIFY(!m_grid->errorString().isEmpty());
    GridModel check;
    QVERIFY(check.loadFromFile(path));
    QCOMPARE(check.rows(), 101); // the old file is intact
    QVERIFY(!m_grid->saveToFile(dir.path())); // a folder cannot be replaced by a file
    const QString rawName = dir.filePath(QString(QChar(0xDCFF)) + u".txt");
    QVERIFY(!m_grid->saveToFile(rawName)); // Qt would open another name
}

void GridModelTest::checkColumnAsksBeforeEdit()
{
    m_grid->setRows(3);
    m_grid->setCheckColumn(2);
    bool refuse = true;
    connect(m_grid, &GridModel::beforeEdit, this, [&](int row, int col, bool *cancel) {
        QCOMPARE(row, 1);
        QCOMPARE(col, 2);
        *cancel = refuse;
    });
    const QModelIndex box = m_grid->index(0, 2);
    QVERIFY(m_grid->flags(box) & Qt::ItemIsUserCheckable);
    QVERIFY(!(m_grid->flags(m_grid->index(0, 1)) & Qt::ItemIsUserCheckable));
    QVERIFY(!m_grid->setData(box, Qt::Checked, Qt::CheckStateRole));
    QVERIFY(!m_grid->isChecked(1));
    refuse = false;
    QVERIFY(m_grid->setData(box, Qt::Checked, Qt::CheckStateRole));
    QVERIFY(m_grid->isChecked(1));
    QVERIFY(!m_grid->setData(m_grid->index(0, 1), QStringLiteral("typed"), Qt::EditRole));
}

void GridModelTest::numberParsing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << "42" << true << 42.0;
    QTest::newRow("grouped") << "1,234,567" << true << 1234567.0;
    QTest::newRow("surrounding spaces") << " 7 " << true << 7.0;
    QTest::newRow("negative decimal") << "-1.5" << true << -1.5;
    QTest::newRow("Error") << "Error" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("unit after the number") << "12 KB" << false << 0.0;
    QTest::newRow("group separator at the end") << "12," << false << 0.0;
    QTest::newRow("doubled group separator") << "1,,2" << false << 0.0;
    QTest::newRow("lone sign") << "-" << false << 0.0;
}

void GridModelTest::numberParsing()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const auto parsed = GridValues::parseNumber(text, GridValues::NumberSyntax::fromLocale());
    QCOMPARE(parsed.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*parsed, value);
}

QTEST_GUILESS_MAIN(GridModelTest)
#include "gridmodel_test.moc"
