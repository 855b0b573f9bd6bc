// The search as the main window runs it: first activation, the folder tree
// and address bar, the start/cancel toggle, the status bar and page total,
// criteria read live, and a run outlived by its window.
#include "settings/settings.h"
#include "grid/gridmodel.h"
#include "results/resultcolumns.h"
#include "platform/filesystem.h"
#include "support/pdftext.h"
#include "support/searchfakes.h"
#include "support/tempfiles.h"
#include "support/testservices.h"
#include "support/tiffbytes.h"
#include "ui/foldertree.h"
#include "ui/frmmain.h"
#include "ui/pagereportwindow.h"
#include "ui/statusbar.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace TestSupport;

namespace {

constexpr int kSlowFileMs = 3;

void writeTiff(const QString &path, int pages)
{
    TiffBuilder tiff;
    tiff.addPages(pages);
    writeFile(path, tiff.bytes());
}

void writeTiffs(const QString &folder, int count)
{
    for (int i = 0; i < count; ++i)
        writeTiff(folder + QStringLiteral("/scan%1.tif").arg(i, 3, 10, QLatin1Char('0')), 1);
}

// Every file takes a few milliseconds to open, as on a slow disk.
struct SlowDisk : FolderLister
{
    struct Listing : ForwardingListing
    {
        using ForwardingListing::ForwardingListing;
        OpenedFile openFile(std::size_t index) override
        {
            QElapsedTimer slow;
            slow.start();
            while (slow.elapsed() < kSlowFileMs) {
            }
            return inner->openFile(index);
        }
    };
    std::unique_ptr<FolderListing> open(const QString &path, LinkRule rule) override
    {
        auto real = createFolderLister()->open(path, rule);
        return real ? std::make_unique<Listing>(std::move(real)) : nullptr;
    }
};

// Runs `action` each time the event loop gets a turn, which during a search
// is the run's yield after every file.
class DuringRun
{
public:
    explicit DuringRun(std::function<void(int turn)> action) : m_action(std::move(action))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { m_action(++m_turns); });
        m_timer.start(0);
    }
    int turns() const { return m_turns; }

private:
    QTimer m_timer;
    std::function<void(int)> m_action;
    int m_turns = 0;
};

// A loaded main window over temporary settings, never shown: nothing runs
// until the test says so.
struct TestWindow
{
    explicit TestWindow(const QString &iniPath, const QString &startupFolder = {},
                        const std::function<void(AppServices &)> &adjust = {})
    {
        if (!startupFolder.isEmpty())
            writeFile(iniPath, "[General]\r\nStartupFolder=" + startupFolder.toUtf8() + "\r\n");
        // Every file takes a few milliseconds, as on a slow disk, one at a
        // time, so the run hands the event loop turns all through.
        services.services.ioThreads = 1;
        services.services.lister = std::make_shared<SlowDisk>();
        if (adjust)
            adjust(services.services);
        settings = std::make_unique<SettingsStore>(iniPath);
        settings->ReadSettings();
        window = new frmMain(*settings, services.services);
        window->Form_Load();
        tester = std::make_unique<QAbstractItemModelTester>(
            window->filesModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    }
    ~TestWindow()
    {
        tester.reset();
        delete window;
    }

    void searchIn(const QString &folder)
    {
        window->ftv->setSelectedFolder(folder);
        window->cmdSearch_Click();
    }
    int dataRows() const { return window->filesModel()->rowCount(); }
    QString panel(const QString &key) const { return window->sbGeneral->panel(key)->text(); }
    QString cell(int dataRow, int col) const
    {
        GridModel *model = window->filesModel();
        return model->text(model->gridRow(dataRow), col);
    }
    QStringList column(int col) const
    {
        QStringList texts;
        for (int row = 0; row < dataRows(); ++row)
            texts.append(cell(row, col));
        return texts;
    }
    // The sum of the Pages column over the first `rows` data rows (all by default).
    int pageSum(int rows = -1) const
    {
        const QStringList pages = column(ResultColumns::Pages);
        int sum = 0;
        for (int row = 0; row < (rows < 0 ? pages.size() : rows); ++row)
            sum += pages[row].toInt();
        return sum;
    }

    TestServices services = makeTestServices();
    std::unique_ptr<SettingsStore> settings;
    QPointer<frmMain> window;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

} // namespace

class MainWindowSearchTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    QString path(const QString &relative) const { return m_dir->filePath(relative); }
    QString ini() const { return path(QStringLiteral("Settings.ini")); }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void firstActivationSearchesTheStartupFolderOnce()
    {
        const QString start = path(QStringLiteral("scans"));
        writeTiff(start + QStringLiteral("/a.tif"), 2);
        writeTiff(start + QStringLiteral("/b.tif"), 3);
        TestWindow t(ini(), start);
        // Selecting the start-up folder at load reports it to the address bar.
        QCOMPARE(t.window->txtAddress->text(), start + QStringLiteral("/"));
        QVERIFY(t.window->txtAddress->isReadOnly());
        QCOMPARE(t.dataRows(), 0);

        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(t.window, &activate);
        QCOMPARE(t.window->startFolder(), start); // as the tree reports it, no "/" added
        QCOMPARE(t.dataRows(), 2);
        QCOMPARE(t.window->lblPageCount->text(), QStringLiteral("Total Pages : 5"));
        QCOMPARE(t.panel(StatusBar::MessageKey), QStringLiteral("Done"));
        QCOMPARE(t.window->cmdSearch->text(), QStringLiteral("&Search"));

        // Later activations search no more.
        writeTiff(start + QStringLiteral("/c.tif"), 1);
        QApplication::sendEvent(t.window, &activate);
        QCOMPARE(t.dataRows(), 2);
    }

