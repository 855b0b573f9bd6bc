// Times the whole search in the real main window (offscreen) over a folder
// tree and compares it, in the same invocation, with find(1), libtiff and
// our own walk and page counter without windows, with and without I/O
// threads. Also measures the longest wait of the event loop during the
// window searches, and (warm) checks every listed page count against
// libtiff's reading of the same page rule.
//
//   windowsearch_bench DIR [ROUNDS] [--cold] [--check] [--title TEXT]
//                      [--walk-target X] [--window-target X] [--cache-target X]
//       the comparison table, best of ROUNDS (default 3). --cold drops the
//       page cache before every timed run (needs root); --check compares
//       every listed page count with libtiff; the targets are printed beside
//       the ratios to find. Last, the window search and the walk again with
//       the page-count cache, once it is filled.
//   windowsearch_bench --window-only DIR [--io-threads N]   one window search
//   windowsearch_bench --walk-only DIR [--io-threads N]     one search without windows
//   windowsearch_bench --libtiff-only DIR   walk, then libtiff's page count of every TIFF
//   windowsearch_bench --cancel DIR AFTER_MS [THEN]   a window search cancelled
//       after AFTER_MS: the time from the click to "Search Terminated by User";
//       with THEN, Include Subfolder unticked and a search of THEN: the time
//       from that click to "Done"

#include "libtiffpeer.h"
#include "settings/settings.h"
#include "platform/posix/posixfolderlister.h"
#include "grid/gridmodel.h"
#include "results/resultcolumns.h"
#include "search/criteria.h"
#include "platform/filesystem.h"
#include "base/pathcodec.h"
#include "search/searchrun.h"
#include "ui/appservices.h"
#include "ui/foldertree.h"
#include "ui/frmmain.h"
#include "ui/statusbar.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

