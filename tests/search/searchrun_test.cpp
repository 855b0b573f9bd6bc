#include "results/resultcolumns.h"
#include "base/pathcodec.h"
#include "search/searchrun.h"
#include "support/searchfakes.h"

#include <QDateTime>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

using namespace TestSupport;
using Kind = FolderEntry::Kind;

namespace {

const QDateTime March15At1407(QDate(2004, 3, 15), QTime(14, 7));

FakeFile file(const char *name, qint64 size = 100, const QDateTime &modified = March15At1407)
{
    const qint64 ms = modified.toMSecsSinceEpoch();
    return {QByteArray(name), FileFacts{size, ms, ms, ms}, Kind::File};
}

FakeFile vanished(const char *name)
{
    return {QByteArray(name), std::nullopt, Kind::File};
}

FakeFile folder(const char *name)
{
    return {QByteArray(name), std::nullopt, Kind::Folder};
}

// A run wired to fakes; every yield is counted and may run `onYield`.
struct Harness
{
    FakeCriteria criteria;
    RecordingResults results;
    RecordingStatus status;
    CountingIcons icons;
    FakeLister lister;
    std::function<void()> onYield;
    int yields = 0;
    std::unique_ptr<SearchRun> run;

    Harness()
    {
        SearchRunPorts ports{&criteria, &results, &status, &icons, lent(lister), {}};
        ports.yield = [this] {
            ++yields;
            if (onYield)
                onYield();
        };
        run = std::make_unique<SearchRun>(ports);
    }

    QStringList names() const { return results.column(ResultColumns::FileName); }
};

} // namespace

class SearchRunTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void walksDepthFirstAndFillsCells();
    void includeSubfoldersOffStaysInStartFolder();
    void rootFolderPaths();
    void modifiedDateInTheSystemZone();
    void hiddenAndPatternRules_data();
    void hiddenAndPatternRules();
    void iconReusedOnlyWithinOneExtensionRun();
    void vanishedFileSkippedAlone();
    void unreadableFolderSkippedWithItsSubtree();
    void unreadableStartFolderLeavesEmptySummary();
    void secondRunEmptiesTable();
    void cancelStopsAtNextFile();
    void cancelInSubfolderSkipsFoldersNotBegun();
    void secondStartDuringRunIsRefused();
    void criteriaReadLive();
    void stopCutsRunOffFromPorts();
    void destroyingRunDuringYieldIsSafe();
};

void SearchRunTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void SearchRunTest::walksDepthFirstAndFillsCells()
{
    Harness h;
    h.criteria.subfolders = true;
    h.lister.folders["/scan"] = {file("a.tif", 1025), folder("sub1"), file("b.TIF"),
                                 folder("sub2")};
    h.lister.folders["/scan/sub1"] = {file("c.tif"), folder("deep")};
    h.lister.folders["/scan/sub1/deep"] = {file("d.tif")};
    h.lister.folders["/scan/sub2"] = {file("e.tif")};
    const QHash<QByteArray, int> pages{{"a.tif", 1}, {"b.TIF", 2}, {"c.tif", -1}, {"d.tif", 3}, {"e.tif", 4}};
    for (QList<FakeFile> &files : h.lister.folders)
        for (FakeFile &entry : files)
            entry.contents = tiffOfPages(pages.value(entry.name, 1));
    QSignalSpy finished(h.run.get(), &SearchRun::runFinished);

    QVERIFY(h.run->RunSearch("/scan/"));

    QCOMPARE(h.names(), QStringList({"a.tif", "b.TIF", "c.tif", "d.tif", "e.tif"}));
    QCOMPARE(h.results.column(ResultColumns::Location),
             QStringList({"/scan", "/scan", "/scan/sub1", "/scan/sub1/deep", "/scan/sub2"}));
    QCOMPARE(h.results.rows.first(), QStringList({"a.tif", "/scan", "2 KB", "03/15/2004 02:07 PM",
                                                  "1", "/scan/a.tif", "2", "", "g,U"}));
    QCOMPARE(h.results.column(ResultColumns::PagesNote),
             QStringList({"", "", "Not a TIFF file", "", ""}));
    QCOMPARE(h.results.column(ResultColumns::Pages),
             QStringList({"1", "2", "Error", "3", "4"}));
    QCOMPARE(h.status.messages,
             QStringList({"Searching /scan/", "Searching /scan/sub1", "Searching /scan/sub1/deep",
                          "Searching /scan/sub2", "Done"}));
    QCOMPARE(h.status.panels[StatusPanel::Files], QStringLiteral("5 file(s) found"));
    QCOMPARE(h.status.pageTotal, QStringLiteral("Total Pages : 10"));
    QCOMPARE(h.results.clears, 1);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().toBool(), false);
    QVERIFY(!h.run->isRunning());
}

