// Settings files nobody should write, but a disk can hold: binary garbage,
// megabytes, endless lines, repeated sections and keys, odd letter cases and
// line ends, byte-order marks, pipes and devices. Reading either follows the
// rules or fails with a description; it never hangs. Writing afterwards keeps
// every line the program does not own, byte for byte.

#include "settings/inifile.h"
#include "settings/settings.h"
#include "base/pathcodec.h"
#include "support/tempfiles.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace TestSupport;

namespace {

const QStringList kOwnKeys = {"Style",         "Show/Hide",  "ForeColor",    "ForeColorSel",
                              "BackColor",     "BackColorSel", "GridColor",  "BackPicture",
                              "Visibility",    "StartupFolder", "ExportLocation"};
constexpr int kMaxTextValue = 499;

QByteArray garbage(int size)
{
    QRandomGenerator random(7); // the same bytes every run
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(random.bounded(256));
    // No "=" at all, so no line can be taken for a key of ours by chance.
    bytes.replace('=', '+');
    return bytes;
}

QByteArray severalMegabytes()
{
    QByteArray bytes;
    for (int i = 0; bytes.size() < 4 * 1024 * 1024; ++i)
        bytes += "[Other" + QByteArray::number(i % 97) + "]\r\nkey" + QByteArray::number(i)
                + "=some value of a program that shares the file\r\n";
    return bytes + "[Grid]\r\nStyle=7\r\n[General]\r\nStartupFolder=/big\r\n";
}

// Lines without their ends; the ends are checked on their own.
QList<QByteArray> linesOf(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        lines.append(bytes.mid(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append(bytes.mid(start));
    return lines;
}

bool isOwnKeyLine(const QByteArray &line)
{
    const qsizetype equals = line.indexOf('=');
    return equals > 0 && kOwnKeys.contains(QString::fromLatin1(line.left(equals)).trimmed(),
                                           Qt::CaseInsensitive);
}

bool isOwnSectionLine(const QByteArray &line)
{
    static const QRegularExpression header(QStringLiteral("^\\[(Grid|ColumnSetting|General)\\]$"));
    return header.match(QString::fromLatin1(line)).hasMatch();
}

SettingsValues newValues()
{
    SettingsValues values;
    values.style = 9;
    values.showGrid = false;
    values.foreColor = 255;
    values.startupFolder = QStringLiteral("/new");
    values.exportLocation = QStringLiteral("/exports");
    return values;
}

} // namespace

class SettingsHostileTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void hostileFileReadsByTheRules_data();
    void hostileFileReadsByTheRules();
    void writeKeepsEveryLineItDoesNotOwn_data();
    void writeKeepsEveryLineItDoesNotOwn();
    void specialFileNeverBlocksAndIsNeverReplaced_data();
    void specialFileNeverBlocksAndIsNeverReplaced();

private:
    QString iniPath() const { return m_dir->filePath(QStringLiteral("Settings.ini")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void SettingsHostileTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void SettingsHostileTest::hostileFileReadsByTheRules_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("startupFolder");

    const QString longFolder = QString(kMaxTextValue, u'x');
    QTest::newRow("binary garbage") << garbage(64 * 1024) << true << 1 << QString();
    QTest::newRow("several megabytes") << severalMegabytes() << true << 7 << "/big";
    QTest::newRow("line of 100,000 characters")
            << "[General]\nStartupFolder=" + QByteArray(100000, 'x') + "\n" << true << 1
            << longFolder;
    QTest::newRow("duplicated sections and keys")
            << QByteArray("[Grid]\nStyle=3\nstyle=4\n[General]\nStartupFolder=/first\n"
                          "[Grid]\nStyle=5\n[general]\nStartupFolder=/second\n")
            << true << 3 << "/first";
    QTest::newRow("keys in other letter cases")
            << QByteArray("[gRiD]\nSTYLE=6\n[GENERAL]\nstartupfolder=/Case\n") << true << 6 << "/Case";
    QTest::newRow("CR-only line ends")
            << QByteArray("[Grid]\rStyle=2\r[General]\rStartupFolder=/cr\r") << true << 2 << "/cr";
    QTest::newRow("CRLF line ends")
            << QByteArray("[Grid]\r\nStyle=8\r\n[General]\r\nStartupFolder=/crlf\r\n") << true << 8
            << "/crlf";
    QTest::newRow("UTF-8 byte-order mark")
            << QByteArray("\xEF\xBB\xBF[Grid]\r\nStyle=4\r\n") << true << 4 << QString();
    QTest::newRow("folder that is no UTF-8")
            << QByteArray("[General]\nStartupFolder=/r\xE9sum\xE9\n") << true << 1
            << PathCodec::decode("/r\xE9sum\xE9");
    QTest::newRow("no line end at all")
            << QByteArray("[Grid]") << true << 1 << QString();
    QTest::newRow("colour that is no number")
            << QByteArray("[Grid]\nForeColor=red\n") << false << 1 << QString();
    QTest::newRow("control bytes in a number")
            << QByteArray("[Grid]\nStyle=\x01\xFF\n", 16) << false << 1 << QString();
}

// Start-up reads the values by the rules, or ends with the read-failure
// message built from the description the reader hands back.
void SettingsHostileTest::hostileFileReadsByTheRules()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, readable);
    QFETCH(int, style);
    QFETCH(QString, startupFolder);
    writeFile(iniPath(), bytes);

    SettingsStore store(iniPath());
    QString error;
    QCOMPARE(store.ReadSettings(&error), readable);
    QCOMPARE(error.isEmpty(), readable);
    if (!readable)
        return;
    QCOMPARE(int(store.record().style), style);
    QCOMPARE(store.record().startupFolder, startupFolder);
}

void SettingsHostileTest::writeKeepsEveryLineItDoesNotOwn_data()
{
    hostileFileReadsByTheRules_data();
}

// The original lines come back in order; the only ones missing are lines of
// the program's own keys (replaced in place), and the only new ones are its
// keys and section headers.
void SettingsHostileTest::writeKeepsEveryLineItDoesNotOwn()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, readable);
    if (!readable)
        QSKIP("start-up ends after this read: nothing is written");
    writeFile(iniPath(), bytes);
    SettingsStore store(iniPath());
    QVERIFY(store.ReadSettings());
    store.WriteSettings(newValues());
    const QByteArray written = readFile(iniPath());

    const QList<QByteArray> before = linesOf(bytes);
    const QList<QByteArray> after = linesOf(written);
    qsizetype at = 0;
    int replaced = 0;
    for (const QByteArray &line : before) {
        const qsizetype found = after.indexOf(line, at);
        if (found < 0) {
            // Only the first line may differ: by its byte-order mark.
            QVERIFY2(isOwnKeyLine(line) || (line.startsWith("\xEF\xBB\xBF") && at == 0),
                     line.left(80).constData());
            ++replaced;
            continue;
        }
        for (qsizetype i = at; i < found; ++i)
            QVERIFY2(isOwnKeyLine(after[i]) || isOwnSectionLine(after[i]), after[i].constData());
        at = found + 1;
    }
    for (qsizetype i = at; i < after.size(); ++i)
        QVERIFY2(isOwnKeyLine(after[i]) || isOwnSectionLine(after[i]), after[i].constData());
    QVERIFY(replaced <= kOwnKeys.size());
    SettingsStore again(iniPath());
    QVERIFY(again.ReadSettings());
    QCOMPARE(int(again.record().style), 9);
    QCOMPARE(again.record().startupFolder, QStringLiteral("/new"));
    if (!bytes.contains('\n') && bytes.contains('\r'))
        QVERIFY(!written.contains('\n')); // new lines end as the file's own do
}

