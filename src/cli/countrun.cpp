#include "cli/countrun.h"

#include "base/folderpath.h"
#include "base/pathcodec.h"
#include "cli/countreport.h"
#include "cli/exitcodes.h"
#include "cli/fieldcodec.h"
#include "cli/output.h"
#include "cli/progress.h"
#include "cli/wakesignal.h"
#include "platform/console.h"
#include "platform/filesystem.h"
#include "search/searchrun.h"
#include "settings/productinfo.h"

#include <QCoreApplication>
#include <QSysInfo>

namespace {

// How long the run sleeps at most while waiting for a request: the bound on
// how late it notices Ctrl+C.
constexpr std::chrono::milliseconds kWaitSlice{50};

struct NoIcons : FileIconSource
{
    QVariant iconFor(const QString &) override { return {}; }
};

// A name's bytes survive the message as they are.
void say(const QString &message)
{
    Console::writeAll(Console::Stream::Error, "brimfold-count: " + PathCodec::encode(message) + '\n');
}

// A folder as a terminal can show it: its control characters escaped.
QString shownPath(const QString &path)
{
    return PathCodec::decode(FieldCodec::table(PathCodec::encode(path)));
}

} // namespace

int runCount(CountOptions options)
{
    const bool terminalOutput = Console::isTerminal(Console::Stream::Output);
    const OutputFormat format = options.format.value_or(terminalOutput ? OutputFormat::Table : OutputFormat::Tsv);
    Output output;
    Progress progress(!options.quiet && (options.progress || Console::isTerminal(Console::Stream::Error)));
    if (terminalOutput)
        output.beforeWrite = [&progress] { progress.clear(); };
    CountReport report(options.listing, format, output, progress);

    const std::shared_ptr<FolderLister> lister = createFolderLister();
    NoIcons icons;
    WakeSignal wakeSignal;
    std::unique_ptr<SearchRun> run;
    // Between files and while waiting: stop at Ctrl+C or when the output is gone.
    const auto check = [&] {
        if (Console::interrupted() || output.failed())
            run->requestCancel();
        else
            report.tick();
    };
    SearchRunPorts ports;
    ports.criteria = &options.criteria;
    ports.results = &report;
    ports.status = &report;
    ports.icons = &icons;
    ports.lister = lister;
    ports.yield = check;
    ports.ioThreads = options.jobs;
    ports.wait = [&] {
        wakeSignal.wait(kWaitSlice);
        check();
    };
    ports.wake = [&wakeSignal] { wakeSignal.wake(); };
    if (options.cache != CountOptions::Cache::Off)
        ports.pageCounts.cache = openPageCountCache();
    // A cache that cannot be used would only cost each file two more looks.
    const std::shared_ptr<PageCountCache> &cache = ports.pageCounts.cache;
    if (const QString problem = cache ? cache->problemOnceOpen() : QString(); !problem.isEmpty()) {
        ports.pageCounts.cache.reset();
        if (!options.quiet && (options.progress || options.verbose))
            say(QCoreApplication::translate("CountRun", "counting without the page-count cache: %1").arg(problem));
    }
    run = std::make_unique<SearchRun>(ports);
    const bool recount = options.cache == CountOptions::Cache::Recount;
    qint64 fromCache = 0;

    report.begin();
    bool folderFailed = false;
    for (const QString &folder : options.folders) {
        if (Console::interrupted() || output.failed())
            break;
        // The run shows an unreadable start folder as an empty one; a script
        // must hear of it.
        if (!lister->open(FolderPath::location(folder), FolderLister::LinkRule::FollowLink)) {
            progress.clear();
            say(QCoreApplication::translate("CountRun", "cannot search '%1': it cannot be opened or read")
                        .arg(shownPath(folder)));
            folderFailed = true;
            continue;
        }
        report.beginSearch({options.host.isEmpty() ? QSysInfo::machineHostName() : options.host, folder,
                            options.criteria.subfolders, criteriaInWords(options.criteria, QDate::currentDate()),
                            QDateTime::currentDateTime(), QString::fromLatin1(ProductInfo::kVersionLine)});
        run->RunSearch(folder, recount);
        report.endSearch(Console::interrupted());
        fromCache += run->countsFromCache();
    }
    if (options.verbose && !options.quiet) {
        progress.clear();
        say(QCoreApplication::translate("CountRun", "%1 of %2 counts came from the page-count cache")
                    .arg(fromCache)
                    .arg(report.totals().files));
    }
    const bool interrupted = Console::interrupted();
    if (!output.failed()) {
        if (interrupted)
            output.flush(); // the lines so far, but no totals line: they are not the totals
        else
            report.end();
    }
    progress.clear();
    if (output.pipeClosed())
        return ExitCode::PipeClosed;
    if (interrupted) {
        const FolderTotal &totals = report.totals();
        say(QCoreApplication::translate("CountRun", "interrupted; partial totals: %1 files, %2 pages, %3 unreadable")
                    .arg(totals.files)
                    .arg(totals.pages)
                    .arg(totals.unreadable));
        return ExitCode::Interrupted;
    }
    if (output.failed()) {
        say(QCoreApplication::translate("CountRun", "cannot write the output: %1").arg(output.error()));
        return ExitCode::FolderFailed;
    }
    if (folderFailed)
        return ExitCode::FolderFailed;
    return report.totals().unreadable > 0 ? ExitCode::SomeUnreadable : ExitCode::Counted;
}