    void folderChangeSetsTheStartFolder_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a folder gets a trailing /") << "inbox" << "/inbox/";
        QTest::newRow("markup in the name stays text") << "<b>x & y" << "/<b>x & y/";
        QTest::newRow("the root stays /") << "" << "/";
    }

    void folderChangeSetsTheStartFolder()
    {
        QFETCH(QString, folder);
        QFETCH(QString, shown);
        const QString target = folder.isEmpty() ? QStringLiteral("/") : path(folder);
        const QString expected = folder.isEmpty() ? shown : m_dir->path() + shown;
        QVERIFY(QDir().mkpath(target));
        TestWindow t(ini());
        QVERIFY(t.window->ftv->setSelectedFolder(target));
        QCOMPARE(t.window->startFolder(), expected);
        QCOMPARE(t.window->txtAddress->text(), expected);
        // A folder change alone starts no search.
        QCOMPARE(t.dataRows(), 0);
        QCOMPARE(t.panel(StatusBar::MessageKey), QString());
        QCOMPARE(t.panel(StatusBar::FilesKey), QString());
    }

    void searchListsRowsAndTotals_data()
    {
        QTest::addColumn<bool>("subfolders");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("files");
        QTest::addColumn<QString>("total");
        QTest::newRow("own files only") << false << QStringList{"a.tif", "b.TIFF", "broken.tif"}
                                        << "3 file(s) found" << "Total Pages : 4";
        QTest::newRow("with subfolders") << true << QStringList{"a.tif", "b.TIFF", "broken.tif", "d.tif"}
                                         << "4 file(s) found" << "Total Pages : 6";
    }

    void searchListsRowsAndTotals()
    {
        QFETCH(bool, subfolders);
        QFETCH(QStringList, names);
        QFETCH(QString, files);
        QFETCH(QString, total);
        const QString top = path(QStringLiteral("top"));
        writeTiff(top + QStringLiteral("/a.tif"), 3);
        writeTiff(top + QStringLiteral("/b.TIFF"), 1);
        writeFile(top + QStringLiteral("/broken.tif"), "not a TIFF at all");
        writeFile(top + QStringLiteral("/notes.txt"), "text");
        writeTiff(top + QStringLiteral("/c.tifx"), 1);
        writeTiff(top + QStringLiteral("/sub/d.tif"), 2);

        TestWindow t(ini());
        t.window->chkSearchIncSubFlder->setChecked(subfolders);
        QString captionDuringRun;
        DuringRun probe([&](int turn) {
            if (turn == 1)
                captionDuringRun = t.window->cmdSearch->text();
        });
        t.searchIn(top);
        QVERIFY(probe.turns() > 0);
        QCOMPARE(captionDuringRun, QStringLiteral("&Cancel"));
        QCOMPARE(t.window->cmdSearch->text(), QStringLiteral("&Search"));
        QCOMPARE(t.panel(StatusBar::MessageKey), QStringLiteral("Done"));
        QCOMPARE(t.panel(StatusBar::FilesKey), files);
        QCOMPARE(t.window->lblPageCount->text(), total);

        QStringList listed = t.column(ResultColumns::FileName);
        listed.sort();
        QCOMPARE(listed, names);
        const QHash<QString, QString> expectedPages{
            {"a.tif", "3"}, {"b.TIFF", "1"}, {"broken.tif", "Error"}, {"d.tif", "2"}};
        GridModel *model = t.window->filesModel();
        for (int row = 0; row < t.dataRows(); ++row) {
            const QString name = t.cell(row, ResultColumns::FileName);
            const QString folder = name == QStringLiteral("d.tif") ? top + QStringLiteral("/sub") : top;
            QCOMPARE(t.cell(row, ResultColumns::Location), folder);
            QCOMPARE(t.cell(row, ResultColumns::FullPath), folder + QLatin1Char('/') + name);
            QCOMPARE(t.cell(row, ResultColumns::Size), QStringLiteral("1 KB"));
            QVERIFY2(!model->picture(model->gridRow(row), ResultColumns::FileName).isNull(), qPrintable(name));
            QCOMPARE(t.cell(row, ResultColumns::Pages), expectedPages.value(name));
        }
        // The view shows them: the icon comes out as the File Name cell's decoration.
        const QModelIndex first = model->index(0, ResultColumns::FileName);
        QVERIFY(!model->data(first, Qt::DecorationRole).isNull());
    }

    void searchOfAFolderWithoutMatches()
    {
        const QString empty = path(QStringLiteral("empty"));
        writeFile(empty + QStringLiteral("/readme.txt"), "no pictures here");
        writeTiff(empty + QStringLiteral("/deeper/skipped.tif"), 1);
        TestWindow t(ini());
        // Rows of an earlier search go first.
        writeTiff(path(QStringLiteral("full/one.tif")), 4);
        t.searchIn(path(QStringLiteral("full")));
        QCOMPARE(t.dataRows(), 1);
        t.searchIn(empty);
        QCOMPARE(t.dataRows(), 0);
        QCOMPARE(t.panel(StatusBar::FilesKey), QStringLiteral("No file found"));
        QCOMPARE(t.window->lblPageCount->text(), QStringLiteral("Total Pages : 0"));
        QCOMPARE(t.panel(StatusBar::MessageKey), QStringLiteral("Done"));
    }

    // The report tells a partial count from a whole one, with the window's totals.
    void pageReportSaysHowTheSearchEnded_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("ran to its end") << false;
        QTest::newRow("cancelled") << true;
    }
    void pageReportSaysHowTheSearchEnded()
    {
        QFETCH(bool, cancel);
        writeTiffs(path(QStringLiteral("many")), 30);
        TestWindow t(ini());
        DuringRun probe([&](int turn) {
            if (cancel && turn == 2 && t.window->isSearching())
                t.window->cmdSearch->click();
        });
        t.searchIn(path(QStringLiteral("many")));
        t.window->mnuPageReport->trigger();
        QVERIFY(t.window->pageReportWindow()->savePdf(path(QStringLiteral("report.pdf"))));
        const QString text = pdfTextPages(path(QStringLiteral("report.pdf"))).join(u'\n');
        QCOMPARE(text.contains(QStringLiteral("Search Terminated by User")), cancel);
        QVERIFY(text.contains(QStringLiteral("Start folder ") + path(QStringLiteral("many"))));
        QVERIFY2(hasLine(text, QStringLiteral("Pages %1").arg(t.pageSum())), qPrintable(text));
        QVERIFY(hasLine(text, QStringLiteral("Files %1").arg(t.dataRows())));
    }

    void clickDuringRunCancels_data()
    {
        QTest::addColumn<bool>("fromTree");
        QTest::newRow("Search button") << false;
        QTest::newRow("click in the folder tree") << true;
    }

    void clickDuringRunCancels()
    {
        QFETCH(bool, fromTree);
        constexpr int kFiles = 30;
        writeTiffs(path(QStringLiteral("many")), kFiles);
        TestWindow t(ini());
        DuringRun probe([&](int turn) {
            if (turn != 2 || !t.window->isSearching())
                return;
            if (fromTree)
                Q_EMIT t.window->ftv->clicked();
            else
                t.window->cmdSearch->click();
        });
        t.searchIn(path(QStringLiteral("many")));
        QVERIFY(!t.window->isSearching());
        QCOMPARE(t.window->cmdSearch->text(), QStringLiteral("&Search"));
        QCOMPARE(t.panel(StatusBar::MessageKey), QStringLiteral("Search Terminated by User"));
        // The click ended the run instead of starting another: no file after it.
        QVERIFY2(t.dataRows() < kFiles, qPrintable(QString::number(t.dataRows())));
        QCOMPARE(t.panel(StatusBar::FilesKey), t.dataRows() ? QStringLiteral("%1 file(s) found").arg(t.dataRows())
                                                            : QStringLiteral("No file found"));
        QCOMPARE(t.window->lblPageCount->text(), QStringLiteral("Total Pages : %1").arg(t.pageSum()));

        // The next search starts afresh and runs to the end.
        t.window->cmdSearch_Click();
        QCOMPARE(t.dataRows(), kFiles);
        QCOMPARE(t.panel(StatusBar::MessageKey), QStringLiteral("Done"));
    }

    void summaryKeepsStepWithTheTable()
    {
        const QString top = path(QStringLiteral("steps"));
        for (const char *folder : {"", "/one", "/two", "/two/three", "/four"})
            writeTiffs(top + QLatin1String(folder), 16); // long enough for the table to show rows mid-run
        TestWindow t(ini());
        t.window->chkSearchIncSubFlder->setChecked(true);
        int mismatches = 0;
        int turnsWithRows = 0;
        QStringList messages;
        DuringRun probe([&](int) {
            if (!t.window->isSearching())
                return;
            // The summary of the last folder done: never more than the
            // table holds, and its total is that of the rows it counts.
            const QString files = t.panel(StatusBar::FilesKey);
            const int shown = files.isEmpty() ? 0 : files.section(u' ', 0, 0).toInt();
            if (shown > t.dataRows()
                || (shown > 0 && t.window->lblPageCount->text() != QStringLiteral("Total Pages : %1").arg(t.pageSum(shown))))
                ++mismatches;
            if (t.dataRows() > 0)
                ++turnsWithRows;
            const QString message = t.panel(StatusBar::MessageKey);
            if (!messages.contains(message))
                messages.append(message);
        });
        t.searchIn(top);
        QCOMPARE(mismatches, 0);
        QVERIFY(turnsWithRows > 0);
        // While it runs the message names the folder being searched: the
        // start folder as stored, subfolders without a trailing "/".
        QVERIFY2(messages.contains(QStringLiteral("Searching ") + top + QStringLiteral("/")), qPrintable(messages.join(u'|')));
        for (const QString &message : messages) {
            const QString folder = message.mid(QStringLiteral("Searching ").size());
            QVERIFY2(message.startsWith(QStringLiteral("Searching ")) && QFileInfo(folder).isDir(), qPrintable(message));
        }
        QCOMPARE(t.panel(StatusBar::MessageKey), QStringLiteral("Done"));
        QCOMPARE(t.dataRows(), 80);
        QCOMPARE(t.panel(StatusBar::FilesKey), QStringLiteral("80 file(s) found"));
        QCOMPARE(t.window->lblPageCount->text(), QStringLiteral("Total Pages : 80"));
    }

    void includeSubfolderIsReadLive_data()
    {
        QTest::addColumn<bool>("before");
        QTest::addColumn<int>("rows");
        QTest::newRow("ticked during the run") << false << 3;
        QTest::newRow("unticked during the run") << true << 2;
    }

    void includeSubfolderIsReadLive()
    {
        QFETCH(bool, before);
        QFETCH(int, rows);
        const QString top = path(QStringLiteral("live"));
        writeTiff(top + QStringLiteral("/a.tif"), 1);
        writeTiff(top + QStringLiteral("/b.tif"), 1);
        writeTiff(top + QStringLiteral("/sub/c.tif"), 1);
        TestWindow t(ini());
        t.window->chkSearchIncSubFlder->setChecked(before);
        DuringRun probe([&](int turn) {
            if (turn == 1)
                t.window->chkSearchIncSubFlder->click();
        });
        t.searchIn(top);
        QCOMPARE(t.dataRows(), rows);
    }

    void windowGoneDuringRun_data()
    {
        QTest::addColumn<bool>("deleted");
        QTest::newRow("closed") << false;
        QTest::newRow("deleted") << true;
    }

    void windowGoneDuringRun()
    {
        QFETCH(bool, deleted);
        writeTiffs(path(QStringLiteral("many")), 30);
        TestWindow t(ini());
        int rowsWhenGone = -1;
        DuringRun probe([&](int turn) {
            if (turn != 1 || !t.window)
                return;
            rowsWhenGone = t.dataRows();
            t.tester.reset();
            if (deleted)
                delete t.window; // everything after this is ASan's to catch
            else
                t.window->close();
        });
        frmMain *window = t.window;
        window->ftv->setSelectedFolder(path(QStringLiteral("many")));
        window->cmdSearch_Click();
        QVERIFY(rowsWhenGone >= 0);
        if (deleted) {
            QVERIFY(!t.window);
            return;
        }
        QVERIFY(!t.window->isSearching());
        // The run stopped where it was and wrote nothing more.
        QCOMPARE(t.dataRows(), rowsWhenGone);
        QVERIFY(t.panel(StatusBar::MessageKey).startsWith(QStringLiteral("Searching ")));
    }

    void statusBarTooltipShowsTheDate_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<bool>("set");
        QTest::newRow("left edge of Files") << "left" << true;
        QTest::newRow("right edge of Files") << "right" << true;
        QTest::newRow("just left of Files") << "before" << false;
        QTest::newRow("over Clock") << "clock" << false;
    }

    void statusBarTooltipShowsTheDate()
    {
        QFETCH(QString, where);
        QFETCH(bool, set);
        StatusBar bar;
        bar.resize(900, 30);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        const QRect files = bar.panel(StatusBar::FilesKey)->geometry();
        const QRect clock = bar.panel(StatusBar::ClockKey)->geometry();
        QVERIFY(files.width() > 0 && clock.left() > files.left());
        const int x = where == QStringLiteral("left")     ? files.left()
                      : where == QStringLiteral("right")  ? files.left() + files.width()
                      : where == QStringLiteral("before") ? files.left() - 1
                                                          : clock.center().x();
        bar.pointerMovedTo(x, QDate(2004, 3, 15));
        QCOMPARE(bar.panel(StatusBar::FilesKey)->toolTip(),
                 set ? QStringLiteral("Monday, March 15, 2004") : QString());
    }

    void pointerOverFilesPanelSetsToday()
    {
        StatusBar bar;
        bar.resize(900, 30);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QLabel *files = bar.panel(StatusBar::FilesKey);
        QTest::mouseMove(files, files->rect().center());
        QTRY_COMPARE(files->toolTip(), QLocale().toString(QDate::currentDate(), QStringLiteral("dddd, MMMM dd, yyyy")));
    }

    // A search after the first takes every count from the page-count cache,
    // Tools > Recount Pages none (that search only); the rows stay.
    void recountPagesTrustsNoRememberedCount()
    {
        qputenv("XDG_CACHE_HOME", QFile::encodeName(path(QStringLiteral("cache"))));
        writeTiff(path(QStringLiteral("scans/a.tif")), 2);
        writeTiff(path(QStringLiteral("scans/b.tif")), 3);
        const auto cache = openPageCountCache();
        QVERIFY(cache->problemOnceOpen().isEmpty()); // open, so the second search finds what the first counted
        TestWindow t(ini(), {}, [cache](AppServices &services) {
            services.lister = createFolderLister(); // at the disk's own speed
            const auto later = [] { return (QDateTime::currentSecsSinceEpoch() + 9) * 1'000'000'000; };
            services.pageCounts = {cache, true, later};
        });
        QStringList rows;
        for (const auto &[recount, fromCache] : {std::pair(false, 0), {false, 2}, {true, 0}, {false, 2}}) {
            t.window->ftv->setSelectedFolder(path(QStringLiteral("scans")));
            recount ? t.window->mnuRecountPages->trigger() : t.window->cmdSearch_Click();
            QCOMPARE(rows.isEmpty() ? (rows = t.column(ResultColumns::PageWorth)) : t.column(ResultColumns::PageWorth),
                     rows);
            StatusBar &bar = *t.window->sbGeneral;
            bar.pointerMovedTo(bar.panel(StatusBar::FilesKey)->geometry().left(), QDate(2004, 3, 15));
            QCOMPARE(bar.panel(StatusBar::FilesKey)->toolTip(),
                     QStringLiteral("Monday, March 15, 2004\n%1 of 2 page counts came from the page-count cache")
                         .arg(fromCache));
        }
    }

    // Last: it runs the application's event loop and ends it.
    void exitDuringRunEndsTheProgram()
    {
        constexpr int kFiles = 30;
        writeTiffs(path(QStringLiteral("many")), kFiles);
        TestWindow t(ini());
        t.window->ftv->setSelectedFolder(path(QStringLiteral("many")));
        DuringRun probe([&](int turn) {
            if (turn == 2 && t.window && t.window->isSearching())
                t.window->mnuExit->trigger();
        });
        QTimer::singleShot(0, t.window, &frmMain::cmdSearch_Click);
        QTimer::singleShot(10000, [] { QCoreApplication::exit(99); }); // safety net
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!t.window->isSearching());
        QVERIFY(t.dataRows() < kFiles);
        QVERIFY(t.panel(StatusBar::MessageKey).startsWith(QStringLiteral("Searching ")));
    }
};

QTEST_MAIN(MainWindowSearchTest)
#include "mainwindow_search_test.moc"
