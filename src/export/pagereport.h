#pragma once

#include "base/translatable.h"
#include "results/foldertotals.h"
#include "search/criteria.h"
#include "search/searchrecord.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class GridModel;

// The title block's lines.
struct PageReportHeading
{
    QString organisation;
    QString reference;
    QDateTime madeAt;
    QString program; // name and version
};

struct UnreadableFile
{
    QString path;
    QString reason;
};

// Pages per size class split by capture mode; a file that mixes both sizes
// and modes cannot say which of its pages had which mode, so its pages go to
// a segment of their own (kMixedSegment) rather than be guessed.
constexpr int kMixedSegment = kCaptureModeCount;
constexpr int kChartSegments = kCaptureModeCount + 1;
using SizeModeTable = std::array<std::array<qint64, kChartSegments>, kPageSizeCount>;
void addToChart(SizeModeTable &chart, const PageBreakdown &file);

// The whole content of a page report, in the order it is printed. Plain
// values: built on the window's thread, then painted on any one thread.
struct PageReport
{
    static constexpr int kMaxListedUnreadable = 1000;
    static constexpr Translatable TitleText{"PageReport", QT_TRANSLATE_NOOP("PageReport", "Page Report")};

    PageReportHeading heading;
    bool selectedOnly = false;
    QList<CriteriaLine> searched; // the start folder, then the criteria's rules
    QString searchState;          // empty for a search that ran to its end
    std::vector<FolderTotal> folders; // in the order Folder Totals shows them
    bool foldersBelowStart = false;   // some names leave the start folder out
    FolderTotal all;
    SizeModeTable chart{};
    std::vector<UnreadableFile> unreadable; // the first kMaxListedUnreadable, in grid order
    qint64 unlistedUnreadable = 0;
};

// A report's folders, chart and unreadable files, summed a file at a time:
// from the results table's rows, or from a result file's records, which need
// not be held meanwhile.
class PageReportTally
{
public:
    // `path` and `reason` are read for a file whose pages could not be counted.
    void addFile(QStringView location, std::optional<qint64> pages, QStringView worthKey, QStringView path,
                 QStringView reason);
    // Renames every folder and unreadable file's path, after the last file.
    void renameLocations(const std::function<QString(const QString &)> &rename);
    // The report of what was added: `searched` its lines, `searchState` empty
    // for a search that ran to its end, and folders below `startFolder`
    // named without it.
    PageReport report(const PageReportHeading &heading, const QList<CriteriaLine> &searched,
                      const QString &searchState, const QString &startFolder) &&;

private:
    FolderTotalsTally m_folders;
    SizeModeTable m_chart{};
    std::vector<UnreadableFile> m_unreadable;
    qint64 m_unlistedUnreadable = 0;
};

// The report of the results table's shown rows (or of the shown rows
// selected). Names are given as the table shows them.
PageReport buildPageReport(const GridModel &results, const PageReportHeading &heading, const SearchRecord &search,
                           RowScope scope);

// A text as the table draws it: each byte of a name that was not UTF-8 (a
// lone surrogate, see PathCodec) as the replacement mark.
QString shownText(const QString &text);
