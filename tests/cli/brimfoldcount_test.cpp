// brimfold-count, run as a program over real folder trees.
#include "base/pathcodec.h"
#include "platform/filesystem.h"
#include "results/columnindex.h"
#include "search/searchrun.h"
#include "support/pdftext.h"
#include "support/rawtree.h"
#include "support/searchfakes.h"
#include "support/tempfiles.h"
#include "support/tiffbytes.h"
#include "support/totalstree.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace TestSupport;

namespace {

using Rows = QList<QList<QByteArray>>;

// A run that hangs fails its test function and is killed, well before the
// function's own deadline (QTEST_FUNCTION_TIMEOUT) ends the whole test.
constexpr int kDeadlineMs = 20000;

struct Ran
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Ran runProgram(const QString &program, const QStringList &arguments, const QString &language = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    if (!language.isEmpty())
        env.insert(QStringLiteral("LANGUAGE"), language);
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(kDeadlineMs);
    return {finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

Ran runCount(const QStringList &arguments)
{
    return runProgram(QStringLiteral(BRIMFOLD_COUNT), arguments);
}

// The totals block of a report's PDF, in its order: files, pages,
// A4-equivalent, color, grayscale, black-and-white, unknown-mode and
// unknown-size pages, unreadable files.
QList<qint64> reportTotals(const QString &pdf)
{
    const QString text = pdfTextPages(pdf).value(0);
    QList<qint64> totals;
    for (const char *label : {"Files", "Pages", "A4-equivalent pages", "Color pages", "Grayscale pages",
                              "Black-and-white pages", "Pages of unknown mode", "Pages of unknown size",
                              "Unreadable files"}) {
        const QRegularExpression line(QStringLiteral("^%1 ([0-9,.]+)$").arg(label), QRegularExpression::MultilineOption);
        totals << line.match(text).captured(1).remove(u',').remove(u'.').toLongLong();
    }
    return totals;
}

QList<qint64> reportTotals(const TreeSums &s)
{
    const auto at = [](const auto &map, auto key) { return map.count(key) ? map.at(key) : 0; };
    return {s.files, s.pages, s.a4Equivalent, at(s.modes, CaptureMode::Color), at(s.modes, CaptureMode::Grayscale),
            at(s.modes, CaptureMode::BlackAndWhite), at(s.modes, CaptureMode::Unknown), at(s.sizes, PageSize::Unknown),
            s.unreadable};
}

// RFC 4180 as a reader takes it: quoted fields with doubled quotes, CR LF lines.
Rows parseCsv(const QByteArray &text)
{
    Rows rows(1);
    QByteArray field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted && c == '"' && text.mid(i + 1, 1) == "\"")
            field += text[++i];
        else if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == ',' || c == '\r')) {
            rows.last().append(std::exchange(field, {}));
            if (c == '\r' && text.mid(++i, 1) == "\n" && i + 1 < text.size())
                rows.append(QList<QByteArray>());
        } else
            field += c;
    }
    return rows;
}

Rows parseTsv(const QByteArray &text)
{
    Rows rows;
    for (const QByteArray &line : text.split('\n')) {
        if (line.isEmpty())
            continue;
        rows.append(QList<QByteArray>());
        for (const QByteArray &escaped : line.split('\t')) {
            QByteArray field;
            for (qsizetype i = 0; i < escaped.size(); ++i) {
                const char c = escaped[i] == '\\' ? escaped[++i] : 0;
                field += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c ? c : escaped[i];
            }
            rows.last().append(field);
        }
    }
    return rows;
}

QByteArray tiff(int pages)
{
    TiffBuilder builder;
    builder.addPages(pages);
    return builder.bytes();
}

// Column `index` of the data rows, sorted (one folder's listing order is the platform's).
QList<QByteArray> column(Rows rows, int index)
{
    QList<QByteArray> values;
    for (const auto &row : rows.mid(1))
        values.append(row.value(index));
    std::sort(values.begin(), values.end());
    return values;
}

} // namespace

class BrimfoldCountTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void machineFormatsCarryExactNames_data();
    void machineFormatsCarryExactNames();
    void optionsAndExitCodes_data();
    void optionsAndExitCodes();
    void folderAndTotalLines_data();
    void folderAndTotalLines();
    void sameRowsAsTheWindowSearch();
    void interruptWritesPartialTotals();
    void closedPipeEndsQuietly();
    void needsNoDisplayLibraries();
    void reportMergesHostsAndSplitsPerFolder();
    void reportCommandLine_data();
    void reportCommandLine();
    void reportRefusesWhatIsNotAWholeResultFile_data();
    void reportRefusesWhatIsNotAWholeResultFile();
    void speaksTheReadersLanguage_data();
    void speaksTheReadersLanguage();
    void cleanupTestCase() { removeTree(PathCodec::encode(m_temp.path())); } // names Qt cannot spell