namespace {

constexpr int kDefaultRounds = 3;
constexpr int kProbeIntervalMs = 2;
constexpr int kShownDifferences = 10;
constexpr int kWindowYieldSliceMs = 2; // frmMain's search yield
constexpr int kIoThreads = IoPool::kDefaultThreads;

// ---- peers without windows ------------------------------------------------

struct Listed
{
    QByteArray nativePath;
    qint64 size;
};

bool isTiffName(const std::string &name)
{
    auto endsWith = [&name](const char *suffix) {
        const std::size_t n = std::strlen(suffix);
        if (name.size() < n)
            return false;
        for (std::size_t i = 0; i < n; ++i)
            if (std::tolower(static_cast<unsigned char>(name[name.size() - n + i])) != suffix[i])
                return false;
        return true;
    };
    return endsWith(".tif") || endsWith(".tiff");
}

// What find lists: regular files named *.tif / *.tiff in any case, links not followed.
QList<Listed> listTiffs(const QString &root)
{
    namespace fs = std::filesystem;
    QList<Listed> files;
    std::error_code error;
    for (fs::recursive_directory_iterator it(PathCodec::encode(root).toStdString(), error), end;
         it != end; it.increment(error)) {
        if (it->is_regular_file(error) && !it->is_symlink(error)
            && isTiffName(it->path().filename().string()))
            files.append({QByteArray::fromStdString(it->path().string()), qint64(it->file_size(error))});
    }
    return files;
}

// find listing the TIFF names with the facts we show: path, size, modified.
// Returns the lines it printed.
qint64 runFind(const QString &root)
{
    QProcess find;
    find.start(QStringLiteral("find"),
               {root, QStringLiteral("("), QStringLiteral("-iname"), QStringLiteral("*.tif"),
                QStringLiteral("-o"), QStringLiteral("-iname"), QStringLiteral("*.tiff"),
                QStringLiteral(")"), QStringLiteral("-printf"), QStringLiteral("%p %s %T@\\n")});
    qint64 lines = 0;
    while (find.state() != QProcess::NotRunning || find.bytesAvailable() > 0) {
        find.waitForReadyRead(100);
        lines += find.readAllStandardOutput().count('\n');
    }
    return lines;
}

qint64 countAll(const QList<Listed> &files, const std::function<int(const Listed &)> &count)
{
    qint64 total = 0;
    for (const Listed &file : files)
        total += qMax(0, count(file));
    return total;
}

// Our walk and counter with every cell built, but nothing shown.
struct DefaultCriteria : SearchCriteriaSource
{
    QString filterText() const override { return CriteriaDefaults::FilterPattern; }
    bool includeSubfolders() const override { return true; }
    bool showHidden() const override { return CriteriaDefaults::ShowHidden; }
    bool dateOn() const override { return false; }
    QString dateRangeTypeText() const override { return CriteriaDefaults::DateRangeType; }
    bool inPeriodMode() const override { return CriteriaDefaults::InPeriodMode; }
    QString periodText() const override { return CriteriaDefaults::PeriodText; }
    QString periodUnitText() const override { return CriteriaDefaults::PeriodUnit; }
    QDate fromDate() const override { return {}; }
    QDate toDate() const override { return {}; }
    bool sizeOn() const override { return false; }
    bool sizeAtMode() const override { return CriteriaDefaults::SizeAtMode; }
    QString leastMostText() const override { return CriteriaDefaults::LeastMostChoice; }
    QString sizeLimitText() const override { return CriteriaDefaults::SizeLimitText; }
    QString sizeFromText() const override { return CriteriaDefaults::SizeFromText; }
    QString sizeToText() const override { return CriteriaDefaults::SizeToText; }
};

struct CountingTarget : SearchResultsTarget, SearchStatusSink, FileIconSource
{
    qint64 rows = 0;
    void clearToHeaderRow() override { rows = 0; }
    void appendRow(const QStringList &, const QVariant &) override { ++rows; }
    void SetStatusText(const QString &, const QString &) override {}
    void setPageTotalText(const QString &) override {}
    QVariant iconFor(const QString &) override { return {}; }
};

// A run as the window makes it (events at most every kWindowYieldSliceMs),
// but with the run's own wait: nothing to show, so nothing to wake for.
qint64 walkWithoutWindows(const QString &root, int ioThreads, std::shared_ptr<PageCountCache> cache = {})
{
    DefaultCriteria criteria;
    CountingTarget target;
    QElapsedTimer sinceYield;
    SearchRunPorts ports;
    ports.criteria = &criteria;
    ports.results = &target;
    ports.status = &target;
    ports.icons = &target;
    ports.lister = std::make_shared<PosixFolderLister>();
    ports.yield = [&sinceYield] {
        if (sinceYield.isValid() && sinceYield.elapsed() < kWindowYieldSliceMs)
            return;
        sinceYield.start();
        QCoreApplication::processEvents();
    };
    ports.ioThreads = ioThreads;
    ports.pageCounts.cache = std::move(cache);
    SearchRun run(ports);
    run.RunSearch(root);
    return target.rows;
}

// ---- the real main window -------------------------------------------------

// Records the longest wait between firings of a short timer on the window's
// thread: how long the event loop was kept from running. (A zero timer would
// keep the loop from ever sleeping and so change what is measured.)
class GapProbe
{
public:
    GapProbe()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_longest = std::max(m_longest, m_sinceLast.nsecsElapsed());
            m_sinceLast.restart();
            if (m_onTick)
                m_onTick();
        });
    }
    void start(std::function<void()> onTick = {})
    {
        m_onTick = std::move(onTick);
        m_longest = 0;
        m_sinceLast.start();
        m_timer.start(kProbeIntervalMs);
    }
    double stopMs()
    {
        m_timer.stop();
        return std::max(m_longest, m_sinceLast.nsecsElapsed()) / 1e6;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_sinceLast;
    qint64 m_longest = 0;
    std::function<void()> m_onTick;
};

class WindowSearch
{
public:
    // Without `withCache` every search counts every file, as before the
    // page-count cache, so the rows keep their meaning.
    explicit WindowSearch(int ioThreads = -1, bool withCache = false)
        : m_settings(m_scratch.filePath(QStringLiteral("Settings.ini")))
    {
        m_settings.ReadSettings();
        AppServices services = createAppServices();
        if (ioThreads >= 0)
            services.ioThreads = ioThreads;
        if (!withCache)
            services.pageCounts = {};
        m_window = std::make_unique<frmMain>(m_settings, std::move(services));
        m_window->Form_Load();
        m_window->resize(1600, 1000);
        // The first activation searches the tree's folder: an empty one here.
        m_window->ftv->setSelectedFolder(m_scratch.path());
        m_window->show();
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(m_window.get(), &activate);
        QApplication::processEvents();
        m_window->chkSearchIncSubFlder->setChecked(true);
    }

