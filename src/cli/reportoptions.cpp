#include "cli/reportoptions.h"

#include "base/pathcodec.h"
#include "cli/helptext.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

constexpr int kMaxDepth = 64;

QString helpText()
{
    const QString usage =
            ReportOptions::tr("Usage: %1").arg(QStringLiteral("brimfold-report [OPTION]... -o REPORT.pdf [RESULT-FILE]..."));
    //: RESULT-FILE, host:/folder and - are written as the command line takes them.
    const QString about = ReportOptions::tr(
            "Make the page report of one or more result files of brimfold-count (--format jsonl), as the window's "
            "Page Report lays it out: what was searched, the totals by size and color, the pages per size class, a "
            "table per folder and the files that could not be counted. With no RESULT-FILE, or when it is -, reads "
            "standard input. Files from several hosts are merged, their folders named host:/folder.");
    // The options as the command line spells them; what they do in the reader's language.
    const QList<HelpText::Row> options{
            {QStringLiteral("  -o, --output FILE"), ReportOptions::tr("write the report of everything read to FILE")},
            {QStringLiteral("      --organisation TEXT"), ReportOptions::tr("the organisation line of the title block")},
            {QStringLiteral("      --reference TEXT"), ReportOptions::tr("the reference line of the title block")},
            {QStringLiteral("      --paper a4|letter"), ReportOptions::tr("the paper (default: the locale's)")},
            //: DEPTH names the option's value; /srv/scans/acme and acme.pdf are an example.
            {QStringLiteral("      --per-folder DEPTH"),
             ReportOptions::tr("also write one report per folder DEPTH levels below the start folders (1: "
                               "/srv/scans/acme gives acme.pdf), each with that folder's files alone, from every host")},
            {QStringLiteral("      --folder-reports DIR"),
             ReportOptions::tr("where those go (default: the folder of --output)")},
            {QStringLiteral("  -h, --help"), ReportOptions::tr("this help")},
            {QStringLiteral("      --version"), ReportOptions::tr("the program's version")},
    };
    //: 0, 1 and 2 are the exit codes a script reads.
    const QString status = ReportOptions::tr(
            "Exit status: 0 when every report was written, 1 for a wrong command line, 2 for a result file that cannot "
            "be read (cut off, of a later version, not a result file, or a second one of the same host and folder) or "
            "a report that cannot be written; no report is then left half-written, and a file of the same name stays "
            "as it was.");
    return HelpText::paragraph(usage) + HelpText::paragraph(about) + '\n'
           + HelpText::rows(options, HelpText::descriptionColumn(options)) + '\n' + HelpText::paragraph(status);
}

} // namespace

ParsedReportCommandLine parseReportCommandLine(const QList<QByteArray> &arguments)
{
    ParsedReportCommandLine parsed;
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({
            {{QStringLiteral("o"), QStringLiteral("output")}, {}, QStringLiteral("file")},
            {QStringLiteral("organisation"), {}, QStringLiteral("text")},
            {QStringLiteral("reference"), {}, QStringLiteral("text")},
            {QStringLiteral("paper"), {}, QStringLiteral("paper")},
            {QStringLiteral("per-folder"), {}, QStringLiteral("depth")},
            {QStringLiteral("folder-reports"), {}, QStringLiteral("dir")},
            {{QStringLiteral("h"), QStringLiteral("help")}, {}},
            {QStringLiteral("version"), {}},
    });
    QStringList words{QStringLiteral("brimfold-report")};
    for (const QByteArray &argument : arguments)
        words.append(PathCodec::decode(argument));
    const auto fail = [&](const QString &message) {
        parsed.action = ParsedReportCommandLine::Action::UsageError;
        parsed.text = message;
        return parsed;
    };
    if (!parser.parse(words))
        return fail(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        parsed.action = ParsedReportCommandLine::Action::Help;
        parsed.text = helpText();
        return parsed;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        parsed.action = ParsedReportCommandLine::Action::Version;
        return parsed;
    }
    ReportOptions &options = parsed.options;
    options.output = parser.value(QStringLiteral("output"));
    if (options.output.isEmpty())
        return fail(ReportOptions::tr("say where the report goes with -o FILE"));
    options.organisation = parser.value(QStringLiteral("organisation"));
    options.reference = parser.value(QStringLiteral("reference"));
    if (parser.isSet(QStringLiteral("paper"))) {
        const QString paper = parser.value(QStringLiteral("paper")).toLower();
        if (paper == QLatin1String("a4"))
            options.paper = ReportOptions::Paper::A4;
        else if (paper == QLatin1String("letter"))
            options.paper = ReportOptions::Paper::Letter;
        else
            return fail(ReportOptions::tr("--paper takes a4 or letter, not '%1'").arg(paper));
    }
    if (parser.isSet(QStringLiteral("per-folder"))) {
        bool ok = false;
        options.perFolderDepth = parser.value(QStringLiteral("per-folder")).toInt(&ok);
        if (!ok || options.perFolderDepth < 1 || options.perFolderDepth > kMaxDepth)
            return fail(ReportOptions::tr("--per-folder takes a depth from 1 to %1").arg(kMaxDepth));
    }
    options.folderReports = parser.value(QStringLiteral("folder-reports"));
    if (!options.folderReports.isEmpty() && options.perFolderDepth == 0)
        return fail(ReportOptions::tr("--folder-reports needs --per-folder"));
    options.inputs = parser.positionalArguments();
    if (options.inputs.isEmpty())
        options.inputs.append(QStringLiteral("-"));
    if (options.inputs.count(QStringLiteral("-")) > 1)
        return fail(ReportOptions::tr("standard input can be read only once"));
    parsed.action = ParsedReportCommandLine::Action::Run;
    return parsed;
}