private:
    QTemporaryDir m_temp;
    QString m_root;
    QString m_many;
};

void BrimfoldCountTest::initTestCase()
{
    QVERIFY(m_temp.isValid());
    m_root = m_temp.path() + QStringLiteral("/tree");
    m_many = m_temp.path() + QStringLiteral("/many");
    writeFile(m_root + "/a.tif", tiff(2));
    writeFile(m_root + "/bad.tif", QByteArray("II*\0junk", 8));
    writeFile(m_root + "/notes.txt", "text");
    writeFile(m_root + "/sub/b.TIFF", tiff(3));
    TiffBuilder colorA3; // 200 dpi
    colorA3.addPage(sizedPage(2339, 3307, 200, 200, TiffCapture::Rgb));
    writeFile(m_root + "/old/c.tif", colorA3.bytes());
    setModified(m_root + "/old/c.tif", QDateTime(QDate(2001, 6, 15), QTime(12, 0)));
    for (const QByteArray &name : {QByteArray("tab\t\rx.tif"), QByteArray("nl\nx.tif"), QByteArray("q\"x,y.tif"),
                                   QByteArray("back\\x.tif"), QByteArray("\xff\xfe.tif")})
        QVERIFY(writeRawFile(PathCodec::encode(m_root) + "/sub/" + name, tiff(1)));
    // Enough long names that the output outgrows a pipe's buffer.
    for (int i = 0; i < 1500; ++i)
        writeFile(m_many + "/" + QString(100, u'n') + QString::number(i) + ".tif", QByteArray());
    writeTotalsTree(m_temp.path() + "/totals");
}

void BrimfoldCountTest::machineFormatsCarryExactNames_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("csv") << "csv";
    QTest::newRow("tsv") << "tsv";
}

void BrimfoldCountTest::machineFormatsCarryExactNames()
{
    QFETCH(QString, format);
    qputenv("TZ", "XST+3:30"); // a zone west of UTC, off by a half hour
    const Ran ran = runCount({"-r", "--format", format, m_root});
    qunsetenv("TZ");
    QCOMPARE(ran.exitCode, 3); // bad.tif
    const Rows rows = format == "csv" ? parseCsv(ran.out) : parseTsv(ran.out);
    QCOMPARE(rows.value(0), QList<QByteArray>({"path", "folder", "name", "size", "size_kb", "modified", "pages", "reason",
                                               "a4_equivalent", "color", "grayscale", "black_and_white",
                                               "unknown_size", "sizes"}));
    for (const auto &row : rows.mid(1)) {
        QCOMPARE(row.size(), 14);
        QCOMPARE(row[0], row[1] + '/' + row[2]);
        QVERIFY(QFileInfo::exists(PathCodec::decode(row[0])) || row[2].contains('\xff'));
    }
    const QByteArray root = PathCodec::encode(m_root);
    QCOMPARE(column(rows, 2), QList<QByteArray>({"a.tif", "b.TIFF", "back\\x.tif", "bad.tif", "c.tif", "nl\nx.tif",
                                                 "q\"x,y.tif", "tab\t\rx.tif", "\xff\xfe.tif"}));
    QCOMPARE(column(rows, 6), QList<QByteArray>({"", "1", "1", "1", "1", "1", "1", "2", "3"}));
    QCOMPARE(column(rows, 7).last(), QByteArray("The first image directory lies outside the file"));
    const QDateTime modified = QFileInfo(m_root + "/a.tif").lastModified();
    QCOMPARE(rows.value(1).value(5), modified.toOffsetFromUtc(-12600).toString(Qt::ISODate).toUtf8());
    QVERIFY(ran.out.contains(QByteArray(root + "/sub/\xff\xfe.tif"))); // bytes, not replacement marks
}

