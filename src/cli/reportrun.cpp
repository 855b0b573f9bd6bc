#include "cli/reportrun.h"

#include "base/folderpath.h"
#include "base/qtfilename.h"
#include "base/replacefile.h"
#include "export/pagereportdocument.h"
#include "export/resultfile.h"
#include "platform/console.h"
#include "settings/productinfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QPageLayout>
#include <QSet>

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

// Everything read, summed as it is read: each search, and the report of all
// files and of each client folder. A folder is named host:folder until every
// input is read; then, when one host is all there was, the host goes.
struct Merged
{
    std::vector<ResultFile::Source> sources;
    QSet<QString> hosts;
    PageReportTally all;
    QStringList clients; // their paths below the start folders
    QHash<QString, int> clientIndex;
    std::vector<PageReportTally> clientTallies;
    std::vector<std::vector<int>> clientSources; // the searches each client's files came from, in order
};

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

int clientOf(Merged &merged, const QString &path, int source)
{
    const auto found = merged.clientIndex.constFind(path);
    int client = found != merged.clientIndex.cend() ? *found : int(merged.clients.size());
    if (client == merged.clients.size()) {
        merged.clientIndex.insert(path, client);
        merged.clients.append(path);
        merged.clientTallies.emplace_back();
        merged.clientSources.emplace_back();
    }
    std::vector<int> &sources = merged.clientSources[client];
    if (sources.empty() || sources.back() != source)
        sources.push_back(source);
    return client;
}

bool readInput(const QString &name, int depth, Merged &merged)
{
    QFile file;
    const bool standardInput = name == QLatin1String("-");
    const QString shownName = standardInput ? QCoreApplication::translate("ReportRun", "standard input") : name;
    const bool opened = standardInput ? file.open(stdin, QIODevice::ReadOnly)
                                      : qtCanOpenByName(name) && (file.setFileName(name), file.open(QIODevice::ReadOnly));
    if (!opened) {
        say(QCoreApplication::translate("ReportRun", "cannot read %1: %2").arg(shownName, file.errorString()));
        return false;
    }
    QString error;
    int index = -1;
    QString hostPrefix, location, path;
    const ResultFile::Handlers handlers{
            [&](const ResultFile::Source &source) {
                for (const ResultFile::Source &other : merged.sources)
                    if (other.host == source.host && other.startFolder == source.startFolder && error.isEmpty())
                        error = QCoreApplication::translate("ReportRun", "%1 holds the results of %2:%3 a second time; give each search once")
                                        .arg(shownName, source.host, source.startFolder);
                index = int(merged.sources.size());
                merged.sources.push_back(source);
                merged.hosts.insert(source.host);
                hostPrefix = source.host + u':';
            },
            [&](ResultFile::Record &&record) {
                const std::optional<qint64> pages = record.pages >= 0 ? std::optional<qint64>(record.pages) : std::nullopt;
                location = hostPrefix + record.folder;
                path = pages ? QString() : FolderPath::child(location, record.name);
                merged.all.addFile(location, pages, record.worth, path, record.reason);
                if (depth == 0)
                    return;
                if (const QString client = clientPath(merged.sources[index].startFolder, record.folder, depth);
                    !client.isEmpty())
                    merged.clientTallies[clientOf(merged, client, index)].addFile(location, pages, record.worth, path,
                                                                                    record.reason);
            },
            [&](const ResultFile::Source &source) { merged.sources[index] = source; }};
    QString readError;
    if (!ResultFile::read(file, shownName, handlers, readError))
        return say(readError), false;
    if (!error.isEmpty())
        return say(error), false;
    return true;
}

// The report of `tally`, whose files came from `sources`; `below` is the
// client's folder below each start folder (empty: the whole search).
PageReport buildReport(const Merged &merged, PageReportTally &&tally, const std::vector<int> &sources,
                       const QString &below, const PageReportHeading &heading)
{
    const bool severalHosts = merged.hosts.size() > 1;
    QList<CriteriaLine> searched;
    QString startFolder, state;
    for (int index : sources) {
        const ResultFile::Source &source = merged.sources[index];
        const QString folder = below.isEmpty() ? source.startFolder : FolderPath::child(source.startFolder, below);
        const QString name = severalHosts ? source.host + u':' + folder : folder;
        if (sources.size() == 1)
            startFolder = name;
        if (source.cancelled)
            state = SearchRecord::TerminatedText;
        searched.append({QCoreApplication::translate("ReportRun", "Start folder"), shownText(name)});
        searched += source.searched;
    }
    if (!severalHosts && !merged.sources.empty()) {
        const qsizetype prefix = merged.sources.front().host.size() + 1;
        tally.renameLocations([prefix](const QString &name) { return name.mid(prefix); });
    }
    return std::move(tally).report(heading, searched, state, startFolder);
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
        say(QCoreApplication::translate("ReportRun", "cannot write %1: the name is not UTF-8").arg(path));
        return false;
    }
    QString error;
    const bool written = replaceFile(path, [&](QIODevice *device) {
        if (writePageReportPdf(report, device, layout))
            return true;
        error = QCoreApplication::translate("ReportRun", "the PDF could not be written whole");
        return false;
    }, &error);
    if (!written)
        say(QCoreApplication::translate("ReportRun", "cannot write %1: %2").arg(path, error));
    return written;
}

} // namespace

int runReport(const ReportOptions &options)
{
    Merged merged;
    for (const QString &input : options.inputs)
        if (!readInput(input, options.perFolderDepth, merged))
            return kStatusFailed;

    // Every name is settled before anything is written.
    const QString folder = options.folderReports.isEmpty() ? QFileInfo(options.output).absolutePath()
                                                           : options.folderReports;
    std::map<QString, int> clientFiles; // sorted, so the reports come in folder order
    const QString whole = QFileInfo(options.output).absoluteFilePath();
    for (int client = 0; client < merged.clients.size(); ++client) {
        const QString path = QDir(folder).absoluteFilePath(merged.clients[client] + QStringLiteral(".pdf"));
        if (path == whole) {
            say(QCoreApplication::translate("ReportRun", "the report of %1 would replace %2; name the whole report otherwise")
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
    if (!writeReport(options.output, buildReport(merged, std::move(merged.all), all, {}, heading), layout))
        return kStatusFailed;
    for (const auto &[path, client] : clientFiles) {
        if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
            say(QCoreApplication::translate("ReportRun", "cannot make the folder of %1").arg(path));
            return kStatusFailed;
        }
        const PageReport report = buildReport(merged, std::move(merged.clientTallies[client]),
                                              merged.clientSources[client], merged.clients[client], heading);
        if (!writeReport(path, report, layout))
            return kStatusFailed;
    }
    return kStatusWritten;
}