    // One search from the Search button; returns the rows listed.
    qint64 search(const QString &root)
    {
        m_window->ftv->setSelectedFolder(root);
        m_window->cmdSearch_Click();
        return m_window->filesModel()->rowCount();
    }
    void setIncludeSubfolders(bool on) { m_window->chkSearchIncSubFlder->setChecked(on); }
    // The Search button while a search runs: Cancel.
    void clickCancel() { m_window->cmdSearch_Click(); }
    qint64 rowCount() const { return m_window->filesModel()->rowCount(); }

    QString pageTotalText() const { return m_window->lblPageCount->text(); }
    QString filesText() const { return m_window->sbGeneral->panel(StatusBar::FilesKey)->text(); }
    QString messageText() const { return m_window->sbGeneral->panel(StatusBar::MessageKey)->text(); }
    QString cell(int dataRow, int col) const
    {
        const GridModel *model = m_window->filesModel();
        return model->text(model->gridRow(dataRow), col);
    }

private:
    QTemporaryDir m_scratch;
    SettingsStore m_settings;
    std::unique_ptr<frmMain> m_window;
};

// Every listed row's Pages cell against libtiff; prints the files that differ.
void compareListedPages(const WindowSearch &window, qint64 rows)
{
    qint64 ours = 0;
    qint64 theirs = 0;
    int differences = 0;
    for (int row = 0; row < rows; ++row) {
        const QString path = window.cell(row, ResultColumns::FullPath);
        const QString pages = window.cell(row, ResultColumns::Pages);
        const int libtiff = LibTiffPeer::pages(PathCodec::encode(path));
        const int counted = pages == QStringLiteral("Error") ? -1 : pages.toInt();
        ours += qMax(0, counted);
        theirs += qMax(0, libtiff);
        if (counted != libtiff && ++differences <= kShownDifferences)
            std::printf("  differs: %s  ours %s, libtiff %d\n", qPrintable(path), qPrintable(pages), libtiff);
    }
    std::printf("page total: window label \"%s\"; rows summed %lld; libtiff over the same files %lld (%s)\n",
                qPrintable(window.pageTotalText()), qlonglong(ours), qlonglong(theirs),
                ours == theirs ? "agrees" : "DIFFERS");
    std::printf("listed files whose count differs from libtiff's: %d\n", differences);
}

// ---- the table ----------------------------------------------------------

struct Options
{
    QString root;
    int rounds = kDefaultRounds;
    bool cold = false;
    bool check = false;
    QString title = QStringLiteral("warm");
    std::optional<double> walkTarget;
    std::optional<double> windowTarget;
    std::optional<double> cacheTarget;
};

bool dropPageCache()
{
    QFile drop(QStringLiteral("/proc/sys/vm/drop_caches"));
    return drop.open(QIODevice::WriteOnly) && drop.write("3\n") == 2;
}

class Table
{
public:
    explicit Table(const Options &options) : m_options(options) {}

    // Times `work` (best of the rounds; cold, the page cache is dropped
    // before each) and prints its row at once, so a run cut short by a
    // time-out keeps the rows before. `work` returns the files it listed.
    void measure(const char *name, const std::function<qint64()> &work,
                 std::optional<double> target = {})
    {
        double ms = 1e300;
        qint64 items = 0;
        for (int round = 0; round < m_options.rounds; ++round) {
            if (m_options.cold && !dropPageCache()) {
                std::printf("could not drop the page cache\n");
                std::exit(3);
            }
            QElapsedTimer timer;
            timer.start();
            items = work();
            ms = std::min(ms, timer.nsecsElapsed() / 1e6);
        }
        if (m_findMs == 0)
            m_findMs = ms;
        std::printf("  %-46s %9.1f ms %8.1f us/file  x%6.2f of find", name, ms,
                    ms * 1000.0 / double(qMax<qint64>(1, items)), ms / m_findMs);
        if (target)
            std::printf(" (target <= %.1f: %s)", *target, ms / m_findMs <= *target ? "met" : "MISSED");
        std::printf("  [%lld]\n", qlonglong(items));
        std::fflush(stdout);
    }

private:
    const Options &m_options;
    double m_findMs = 0;
};