void SettingsHostileTest::specialFileNeverBlocksAndIsNeverReplaced_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("pipe") << "pipe";
    QTest::newRow("link to an endless device") << "device";
    QTest::newRow("folder") << "folder";
    QTest::newRow("file beyond the size limit") << "huge";
}

// Reading a pipe or /dev/zero would never end; none of these is a settings
// file the program wrote, so all defaults apply and it stays as it is.
void SettingsHostileTest::specialFileNeverBlocksAndIsNeverReplaced()
{
    QFETCH(QString, kind);
    const QByteArray path = PathCodec::encode(iniPath());
    QByteArray huge;
    if (kind == u"pipe") {
        QVERIFY(::mkfifo(path.constData(), 0600) == 0);
    } else if (kind == u"device") {
        QVERIFY(::symlink("/dev/zero", path.constData()) == 0);
    } else if (kind == u"folder") {
        QVERIFY(::mkdir(path.constData(), 0700) == 0);
    } else {
        huge = QByteArray(int(IniDocument::kMaxFileSize), ';') + "\n[Grid]\nStyle=7\n";
        writeFile(iniPath(), huge);
    }
    struct stat before;
    QVERIFY(::lstat(path.constData(), &before) == 0);

    SettingsStore store(iniPath());
    QVERIFY(store.ReadSettings());
    QCOMPARE(int(store.record().style), 1);
    store.WriteSettings(newValues());
    QCOMPARE(int(store.record().style), 9); // the record keeps the new values for this run

    struct stat after;
    QVERIFY(::lstat(path.constData(), &after) == 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_mode, before.st_mode);
    if (!huge.isEmpty())
        QCOMPARE(QFileInfo(iniPath()).size(), qint64(huge.size()));
}

QTEST_GUILESS_MAIN(SettingsHostileTest)
#include "settings_hostile_test.moc"
