#include "export/exportwriter.h"
#include "grid/gridmodel.h"
#include "results/resultcolumns.h"
#include "support/filesizelimit.h"
#include "support/tempfiles.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

using ExportRules::ExportChoice;
using ExportWriter::Outcome;
using namespace ResultColumns;

namespace {

const QByteArray kHeader = "File Name,Location,Size,Modified Date,Pages";

// Three listed files as the search run writes them, in columns 0..6.
const QList<QStringList> kRows = {
    {"b.tif", "/data/scans", "2 KB", "03/15/2004 02:07 PM", "3", "/data/scans/b.tif", "2"},
    {"a, copy.tif", "/data", "1,025 KB", "01/02/2020 09:00 AM", "Error", "/data/a, copy.tif",
     "1,025"},
    {"c.tiff", "/data/old", "0 KB", "12/31/1999 11:59 PM", "12", "/data/old/c.tiff", "0"},
};

void fillResults(GridModel &grid, const QList<QStringList> &rows = kRows)
{
    setupColumns(grid);
    for (const QStringList &cells : rows)
        grid.appendRow(cells);
}

QByteArray lines(const QList<QByteArray> &rows)
{
    QByteArray out;
    for (const QByteArray &row : rows)
        out += row + '\r';
    return out;
}

using TestSupport::FileSizeLimit;

} // namespace

class ExportWriterTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_scratchFolder;
    QString m_fallbackFolder;
    GridModel *m_grid = nullptr;
    GridModel *m_scratch = nullptr;

    QString target(const QString &name) const
    {
        return m_dir.filePath(QStringLiteral("out/") + name);
    }
    QString scratchFile() const
    {
        return QDir(m_scratchFolder).filePath(QStringLiteral("Temp.xls"));
    }

    ExportWriter::Result exportTo(const ExportChoice &choice)
    {
        return ExportWriter::exportGrid(*m_grid, *m_scratch, m_scratchFolder,
                                        [choice] { return choice; });
    }

    QStringList fallbackLeftovers() const
    {
        return QDir(m_fallbackFolder).entryList(QDir::Files | QDir::Hidden);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // Scratch files that fall back to the temporary folder land where we can see them.
        m_fallbackFolder = m_dir.filePath(QStringLiteral("tmp"));
        QVERIFY(QDir().mkpath(m_fallbackFolder));
        qputenv("TMPDIR", QFile::encodeName(m_fallbackFolder));
        std::signal(SIGXFSZ, SIG_IGN);
    }

    void init()
    {
        m_scratchFolder = m_dir.filePath(QStringLiteral("program"));
        QVERIFY(QDir().mkpath(m_scratchFolder));
        QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("out"))));
        m_grid = new GridModel(this);
        m_scratch = new GridModel(this);
        new QAbstractItemModelTester(
            m_scratch, QAbstractItemModelTester::FailureReportingMode::QtTest, m_scratch);
        fillResults(*m_grid);
    }

    void cleanup()
    {
        delete m_grid;
        delete m_scratch;
        QDir(m_dir.filePath(QStringLiteral("out"))).removeRecursively();
        QDir(m_scratchFolder).removeRecursively();
        QVERIFY2(fallbackLeftovers().isEmpty(), qPrintable(fallbackLeftovers().join(u' ')));
    }

    void outputPerType_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QByteArray>("expected");
        // Columns 5 and 6 are hidden by the set-up and never written.
        QTest::newRow("text or Word, preset comma")
            << ","
            << lines({kHeader, "b.tif,/data/scans,2 KB,03/15/2004 02:07 PM,3",
                      "\"a, copy.tif\",/data,\"1,025 KB\",01/02/2020 09:00 AM,Error",
                      "c.tiff,/data/old,0 KB,12/31/1999 11:59 PM,12"});
        QTest::newRow("text or Word, pipe typed")
            << "|"
            << lines({"File Name|Location|Size|Modified Date|Pages",
                      "b.tif|/data/scans|2 KB|03/15/2004 02:07 PM|3",
                      "a, copy.tif|/data|1,025 KB|01/02/2020 09:00 AM|Error",
                      "c.tiff|/data/old|0 KB|12/31/1999 11:59 PM|12"});
        QTest::newRow("Excel or CSV, tab")
            << ""
            << lines({"File Name\tLocation\tSize\tModified Date\tPages",
                      "b.tif\t/data/scans\t2 KB\t03/15/2004 02:07 PM\t3",
                      "a, copy.tif\t/data\t1,025 KB\t01/02/2020 09:00 AM\tError",
                      "c.tiff\t/data/old\t0 KB\t12/31/1999 11:59 PM\t12"});
        QTest::newRow("separator letter inside cells")
            << "K"
            << lines({"File NameKLocationKSizeKModified DateKPages",
                      "b.tifK/data/scansK\"2 KB\"K03/15/2004 02:07 PMK3",
                      "a, copy.tifK/dataK\"1,025 KB\"K01/02/2020 09:00 AMKError",
                      "c.tiffK/data/oldK\"0 KB\"K12/31/1999 11:59 PMK12"});
    }
    void outputPerType()
    {
        QFETCH(QString, separator);
        const auto result = exportTo({target(QStringLiteral("r.txt")), separator});
        QCOMPARE(result.outcome, Outcome::Written);
        QCOMPARE(result.fileName, target(QStringLiteral("r.txt")));
        QTEST(TestSupport::readFile(target(QStringLiteral("r.txt"))), "expected");
        QVERIFY(!QFile::exists(scratchFile()));
        QCOMPARE(m_scratch->separators(), QString());
    }

    void screenOrderSortOrderAndHiddenRows()
    {
        m_grid->setColumnHidden(Location, true);
        m_grid->moveColumn(Pages, FileName); // Pages, File Name, Size, Modified Date, ...
        m_grid->sortByColumn(0, false);      // by pages, most first; "Error" last
        m_grid->setRowHidden(2, true);       // a deleted file's row stays
        const auto result = exportTo({target(QStringLiteral("r.txt")), QStringLiteral(";")});
        QCOMPARE(result.outcome, Outcome::Written);
        QCOMPARE(TestSupport::readFile(target(QStringLiteral("r.txt"))),
                 lines({"Pages;File Name;Size;Modified Date", "12;c.tiff;0 KB;12/31/1999 11:59 PM",
                        "3;b.tif;2 KB;03/15/2004 02:07 PM",
                        "Error;a, copy.tif;1,025 KB;01/02/2020 09:00 AM"}));
        // The source keeps all its columns; only the copy lost some.
        QCOMPARE(m_grid->cols(), int(Count));
        QVERIFY(m_grid->isColumnHidden(0) == false && m_grid->isColumnHidden(FullPath));
        QCOMPARE(m_scratch->cols(), 4);
    }

    void headerOnlyList()
    {
        m_grid->setRows(1);
        QCOMPARE(exportTo({target(QStringLiteral("e.csv")), QString()}).outcome, Outcome::Written);
        QCOMPARE(TestSupport::readFile(target(QStringLiteral("e.csv"))),
                 lines({"File Name\tLocation\tSize\tModified Date\tPages"}));
    }

    void hostileCellsReadBackExactly_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::newRow("comma text") << ",";
        QTest::newRow("tab CSV") << "";
        QTest::newRow("quote typed") << "\"";
    }
    void hostileCellsReadBackExactly()
    {
        QFETCH(QString, separator);
        const QStringList hostile = {"a,b.tif",        "tab\there.tif",        "say \"hi\".tif",
                                     "line\nfeed.tif", "cr\rname.tif",         "\".tif",
                                     "' quoted '.tif", "\xC3\xA9t\xC3\xA9.tif"};
        m_grid->setRows(1);
        for (const QString &name : hostile)
            m_grid->appendRow({name, "/d", "1 KB", "01/01/2001 01:00 AM", "1", "/d/" + name, "1"});
        const QString path = target(QStringLiteral("h.txt"));
        QCOMPARE(exportTo({path, separator}).outcome, Outcome::Written);

        GridModel reader;
        reader.setSeparators(ExportWriter::exportSeparators(separator));
        QVERIFY(reader.loadFromFile(path));
        QCOMPARE(reader.rows(), hostile.size() + 1);
        for (int i = 0; i < hostile.size(); ++i) {
            QCOMPARE(reader.cols(), kDataColumns);
            QCOMPARE(reader.text(i + 1, FileName), hostile.at(i));
            QCOMPARE(reader.text(i + 1, Pages), QStringLiteral("1"));
        }
    }

    void scratchGoneBeforeTheDialog()
    {
        TestSupport::writeFile(scratchFile(), "an old scratch file");
        bool asked = false;
        const auto result = ExportWriter::exportGrid(*m_grid, *m_scratch, m_scratchFolder, [&] {
            asked = true;
            // The copy is complete, hidden columns included, and its file is gone.
            [&] {
                QVERIFY(!QFile::exists(scratchFile()));
                QCOMPARE(m_scratch->rows(), kRows.size() + 1);
                QCOMPARE(m_scratch->cols(), int(Count));
                QCOMPARE(m_scratch->text(2, FullPath), QStringLiteral("/data/a, copy.tif"));
                QCOMPARE(m_scratch->text(0, Size), QStringLiteral("Size"));
            }();
            return ExportChoice{ExportRules::kCancelledMarker, QStringLiteral(",")};
        });
        QVERIFY(asked);
        QCOMPARE(result.outcome, Outcome::Cancelled);
        QVERIFY(QDir(m_dir.filePath(QStringLiteral("out"))).isEmpty());
    }

    void closedWithoutChoiceIsACancel()
    {
        QCOMPARE(exportTo({QString(), QStringLiteral(",")}).outcome, Outcome::Cancelled);
        QVERIFY(!QFile::exists(scratchFile()));
    }

    void unusableScratchFolderFallsBack_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("folder missing") << "missing";
        QTest::newRow("Temp.xls is a folder") << "folder";
        QTest::newRow("Temp.xls is a link") << "link";
    }
    void unusableScratchFolderFallsBack()
    {
        QFETCH(QString, how);
        const QString linkTarget = m_dir.filePath(QStringLiteral("precious"));
        TestSupport::writeFile(linkTarget, "keep me");
        if (how == u"missing")
            m_scratchFolder = m_dir.filePath(QStringLiteral("no/such/folder"));
        else if (how == u"folder")
            QVERIFY(QDir().mkpath(scratchFile()));
        else
            QVERIFY(QFile::link(linkTarget, scratchFile()));

        QCOMPARE(exportTo({target(QStringLiteral("r.txt")), QStringLiteral(",")}).outcome,
                 Outcome::Written);
        QVERIFY(TestSupport::readFile(target(QStringLiteral("r.txt")))
                    .startsWith(QByteArray(kHeader + '\r')));
        QCOMPARE(TestSupport::readFile(linkTarget), QByteArray("keep me"));
        QCOMPARE(QFileInfo(scratchFile()).isDir(), how == u"folder");
    }

    void failedTargetReported_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("target is a folder") << "folder";
        QTest::newRow("target folder missing") << "missing";
        QTest::newRow("separator is the row separator") << "same";
        QTest::newRow("disk full") << "full";
    }
    void failedTargetReported()
    {
        QFETCH(QString, how);
        QString path = target(QStringLiteral("r.txt"));
        QString separator = QStringLiteral(",");
        if (how == u"folder")
            QVERIFY(QDir().mkpath(path));
        else if (how == u"missing")
            path = target(QStringLiteral("gone/r.txt"));
        else
            TestSupport::writeFile(path, "the previous export");
        if (how == u"same")
            separator = QStringLiteral("\r");

        std::unique_ptr<FileSizeLimit> limit;
        const auto result = ExportWriter::exportGrid(*m_grid, *m_scratch, m_scratchFolder, [&] {
            if (how == u"full")
                limit = std::make_unique<FileSizeLimit>(8);
            return ExportChoice{path, separator};
        });
        const bool limited = limit && limit->ok();
        limit.reset();
        if (how == u"full" && !limited)
            QSKIP("cannot lower the file size limit here");

        QCOMPARE(result.outcome, Outcome::Failed);
        QVERIFY(!result.error.isEmpty());
        QVERIFY(!QFile::exists(scratchFile()));
        QCOMPARE(m_scratch->separators(), QString());
        if (how == u"same" || how == u"full") {
            QCOMPARE(TestSupport::readFile(path), QByteArray("the previous export"));
            // Nothing half-written is left beside it either.
            QCOMPARE(
                QDir(m_dir.filePath(QStringLiteral("out"))).entryList(QDir::Files | QDir::Hidden),
                QStringList(QStringLiteral("r.txt")));
        }
    }

    void scratchWriteFailureStopsBeforeTheDialog()
    {
        FileSizeLimit limit(8);
        if (!limit.ok())
            QSKIP("cannot lower the file size limit here");
        bool asked = false;
        const auto result = ExportWriter::exportGrid(*m_grid, *m_scratch, m_scratchFolder, [&] {
            asked = true;
            return ExportChoice{target(QStringLiteral("r.txt")), QString()};
        });
        QCOMPARE(result.outcome, Outcome::Failed);
        QVERIFY(!result.error.isEmpty());
        QVERIFY(!asked);
        QVERIFY(!QFile::exists(scratchFile()));
    }
};

QTEST_GUILESS_MAIN(ExportWriterTest)
#include "exportwriter_test.moc"
