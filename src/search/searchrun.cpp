#include "search/searchrun.h"

#include "base/folderpath.h"
#include "base/pathcodec.h"
#include "results/cellformats.h"
#include "results/columnindex.h"
#include "search/criteria.h"

#include <QCoreApplication>
#include <QDateTime>

namespace {

// Files between two copies of the criteria for the requests made ahead: how
// late a rule changed during a search reaches the look-ahead (the run itself
// reads the controls live). scripts/bench_search.sh, "brimfold-count -j 16"
// on the warm corpus: a copy at every file took 0.46 s, every 64 0.47 s,
// every 1,024 0.44 s, so the number bounds wasted look-ahead, not time.
constexpr int kFilesPerCriteriaCopy = 64;

// The cell texts of one result row, by position.
QStringList resultCells(const CellTextFormat &format, const QString &name, const QString &location,
                        const QString &fullPath, qint64 size, const QDateTime &modified,
                        const PageCountResult &pages)
{
    const QString sizeInKBText = format.groupedNumber(sizeInKB(size));
    QStringList cells(ResultColumns::Count);
    cells[ResultColumns::FileName] = name;
    cells[ResultColumns::Location] = location;
    cells[ResultColumns::Size] = sizeCellText(sizeInKBText);
    cells[ResultColumns::ModifiedDate] = format.modifiedDate(modified);
    cells[ResultColumns::Pages] = pagesCellText(pages.pages);
    cells[ResultColumns::PagesNote] = pageCountNote(pages);
    cells[ResultColumns::PageWorth] = pages.breakdown.key();
    cells[ResultColumns::FullPath] = fullPath;
    cells[ResultColumns::SizeInKB] = sizeInKBText;
    return cells;
}

} // namespace

struct SearchRun::IconMemory
{
    bool remembered = false;
    QString extension;
    QVariant image;
};

SearchRun::SearchRun(SearchRunPorts ports, QObject *parent)
    : QObject(parent), m_ports(std::move(ports))
{
    if (!m_ports.yield)
        m_ports.yield = [] { QCoreApplication::processEvents(); };
    if (m_ports.ioThreads > 0)
        m_pool = std::make_unique<IoPool>(m_ports.ioThreads);
    if (!m_ports.wait)
        m_ports.wait = [this] {
            if (m_ahead)
                m_ahead->waitForCompletion(20);
            QCoreApplication::processEvents(); // `this` may be gone afterwards
        };
}

SearchRun::~SearchRun()
{
    m_liveness->stopped = true;
    m_liveness->destroyed = true;
}

void SearchRun::requestCancel()
{
    m_cancelRequested = true;
}

void SearchRun::stop()
{
    m_cancelRequested = true;
    m_liveness->stopped = true;
}

bool SearchRun::RunSearch(const QString &startFolder, bool recount)
{
    if (m_running || m_liveness->stopped)
        return false;
    m_running = true;
    m_cancelRequested = false;
    m_rowsListed = 0;
    m_pageTotal = 0;
    m_countsFromCache = 0;
    m_zone = QTimeZone::systemTimeZone();
    m_cellFormat = CellTextFormat();
    m_criteriaCopy.reset();
    m_record = SearchRecord();
    m_record.ran = true;
    m_record.startFolder = startFolder;
    m_record.criteria = CriteriaValues::of(*m_ports.criteria);
    m_record.started = QDateTime::currentDateTime();
    CacheUse pageCounts = m_ports.pageCounts;
    pageCounts.trust = pageCounts.trust && !recount;
    m_ahead = std::make_unique<SearchAhead>(m_ports.lister, m_pool.get(), m_ports.wake, std::move(pageCounts));
    const auto liveness = m_liveness;
    const Flow flow = SearchFolder(m_ahead->root(FolderPath::location(startFolder)), startFolder, true);
    if (liveness->destroyed)
        return true; // the run's owner is gone: touch nothing
    // Requests still queued or running belong to this run alone: drop them,
    // and let threads that hang in them no longer hold up the next run.
    m_ahead.reset();
    if (m_pool)
        m_pool->abandonWork();
    if (flow != Flow::Stopped && !liveness->stopped)
        endRun();
    m_running = false;
    return true;
}