int compare(const Options &o)
{
    std::printf("-- %s: %s, best of %d%s; [files listed or counted] --\n", qPrintable(o.title),
                qPrintable(o.root), o.rounds, o.cold ? ", page cache dropped before each timed run" : "");
    std::fflush(stdout);
    Table table(o);
    table.measure("find -iname *.tif* -printf '%p %s %T@\\n'", [&] { return runFind(o.root); });
    table.measure("libtiff: walk + TIFFOpen + directories", [&] {
        const QList<Listed> files = listTiffs(o.root);
        countAll(files, [](const Listed &f) { return LibTiffPeer::directories(f.nativePath); });
        return qint64(files.size());
    });
    if (!o.cold && o.check) { // the counters alone, over a list made beforehand
        const QList<Listed> files = listTiffs(o.root);
        table.measure("libtiff counter alone (list made before)", [&] {
            countAll(files, [](const Listed &f) { return LibTiffPeer::directories(f.nativePath); });
            return qint64(files.size());
        });
        table.measure("our page counter alone (list made before)", [&] {
            countAll(files, [](const Listed &f) {
                return FilePageCounter::countPagesOfFile(f.nativePath, f.size);
            });
            return qint64(files.size());
        });
    }
    table.measure("our walk + count, 16 I/O threads, no window",
                  [&] { return walkWithoutWindows(o.root, kIoThreads); }, o.walkTarget);
    table.measure("our walk + count, no I/O threads, no window",
                  [&] { return walkWithoutWindows(o.root, 0); });

    WindowSearch window;
    GapProbe probe;
    double longestWait = 0;
    qint64 listed = 0;
    table.measure("full search in the main window (offscreen)", [&] {
        probe.start();
        listed = window.search(o.root);
        longestWait = std::max(longestWait, probe.stopMs());
        return listed;
    }, o.windowTarget);
    std::printf("  longest event-loop wait during those window searches: %.1f ms (target <= 50; "
                "probe timer every %d ms)\n",
                longestWait, kProbeIntervalMs);
    std::printf("  window status: \"%s\", \"%s\", \"%s\"\n", qPrintable(window.messageText()),
                qPrintable(window.filesText()), qPrintable(window.pageTotalText()));
    if (o.check)
        compareListedPages(window, listed);

    // The search of a month later over the unchanged tree: every count from
    // the page-count cache ($XDG_CACHE_HOME), which one search fills first.
    WindowSearch cached(-1, true);
    cached.search(o.root);
    table.measure("window search again, counts from the cache", [&] { return cached.search(o.root); },
                  o.cacheTarget);
    const std::shared_ptr<PageCountCache> cache = openPageCountCache();
    table.measure("our walk again, counts from the cache, no window",
                  [&] { return walkWithoutWindows(o.root, kIoThreads, cache); });
    return 0;
}