void BrimfoldCountTest::optionsAndExitCodes_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArrayList>("names"); // sorted
    QTest::addColumn<QByteArray>("message");   // part of standard error
    const QByteArrayList top = {"a.tif", "bad.tif"};
    QTest::newRow("top folder only") << QStringList() << 3 << top << QByteArray();
    QTest::newRow("filter") << QStringList{"-r", "--filter", "a.*;c*"} << 0 << QByteArrayList{"a.tif", "c.tif"}
                            << QByteArray();
    QTest::newRow("all files") << QStringList{"--filter", "*.*"} << 3 << QByteArrayList{"a.tif", "bad.tif", "notes.txt"}
                               << QByteArray();
    QTest::newRow("size") << QStringList{"-r", "--size-at-least", "2"} << 0 << QByteArrayList() << QByteArray();
    QTest::newRow("between") << QStringList{"-r", "--between", "2001-06-01", "2001-06-30"} << 0
                             << QByteArrayList{"c.tif"} << QByteArray();
    QTest::newRow("between one day") << QStringList{"-r", "--between", "2001-06-15", "2001-06-15"} << 0
                                     << QByteArrayList{"c.tif"} << QByteArray();
    QTest::newRow("within") << QStringList{"-ra", "--date", "modified", "--within", "2", "months", "--filter", "?.tif"}
                            << 0 << QByteArrayList{"a.tif"} << QByteArray();
    QTest::newRow("bad format") << QStringList{"--format", "xml"} << 1 << QByteArrayList() << QByteArray("--help");
    QTest::newRow("bad period") << QStringList{"--within", "soon"} << 1 << QByteArrayList() << QByteArray("--within");
    QTest::newRow("two listings") << QStringList{"--total", "--folders"} << 1 << QByteArrayList() << QByteArray("--total");
    QTest::newRow("a result file of totals") << QStringList{"--format", "jsonl", "--total"} << 1 << QByteArrayList()
                                             << QByteArray("--format jsonl lists every file");
    QTest::newRow("cache both skipped and renewed") << QStringList{"--no-cache", "--recount"} << 1 << QByteArrayList()
                                                    << QByteArray("--no-cache");
    QTest::newRow("missing folder") << QStringList{"missing"} << 2 << top << QByteArray("cannot search");
}

void BrimfoldCountTest::optionsAndExitCodes()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QByteArrayList, names);
    QFETCH(QByteArray, message);
    const bool missing = arguments.contains("missing");
    if (missing)
        arguments = {m_temp.path() + "/missing", m_root};
    else
        arguments << m_root;
    const Ran ran = runCount(QStringList{"--format", "tsv"} + arguments);
    QCOMPARE(ran.exitCode, exitCode);
    if (exitCode != 1)
        QCOMPARE(column(parseTsv(ran.out), 2), names);
    QVERIFY2(ran.err.contains(message), ran.err.constData());
}

void BrimfoldCountTest::folderAndTotalLines_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("listing"); // none: a line per file
    for (const QString format : {"csv", "tsv", "table"})
        for (const QString listing : {"--folders", "--total", ""})
            QTest::addRow("%s %s", qPrintable(format), listing.isEmpty() ? "files" : qPrintable(listing))
                    << format << listing;
}

// Over a tree whose every total differs from every other: each line against
// sums of what was written; the lines of the files add up to them.
void BrimfoldCountTest::folderAndTotalLines()
{
    QFETCH(QString, format);
    QFETCH(QString, listing);
    const QString root = m_temp.path() + "/totals";
    const Ran ran = runCount(QStringList{"-r", "--format", format, root} + QStringList{listing}.filter(u"-"));
    QCOMPARE(ran.exitCode, 3); // unreadable files
    const QMap<QString, TreeSums> sums = totalsTreeSums();
    const bool table = format == "table";
    Rows lines = format == "csv" ? parseCsv(ran.out) : parseTsv(ran.out);
    if (listing.isEmpty() && table) { // the totals, and a file's pages, then its A4-equivalent pages
        QVERIFY(ran.out.endsWith(QStringLiteral("%1 file(s) found, %2 unreadable, Total Pages : %3\n")
                                         .arg(sums[""].files).arg(sums[""].unreadable).arg(sums[""].pages).toUtf8()));
        QVERIFY(runCount({"--format", "table", m_root + "/old"}).out.split('\n').value(1).simplified().endsWith(" 1 2"));
    } else if (listing.isEmpty()) {
        QMap<QString, QList<qint64>> got, expected;
        for (const QByteArrayList &row : lines.mid(1)) {
            QList<qint64> add{1, row[6].toLongLong(), row[6].isEmpty()}; // then A4-equivalent to unknown size
            for (const QByteArray &field : row.mid(8, 5))
                add << field.toLongLong();
            for (const QString &folder : {QDir(root).relativeFilePath(PathCodec::decode(row[1])), QString()}) {
                got[folder].resize(add.size());
                for (qsizetype i = 0; i < add.size(); ++i)
                    got[folder][i] += add[i];
            }
        }
        for (auto [folder, s] : sums.asKeyValueRange())
            expected[folder] = s.counts();
        QCOMPARE(got, expected);
    } else {
        Rows expected;
        for (auto [folder, s] : sums.asKeyValueRange()) {
            QByteArrayList line;
            if (listing == "--folders")
                line << (folder.isEmpty() ? QByteArray(table ? "Total" : "") : PathCodec::encode(root + '/' + folder));
            for (qint64 count : s.counts())
                line << QByteArray::number(count);
            line << s.sizesText(table ? ", " : ";", table ? " " : "=").toUtf8();
            if (listing == "--folders" || folder.isEmpty())
                expected << (table ? QByteArrayList{line.join(' ')} : line);
        }
        lines.removeFirst(); // the captions
        if (table) // columns padded with spaces
            for (QByteArrayList &line : lines)
                line = {line.first().simplified()};
        if (listing == "--total") { // thousands grouped for people only, numbers right-aligned
            QVERIFY(!table || ran.out.split('\n').value(1).startsWith(' '));
            const QByteArray many = runCount({"--total", "--format", format, m_many}).out.split('\n').value(1).simplified();
            QVERIFY2(many.startsWith(table ? "1,500 " : "1500"), many.constData());
        }
        std::sort(lines.begin(), lines.end()); // the order of a folder's subfolders is the platform's
        std::sort(expected.begin(), expected.end());
        QCOMPARE(lines, expected);
    }
}

