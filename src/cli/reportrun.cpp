#include "cli/reportrun.h"

#include "base/pathcodec.h"
#include "base/qtfilename.h"
#include "base/replacefile.h"
#include "export/pagereportdocument.h"
#include "export/resultfile.h"
#include "grid/gridmodel.h"
#include "platform/console.h"
#include "results/resultcolumns.h"
#include "settings/productinfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QPageLayout>
#include <QSet>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

namespace {

constexpr int kStatusWritten = 0;
constexpr int kStatusFailed = 2;

void say(const QString &text)
{
    Console::writeAll(Console::Stream::Error, ("brimfold-report: " + text + u'\n').toUtf8());
}

// Everything read: each source and, in one table as the window keeps it,
// every file with the source it came from and the folder it is billed to.
struct Merged
{
    std::vector<ResultFile::Source> sources;
    QStringList inputNames;
    GridModel grid;
    std::vector<int> sourceOfRow; // by data row
    QStringList clients;          // their paths below the start folders
    std::vector<std::vector<int>> rowsOfClient;
    bool severalHosts = false;
};

QString joined(const QString &folder, const QString &name)
{
    return folder.endsWith(u'/') ? QString(folder + name) : QString(folder + u'/' + name);
}

// The folder's first `depth` names below `start`, or nothing when it lies
// above that depth or elsewhere.
QString clientPath(const QString &start, const QString &folder, int depth)
{
    const QString base = start.endsWith(u'/') ? start : start + u'/';
    if (!folder.startsWith(base))
        return {};
    const QStringList names = folder.mid(base.size()).split(u'/', Qt::SkipEmptyParts);
    if (names.size() < depth)
        return {};
    return names.mid(0, depth).join(u'/');
}

bool readInput(const QString &name, int depth, Merged &merged, QHash<QString, int> &clientIndex)
{
    QFile file;
    const bool standardInput = name == QLatin1String("-");
    const QString shownName = standardInput ? QStringLiteral("standard input") : name;
    const bool opened = standardInput ? file.open(stdin, QIODevice::ReadOnly)
                                      : qtCanOpenByName(name) && (file.setFileName(name), file.open(QIODevice::ReadOnly));
    if (!opened) {
        say(QStringLiteral("cannot read %1: %2").arg(shownName, file.errorString()));
        return false;
    }
    QString error;
    QStringList cells(ResultColumns::Count);
    int index = -1;
    const ResultFile::Handlers handlers{
            [&](const ResultFile::Source &source) {
                for (const ResultFile::Source &other : merged.sources)
                    if (other.host == source.host && other.startFolder == source.startFolder && error.isEmpty())
                        error = QStringLiteral("%1 holds the results of %2:%3 a second time; give each search once")
                                        .arg(shownName, source.host, source.startFolder);
                index = int(merged.sources.size());
                merged.sources.push_back(source);
                merged.inputNames.append(shownName);
            },
            [&](ResultFile::Record &&record) {
                using namespace ResultColumns;
                // What a report reads: the folder, the pages and what they are
                // worth; the path and the reason of a file not counted.
                const bool counted = record.pages >= 0;
                cells[Location] = record.folder;
                cells[FullPath] = counted ? QString() : joined(record.folder, record.name);
                cells[Pages] = counted ? QString::number(record.pages) : QStringLiteral("Error");
                cells[PagesNote] = record.reason;
                cells[PageWorth] = record.worth;
                merged.grid.appendRow(cells);
                merged.sourceOfRow.push_back(index);
                if (depth == 0)
                    return;
                const QString path = clientPath(merged.sources[index].startFolder, record.folder, depth);
                if (path.isEmpty())
                    return;
                const auto found = clientIndex.constFind(path);
                const int client = found != clientIndex.cend() ? *found : int(merged.clients.size());
                if (client == merged.clients.size()) {
                    clientIndex.insert(path, client);
                    merged.clients.append(path);
                    merged.rowsOfClient.emplace_back();
                }
                merged.rowsOfClient[client].push_back(merged.grid.rows() - 1);
            },
            [&](const ResultFile::Source &source) { merged.sources[index] = source; }};
    QString readError;
    if (!ResultFile::read(file, shownName, handlers, readError))
        return say(readError), false;
    if (!error.isEmpty())
        return say(error), false;
    return true;
}

QString sourceName(const Merged &merged, const ResultFile::Source &source, const QString &folder)
{
    return merged.severalHosts ? source.host + u':' + folder : folder;
}

// Names every folder with its host once more than one host appears.
void nameHosts(Merged &merged)
{
    QSet<QString> hosts;
    for (const ResultFile::Source &source : merged.sources)
        hosts.insert(source.host);
    merged.severalHosts = hosts.size() > 1;
    if (!merged.severalHosts)
        return;
    using namespace ResultColumns;
    for (int row = merged.grid.fixedRows(); row < merged.grid.rows(); ++row) {
        const QString &host = merged.sources[merged.sourceOfRow[row - merged.grid.fixedRows()]].host;
        merged.grid.setText(row, Location, host + u':' + merged.grid.text(row, Location));
        if (!merged.grid.textView(row, FullPath).isEmpty())
            merged.grid.setText(row, FullPath, host + u':' + merged.grid.text(row, FullPath));
    }
}

// The report of `grid`'s rows; `sources` are those its rows came from, and
// `below` the client's folder below each start folder (empty: the whole search).
PageReport buildReport(const Merged &merged, const GridModel &grid, const std::vector<int> &sources,
                       const QString &below, const PageReportHeading &heading)
{
    SearchRecord search;
    search.ran = true;
    QList<CriteriaLine> searched;
    for (int index : sources) {
        const ResultFile::Source &source = merged.sources[index];
        const QString folder = below.isEmpty() ? source.startFolder : joined(source.startFolder, below);
        if (sources.size() == 1) {
            search.startFolder = sourceName(merged, source, folder);
            search.started = source.started;
        }
        search.cancelled = search.cancelled || source.cancelled;
        searched.append({QStringLiteral("Start folder"), shownText(sourceName(merged, source, folder))});
        searched += source.searched;
    }
    PageReport report = buildPageReport(grid, heading, search, RowScope::Shown);
    report.searched = searched;
    return report;
}

QPageLayout pageLayout(ReportOptions::Paper paper)
{
    switch (paper) {
    case ReportOptions::Paper::A4:
        return reportPageLayout(QLocale(QLocale::English, QLocale::UnitedKingdom));
    case ReportOptions::Paper::Letter:
        return reportPageLayout(QLocale(QLocale::English, QLocale::UnitedStates));
    case ReportOptions::Paper::Locale:
        break;
    }
    return reportPageLayout(QLocale());
}

bool writeReport(const QString &path, const PageReport &report, const QPageLayout &layout)
{
    if (!qtCanOpenByName(path)) {
        say(QStringLiteral("cannot write %1: the name is not UTF-8").arg(path));
        return false;
    }
    QString error;
    const bool written = replaceFile(path, [&](QIODevice *device) {
        if (writePageReportPdf(report, device, layout))
            return true;
        error = QStringLiteral("the PDF could not be written whole");
        return false;
    }, &error);
    if (!written)
        say(QStringLiteral("cannot write %1: %2").arg(path, error));
    return written;
}

} // namespace

