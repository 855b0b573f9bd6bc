#pragma once

#include "results/cellformats.h"
#include "search/folderlister.h"
#include "search/iopool.h"
#include "search/searchahead.h"
#include "search/searchinterfaces.h"
#include "search/searchrecord.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include <functional>
#include <memory>

class SearchCriteriaSource;

// Everything a run talks to. The run owns none of them; each must outlive
// the run or be cut off first with SearchRun::stop().
struct SearchRunPorts
{
    SearchCriteriaSource *criteria = nullptr;
    SearchResultsTarget *results = nullptr;
    SearchStatusSink *status = nullptr;
    FileIconSource *icons = nullptr;
    // Shared with the run's requests, which may outlive the run.
    std::shared_ptr<FolderLister> lister;
    std::function<void()> yield;  // after each examined file; default: process pending events
    // Threads for listing, facts and counting, with requests made ahead of
    // the run. 0: every request on the run's thread as it is needed.
    int ioThreads = 0;
    // While the run waits for a request. Default: wait up to 20 ms for one
    // to finish, then process pending events.
    std::function<void()> wait = {};
    // Called from a request's thread when the waiting run should look again
    // (for example the event dispatcher's wakeUp); must be thread-safe.
    std::function<void()> wake = {};
    // Remembered page counts (none: every file is counted).
    CacheUse pageCounts = {};
};

// One search over a folder tree, driven from the calling (user-interface)
// thread, which hands out the rows in the walk's order: a folder's files in
// listing order, then its subfolders depth first. With I/O threads the file
// system is asked on those threads, many requests at once and ahead of the
// rows; the run waits for what it needs next through the wait port. The run
// yields after every examined file, so the event loop stays live and can
// request a cancel, or stop the run for good when the window goes away.
class SearchRun : public QObject
{
    Q_OBJECT
public:
    explicit SearchRun(SearchRunPorts ports, QObject *parent = nullptr);
    ~SearchRun() override;

    // One complete run from `startFolder` (the start folder text exactly as
    // stored). Returns false, and does nothing, while a run is in progress
    // or after stop(). `recount`: no count is taken from the cache, and
    // fresh ones replace what it had.
    bool RunSearch(const QString &startFolder, bool recount = false);

    bool isRunning() const { return m_running; }
    // The latest run: its criteria as it started, whether it still runs and
    // whether it was cancelled.
    SearchRecord record() const;
    bool cancelRequested() const { return m_cancelRequested; }
    // Listed files of the latest run, and those whose count came from the cache.
    qint64 rowsListed() const { return m_rowsListed; }
    qint64 countsFromCache() const { return m_countsFromCache; }
    // Ends the run at its next check; the rows listed so far stay.
    void requestCancel();
    // For window close and exit: cancels and cuts the run off from its ports
    // for good. Nothing is touched and nothing is emitted afterwards.
    void stop();

    // The status texts, in the user's language.
    static QString searchingText(const QString &folder);
    static QString filesFoundText(qint64 files);
    static QString pageTotalText(qint64 pages);
    //: In the status bar: the search has ended
    static constexpr Translatable DoneText{"SearchRun", QT_TRANSLATE_NOOP("SearchRun", "Done")};
    static constexpr Translatable NoFileText{"SearchRun", QT_TRANSLATE_NOOP("SearchRun", "No file found")};
    static constexpr Translatable ThreadsHeldText{
            "SearchRun",
            QT_TRANSLATE_NOOP("SearchRun", "Waiting: every reading thread is held by files that do not answer")};

Q_SIGNALS:
    // The run has ended (finished or cancelled); not emitted after stop().
    void runFinished(bool cancelled);

private:
    enum class Flow { Continue, EndFolder, Stopped };
    enum class Await { Ready, Cancelled, Stopped };
    struct IconMemory; // the icon reuse state of one folder
    struct Liveness
    {
        bool stopped = false;
        bool destroyed = false;
    };

    Flow SearchFolder(AheadFolder &folder, const QString &shownPath, bool topLevel);
    Flow searchSubfolders(AheadFolder &folder);
    Flow searchFiles(AheadFolder &folder, const NamePatterns &patterns);
    Flow examineFile(AheadFolder &folder, std::size_t position, const NamePatterns &patterns,
                     IconMemory &icon);
    template <typename Result>
    Await await(const std::shared_ptr<Result> &result);
    void lookAhead();
    void appendResultRow(const QString &name, const QByteArray &nativeName, const QString &location, const FileFacts &facts,
                         const PageCountResult &pages, IconMemory &icon);
    void showFolderSummary();
    bool yieldAndCheck();
    void endRun();

    SearchRunPorts m_ports;
    std::unique_ptr<IoPool> m_pool;      // null without I/O threads
    std::unique_ptr<SearchAhead> m_ahead; // the requests of the run in progress
    std::shared_ptr<const CriteriaValues> m_criteriaCopy; // what requests ahead are judged by
    int m_filesSinceCopy = 0;
    std::shared_ptr<Liveness> m_liveness = std::make_shared<Liveness>();
    bool m_running = false;
    bool m_cancelRequested = false;
    SearchRecord m_record; // of the latest run; its running flag is m_running
    // Running values, equal by construction to the table's row count and the
    // sum of its Pages column: recounting the table at every folder would
    // cost rows x folders.
    qint64 m_rowsListed = 0;
    qint64 m_pageTotal = 0;
    qint64 m_countsFromCache = 0;
    // Modified times are shown in this zone, taken once per run: converting
    // through the C library's local time re-reads the zone file every time.
    QTimeZone m_zone;
    // The locale's separators and designators, also taken once per run.
    CellTextFormat m_cellFormat;
};
