#include "search/searchrun.h"

#include "base/pathcodec.h"
#include "results/cellformats.h"
#include "results/resultcolumns.h"
#include "search/criteria.h"

#include <QCoreApplication>
#include <QDateTime>

namespace {

// A folder path as the file system reports it: no trailing "/" except "/".
QString folderLocation(const QString &path)
{
    qsizetype end = path.size();
    while (end > 1 && path[end - 1] == u'/')
        --end;
    return path.left(end);
}

QString childPath(const QString &location, const QString &name)
{
    if (location.endsWith(u'/'))
        return location + name;
    return location + u'/' + name;
}

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
    cells[ResultColumns::FullPath] = fullPath;
    cells[ResultColumns::SizeInKB] = sizeInKBText;
    return cells;
}

bool isHiddenName(const QString &name)
{
    return name.startsWith(u'.');
}

} // namespace

struct SearchRun::IconMemory
{
    bool remembered = false;
    QString extension;
    QImage image;
};

SearchRun::SearchRun(SearchRunPorts ports, QObject *parent)
    : QObject(parent), m_ports(std::move(ports))
{
    if (!m_ports.yield)
        m_ports.yield = [] { QCoreApplication::processEvents(); };
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

bool SearchRun::RunSearch(const QString &startFolder)
{
    if (m_running || m_liveness->stopped)
        return false;
    m_running = true;
    m_cancelRequested = false;
    m_rowsListed = 0;
    m_pageTotal = 0;
    m_zone = QTimeZone::systemTimeZone();
    m_cellFormat = CellTextFormat();
    const auto liveness = m_liveness;
    const Flow flow = SearchFolder(startFolder, true);
    if (liveness->destroyed)
        return true; // the run's owner is gone: touch nothing
    if (flow != Flow::Stopped && !liveness->stopped)
        endRun();
    m_running = false;
    return true;
}

void SearchRun::endRun()
{
    m_ports.status->SetStatusText(DoneText, StatusPanel::Message);
    if (m_cancelRequested)
        m_ports.status->SetStatusText(TerminatedText, StatusPanel::Message);
    Q_EMIT runFinished(m_cancelRequested);
}

SearchRun::Flow SearchRun::SearchFolder(const QString &path, bool topLevel)
{
    if (m_liveness->stopped)
        return Flow::Stopped;
    if (m_cancelRequested) {
        showFolderSummary();
        return Flow::Continue;
    }
    const QStringList patterns = BuildPatternList(m_ports.criteria->filterText());
    m_ports.status->SetStatusText(SearchingPrefix + path, StatusPanel::Message);
    if (topLevel)
        m_ports.results->clearToHeaderRow();
    const QString location = folderLocation(path);
    // The start folder is the user's choice and may be a link; below it,
    // links to folders are never entered (a link to an ancestor never ends).
    const auto rule =
        topLevel ? FolderLister::LinkRule::FollowLink : FolderLister::LinkRule::NeverFollow;
    std::unique_ptr<FolderListing> listing = m_ports.lister->open(location, rule);
    if (listing) {
        Flow flow = searchFiles(*listing, location, patterns);
        // Close the folder before going down: open folders would pile up
        // along a deep branch.
        listing->release();
        if (flow == Flow::Continue && m_ports.criteria->includeSubfolders())
            flow = searchSubfolders(*listing, location);
        if (flow == Flow::Stopped)
            return Flow::Stopped;
    }
    // An unreadable folder gets its summary too, so the panels always match
    // the table (an unreadable start folder leaves an empty one).
    showFolderSummary();
    return Flow::Continue;
}

SearchRun::Flow SearchRun::searchSubfolders(const FolderListing &listing, const QString &location)
{
    for (const FolderEntry &entry : listing.entries()) {
        if (entry.kind != FolderEntry::Kind::Folder)
            continue;
        const QString path = childPath(location, PathCodec::decode(entry.name));
        if (SearchFolder(path, false) == Flow::Stopped)
            return Flow::Stopped;
    }
    return Flow::Continue;
}

SearchRun::Flow SearchRun::searchFiles(FolderListing &listing, const QString &location,
                                       const QStringList &patterns)
{
    IconMemory icon;
    const std::vector<FolderEntry> &entries = listing.entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!entries[i].isFileCandidate())
            continue;
        if (m_cancelRequested)
            return Flow::EndFolder;
        examineFile(listing, i, location, patterns, icon);
        if (!yieldAndCheck())
            return Flow::Stopped;
    }
    return Flow::Continue;
}

bool SearchRun::yieldAndCheck()
{
    const auto liveness = m_liveness; // `this` may be gone when yield returns
    m_ports.yield();
    return !liveness->stopped;
}

void SearchRun::examineFile(FolderListing &listing, std::size_t index, const QString &location,
                            const QStringList &patterns, IconMemory &icon)
{
    const QString name = PathCodec::decode(listing.entries()[index].name);
    if (!passesNameRules(name, patterns))
        return;
    // A file that vanished or cannot be read is skipped alone.
    const std::optional<FileFacts> facts = listing.facts(index);
    if (!facts)
        return;
    const QDate today = m_ports.criteria->dateOn() ? QDate::currentDate() : QDate();
    if (!PassesDateAndSize(*facts, *m_ports.criteria, today))
        return;
    appendResultRow(name, location, *facts, icon);
}

bool SearchRun::passesNameRules(const QString &name, const QStringList &patterns) const
{
    if (!m_ports.criteria->showHidden() && isHiddenName(name))
        return false;
    const QString filter = m_ports.criteria->filterText().trimmed();
    if (filter.isEmpty() || filter == CriteriaDefaults::AllFilesPattern)
        return true;
    return MatchesPatterns(name, patterns);
}

void SearchRun::appendResultRow(const QString &name, const QString &location,
                                const FileFacts &facts, IconMemory &icon)
{
    const QString fullPath = childPath(location, name);
    const PageCountResult pages = m_ports.countPages(PathCodec::encode(fullPath), facts.size);
    const QDateTime modified = m_zone.isValid()
                                   ? QDateTime::fromMSecsSinceEpoch(facts.modifiedMs, m_zone)
                                   : QDateTime::fromMSecsSinceEpoch(facts.modifiedMs);
    // Consecutive files of one type share one icon lookup.
    const QString extension = GetExtension(name);
    if (!icon.remembered || extension != icon.extension)
        icon.image = m_ports.icons->iconFor(fullPath);
    icon.remembered = true;
    icon.extension = extension;
    m_ports.results->appendRow(resultCells(m_cellFormat, name, location, fullPath, facts.size, modified, pages),
                               icon.image);
    ++m_rowsListed;
    if (pages.pages > 0)
        m_pageTotal += pages.pages;
}

void SearchRun::showFolderSummary()
{
    if (m_rowsListed > 0) {
        m_ports.status->SetStatusText(QString::number(m_rowsListed) + FilesFoundSuffix,
                                      StatusPanel::Files);
        m_ports.status->setPageTotalText(PageTotalPrefix + QString::number(m_pageTotal));
    } else {
        m_ports.status->SetStatusText(NoFileText, StatusPanel::Files);
        m_ports.status->setPageTotalText(PageTotalPrefix + QString::number(0));
    }
}
