// Times the whole search in the real main window (offscreen) over a folder
// tree and compares it, in the same invocation, with find(1), libtiff and
// our own walk and page counter without windows. Also measures the longest
// wait of the event loop during the window search, and checks every listed
// page count against libtiff's reading of the same page rule.
//
//   windowsearch_bench DIR [ROUNDS]     the comparison table (best of ROUNDS, default 3)
//   windowsearch_bench --window-only DIR   one window search (for strace -c)
//   windowsearch_bench --walk-only DIR     one search without windows (for strace -c)

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
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>

namespace {

constexpr int kDefaultRounds = 3;
constexpr int kProbeIntervalMs = 2;
constexpr int kShownDifferences = 10;
constexpr int kWindowYieldSliceMs = 2; // frmMain's search yield

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

qint64 runFind(const QString &root)
{
    QProcess find;
    find.setStandardOutputFile(QProcess::nullDevice());
    find.start(QStringLiteral("find"),
               {root, QStringLiteral("("), QStringLiteral("-iname"), QStringLiteral("*.tif"),
                QStringLiteral("-o"), QStringLiteral("-iname"), QStringLiteral("*.tiff"),
                QStringLiteral(")"), QStringLiteral("-printf"), QStringLiteral("%s %T@ %p\\n")});
    find.waitForFinished(-1);
    return find.exitCode();
}

int libtiffDirectories(const Listed &file)
{
    return LibTiffPeer::directories(file.nativePath);
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

// How often the run lets the event loop run: after every file (the run's
// own default), or at most every kWindowYieldSliceMs as the main window has it.
enum class Yield { EveryFile, AsTheWindow };

qint64 walkWithoutWindows(const QString &root, Yield policy)
{
    DefaultCriteria criteria;
    CountingTarget target;
    PosixFolderLister lister;
    QElapsedTimer sinceYield;
    std::function<void()> yield;
    if (policy == Yield::AsTheWindow) {
        yield = [&sinceYield] {
            if (sinceYield.isValid() && sinceYield.elapsed() < kWindowYieldSliceMs)
                return;
            sinceYield.start();
            QCoreApplication::processEvents();
        };
    }
    SearchRun run({&criteria, &target, &target, &target, &lister, {}, yield});
    run.RunSearch(root);
    return target.rows;
}

// ---- the real main window -------------------------------------------------

// Records the longest wait between firings of a short timer: how long the
// event loop was kept from running.
class GapProbe
{
public:
    GapProbe()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_longest = std::max(m_longest, m_sinceLast.nsecsElapsed());
            m_sinceLast.restart();
        });
    }
    void start()
    {
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
};

class WindowSearch
{
public:
    WindowSearch() : m_settings(m_scratch.filePath(QStringLiteral("Settings.ini")))
    {
        m_settings.ReadSettings();
        m_window = std::make_unique<frmMain>(m_settings, createAppServices());
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

struct Row
{
    const char *name;
    double ms;
    qint64 files;
};

double bestOf(int rounds, const std::function<void()> &work)
{
    double best = 1e300;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

void printRow(const Row &row, double findMs)
{
    std::printf("%-44s %9.1f ms %8.2f us/file  x%5.2f of find  (%lld files)\n", row.name, row.ms,
                row.ms * 1000.0 / double(qMax<qint64>(1, row.files)), row.ms / findMs,
                qlonglong(row.files));
}

int compare(const QString &root, int rounds)
{
    const QList<Listed> files = listTiffs(root);
    std::printf("%s: %lld TIFF names; best of %d rounds, warm cache\n", qPrintable(root),
                qlonglong(files.size()), rounds);

    const Row find{"find -iname *.tif -o -iname *.tiff -printf", bestOf(rounds, [&] { runFind(root); }),
                   files.size()};
    const Row libtiff{"libtiff: TIFFOpen + TIFFNumberOfDirectories",
                      bestOf(rounds, [&] { countAll(files, libtiffDirectories); }), files.size()};
    const Row counter{"our page counter", bestOf(rounds, [&] {
                          countAll(files, [](const Listed &f) {
                              return FilePageCounter::countPagesOfFile(f.nativePath, f.size);
                          });
                      }),
                      files.size()};
    qint64 walked = 0;
    const Row walkEveryFile{"walk + counter + cells, events every file",
                            bestOf(rounds, [&] { walked = walkWithoutWindows(root, Yield::EveryFile); }), 0};
    const Row walk{"walk + counter + cells, events as the window",
                   bestOf(rounds, [&] { walked = walkWithoutWindows(root, Yield::AsTheWindow); }), 0};

    WindowSearch window;
    qint64 listed = 0;
    const Row full{"full search in the main window (offscreen)",
                   bestOf(rounds, [&] { listed = window.search(root); }), 0};
    GapProbe probe;
    probe.start();
    window.search(root);
    const double longestWait = probe.stopMs();

    for (Row row : {find, libtiff, counter, Row{walkEveryFile.name, walkEveryFile.ms, walked},
                    Row{walk.name, walk.ms, walked}, Row{full.name, full.ms, listed}})
        printRow(row, find.ms);
    std::printf("\nratios: walk+count / find %.2f (target <= 2.5); window / find %.2f (target <= 4); "
                "libtiff / our counter %.2f (target >= 3)\n",
                walk.ms / find.ms, full.ms / find.ms, libtiff.ms / counter.ms);
    std::printf("longest event-loop wait during a window search: %.1f ms (target <= 50; probe every %d ms)\n",
                longestWait, kProbeIntervalMs);
    std::printf("window status: \"%s\", \"%s\"\n", qPrintable(window.messageText()),
                qPrintable(window.filesText()));
    std::printf("listed by the window %lld of %lld TIFF names (hidden files are not listed)\n",
                qlonglong(listed), qlonglong(files.size()));
    compareListedPages(window, listed);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TIFFSetErrorHandler(nullptr);
    TIFFSetWarningHandler(nullptr);
    const QStringList args = app.arguments().mid(1);
    const QString mode = args.value(0);
    if (mode == QStringLiteral("--window-only") && args.size() == 2) {
        WindowSearch window;
        std::printf("listed %lld files\n", qlonglong(window.search(args.value(1))));
        return 0;
    }
    if (mode == QStringLiteral("--walk-only") && args.size() == 2) {
        std::printf("listed %lld files\n", qlonglong(walkWithoutWindows(args.value(1), Yield::AsTheWindow)));
        return 0;
    }
    if (args.isEmpty() || args.size() > 2 || mode.startsWith(QStringLiteral("--"))) {
        std::fprintf(stderr, "usage: %s DIR [ROUNDS] | --window-only DIR | --walk-only DIR\n", argv[0]);
        return 2;
    }
    const int rounds = args.size() == 2 ? qMax(1, args.value(1).toInt()) : kDefaultRounds;
    return compare(args.value(0), rounds);
}
