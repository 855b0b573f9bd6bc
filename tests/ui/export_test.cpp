#include "settings/settings.h"
#include "export/exportrules.h"
#include "grid/gridmodel.h"
#include "results/resultcolumns.h"
#include "support/fakeprompts.h"
#include "support/tempfiles.h"
#include "support/testservices.h"
#include "support/tiffbytes.h"
#include "ui/dlgsave.h"
#include "ui/foldertree.h"
#include "ui/frmmain.h"
#include "ui/gridview.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace ExportRules;
using TestSupport::FakePrompts;

namespace {

const QDateTime kModified(QDate(2004, 3, 15), QTime(14, 7), Qt::UTC);

// What the user does in the export dialog; the real dialog is driven by it.
struct DialogScript
{
    QString name = QStringLiteral("list");
    int type = TextDocument;
    QString separator = QStringLiteral(",");
    bool cancel = false;
    std::function<void()> afterSave; // runs once the dialog has closed
    int calls = 0;
    QString location;
    QString openedAt;
};

// Expected file lines: "DIR" stands for the searched folder.
QByteArray expectedFile(const QStringList &lines, const QString &dir)
{
    QByteArray out;
    for (const QString &line : lines)
        out += QString(line).replace(QStringLiteral("DIR"), dir).toUtf8() + '\r';
    return out;
}

} // namespace

class ExportTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_tree;
    QString m_out;
    QString m_scratchFolder;
    DialogScript m_script;
    TestSupport::TestServices m_test;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<frmMain> m_window;

    frmMain &window()
    {
        TestSupport::writeFile(m_dir.filePath(QStringLiteral("Settings.ini")),
                               "[General]\r\nExportLocation=" + m_out.toUtf8() + "\r\n");
        m_settings =
            std::make_unique<SettingsStore>(m_dir.filePath(QStringLiteral("Settings.ini")));
        m_settings->ReadSettings();
        m_test = TestSupport::makeTestServices();
        m_test.services.scratchFolder = m_scratchFolder;
        m_test.services.exportDialog = [this](QWidget *parent, const QString &location) {
            ++m_script.calls;
            m_script.location = location;
            dlgSave d(location, *m_test.prompts, parent);
            d.txtFileName->setText(m_script.name);
            d.cmbFileType->setCurrentIndex(m_script.type);
            d.txtColSaperator->setText(m_script.separator);
            m_script.openedAt = d.ftvFolder->selectedFolder();
            if (m_script.openedAt != m_out)
                return ExportChoice{kCancelledMarker,
                                    QString()}; // never write outside the test's folder
            m_script.cancel ? d.cmdCancel_Click() : d.cmdSave_Click();
            if (m_script.afterSave)
                m_script.afterSave();
            return ExportChoice{d.FileName(), d.ColumnSaperator()};
        };
        m_window = std::make_unique<frmMain>(*m_settings, m_test.services);
        m_window->Form_Load();
        new QAbstractItemModelTester(m_window->vsDummyGrid->gridModel(),
                                     QAbstractItemModelTester::FailureReportingMode::QtTest,
                                     m_window.get());
        return *m_window;
    }

    void search(frmMain &w)
    {
        QVERIFY(w.ftv->setSelectedFolder(m_tree));
        w.cmdSearch_Click();
        QCOMPARE(w.filesModel()->rows(), 5);
        w.filesModel()->sortByColumn(ResultColumns::FileName, true);
    }

    QString outFile(const QString &name) const { return QDir(m_out).filePath(name); }
    QStringList messages() const { return m_test.prompts->texts(); }
    bool scratchLeft() const
    {
        return QFile::exists(QDir(m_scratchFolder).filePath(QStringLiteral("Temp.xls")));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(m_dir.isValid());
        m_tree = m_dir.filePath(QStringLiteral("scans"));
        m_out = m_dir.filePath(QStringLiteral("out"));
        m_scratchFolder = m_dir.filePath(QStringLiteral("program"));
        const QList<QPair<QString, int>> files = {
            {"a,b.tif", 1}, {"b.tif", 3}, {"c \"hi\".tif", 2}, {"d\tname.tif", 5}};
        for (const auto &[name, pages] : files) {
            TestSupport::TiffBuilder tiff;
            tiff.addPages(pages);
            const QString path = QDir(m_tree).filePath(name);
            TestSupport::writeFile(path, tiff.bytes());
            TestSupport::setModified(path, kModified);
        }
    }

    void init()
    {
        m_script = DialogScript();
        QVERIFY(QDir().mkpath(m_out));
        QVERIFY(QDir().mkpath(m_scratchFolder));
    }

    void cleanup()
    {
        m_window.reset();
        QVERIFY(!scratchLeft());
        QVERIFY(m_script.calls == 0 || m_script.openedAt == m_out);
        QDir(m_out).removeRecursively();
    }

    void writesTheVisibleTable_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("lines");
        const QStringList comma = {"File Name,Location,Size,Modified Date,Pages",
                                   "\"a,b.tif\",DIR,1 KB,03/15/2004 02:07 PM,1",
                                   "b.tif,DIR,1 KB,03/15/2004 02:07 PM,3",
                                   "\"c \"\"hi\"\".tif\",DIR,1 KB,03/15/2004 02:07 PM,2",
                                   "d\tname.tif,DIR,1 KB,03/15/2004 02:07 PM,5"};
        const QStringList tab = {"File Name\tLocation\tSize\tModified Date\tPages",
                                 "a,b.tif\tDIR\t1 KB\t03/15/2004 02:07 PM\t1",
                                 "b.tif\tDIR\t1 KB\t03/15/2004 02:07 PM\t3",
                                 "\"c \"\"hi\"\".tif\"\tDIR\t1 KB\t03/15/2004 02:07 PM\t2",
                                 "\"d\tname.tif\"\tDIR\t1 KB\t03/15/2004 02:07 PM\t5"};
        QTest::newRow("text, preset comma") << int(TextDocument) << ","
                                            << "list.txt" << comma;
        QTest::newRow("Word, comma") << int(WordDocument) << ","
                                     << "list.doc" << comma;
        QTest::newRow("Excel, tab whatever was typed") << int(ExcelWorksheet) << "|"
                                                       << "list.xls" << tab;
        QTest::newRow("CSV, tab whatever was typed") << int(CsvFile) << ","
                                                     << "list.csv" << tab;
    }
    void writesTheVisibleTable()
    {
        QFETCH(int, type);
        QFETCH(QString, typed);
        QFETCH(QString, file);
        QFETCH(QStringList, lines);
        frmMain &w = window();
        search(w);
        m_script.type = type;
        m_script.separator = typed;
        w.cmdExport->click();
        QCOMPARE(m_script.calls, 1);
        QCOMPARE(m_script.location, m_out);
        QCOMPARE(messages(), QStringList("Meta Data exported successfully to " + outFile(file)));
        QCOMPARE(m_test.prompts->shown.first().icon, Prompts::Icon::Information);
        QCOMPARE(TestSupport::readFile(outFile(file)), expectedFile(lines, m_tree));
    }

    void hiddenColumnsDroppedScreenOrderKept()
    {
        frmMain &w = window();
        search(w);
        GridModel &files = *w.filesModel();
        files.setColumnHidden(ResultColumns::Location, true);
        files.moveColumn(ResultColumns::Pages, 0);
        files.sortByColumn(0, false); // most pages first
        files.setRowHidden(1, true);  // a deleted file's row is still exported
        m_script.separator = QStringLiteral(";");
        QVERIFY(w.ExportGridData(files));
        QCOMPARE(TestSupport::readFile(outFile(QStringLiteral("list.txt"))),
                 expectedFile({"Pages;File Name;Size;Modified Date",
                               "5;d\tname.tif;1 KB;03/15/2004 02:07 PM",
                               "3;b.tif;1 KB;03/15/2004 02:07 PM",
                               "2;c \"\"hi\"\".tif;1 KB;03/15/2004 02:07 PM",
                               "1;a,b.tif;1 KB;03/15/2004 02:07 PM"},
                              m_tree)
                     .replace("c \"\"hi\"\".tif", "\"c \"\"hi\"\".tif\""));
        // The list on screen is as it was.
        QCOMPARE(files.cols(), int(ResultColumns::Count));
        QVERIFY(files.isColumnHidden(2)); // Location, one place further right
        QVERIFY(files.isRowHidden(1));
    }

    void emptyListFromTheButton()
    {
        frmMain &w = window();
        w.cmdExport->click();
        QCOMPARE(messages(), QStringList(QStringLiteral("No files found to export.")));
        QCOMPARE(m_test.prompts->shown.first().icon, Prompts::Icon::Information);
        QCOMPARE(m_script.calls, 0);
        QVERIFY(QDir(m_out).isEmpty());
    }

    void emptyListFromTheMenu()
    {
        frmMain &w = window();
        m_script.type = CsvFile;
        w.mnuExport->trigger();
        QCOMPARE(m_script.calls, 1);
        QCOMPARE(messages(), QStringList("Meta Data exported successfully to " +
                                         outFile(QStringLiteral("list.csv"))));
        QCOMPARE(TestSupport::readFile(outFile(QStringLiteral("list.csv"))),
                 QByteArray("File Name\tLocation\tSize\tModified Date\tPages\r"));
    }

    void cancelWritesAndShowsNothing()
    {
        frmMain &w = window();
        search(w);
        m_script.cancel = true;
        QVERIFY(!w.ExportGridData(*w.filesModel()));
        QCOMPARE(m_script.calls, 1);
        QVERIFY(messages().isEmpty());
        QVERIFY(QDir(m_out).isEmpty());
    }

    void failureReportedOldFileKept_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("target is a folder") << "folder";
        QTest::newRow("export folder gone") << "gone";
    }
    void failureReportedOldFileKept()
    {
        QFETCH(QString, how);
        frmMain &w = window();
        search(w);
        if (how == u"folder")
            QVERIFY(QDir().mkpath(outFile(QStringLiteral("list.txt"))));
        else
            m_script.afterSave = [this] { QDir(m_out).removeRecursively(); };
        const QString before = QStringLiteral("Unable to export data.\r\n\r\n");
        w.cmdExport->click();
        QCOMPARE(messages().size(), 1);
        QVERIFY2(messages().first().startsWith(before), qPrintable(messages().first()));
        QVERIFY(messages().first().size() > before.size());
        QCOMPARE(m_test.prompts->shown.first().icon, Prompts::Icon::Information);
        QCOMPARE(QFileInfo(outFile(QStringLiteral("list.txt"))).isDir(), how == u"folder");
    }

    void scratchFolderNotWritableStillExports()
    {
        m_scratchFolder = m_dir.filePath(QStringLiteral("no-such-program-folder"));
        frmMain &w = window();
        search(w);
        w.cmdExport->click();
        QCOMPARE(messages(), QStringList("Meta Data exported successfully to " +
                                         outFile(QStringLiteral("list.txt"))));
        m_scratchFolder = m_dir.filePath(QStringLiteral("program"));
    }
};

QTEST_MAIN(ExportTest)
#include "export_test.moc"