QString SearchRun::searchingText(const QString &folder)
{
    return tr("Searching %1").arg(folder);
}

QString SearchRun::filesFoundText(qint64 files)
{
    return tr("%1 file(s) found").arg(files);
}

QString SearchRun::pageTotalText(qint64 pages)
{
    return tr("Total Pages : %1").arg(pages);
}

SearchRecord SearchRun::record() const
{
    SearchRecord record = m_record;
    record.running = m_running;
    return record;
}

void SearchRun::endRun()
{
    m_ports.status->SetStatusText(DoneText, StatusPanel::Message);
    if (m_cancelRequested)
        m_ports.status->SetStatusText(SearchRecord::TerminatedText, StatusPanel::Message);
    m_record.cancelled = m_cancelRequested;
    Q_EMIT runFinished(m_cancelRequested);
}

template <typename Result>
SearchRun::Await SearchRun::await(const std::shared_ptr<Result> &result)
{
    while (!m_ahead->ready(*result)) {
        if (m_pool) {
            m_pool->nudge();
            if (m_pool->exhausted())
                m_ports.status->SetStatusText(ThreadsHeldText, StatusPanel::Message);
        }
        const auto liveness = m_liveness; // `this` may be gone when wait returns
        m_ports.wait();
        if (liveness->stopped)
            return Await::Stopped;
        if (m_cancelRequested)
            return Await::Cancelled;
        lookAhead();
    }
    return Await::Ready;
}

void SearchRun::lookAhead()
{
    if (!m_criteriaCopy || ++m_filesSinceCopy >= kFilesPerCriteriaCopy) {
        m_criteriaCopy = std::make_shared<const CriteriaValues>(CriteriaValues::of(*m_ports.criteria));
        m_filesSinceCopy = 0;
    }
    m_ahead->lookAhead(m_criteriaCopy);
}

SearchRun::Flow SearchRun::SearchFolder(AheadFolder &folder, const QString &shownPath, bool topLevel)
{
    if (m_liveness->stopped)
        return Flow::Stopped;
    if (m_cancelRequested) {
        showFolderSummary();
        return Flow::Continue;
    }
    const NamePatterns patterns(BuildPatternList(m_ports.criteria->filterText()));
    m_ports.status->SetStatusText(searchingText(shownPath), StatusPanel::Message);
    if (topLevel)
        m_ports.results->clearToHeaderRow();
    const Await listed = await(m_ahead->requestListing(folder));
    if (listed == Await::Stopped)
        return Flow::Stopped;
    if (listed == Await::Ready) {
        m_ahead->expand(folder);
        if (folder.entries) {
            Flow flow = searchFiles(folder, patterns);
            if (flow == Flow::Stopped)
                return Flow::Stopped; // the folder may be gone with the run
            // Close the folder before going down: open folders would pile up
            // along a deep branch.
            folder.entries.reset();
            m_ahead->filesDone(folder);
            if (flow == Flow::Continue && m_ports.criteria->includeSubfolders())
                flow = searchSubfolders(folder);
            if (flow == Flow::Stopped)
                return Flow::Stopped;
        }
    }
    // An unreadable folder gets its summary too, so the panels always match
    // the table (an unreadable start folder leaves an empty one).
    showFolderSummary();
    return Flow::Continue;
}

// Depth first, in listing order: the look-ahead walks the same order
// (nextAfterFiles in searchahead.cpp); change both together.
SearchRun::Flow SearchRun::searchSubfolders(AheadFolder &folder)
{
    for (std::size_t i = 0; i < folder.subfolders.size(); ++i) {
        AheadFolder &child = *folder.subfolders[i];
        if (SearchFolder(child, child.path, false) == Flow::Stopped)
            return Flow::Stopped;
        m_ahead->forget(child);
        m_ahead->setPosition(folder, folder.candidates.size());
    }
    return Flow::Continue;
}