// A window search cancelled AFTER_MS after it starts: the time from the
// click until the message panel shows the run was terminated. Then, with
// `then`, a search of that folder alone while what the cancelled run asked
// for may still hang: the time from its click until it is done.
int cancelAfter(const QString &root, int afterMs, const QString &then)
{
    auto window = std::make_unique<WindowSearch>();
    GapProbe probe;
    QElapsedTimer sinceClick;
    double shownMs = -1;
    qint64 rowsAtClick = 0;
    window->setIncludeSubfolders(true);
    QTimer::singleShot(afterMs, [&] {
        rowsAtClick = window->rowCount();
        sinceClick.start();
        window->clickCancel();
    });
    probe.start([&] {
        if (shownMs < 0 && sinceClick.isValid() && window->messageText() == SearchRecord::TerminatedText)
            shownMs = sinceClick.nsecsElapsed() / 1e6;
    });
    const qint64 listed = window->search(root);
    const double returnedMs = sinceClick.isValid() ? sinceClick.nsecsElapsed() / 1e6 : -1;
    const double longestWait = probe.stopMs();
    if (shownMs < 0 && window->messageText() == SearchRecord::TerminatedText)
        shownMs = returnedMs;
    if (!sinceClick.isValid()) {
        std::printf("cancel: the search ended before the click at %d ms (%lld rows)\n", afterMs,
                    qlonglong(listed));
        return 0;
    }
    std::printf("cancel after %d ms (%lld rows in the table then, %lld at the end): \"%s\" shown %.1f ms "
                "after the click (target <= 100), search returned after %.1f ms; longest "
                "event-loop wait %.1f ms (target <= 50)\n",
                afterMs, qlonglong(rowsAtClick), qlonglong(listed), qPrintable(window->messageText()),
                shownMs, returnedMs, longestWait);
    if (!then.isEmpty()) {
        window->setIncludeSubfolders(false);
        QElapsedTimer sinceSearch;
        sinceSearch.start();
        const qint64 rows = window->search(then);
        std::printf("then a search of %s alone: \"%s\" with %lld rows %.1f ms after its click (target <= 1000)\n",
                    qPrintable(then), qPrintable(window->messageText()), qlonglong(rows),
                    sinceSearch.nsecsElapsed() / 1e6);
    }
    window.reset();
    std::printf("window gone %.1f ms after the click\n", sinceClick.nsecsElapsed() / 1e6);
    std::fflush(stdout);
    return 0;
}

int usage(const char *program)
{
    std::fprintf(stderr,
                 "usage: %s DIR [ROUNDS] [--cold] [--check] [--title TEXT] [--walk-target X] "
                 "[--window-target X] [--cache-target X]\n"
                 "       %s --window-only DIR [--io-threads N] | --walk-only DIR [--io-threads N]\n"
                 "       %s --cancel DIR AFTER_MS [THEN]\n",
                 program, program, program);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TIFFSetErrorHandler(nullptr);
    TIFFSetWarningHandler(nullptr);
    QStringList args = app.arguments().mid(1);
    const QString mode = args.value(0);
    int ioThreads = -1;
    if (const qsizetype at = args.indexOf(QStringLiteral("--io-threads")); at > 0 && at + 1 < args.size()) {
        ioThreads = args.value(at + 1).toInt();
        args.remove(at, 2);
    }
    if (mode == QStringLiteral("--window-only") && args.size() == 2) {
        WindowSearch window(ioThreads);
        std::printf("listed %lld files\n", qlonglong(window.search(args.value(1))));
        return 0;
    }
    if (mode == QStringLiteral("--walk-only") && args.size() == 2) {
        std::printf("listed %lld files\n",
                    qlonglong(walkWithoutWindows(args.value(1), ioThreads < 0 ? kIoThreads : ioThreads)));
        return 0;
    }
    if (mode == QStringLiteral("--libtiff-only") && args.size() == 2) {
        const QList<Listed> files = listTiffs(args.value(1));
        std::printf("pages %lld of %lld files\n",
                    qlonglong(countAll(files, [](const Listed &f) { return LibTiffPeer::pages(f.nativePath); })),
                    qlonglong(files.size()));
        return 0;
    }
    if (mode == QStringLiteral("--cancel") && (args.size() == 3 || args.size() == 4))
        return cancelAfter(args.value(1), args.value(2).toInt(), args.value(3));

    Options options;
    QStringList positional;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QStringLiteral("--cold"))
            options.cold = true;
        else if (arg == QStringLiteral("--check"))
            options.check = true;
        else if (arg == QStringLiteral("--title") && hasValue)
            options.title = args[++i];
        else if (arg == QStringLiteral("--walk-target") && hasValue)
            options.walkTarget = args[++i].toDouble();
        else if (arg == QStringLiteral("--window-target") && hasValue)
            options.windowTarget = args[++i].toDouble();
        else if (arg == QStringLiteral("--cache-target") && hasValue)
            options.cacheTarget = args[++i].toDouble();
        else if (arg.startsWith(QStringLiteral("--")))
            return usage(argv[0]);
        else
            positional.append(arg);
    }
    if (positional.isEmpty() || positional.size() > 2)
        return usage(argv[0]);
    options.root = positional.value(0);
    if (positional.size() == 2)
        options.rounds = qMax(1, positional.value(1).toInt());
    return compare(options);
}
