#include "cli/options.h"

#include "base/pathcodec.h"
#include "cli/helptext.h"
#include "search/iopool.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

#include <initializer_list>
#include <optional>
#include <utility>

namespace {

constexpr qint64 kMaxPeriod = 32767;      // what the window's period box takes
constexpr qint64 kMaxSizeKB = 2147483647; // and its size boxes
constexpr int kMaxJobs = 256;

// Options whose value is two words ("--between 2024-01-01 2024-01-31"):
// joined into one, which the parser can carry.
QStringList joinTwoWordValues(const QStringList &arguments)
{
    static const QRegularExpression unit(QStringLiteral("^(days?|months?)$"));
    QStringList joined;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--")) {
            joined += arguments.mid(i);
            break;
        }
        int words = 0;
        if (argument == QLatin1String("--between") || argument == QLatin1String("--size-between"))
            words = 2;
        else if (argument == QLatin1String("--within"))
            words = i + 2 < arguments.size() && unit.match(arguments[i + 2]).hasMatch() ? 2 : 1;
        if (words > 0 && i + words < arguments.size()) {
            joined += argument + u'=' + arguments.mid(i + 1, words).join(u' ');
            i += words;
            continue;
        }
        joined += argument;
    }
    return joined;
}

std::optional<qint64> wholeNumber(const QString &text, qint64 maximum)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,12}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const qint64 value = text.toLongLong();
    return value <= maximum ? std::optional(value) : std::nullopt;
}

// What `word` names among `choices`, or nothing.
template <typename Value>
std::optional<Value> chosen(const QString &word, std::initializer_list<std::pair<const char *, Value>> choices)
{
    for (const auto &[name, value] : choices) {
        if (word == QLatin1String(name))
            return value;
    }
    return std::nullopt;
}

QStringList twoWords(const QString &value)
{
    return value.split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
}

struct Reader
{
    QCommandLineParser &parser;
    CountOptions &options;
    QString error;

    bool fail(const QString &message)
    {
        if (error.isEmpty())
            error = message;
        return false;
    }

    bool readDate()
    {
        const bool within = parser.isSet(QStringLiteral("within"));
        const bool between = parser.isSet(QStringLiteral("between"));
        const bool typeSet = parser.isSet(QStringLiteral("date"));
        if (!within && !between)
            return !typeSet || fail(CountOptions::tr("--date needs --within or --between"));
        if (within && between)
            return fail(CountOptions::tr("--within and --between cannot be used together"));
        CriteriaValues &c = options.criteria;
        c.date = true;
        const QString type = typeSet ? parser.value(QStringLiteral("date")) : QStringLiteral("modified");
        const auto dateType = chosen<QString>(type, {{"modified", CriteriaDefaults::FilesModified},
                                                     {"created", CriteriaDefaults::FilesCreated},
                                                     {"accessed", CriteriaDefaults::FilesLastAccessed}});
        if (!dateType)
            return fail(CountOptions::tr("--date takes created, modified or accessed, not '%1'").arg(type));
        c.dateType = *dateType;
        if (within) {
            static const QRegularExpression form(QStringLiteral("^\\s*([0-9]{1,12})\\s*(d|days?|m|months?)?\\s*$"));
            const auto match = form.match(parser.value(QStringLiteral("within")));
            const auto count = match.hasMatch() ? wholeNumber(match.captured(1), kMaxPeriod) : std::nullopt;
            if (!count)
                return fail(CountOptions::tr("--within takes a number of days or months from 0 to %1").arg(kMaxPeriod));
            c.inPeriod = true;
            c.period = QString::number(*count);
            c.unit = match.captured(2).startsWith(u'm') ? CriteriaDefaults::Months : CriteriaDefaults::Days;
            return true;
        }
        const QStringList dates = twoWords(parser.value(QStringLiteral("between")));
        const QDate from = dates.size() == 2 ? QDate::fromString(dates[0], Qt::ISODate) : QDate();
        const QDate to = dates.size() == 2 ? QDate::fromString(dates[1], Qt::ISODate) : QDate();
        if (!from.isValid() || !to.isValid() || from > to)
            return fail(CountOptions::tr("--between takes two dates YYYY-MM-DD, the first not after the second"));
        c.inPeriod = false;
        c.from = from;
        c.to = to;
        return true;
    }