void BrimfoldCountTest::sameRowsAsTheWindowSearch()
{
    FakeCriteria criteria;
    criteria.subfolders = true;
    RecordingResults results;
    RecordingStatus status;
    CountingIcons icons;
    const std::shared_ptr<FolderLister> lister = createFolderLister();
    SearchRun run{SearchRunPorts{&criteria, &results, &status, &icons, lister, [] {}}};
    run.RunSearch(m_root);
    const Rows cli = parseTsv(runCount({"-r", "--format", "tsv", m_root}).out);
    QCOMPARE(cli.size() - 1, results.rows.size());
    for (qsizetype i = 0; i < results.rows.size(); ++i) {
        const QStringList &window = results.rows[i];
        QCOMPARE(cli[i + 1][0], PathCodec::encode(window[ResultColumns::FullPath])); // walk order too
        QCOMPARE(cli[i + 1][4], window[ResultColumns::SizeInKB].toUtf8());
        QCOMPARE(cli[i + 1][6].isEmpty() ? QByteArray(PagesErrorText.toLatin1()) : cli[i + 1][6],
                 window[ResultColumns::Pages].toUtf8());
    }
    QVERIFY(status.pageTotal.endsWith(" 11"));
}

void BrimfoldCountTest::interruptWritesPartialTotals()
{
    // The unread pipe fills and the program waits in a write, still
    // counting, when Ctrl+C comes.
    QProcess process;
    process.start(QStringLiteral(BRIMFOLD_COUNT), {"--format", "tsv", m_many});
    QVERIFY(process.waitForReadyRead(kDeadlineMs));
    ::kill(pid_t(process.processId()), SIGINT);
    QVERIFY(process.waitForFinished(kDeadlineMs));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 130);
    const QByteArray err = process.readAllStandardError();
    QVERIFY2(err.contains("interrupted; partial totals: "), err.constData());
    const qint64 files = err.mid(err.indexOf("totals: ") + 8).split(' ').value(0).toLongLong();
    QVERIFY2(files > 0 && files < 1500, err.constData());
}

void BrimfoldCountTest::closedPipeEndsQuietly()
{
    QProcess shell;
    shell.start("bash", {"-c", "set -o pipefail; \"$0\" -r \"$1\" | head -n 1 >/dev/null", BRIMFOLD_COUNT, m_many});
    QVERIFY(shell.waitForFinished(kDeadlineMs));
    QCOMPARE(shell.exitCode(), 141);
    QCOMPARE(shell.readAllStandardError(), QByteArray());
}

void BrimfoldCountTest::needsNoDisplayLibraries()
{
    QProcess ldd;
    ldd.start("ldd", {BRIMFOLD_COUNT});
    QVERIFY(ldd.waitForFinished(kDeadlineMs));
    const QByteArray libraries = ldd.readAllStandardOutput();
    QVERIFY(libraries.contains("libQt6Core"));
    QVERIFY2(!libraries.contains("libQt6Gui") && !libraries.contains("libQt6Widgets"), libraries.constData());
}