SearchRun::Flow SearchRun::searchFiles(AheadFolder &folder, const NamePatterns &patterns)
{
    IconMemory icon;
    for (std::size_t position = 0; position < folder.candidates.size(); ++position) {
        if (m_cancelRequested)
            return Flow::EndFolder;
        m_ahead->setPosition(folder, position);
        lookAhead();
        const Flow flow = examineFile(folder, position, patterns, icon);
        if (flow != Flow::Continue)
            return flow;
        if (!yieldAndCheck())
            return Flow::Stopped;
    }
    m_ahead->setPosition(folder, folder.candidates.size());
    return Flow::Continue;
}

bool SearchRun::yieldAndCheck()
{
    const auto liveness = m_liveness; // `this` may be gone when yield returns
    m_ports.yield();
    return !liveness->stopped;
}

SearchRun::Flow SearchRun::examineFile(AheadFolder &folder, std::size_t position, const NamePatterns &patterns,
                                       IconMemory &icon)
{
    const QByteArray &entryName = folder.entries->entries()[folder.candidates[position]].name;
    const QString &name = folder.names[position];
    if (!PassesNameRules(name, *m_ports.criteria, patterns))
        return Flow::Continue;
    const std::shared_ptr<FileResult> facts = m_ahead->requestFacts(folder, position);
    if (const Await got = await(facts); got != Await::Ready)
        return got == Await::Stopped ? Flow::Stopped : Flow::EndFolder;
    // A file that vanished or cannot be read is skipped alone.
    if (!facts->facts)
        return Flow::Continue;
    const QDate today = m_ports.criteria->dateOn() ? QDate::currentDate() : QDate();
    if (!PassesDateAndSize(*facts->facts, *m_ports.criteria, today))
        return Flow::Continue;
    PageCountResult pages = facts->pages;
    bool fromCache = facts->fromCache;
    if (!facts->counted) {
        const std::shared_ptr<FileResult> count = m_ahead->requestCount(folder, position, *facts->facts);
        if (const Await got = await(count); got != Await::Ready)
            return got == Await::Stopped ? Flow::Stopped : Flow::EndFolder;
        pages = count->pages;
        fromCache = count->fromCache;
    }
    if (fromCache)
        ++m_countsFromCache;
    appendResultRow(name, entryName, folder.path, *facts->facts, pages, icon);
    return Flow::Continue;
}

void SearchRun::appendResultRow(const QString &name, const QByteArray &nativeName, const QString &location,
                                const FileFacts &facts,
                                const PageCountResult &pages, IconMemory &icon)
{
    const QString fullPath = FolderPath::child(location, name);
    // Consecutive files of one type share one icon lookup.
    const QString extension = GetExtension(name);
    if (!icon.remembered || extension != icon.extension)
        icon.image = m_ports.icons->iconFor(fullPath);
    icon.remembered = true;
    icon.extension = extension;
    QStringList cells;
    if (m_ports.results->wantsCellTexts()) {
        const QDateTime modified = m_zone.isValid() ? QDateTime::fromMSecsSinceEpoch(facts.modifiedMs, m_zone)
                                                    : QDateTime::fromMSecsSinceEpoch(facts.modifiedMs);
        cells = resultCells(m_cellFormat, name, location, fullPath, facts.size, modified, pages);
    }
    m_ports.results->appendFound(FoundFile{name, location, fullPath, nativeName, facts, pages}, cells, icon.image);
    ++m_rowsListed;
    if (pages.pages > 0)
        m_pageTotal += pages.pages;
}

void SearchRun::showFolderSummary()
{
    if (m_rowsListed > 0) {
        m_ports.status->SetStatusText(filesFoundText(m_rowsListed), StatusPanel::Files);
        m_ports.status->setPageTotalText(pageTotalText(m_pageTotal));
    } else {
        m_ports.status->SetStatusText(NoFileText, StatusPanel::Files);
        m_ports.status->setPageTotalText(pageTotalText(0));
    }
}
