#include "settings/settings.h"
#include "platform/posix/posixdesktopservices.h"
#include "grid/gridmodel.h"
#include "results/resultcolumns.h"
#include "base/pathcodec.h"
#include "support/fakedesktopservices.h"
#include "support/fakeprompts.h"
#include "support/rawtree.h"
#include "support/testservices.h"
#include "support/tiffbytes.h"
#include "ui/foldertree.h"
#include "ui/frmmain.h"
#include "ui/gridview.h"
#include "ui/statusbar.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QDBusConnection>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using TestSupport::FakePrompts;

namespace {

using Col = ResultColumns::Column;

const QString kQuestion = QStringLiteral("Are you sure to delete selected files?");
const QString kFailure = QStringLiteral("Unable to delete file ");
const QStringList kSingleFileActions = {QStringLiteral("mnuFileOpen"),
                                        QStringLiteral("mnuPopupOpen"),
                                        QStringLiteral("mnuFileProperties"),
                                        QStringLiteral("mnuPopupProperties"),
                                        QStringLiteral("mnuFileShowContainingFolder"),
                                        QStringLiteral("mnuPopupShowContainingFolder")};

bool existsExactly(const QByteArray &path)
{
    struct stat info;
    return ::lstat(path.constData(), &info) == 0;
}

// A loaded main window over a fresh settings file, never shown, so no search
// runs unless a test starts one. `desktop` replaces the recording fake.
struct Window
{
    explicit Window(const QString &iniPath, std::shared_ptr<DesktopServices> desktop = {})
        : settings(iniPath), test(TestSupport::makeTestServices())
    {
        settings.ReadSettings();
        AppServices services = test.services;
        if (desktop)
            services.desktop = std::move(desktop);
        window = std::make_unique<frmMain>(settings, services);
        window->Form_Load();
        new QAbstractItemModelTester(
            files(), QAbstractItemModelTester::FailureReportingMode::QtTest, window.get());
    }

    GridModel *files() const { return window->filesModel(); }
    FakePrompts &prompts() const { return *test.prompts; }
    TestSupport::FakeDesktopServices &desktop() const { return *test.desktop; }

    // Appends a row for `path` as a search would list it; returns its row.
    int addRow(const QString &path) const
    {
        QStringList cells(ResultColumns::Count);
        cells[Col::FileName] = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
        cells[Col::Location] = path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
        cells[Col::FullPath] = path;
        return files()->appendRow(cells);
    }
    QList<int> addRows(const QStringList &paths) const
    {
        QList<int> rows;
        for (const QString &path : paths)
            rows << addRow(path);
        return rows;
    }
    QList<bool> hiddenFlags() const
    {
        QList<bool> flags;
        for (int row = 1; row < files()->rows(); ++row)
            flags << files()->isRowHidden(row);
        return flags;
    }
    void trigger(const QString &action) const
    {
        auto *entry = window->findChild<QAction *>(action);
        QVERIFY2(entry, qPrintable(action));
        entry->trigger();
    }
    // Runs a real search of `folder` and returns the full paths it listed.
    QStringList search(const QString &folder) const
    {
        window->ftv->setSelectedFolder(folder);
        window->cmdSearch_Click();
        QStringList paths;
        for (int row = 1; row < files()->rows(); ++row)
            paths << files()->text(row, Col::FullPath);
        return paths;
    }

    SettingsStore settings;
    TestSupport::TestServices test;
    std::unique_ptr<frmMain> window;
};

// The real desktop services with a URL opener that only records and a bus on
// which no file manager can answer.
std::shared_ptr<PosixDesktopServices> offlineDesktop(QList<QUrl> *opened)
{
    auto desktop = std::make_shared<PosixDesktopServices>();
    desktop->setUrlOpener([opened](const QUrl &url) {
        opened->append(url);
        return true;
    });
    desktop->setBus(QDBusConnection::connectToBus(
        QStringLiteral("unix:path=/nonexistent/brimfold-bus"), QStringLiteral("nobus")));
    return desktop;
}

// A temporary folder of real TIFF files with exactly these raw names, removed
// by raw bytes afterwards (QTemporaryDir cannot remove names that are not UTF-8).
struct RawTree
{
    explicit RawTree(const QList<QByteArray> &names)
    {
        m_dir.setAutoRemove(false);
        root = QFile::encodeName(m_dir.path()) + '/';
        TestSupport::TiffBuilder tiff;
        for (const QByteArray &name : names) {
            tiff.addPage(); // 1, 2, 3, ... pages
            written = written && TestSupport::writeRawFile(root + name, tiff.bytes());
        }
    }
    ~RawTree() { TestSupport::removeTree(QFile::encodeName(m_dir.path())); }
    QString path() const { return m_dir.path(); }