// Two hosts' counts merged into one report and split per client folder:
// each report's totals are the sums of what was written for its folders.
void BrimfoldCountTest::reportMergesHostsAndSplitsPerFolder()
{
    const QString out = m_temp.path() + "/reports";
    writeTotalsTree(out + "/s1");
    writeTotalsTree(out + "/s2");
    QVERIFY(QDir(out + "/s2/a/deep").removeRecursively()); // the hosts differ
    for (const QString host : {"s1", "s2"}) {
        const Ran ran = runCount({"-r", "-q", "--format", "jsonl", "--host", host, out + '/' + host});
        QCOMPARE(ran.exitCode, 3);
        writeFile(out + '/' + host + ".jsonl", ran.out);
    }
    const Ran ran = runProgram(BRIMFOLD_REPORT, {"-o", out + "/all.pdf", "--per-folder", "1", "--folder-reports",
                                                 out + "/clients", out + "/s1.jsonl", out + "/s2.jsonl"});
    QVERIFY2(ran.exitCode == 0, ran.err.constData());
    const QMap<QString, TreeSums> sums = totalsTreeSums();
    QMap<QString, QList<qint64>> expected; // by report: the whole, then each client
    for (auto [folder, s] : sums.asKeyValueRange()) {
        if (folder.isEmpty())
            continue;
        const QString client = "clients/" + folder.section(u'/', 0, 0) + ".pdf";
        for (const QString &report : {QStringLiteral("all.pdf"), client})
            for (int host = folder == "a/deep" ? 1 : 2; host > 0; --host) {
                const QList<qint64> add = reportTotals(s);
                expected[report].resize(add.size());
                for (qsizetype i = 0; i < add.size(); ++i)
                    expected[report][i] += add[i];
            }
    }
    QCOMPARE(expected.size(), 3);
    for (auto [report, totals] : expected.asKeyValueRange())
        QCOMPARE(reportTotals(out + '/' + report), totals);
    QVERIFY(hasLine(pdfTextPages(out + "/clients/a.pdf").value(0), "Start folder s2:" + out + "/s2/a"));
}

// A report of anything but whole result files, each search once, is refused
// by file and line, and the report's file stays as it was.
void BrimfoldCountTest::reportRefusesWhatIsNotAWholeResultFile_data()
{
    QTest::addColumn<QByteArrayList>("inputs");
    QTest::addColumn<QString>("error");
    const QByteArray source = R"({"brimfold_results":1,"host":"h","start_folder":"/s","searched":[]})" "\n";
    const QByteArray file = R"({"folder":"/s","name":"a.tif","size":1,"modified":"","pages":2,"worth":""})" "\n";
    const QByteArray end = R"({"end":true,"files":1})" "\n";
    QTest::newRow("empty") << QByteArrayList{""} << "in0:0: the file is empty";
    QTest::newRow("tsv") << QByteArrayList{"path\tfolder\n"} << "in0:1: not a result file";
    QTest::newRow("later version") << QByteArrayList{R"({"brimfold_results":2})" "\n"}
                                   << "in0:1: written in a later format (version 2;";
    QTest::newRow("cut mid-record") << QByteArrayList{source + file.left(30)} << "in0:2: the file ends inside a record";
    QTest::newRow("cut between") << QByteArrayList{source + file} << "in0:2: the file ends before its end record";
    QTest::newRow("a record lost") << QByteArrayList{source + end} << "in0:2: the end record counts 1 files where 0";
    QTest::newRow("after the end") << QByteArrayList{source + file + end + file} << "in0:4: a record after the end";
    QTest::newRow("no end between") << QByteArrayList{source + source} << "in0:2: a search begins before";
    QTest::newRow("garbled") << QByteArrayList{source + R"({"folder":"/s","name":)" "\n"} << "in0:2: not a record";
    QTest::newRow("no pages") << QByteArrayList{source + R"({"name":"a.tif"})" "\n" + end}
                              << "in0:2: a file's record without";
    QTest::newRow("nowhere to write") << QByteArrayList{source + file + end} << "cannot write"; // into a missing folder
    QTest::newRow("twice") << QByteArrayList{source + file + end, source + file + end}
                           << "in1 holds the results of h:/s a second time";
}

