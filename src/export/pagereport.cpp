#include "export/pagereport.h"

#include "grid/gridmodel.h"
#include "results/columnindex.h"

#include <algorithm>

namespace {

QList<CriteriaLine> searchedLines(const SearchRecord &search)
{
    if (!search.ran)
        return {{QStringLiteral("Start folder"), QStringLiteral("No search has run")}};
    QList<CriteriaLine> lines{{QStringLiteral("Start folder"), shownText(search.startFolder)}};
    lines += criteriaInWords(search.criteria, search.started.date());
    return lines;
}

// The start folder with its separator, when the folders of the table lie
// below it: their rows then leave it out (it heads the report), so a long
// path keeps the part that tells the folders apart.
QString folderBase(const SearchRecord &search)
{
    if (!search.ran || search.startFolder.isEmpty())
        return {};
    return search.startFolder.endsWith(u'/') ? search.startFolder : search.startFolder + u'/';
}

QString stateText(const SearchRecord &search)
{
    if (search.running)
        return QStringLiteral("Search still running: the counts are partial");
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

PageReport buildPageReport(const GridModel &results, const PageReportHeading &heading, const SearchRecord &search,
                           RowScope scope)
{
    using namespace ResultColumns;
    PageReport report;
    report.heading = heading;
    report.selectedOnly = scope == RowScope::Selected;
    report.searched = searchedLines(search);
    report.searchState = stateText(search);
    report.folders = folderTotals(results, scope);
    const QString base = folderBase(search);
    for (FolderTotal &folder : report.folders) {
        if (!base.isEmpty() && folder.location.size() > base.size() && folder.location.startsWith(base)) {
            folder.location.remove(0, base.size());
            report.foldersBelowStart = true;
        }
        folder.location = shownText(folder.location);
    }
    report.all = sumOfFolders(report.folders, kAllFoldersText);

    forEachRowInScope(results, scope, [&](const ScopedRow &row) {
        if (row.pages) {
            addToChart(report.chart, PageBreakdown::fromKey(row.worthKey));
        } else if (report.unreadable.size() < size_t(PageReport::kMaxListedUnreadable)) {
            const QString reason = results.text(row.row, PagesNote);
            report.unreadable.push_back({shownText(results.text(row.row, FullPath)),
                                         reason.isEmpty() ? QStringLiteral("No reason given") : reason});
        } else {
            ++report.unlistedUnreadable;
        }
    });
    return report;
}