    bool readSize()
    {
        const QStringList names = {QStringLiteral("size-at-least"), QStringLiteral("size-at-most"),
                                   QStringLiteral("size-between")};
        int given = 0;
        for (const QString &name : names)
            given += parser.isSet(name) ? 1 : 0;
        if (given == 0)
            return true;
        if (given > 1)
            return fail(CountOptions::tr("use only one of --size-at-least, --size-at-most and --size-between"));
        CriteriaValues &c = options.criteria;
        c.size = true;
        if (parser.isSet(names[2])) {
            const QStringList limits = twoWords(parser.value(names[2]));
            const auto from = limits.size() == 2 ? wholeNumber(limits[0], kMaxSizeKB) : std::nullopt;
            const auto to = limits.size() == 2 ? wholeNumber(limits[1], kMaxSizeKB) : std::nullopt;
            if (!from || !to || *from > *to)
                return fail(CountOptions::tr("--size-between takes two sizes in KB, the first not above the second"));
            c.sizeAt = false;
            c.sizeFrom = QString::number(*from);
            c.sizeTo = QString::number(*to);
            return true;
        }
        const bool least = parser.isSet(names[0]);
        const auto limit = wholeNumber(parser.value(least ? names[0] : names[1]), kMaxSizeKB);
        if (!limit)
            return fail(CountOptions::tr("--%1 takes a size in KB from 0 to %2")
                                .arg(least ? names[0] : names[1])
                                .arg(kMaxSizeKB));
        c.sizeAt = true;
        c.leastMost = least ? CriteriaDefaults::Least : CriteriaDefaults::Most;
        c.limit = QString::number(*limit);
        return true;
    }

    bool readOutput()
    {
        if (parser.isSet(QStringLiteral("format"))) {
            const QString format = parser.value(QStringLiteral("format"));
            options.format = chosen<OutputFormat>(
                format, {{"table", OutputFormat::Table}, {"csv", OutputFormat::Csv}, {"tsv", OutputFormat::Tsv},
                         {"jsonl", OutputFormat::Jsonl}});
            if (!options.format)
                return fail(CountOptions::tr("--format takes table, csv, tsv or jsonl, not '%1'").arg(format));
        }
        const bool total = parser.isSet(QStringLiteral("total"));
        const bool folders = parser.isSet(QStringLiteral("folders"));
        if (total && folders)
            return fail(CountOptions::tr("--total and --folders cannot be used together"));
        options.listing = total ? Listing::Total : folders ? Listing::Folders : Listing::Files;
        if (options.format == OutputFormat::Jsonl && options.listing != Listing::Files)
            return fail(CountOptions::tr("--format jsonl lists every file; it takes no --total or --folders"));
        options.host = parser.value(QStringLiteral("host"));
        options.jobs = IoPool::kDefaultThreads;
        if (parser.isSet(QStringLiteral("jobs"))) {
            const auto jobs = wholeNumber(parser.value(QStringLiteral("jobs")), kMaxJobs);
            if (!jobs)
                return fail(CountOptions::tr("--jobs takes a number from 0 to %1").arg(kMaxJobs));
            options.jobs = int(*jobs);
        }
        options.quiet = parser.isSet(QStringLiteral("quiet"));
        options.progress = parser.isSet(QStringLiteral("progress"));
        options.verbose = parser.isSet(QStringLiteral("verbose"));
        const bool noCache = parser.isSet(QStringLiteral("no-cache"));
        const bool recount = parser.isSet(QStringLiteral("recount"));
        if (noCache && recount)
            return fail(CountOptions::tr("--no-cache and --recount cannot be used together"));
        options.cache = noCache ? CountOptions::Cache::Off
                        : recount ? CountOptions::Cache::Recount
                                  : CountOptions::Cache::Use;
        return true;
    }
};