void BrimfoldCountTest::reportRefusesWhatIsNotAWholeResultFile()
{
    QFETCH(QByteArrayList, inputs);
    QFETCH(QString, error);
    const QString dir = m_temp.path() + "/refused";
    writeFile(dir + "/report.pdf", "the last report");
    QStringList arguments{"-o", dir + (error == "cannot write" ? "/missing/report.pdf" : "/report.pdf")};
    for (int i = 0; i < inputs.size(); ++i) {
        writeFile(dir + "/in" + QString::number(i), inputs[i]);
        arguments << "in" + QString::number(i);
    }
    QProcess process;
    process.setWorkingDirectory(dir);
    process.start(BRIMFOLD_REPORT, arguments);
    QVERIFY(process.waitForFinished(kDeadlineMs));
    QCOMPARE(process.exitCode(), 2);
    const QString said = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(said.contains("brimfold-report: " + error), qPrintable(said));
    QFile report(dir + "/report.pdf");
    QVERIFY(report.open(QIODevice::ReadOnly));
    QCOMPARE(report.readAll(), QByteArray("the last report"));
    QCOMPARE(QDir(dir).entryList(QDir::Files).size(), inputs.size() + 1); // no temporary file left
}

// A command line brimfold-report cannot follow is refused before anything is read.
void BrimfoldCountTest::reportCommandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("no output") << QStringList{"in.jsonl"} << QByteArray("-o FILE");
    QTest::newRow("stdin twice") << QStringList{"-o", "r.pdf", "-", "-"} << QByteArray("only once");
    QTest::newRow("paper") << QStringList{"-o", "r.pdf", "--paper", "a3"} << QByteArray("--paper takes a4 or letter");
    QTest::newRow("depth 0") << QStringList{"-o", "r.pdf", "--per-folder", "0"} << QByteArray("from 1 to 64");
    QTest::newRow("depth 65") << QStringList{"-o", "r.pdf", "--per-folder", "65"} << QByteArray("from 1 to 64");
    QTest::newRow("where, not what") << QStringList{"-o", "r.pdf", "--folder-reports", "d"} << QByteArray("needs --per-folder");
}

void BrimfoldCountTest::reportCommandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, message);
    const Ran ran = runProgram(BRIMFOLD_REPORT, arguments);
    QCOMPARE(ran.exitCode, 1);
    QVERIFY2(ran.err.contains(message), ran.err.constData());
}

// Each program's help in the reader's language, lined up within 79 columns
// of a terminal (where Japanese takes two a character); a wrong command line
// told in it too, with the same exit code.
void BrimfoldCountTest::speaksTheReadersLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("english"); // the first shipped language the desktop names, or English
    for (const char *language : {"de", "fr", "es", "it", "ja", "pt:it"})
        QTest::newRow(language) << language << false;
    QTest::newRow("en:de") << "en:de" << true;
}

void BrimfoldCountTest::speaksTheReadersLanguage()
{
    QFETCH(QString, language);
    QFETCH(bool, english);
    const std::pair<QString, QStringList> programs[] = {{BRIMFOLD_COUNT, {"--format", "xml", m_root}},
                                                        {BRIMFOLD_REPORT, {"-o", "r.pdf", "--paper", "a3"}}};
    for (const auto &[program, wrong] : programs) {
        const Ran help = runProgram(program, {"--help"}, language);
        QCOMPARE(help.exitCode, 0);
        QCOMPARE(help.out == runProgram(program, {"--help"}).out, english);
        for (const QString &line : QString::fromUtf8(help.out).split(u'\n')) {
            int columns = 0;
            for (const char32_t c : line.toUcs4())
                columns += c >= 0x2E80 ? 2 : 1;
            QVERIFY2(columns <= 79, qPrintable(line));
        }
        const Ran error = runProgram(program, wrong, language);
        QCOMPARE(error.exitCode, 1);
        const QByteArray said = error.err.split('\n').value(0);
        QVERIFY2((said == runProgram(program, wrong).err.split('\n').value(0)) == english, said.constData());
    }
    // And the report brimfold-report writes.
    const QString dir = m_temp.path() + "/language-" + language;
    writeFile(dir + "/in.jsonl", R"({"brimfold_results":1,"start_folder":"/s"})" "\n" R"({"end":true,"files":0})" "\n");
    QCOMPARE(runProgram(BRIMFOLD_REPORT, {"-o", dir + "/r.pdf", dir + "/in.jsonl"}, language).exitCode, 0);
    QCOMPARE(pdfTextPages(dir + "/r.pdf").value(0).startsWith("Page Report"), english);
}

QTEST_GUILESS_MAIN(BrimfoldCountTest)
#include "brimfoldcount_test.moc"