int runReport(const ReportOptions &options)
{
    Merged merged;
    ResultColumns::setupColumns(merged.grid);
    QHash<QString, int> clientIndex;
    for (const QString &input : options.inputs)
        if (!readInput(input, options.perFolderDepth, merged, clientIndex))
            return kStatusFailed;
    nameHosts(merged);

    // Every name is settled before anything is written.
    const QString folder = options.folderReports.isEmpty() ? QFileInfo(options.output).absolutePath()
                                                           : options.folderReports;
    std::map<QString, int> clientFiles; // sorted, so the reports come in folder order
    const QString whole = QFileInfo(options.output).absoluteFilePath();
    for (int client = 0; client < merged.clients.size(); ++client) {
        const QString path = QDir(folder).absoluteFilePath(merged.clients[client] + QStringLiteral(".pdf"));
        if (path == whole) {
            say(QStringLiteral("the report of %1 would replace %2; name the whole report otherwise")
                        .arg(merged.clients[client], options.output));
            return kStatusFailed;
        }
        clientFiles.emplace(path, client);
    }

    const PageReportHeading heading{options.organisation, options.reference, QDateTime::currentDateTime(),
                                    QString::fromLatin1(ProductInfo::kVersionLine)};
    const QPageLayout layout = pageLayout(options.paper);
    std::vector<int> all(merged.sources.size());
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = int(i);
    if (!writeReport(options.output, buildReport(merged, merged.grid, all, {}, heading), layout))
        return kStatusFailed;

    for (const auto &[path, client] : clientFiles) {
        GridModel grid;
        ResultColumns::setupColumns(grid);
        std::vector<int> sources;
        QStringList cells(ResultColumns::Count);
        for (int row : merged.rowsOfClient[client]) {
            for (int col = 0; col < ResultColumns::Count; ++col)
                cells[col] = merged.grid.text(row, col);
            grid.appendRow(cells);
            const int source = merged.sourceOfRow[row - merged.grid.fixedRows()];
            if (std::find(sources.begin(), sources.end(), source) == sources.end())
                sources.push_back(source);
        }
        std::sort(sources.begin(), sources.end());
        if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
            say(QStringLiteral("cannot make the folder of %1").arg(path));
            return kStatusFailed;
        }
        if (!writeReport(path, buildReport(merged, grid, sources, merged.clients[client], heading), layout))
            return kStatusFailed;
    }
    return kStatusWritten;
}