void SearchRunTest::includeSubfoldersOffStaysInStartFolder()
{
    Harness h;
    h.lister.folders["/scan"] = {folder("sub"), file("a.tif")};
    h.lister.folders["/scan/sub"] = {file("b.tif")};
    h.run->RunSearch("/scan");
    QCOMPARE(h.names(), QStringList({"a.tif"}));
    QCOMPARE(h.lister.opened, QStringList({"/scan"}));
}

void SearchRunTest::rootFolderPaths()
{
    Harness h;
    h.criteria.subfolders = true;
    h.lister.folders["/"] = {file("x.tif"), folder("sub")};
    h.lister.folders["/sub"] = {file("y.tif")};
    h.run->RunSearch("/");
    QCOMPARE(h.results.column(ResultColumns::Location), QStringList({"/", "/sub"}));
    QCOMPARE(h.results.column(ResultColumns::FullPath),
             QStringList({"/x.tif", "/sub/y.tif"}));
}

// The run converts times with a time-zone object of its own; it must agree
// with the system's local time.
void SearchRunTest::modifiedDateInTheSystemZone()
{
    if (!QFile::exists(QStringLiteral("/usr/share/zoneinfo/Asia/Kolkata")))
        QSKIP("no time-zone data installed");
    const QByteArray oldZone = qgetenv("TZ");
    qputenv("TZ", "Asia/Kolkata"); // UTC+05:30
    const QDateTime utc(QDate(2004, 3, 15), QTime(20, 0), Qt::UTC);
    Harness h;
    h.lister.folders["/z"] = {file("a.tif", 1, utc)};
    h.run->RunSearch("/z");
    qputenv("TZ", oldZone);
    QCOMPARE(h.results.rows.value(0).value(ResultColumns::ModifiedDate),
             QStringLiteral("03/16/2004 01:30 AM"));
}

void SearchRunTest::hiddenAndPatternRules_data()
{
    QTest::addColumn<bool>("showHidden");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");
    const QString fixed = CriteriaDefaults::FilterPattern;
    QTest::newRow("hidden files left out, hidden folder entered")
        << false << fixed << QStringList{"a.TIF", "b.tiff", "e.tif"};
    QTest::newRow("hidden files shown")
        << true << fixed << QStringList{".h.tif", "a.TIF", "b.tiff", "e.tif"};
    QTest::newRow("all-files filter")
        << false << " *.* "
        << QStringList{"a.TIF", "b.tiff", "c.tifx", "d.tif.bak", "noext", "e.tif"};
    QTest::newRow("blank filter lists all")
        << false << "  " << QStringList{"a.TIF", "b.tiff", "c.tifx", "d.tif.bak", "noext", "e.tif"};
}

void SearchRunTest::hiddenAndPatternRules()
{
    QFETCH(bool, showHidden);
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    Harness h;
    h.criteria.subfolders = true;
    h.criteria.hidden = showHidden;
    h.criteria.filter = filter;
    h.lister.folders["/p"] = {file(".h.tif"),    file("a.TIF"), file("b.tiff"), file("c.tifx"),
                              file("d.tif.bak"), file("noext"), folder(".hid")};
    h.lister.folders["/p/.hid"] = {file("e.tif")};
    h.run->RunSearch("/p");
    QCOMPARE(h.names(), expected);
    QCOMPARE(h.yields, 7); // every examined file, listed or not
}