    QTemporaryDir m_dir;
    QByteArray root; // the folder's bytes, ending in "/"
    bool written = true;
};

} // namespace

class FileActionsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString iniPath() const { return m_dir.filePath(QStringLiteral("Settings.ini")); }

private Q_SLOTS:
    void cleanupTestCase() { QDBusConnection::disconnectFromBus(QStringLiteral("nobus")); }

    void singleFileActionsUseCurrentRow_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("operation");
        const QStringList operations = {QStringLiteral("openFile"),
                                        QStringLiteral("showProperties"),
                                        QStringLiteral("showInFolder")};
        for (int i = 0; i < kSingleFileActions.size(); ++i)
            QTest::newRow(qPrintable(kSingleFileActions[i]))
                << kSingleFileActions[i] << operations[i / 2];
    }
    void singleFileActionsUseCurrentRow()
    {
        QFETCH(QString, action);
        QFETCH(QString, operation);
        Window w(iniPath());
        const QStringList paths = {QStringLiteral("/scans/a.tif"),
                                   QStringLiteral("/scans/2004/b c.tif"),
                                   QStringLiteral("/scans/d.tif")};
        w.addRows(paths);
        w.files()->selectOnly(3, 3); // the selection plays no part
        w.files()->setCurrentCell(2, 0);
        w.desktop().requestsSucceed = false; // a refusal stays silent
        w.trigger(action);
        QCOMPARE(w.desktop().calls,
                 (QList<TestSupport::FakeDesktopServices::Call>{{operation, paths[1]}}));
        QVERIFY(w.prompts().shown.isEmpty());
        QCOMPARE(w.hiddenFlags(), (QList<bool>{false, false, false}));
    }

    void singleFileActionsNeedDataRow_data()
    {
        QTest::addColumn<int>("rows");
        QTest::newRow("empty table") << 0;
        QTest::newRow("cursor on header row") << 2;
    }
    void singleFileActionsNeedDataRow()
    {
        QFETCH(int, rows);
        Window w(iniPath());
        for (int i = 0; i < rows; ++i)
            w.addRow(QStringLiteral("/scans/%1.tif").arg(i));
        w.files()->selectAll();
        w.files()->setCurrentCell(0, 0);
        for (const QString &action : kSingleFileActions)
            w.trigger(action);
        QVERIFY(w.desktop().calls.isEmpty());
        QVERIFY(w.prompts().shown.isEmpty());
    }

    void operationsReportWhetherDesktopTookRequest_data()
    {
        QTest::addColumn<bool>("accepted");
        QTest::newRow("accepted") << true;
        QTest::newRow("refused") << false;
    }
    void operationsReportWhetherDesktopTookRequest()
    {
        QFETCH(bool, accepted);
        Window w(iniPath());
        w.desktop().requestsSucceed = accepted;
        const QString path = QStringLiteral("/scans/a.tif");
        QCOMPARE(w.window->OpenFile(path), accepted);
        QCOMPARE(w.window->ShowFileProperties(path), accepted);
        QCOMPARE(w.window->OpenContainingFolder(path), accepted);
        QCOMPARE(w.desktop().argumentsOf(QStringLiteral("showInFolder")), QStringList{path});
        QVERIFY(w.prompts().shown.isEmpty());
    }

    // Without a file manager the folder itself is opened.
    void showContainingFolderOpensFolder_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("folderUrl");
        QTest::newRow("file in subfolder")
            << QStringLiteral("/scans/2004/a.tif") << QByteArray("file:///scans/2004/");
        QTest::newRow("file in root") << QStringLiteral("/a.tif") << QByteArray("file:///");
        QTest::newRow("folder with space and hash")
            << QStringLiteral("/my scans/#1/a.tif") << QByteArray("file:///my%20scans/%231/");
    }
    void showContainingFolderOpensFolder()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, folderUrl);
        QList<QUrl> opened;
        Window w(iniPath(), offlineDesktop(&opened));
        w.addRows({QStringLiteral("/other/x.tif"), path});
        w.files()->setCurrentCell(2, 1);
        w.window->mnuFileShowContainingFolder_Click();
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.first().toEncoded(), folderUrl);
    }

    void deleteWithNothingToDeleteAsksNothing_data()
    {
        QTest::addColumn<bool>("selectHiddenRow");
        QTest::newRow("no row selected") << false;
        QTest::newRow("only an already deleted row selected") << true;
    }
    void deleteWithNothingToDeleteAsksNothing()
    {
        QFETCH(bool, selectHiddenRow);
        Window w(iniPath());
        w.addRows({QStringLiteral("/s/a.tif"), QStringLiteral("/s/b.tif")});
        w.files()->setCurrentCell(1, 0);
        if (selectHiddenRow) {
            w.files()->setRowHidden(2, true);
            w.files()->selectOnly(2, 2);
        }
        QVERIFY(w.window->DeleteSelectedFiles());
        QVERIFY(w.prompts().shown.isEmpty());
        QVERIFY(w.desktop().calls.isEmpty());
    }

    void deleteAnsweredNoDeletesNothing()
    {
        Window w(iniPath());
        w.addRows(
            {QStringLiteral("/s/a.tif"), QStringLiteral("/s/b.tif"), QStringLiteral("/s/c.tif")});
        w.files()->selectAll();
        w.prompts().answers = {false};
        QVERIFY(w.window->DeleteSelectedFiles());
        QCOMPARE(w.prompts().shown.size(), 1);
        QCOMPARE(w.prompts().shown[0].text, kQuestion);
        QCOMPARE(w.prompts().shown[0].icon, Prompts::Icon::Question);
        QVERIFY(w.prompts().shown[0].question);
        QVERIFY(w.desktop().calls.isEmpty());
        QCOMPARE(w.hiddenFlags(), (QList<bool>{false, false, false}));
    }

    void deleteStopsAtFirstFailure()
    {
        Window w(iniPath());
        const QStringList paths = {QStringLiteral("/s/a.tif"), QStringLiteral("/s/b.tif"),
                                   QStringLiteral("/s/c.tif"), QStringLiteral("/s/unselected.tif")};
        w.addRows(paths);
        w.files()->selectOnly(1, 3);
        w.desktop().failingDeletes = {paths[1]};
        QVERIFY(!w.window->DeleteSelectedFiles());
        QCOMPARE(w.desktop().argumentsOf(QStringLiteral("deleteFile")), paths.first(2));
        QCOMPARE(w.hiddenFlags(), (QList<bool>{true, false, false, false}));
        QCOMPARE(w.prompts().texts(), (QStringList{kQuestion, kFailure + paths[1]}));
        QCOMPARE(w.prompts().shown[1].icon, Prompts::Icon::None);
        QVERIFY(!w.prompts().shown[1].question);
    }

    void deleteSkipsRowsOfDeletedFiles()
    {
        Window w(iniPath());
        const QStringList paths = {QStringLiteral("/s/a.tif"), QStringLiteral("/s/b.tif"),
                                   QStringLiteral("/s/c.tif"), QStringLiteral("/s/d.tif")};
        w.addRows(paths);
        w.files()->selectOnly(2, 2);
        QVERIFY(w.window->DeleteSelectedFiles());
        // Invert Selection then takes in the hidden row again, with the others.
        w.window->mnuEditInvertSelection_Click();
        QCOMPARE(w.files()->selectedCount(), 3);
        w.window->mnuEditSelectAll_Click();
        QCOMPARE(w.files()->selectedCount(), 4);
        QVERIFY(w.window->DeleteSelectedFiles());
        QCOMPARE(w.desktop().argumentsOf(QStringLiteral("deleteFile")),
                 (QStringList{paths[1], paths[0], paths[2], paths[3]}));
        QCOMPARE(w.prompts().texts(), (QStringList{kQuestion, kQuestion}));
        QCOMPARE(w.hiddenFlags(), (QList<bool>{true, true, true, true}));
        QCOMPARE(w.files()->rows(), 5);
    }

    void deleteFromEveryEntryAsksFirst_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("Delete key in table") << QString();
        QTest::newRow("File menu Delete") << QStringLiteral("mnuFileDelete");
        QTest::newRow("context menu Delete") << QStringLiteral("mnuPopupDelete");
    }
    void deleteFromEveryEntryAsksFirst()
    {
        QFETCH(QString, entry);
        Window w(iniPath());
        w.addRows({QStringLiteral("/s/a.tif"), QStringLiteral("/s/b.tif")});
        w.files()->selectOnly(2, 2);
        w.prompts().answers = {false, true};
        const auto run = [&] {
            if (entry.isEmpty())
                QTest::keyClick(w.window->vsFiles, Qt::Key_Delete);
            else
                w.trigger(entry);
        };
        run();
        QCOMPARE(w.prompts().texts(), QStringList{kQuestion});
        QVERIFY(w.desktop().calls.isEmpty());
        run();
        QCOMPARE(w.prompts().texts(), (QStringList{kQuestion, kQuestion}));
        QCOMPARE(w.desktop().argumentsOf(QStringLiteral("deleteFile")),
                 QStringList{QStringLiteral("/s/b.tif")});
        QCOMPARE(w.hiddenFlags(), (QList<bool>{false, true}));
    }

    // On disk, after a real search: the second file vanishes before the delete.
    void realDeleteStopsWhereFileVanished()
    {
        const RawTree tree({"a.tif", "b.tif", "c.tif"});
        QVERIFY(tree.written);
        Window w(iniPath(), createDesktopServices());
        const QStringList paths = w.search(tree.path());
        QCOMPARE(paths.size(), 3);
        const QString files = w.window->sbGeneral->panel(StatusBar::FilesKey)->text();
        const QString total = w.window->lblPageCount->text();
        QCOMPARE(total, QStringLiteral("Total Pages : 6"));

        QVERIFY(QFile::remove(paths[1]));
        w.window->mnuEditSelectAll_Click();
        QVERIFY(!w.window->DeleteSelectedFiles());
        QVERIFY(!QFile::exists(paths[0]));
        QVERIFY(QFile::exists(paths[2]));
        QCOMPARE(w.hiddenFlags(), (QList<bool>{true, false, false}));
        QCOMPARE(w.prompts().texts(), (QStringList{kQuestion, kFailure + paths[1]}));
        QCOMPARE(w.files()->rows(), 4);
        QCOMPARE(w.window->sbGeneral->panel(StatusBar::FilesKey)->text(), files);
        QCOMPARE(w.window->lblPageCount->text(), total);
    }

    // Names that look alike (or that a command line would misread) are
    // different files: only the one the row names goes.
    void realDeleteRemovesExactlyTheNamedFile_data()
    {
        QTest::addColumn<QByteArray>("target");
        QTest::newRow("plain") << QByteArray("a\xc3\xa9.tif");
        QTest::newRow("not UTF-8 (Latin-1 e acute)") << QByteArray("a\xe9.tif");
        QTest::newRow("replacement character") << QByteArray("a\xef\xbf\xbd.tif");
        QTest::newRow("decomposed (NFD)") << QByteArray("ae\xcc\x81.tif");
        QTest::newRow("leading dash") << QByteArray("-a.tif");
        QTest::newRow("dash and r f") << QByteArray("-rf .tif");
    }
    void realDeleteRemovesExactlyTheNamedFile()
    {
        QFETCH(QByteArray, target);
        const QList<QByteArray> names = {
            "a.tif",          "a\xc3\xa9.tif", "a\xe9.tif", "a\xef\xbf\xbd.tif",
            "ae\xcc\x81.tif", "-a.tif",        "-rf .tif"};
        const RawTree tree(names);
        QVERIFY(tree.written);
        const QByteArray &root = tree.root;
        Window w(iniPath(), createDesktopServices());
        const QStringList paths = w.search(tree.path());
        QCOMPARE(paths.size(), names.size());
        const int row = int(paths.indexOf(PathCodec::decode(root + target))) + 1;
        QVERIFY(row > 0);
        w.files()->selectOnly(row, row);

        QVERIFY(w.window->DeleteSelectedFiles());
        for (const QByteArray &name : names)
            QVERIFY2(existsExactly(root + name) == (name != target),
                     name.toPercentEncoding().constData());
        QVERIFY(w.files()->isRowHidden(row));
        QCOMPARE(w.prompts().texts(), QStringList{kQuestion});
    }
};

QTEST_MAIN(FileActionsTest)
#include "fileactions_test.moc"
