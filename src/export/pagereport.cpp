#include "export/pagereport.h"

#include "grid/gridmodel.h"
#include "results/columnindex.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

struct ReportWords
{
    Q_DECLARE_TR_FUNCTIONS(PageReport)
};

QList<CriteriaLine> searchedLines(const SearchRecord &search)
{
    const QString startFolder = ReportWords::tr("Start folder");
    if (!search.ran)
        return {{startFolder, ReportWords::tr("No search has run")}};
    QList<CriteriaLine> lines{{startFolder, shownText(search.startFolder)}};
    lines += criteriaInWords(search.criteria, search.started.date());
    return lines;
}

QString stateText(const SearchRecord &search)
{
    if (search.running)
        return ReportWords::tr("Search still running: the counts are partial");
    if (search.cancelled)
        return SearchRecord::TerminatedText;
    return {};
}

} // namespace

QString shownText(const QString &text)
{
    QString shown = text;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (shown[i].isHighSurrogate() && i + 1 < shown.size() && shown[i + 1].isLowSurrogate())
            ++i; // a character beyond the first plane
        else if (shown[i].isSurrogate())
            shown[i] = QChar::ReplacementCharacter;
    }
    return shown;
}

void addToChart(SizeModeTable &chart, const PageBreakdown &file)
{
    const auto present = [](const auto &counts) {
        return std::count_if(counts.begin(), counts.end(), [](qint64 n) { return n > 0; });
    };
    const bool oneSize = present(file.sizes) <= 1, oneMode = present(file.modes) <= 1;
    for (int size = 0; size < kPageSizeCount; ++size) {
        if (file.sizes[size] == 0)
            continue;
        if (oneSize) {
            for (int mode = 0; mode < kCaptureModeCount; ++mode)
                chart[size][mode] += file.modes[mode];
        } else if (oneMode) {
            const auto mode = std::find_if(file.modes.begin(), file.modes.end(), [](qint64 n) { return n > 0; });
            chart[size][mode == file.modes.end() ? kMixedSegment : mode - file.modes.begin()] += file.sizes[size];
        } else {
            chart[size][kMixedSegment] += file.sizes[size];
        }
    }
}

void PageReportTally::addFile(QStringView location, std::optional<qint64> pages, QStringView worthKey,
                              QStringView path, QStringView reason)
{
    m_folders.addFile(location, pages, worthKey);
    if (pages)
        addToChart(m_chart, PageBreakdown::fromKey(worthKey));
    else if (m_unreadable.size() < size_t(PageReport::kMaxListedUnreadable))
        m_unreadable.push_back(
                {path.toString(), reason.isEmpty() ? ReportWords::tr("No reason given") : reason.toString()});
    else
        ++m_unlistedUnreadable;
}

void PageReportTally::renameLocations(const std::function<QString(const QString &)> &rename)
{
    for (FolderTotal &folder : m_folders.folders())
        folder.location = rename(folder.location);
    for (UnreadableFile &file : m_unreadable)
        file.path = rename(file.path);
}

PageReport PageReportTally::report(const PageReportHeading &heading, const QList<CriteriaLine> &searched,
                                   const QString &searchState, const QString &startFolder) &&
{
    PageReport report;
    report.heading = heading;
    report.searched = searched;
    report.searchState = searchState;
    report.folders = std::move(m_folders.folders());
    // The start folder with its separator, when the folders lie below it:
    // their rows then leave it out (it heads the report), so a long path
    // keeps the part that tells the folders apart.
    const QString base = startFolder.isEmpty() || startFolder.endsWith(u'/') ? startFolder : startFolder + u'/';
    for (FolderTotal &folder : report.folders) {
        if (!base.isEmpty() && folder.location.size() > base.size() && folder.location.startsWith(base)) {
            folder.location.remove(0, base.size());
            report.foldersBelowStart = true;
        }
        folder.location = shownText(folder.location);
    }
    report.all = sumOfFolders(report.folders, kAllFoldersText);
    report.chart = m_chart;
    report.unreadable = std::move(m_unreadable);
    for (UnreadableFile &file : report.unreadable)
        file.path = shownText(file.path);
    report.unlistedUnreadable = m_unlistedUnreadable;
    return report;
}

PageReport buildPageReport(const GridModel &results, const PageReportHeading &heading, const SearchRecord &search,
                           RowScope scope)
{
    using namespace ResultColumns;
    PageReportTally tally;
    forEachRowInScope(results, scope, [&](const ScopedRow &row) {
        tally.addFile(row.location, row.pages, row.worthKey, results.textView(row.row, FullPath),
                      results.textView(row.row, PagesNote));
    });
    PageReport report = std::move(tally).report(heading, searchedLines(search), stateText(search),
                                                search.ran ? search.startFolder : QString());
    report.selectedOnly = scope == RowScope::Selected;
    return report;
}