void SearchRunTest::iconReusedOnlyWithinOneExtensionRun()
{
    Harness h;
    h.criteria.subfolders = true;
    h.criteria.filter = CriteriaDefaults::AllFilesPattern;
    h.lister.folders["/s"] = {file("a.tif"), file("b.tif"), file("c.TIF"),
                              file("n1"),    file("n2"),    folder("sub")};
    h.lister.folders["/s/sub"] = {file("README"), file("f.TIF")};
    h.run->RunSearch("/s");
    QCOMPARE(h.icons.computedFor,
             QStringList({"/s/a.tif", "/s/c.TIF", "/s/n1", "/s/sub/README", "/s/sub/f.TIF"}));
    const QList<QImage> &icons = h.results.icons;
    QCOMPARE(icons[1], icons[0]);
    QVERIFY(icons[2] != icons[1]);
    QCOMPARE(icons[4], icons[3]);
}

void SearchRunTest::vanishedFileSkippedAlone()
{
    Harness h;
    h.criteria.subfolders = true;
    h.lister.folders["/v"] = {vanished("a.tif"), file("b.tif"), folder("s")};
    h.lister.folders["/v/s"] = {file("c.tif")};
    h.run->RunSearch("/v");
    QCOMPARE(h.names(), QStringList({"b.tif", "c.tif"}));
}

void SearchRunTest::unreadableFolderSkippedWithItsSubtree()
{
    Harness h;
    h.criteria.subfolders = true;
    h.lister.folders["/u"] = {folder("bad"), folder("good")};
    h.lister.folders["/u/good"] = {file("g.tif")};
    h.run->RunSearch("/u");
    QCOMPARE(h.names(), QStringList({"g.tif"}));
    QCOMPARE(h.status.panels[StatusPanel::Files], QStringLiteral("1 file(s) found"));
    QCOMPARE(h.status.messages.last(), QStringLiteral("Done"));
}

void SearchRunTest::unreadableStartFolderLeavesEmptySummary()
{
    Harness h;
    h.results.rows = {QStringList(7)};
    h.status.panels[StatusPanel::Files] = QStringLiteral("12 file(s) found");
    h.status.pageTotal = QStringLiteral("Total Pages : 40");
    h.run->RunSearch("/missing");
    QVERIFY(h.results.rows.isEmpty());
    QCOMPARE(h.status.panels[StatusPanel::Files], QStringLiteral("No file found"));
    QCOMPARE(h.status.pageTotal, QStringLiteral("Total Pages : 0"));
    QCOMPARE(h.status.messages, QStringList({"Searching /missing", "Done"}));
}

void SearchRunTest::secondRunEmptiesTable()
{
    Harness h;
    h.lister.folders["/one"] = {file("a.tif"), file("b.tif")};
    h.lister.folders["/two"] = {file("c.tif")};
    h.run->RunSearch("/one");
    h.run->RunSearch("/two");
    QCOMPARE(h.names(), QStringList({"c.tif"}));
    QCOMPARE(h.results.clears, 2);
    QCOMPARE(h.status.panels[StatusPanel::Files], QStringLiteral("1 file(s) found"));
    QCOMPARE(h.status.pageTotal, QStringLiteral("Total Pages : 1"));
}

void SearchRunTest::cancelStopsAtNextFile()
{
    Harness h;
    h.criteria.subfolders = true;
    h.lister.folders["/c"] = {file("a.tif"), file("b.tif"), file("c.tif"), folder("s")};
    h.lister.folders["/c/s"] = {file("d.tif")};
    h.onYield = [&h] {
        if (h.yields == 2)
            h.run->requestCancel();
    };
    QSignalSpy finished(h.run.get(), &SearchRun::runFinished);
    h.run->RunSearch("/c");
    QCOMPARE(h.names(), QStringList({"a.tif", "b.tif"}));
    QCOMPARE(h.yields, 2);
    QCOMPARE(h.lister.opened, QStringList({"/c"}));
    QCOMPARE(h.status.panels[StatusPanel::Files], QStringLiteral("2 file(s) found"));
    QCOMPARE(h.status.pageTotal, QStringLiteral("Total Pages : 2"));
    QCOMPARE(h.status.messages.mid(1), QStringList({"Done", "Search Terminated by User"}));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().toBool(), true);
}