// The options, each with what it does in the reader's language; a value's
// name (KB, N...) is the same in every language, as the descriptions name it.
QList<QCommandLineOption> countOptions()
{
    return {
        {{"r", "subfolders"}, CountOptions::tr("Search the subfolders too.")},
        {{"a", "hidden"}, CountOptions::tr("Include hidden files.")},
        {"filter",
         CountOptions::tr("File name patterns, separated by ',' or ';' (default %1; %2 for every file).")
                 .arg(CriteriaDefaults::FilterPattern, CriteriaDefaults::AllFilesPattern),
         "PATTERNS"},
        //: created, modified and accessed are the words the option takes: they stay in English.
        {"date", CountOptions::tr("Which date --within and --between test: created, modified (default) or accessed."),
         "WHICH"},
        //: N names the option's value.
        {"within", CountOptions::tr("Files whose date lies within the last N days or months (whole local days)."),
         "N days|months"},
        {"between", CountOptions::tr("Files whose date lies between two days, both included."), "YYYY-MM-DD YYYY-MM-DD"},
        //: KB names the option's value.
        {"size-at-least", CountOptions::tr("Files of at least KB kilobytes (sizes rounded up to whole KB)."), "KB"},
        {"size-at-most", CountOptions::tr("Files of at most KB kilobytes."), "KB"},
        //: FROM and TO name the option's two values.
        {"size-between", CountOptions::tr("Files of FROM to TO kilobytes."), "FROM TO"},
        //: table, csv, tsv and jsonl are the format names the option takes: they stay in English.
        {"format",
         CountOptions::tr("Output: table, csv or tsv (default table on a terminal, else tsv), or jsonl: a result file "
                          "for brimfold-report."),
         "FORMAT"},
        {"host", CountOptions::tr("The host a result file names (default this machine's name)."), "NAME"},
        {"total", CountOptions::tr("Write only the totals: files, pages, unreadable files.")},
        {"folders", CountOptions::tr("Write one line per folder with files, then the totals.")},
        {{"j", "jobs"},
         CountOptions::tr("Requests in flight at once (default %1; 0 asks one at a time).").arg(IoPool::kDefaultThreads),
         "N"},
        {{"q", "quiet"}, CountOptions::tr("No progress line.")},
        {"progress", CountOptions::tr("Show the progress line (default when standard error is a terminal).")},
        {{"v", "verbose"}, CountOptions::tr("Say on standard error how many counts came from the page-count cache.")},
        {"no-cache", CountOptions::tr("Neither read nor write the page-count cache: count every file.")},
        {"recount", CountOptions::tr("Count every file and replace what the page-count cache holds for it.")},
        {"version", CountOptions::tr("Show the version.")},
        {{"h", "help"}, CountOptions::tr("Show this help.")},
    };
}

// The help as the parser of Qt lays it out, wrapped by the columns a
// translation takes on a terminal.
QString helpText(const QList<QCommandLineOption> &options)
{
    QList<HelpText::Row> rows;
    for (const QCommandLineOption &option : options) {
        QStringList names;
        for (const QString &name : option.names())
            names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        const QString value = option.valueName().isEmpty() ? QString() : " <" + option.valueName() + '>';
        rows.append({"  " + names.join(QStringLiteral(", ")) + value, option.description()});
    }
    const QList<HelpText::Row> arguments{{QStringLiteral("  FOLDER"), CountOptions::tr("Folders to search.")}};
    const int column = HelpText::descriptionColumn(rows + arguments);
    // Named as its complaints name it, wherever it was started from.
    const QString usage = CountOptions::tr("Usage: %1").arg(QStringLiteral("brimfold-count [options] FOLDER..."));
    //: FOLDER names the program's arguments.
    const QString about = CountOptions::tr(
            "Finds TIFF files in each FOLDER, counts their pages and writes one line per file.");
    return HelpText::paragraph(usage) + HelpText::paragraph(about) + '\n' + CountOptions::tr("Options:") + '\n'
           + HelpText::rows(rows, column) + '\n' + CountOptions::tr("Arguments:") + '\n'
           + HelpText::rows(arguments, column);
}

} // namespace

ParsedCommandLine parseCommandLine(const QList<QByteArray> &arguments)
{
    QStringList words{QStringLiteral("brimfold-count")};
    for (const QByteArray &argument : arguments)
        words.append(PathCodec::decode(argument));
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    const QList<QCommandLineOption> options = countOptions();
    parser.addOptions(options);
    ParsedCommandLine result;
    if (!parser.parse(joinTwoWordValues(words))) {
        result.text = parser.errorText();
        return result;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        result.action = ParsedCommandLine::Action::Help;
        result.text = helpText(options);
        return result;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        result.action = ParsedCommandLine::Action::Version;
        return result;
    }
    CountOptions &count = result.options;
    count.criteria.subfolders = parser.isSet(QStringLiteral("subfolders"));
    count.criteria.hidden = parser.isSet(QStringLiteral("hidden"));
    if (parser.isSet(QStringLiteral("filter")))
        count.criteria.filter = parser.value(QStringLiteral("filter"));
    Reader reader{parser, count, {}};
    if (!reader.readDate() || !reader.readSize() || !reader.readOutput()) {
        result.text = reader.error;
        return result;
    }
    count.folders = parser.positionalArguments();
    if (count.folders.isEmpty()) {
        result.text = CountOptions::tr("no FOLDER given");
        return result;
    }
    result.action = ParsedCommandLine::Action::Run;
    return result;
}