void SearchRunTest::cancelInSubfolderSkipsFoldersNotBegun()
{
    Harness h;
    h.criteria.subfolders = true;
    h.lister.folders["/c"] = {folder("s"), folder("t")};
    h.lister.folders["/c/s"] = {file("a.tif"), folder("deeper")};
    h.lister.folders["/c/s/deeper"] = {file("x.tif")};
    h.lister.folders["/c/t"] = {file("b.tif")};
    h.onYield = [&h] { h.run->requestCancel(); };
    h.run->RunSearch("/c");
    QCOMPARE(h.names(), QStringList({"a.tif"}));
    QCOMPARE(h.lister.opened, QStringList({"/c", "/c/s"}));
    QCOMPARE(h.status.messages.last(), QStringLiteral("Search Terminated by User"));
    // A new run starts with the cancel request cleared.
    h.onYield = nullptr;
    h.run->RunSearch("/c");
    QCOMPARE(h.names(), QStringList({"a.tif", "x.tif", "b.tif"}));
}

void SearchRunTest::secondStartDuringRunIsRefused()
{
    Harness h;
    h.lister.folders["/r"] = {file("a.tif"), file("b.tif")};
    h.lister.folders["/other"] = {file("z.tif")};
    bool nestedStarted = true, runningSeen = false;
    h.onYield = [&] {
        runningSeen = h.run->isRunning() && h.run->record().running;
        nestedStarted = h.run->RunSearch("/other");
    };
    QVERIFY(h.run->RunSearch("/r"));
    QVERIFY(runningSeen);
    QVERIFY(!nestedStarted);
    QVERIFY(h.run->record().startFolder == "/r" && !h.run->record().running); // the record is the run's alone
    QCOMPARE(h.names(), QStringList({"a.tif", "b.tif"}));
    QCOMPARE(h.results.clears, 1);
}

void SearchRunTest::criteriaReadLive()
{
    Harness h;
    h.criteria.subfolders = true;
    h.lister.folders["/l"] = {file("a.tif"), file("small.tif"), file(".b.tif", 5000), folder("s")};
    h.lister.folders["/l/s"] = {file("c.tif")};
    h.onYield = [&h] {
        h.criteria.hidden = true;
        h.criteria.subfolders = false;
        h.criteria.size = true; // at least 2 KB
        h.criteria.limit = QStringLiteral("2");
    };
    h.run->RunSearch("/l");
    QVERIFY(h.run->record().criteria.subfolders && !h.run->record().criteria.hidden); // as the run started
    QCOMPARE(h.names(), QStringList({"a.tif", ".b.tif"}));
    QCOMPARE(h.lister.opened, QStringList({"/l"}));
}

void SearchRunTest::stopCutsRunOffFromPorts()
{
    Harness h;
    h.criteria.subfolders = true;
    h.lister.folders["/x"] = {file("a.tif"), file("b.tif"), folder("s")};
    h.lister.folders["/x/s"] = {file("c.tif")};
    int resultCalls = -1, statusCalls = -1;
    h.onYield = [&] {
        h.run->stop();
        resultCalls = h.results.calls;
        statusCalls = h.status.calls;
    };
    QSignalSpy finished(h.run.get(), &SearchRun::runFinished);
    h.run->RunSearch("/x");
    QCOMPARE(h.results.calls, resultCalls);
    QCOMPARE(h.status.calls, statusCalls);
    QCOMPARE(h.yields, 1);
    QCOMPARE(finished.count(), 0);
    QVERIFY(!h.run->isRunning());
    QVERIFY(!h.run->RunSearch("/x"));
}

// The window that owns the run may be destroyed while the run yields; the
// address sanitizer reports any use of the run after that.
void SearchRunTest::destroyingRunDuringYieldIsSafe()
{
    Harness h;
    h.criteria.subfolders = true;
    h.lister.folders["/d"] = {folder("s"), file("z.tif")};
    h.lister.folders["/d/s"] = {file("a.tif"), file("b.tif")};
    int statusCalls = -1;
    h.onYield = [&] {
        h.run.reset();
        statusCalls = h.status.calls;
    };
    SearchRun *run = h.run.get();
    QVERIFY(run->RunSearch("/d"));
    QCOMPARE(h.yields, 1);
    QCOMPARE(h.status.calls, statusCalls);
}

QTEST_GUILESS_MAIN(SearchRunTest)
#include "searchrun_test.moc"
