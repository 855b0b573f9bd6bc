// Installs the build into temporary prefixes with `cmake --install` and checks
// what a desktop finds there: the program folder with its help and Settings
// folder, the launcher, the icons and a valid menu entry.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

const QString kBuildDir = QStringLiteral(BRIMFOLD_BUILD_DIR);
const QString kSourceDir = QStringLiteral(BRIMFOLD_SOURCE_DIR);
const QString kCMake = QStringLiteral(BRIMFOLD_CMAKE);
const QString kProgramDir = QStringLiteral("lib/brimfold");
const QString kDesktopEntry = QStringLiteral("share/applications/brimfold.desktop");
const int kIconSizes[] = {16, 32, 48, 64, 128, 256};

struct InstallResult
{
    int exitCode = -1;
    QString output;
};

// Runs `cmake --install` of the build into `prefix`, staged under `destDir` when given.
InstallResult install(const QString &prefix, const QString &destDir = {})
{
    QProcess cmake;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DESTDIR"));
    if (!destDir.isEmpty())
        env.insert(QStringLiteral("DESTDIR"), destDir);
    cmake.setProcessEnvironment(env);
    cmake.setProcessChannelMode(QProcess::MergedChannels);
    cmake.start(kCMake, {QStringLiteral("--install"), kBuildDir, QStringLiteral("--prefix"), prefix});
    // A bound against a hung child, not a measurement.
    if (!cmake.waitForFinished(300000))
        cmake.kill();
    return {cmake.exitStatus() == QProcess::NormalExit ? cmake.exitCode() : -1,
            QString::fromLocal8Bit(cmake.readAll())};
}

// The keys of the [Desktop Entry] group of a desktop file.
QHash<QString, QString> desktopEntryKeys(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QHash<QString, QString> keys;
    bool inMainGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'['))
            inMainGroup = line == QLatin1String("[Desktop Entry]");
        else if (inMainGroup && line.contains(u'=') && !line.startsWith(u'#'))
            keys.insert(line.section(u'=', 0, 0).trimmed(), line.section(u'=', 1).trimmed());
    }
    return keys;
}

QString readLink(const QString &path)
{
    char target[4096];
    const ssize_t length = ::readlink(QFile::encodeName(path).constData(), target, sizeof target);
    return length < 0 ? QString() : QFile::decodeName(QByteArray(target, int(length)));
}

// The file names listed in the [FILES] section of the help project.
QStringList helpProjectFiles()
{
    QFile project(kSourceDir + QStringLiteral("/help/Brimfold.hhp"));
    if (!project.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList files;
    bool inFiles = false;
    for (const QByteArray &raw : project.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(u'['))
            inFiles = line == QLatin1String("[FILES]");
        else if (inFiles && !line.isEmpty())
            files << line;
    }
    return files;
}

} // namespace

class InstallTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_temp;
    QString m_prefix;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_temp.isValid());
        m_prefix = m_temp.filePath(QStringLiteral("prefix"));
        const InstallResult result = install(m_prefix);
        QVERIFY2(result.exitCode == 0, qPrintable(result.output));
    }

    void programFolder()
    {
        const QFileInfo program(m_prefix + u'/' + kProgramDir + QStringLiteral("/brimfold"));
        QVERIFY(program.isFile() && program.isExecutable());
        QCOMPARE(program.size(), QFileInfo(kBuildDir + QStringLiteral("/bin/brimfold")).size());

        // The program never makes its Settings folder: the install must, empty and writable.
        const QDir settings(m_prefix + u'/' + kProgramDir + QStringLiteral("/Settings"));
        QVERIFY(settings.exists());
        QVERIFY(settings.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
        QVERIFY(QFileInfo(settings.path()).isWritable());

        QFile help(m_prefix + u'/' + kProgramDir + QStringLiteral("/Brimfold.chm"));
        QVERIFY2(help.open(QIODevice::ReadOnly), "Brimfold.chm is not beside the installed program");
        QCOMPARE(help.read(4), QByteArray("ITSF"));
    }

    void launcherIsRelativeLinkToProgram()
    {
        const QString launcher = m_prefix + QStringLiteral("/bin/brimfold");
        QVERIFY(QFileInfo(launcher).isSymLink());
        QVERIFY2(QDir::isRelativePath(readLink(launcher)), qPrintable(readLink(launcher)));
        QCOMPARE(QFileInfo(launcher).canonicalFilePath(),
                 QFileInfo(m_prefix + u'/' + kProgramDir + QStringLiteral("/brimfold")).canonicalFilePath());
    }

    void commandLineProgramsRunThroughTheirLaunchers()
    {
        for (const QString program : {"brimfold-count", "brimfold-report"}) {
            QProcess process;
            process.start(m_prefix + "/bin/" + program, {QStringLiteral("--version")});
            QVERIFY(process.waitForFinished(-1));
            QCOMPARE(process.exitCode(), 0);
            QVERIFY(process.readAllStandardOutput().startsWith(program.toUtf8()));
            QVERIFY(QFileInfo::exists(m_prefix + "/share/man/man1/" + program + ".1.gz"));
            QVERIFY(QFileInfo::exists(m_prefix + "/share/bash-completion/completions/" + program));
        }
    }

    void applicationIcons_data()
    {
        QTest::addColumn<int>("size");
        for (int size : kIconSizes)
            QTest::addRow("%dx%d", size, size) << size;
    }

    void applicationIcons()
    {
        QFETCH(int, size);
        const QString path = QStringLiteral("%1/share/icons/hicolor/%2x%2/apps/brimfold.png").arg(m_prefix).arg(size);
        const QImage icon(path);
        QVERIFY2(!icon.isNull(), qPrintable(path));
        QCOMPARE(icon.size(), QSize(size, size));
    }

    void desktopEntryNamesInstalledProgram()
    {
        const QHash<QString, QString> keys = desktopEntryKeys(m_prefix + u'/' + kDesktopEntry);
        QCOMPARE(keys.value(QStringLiteral("Type")), QStringLiteral("Application"));
        QCOMPARE(keys.value(QStringLiteral("Name")), QStringLiteral("Brimfold"));
        QCOMPARE(keys.value(QStringLiteral("Exec")), m_prefix + QStringLiteral("/bin/brimfold"));
        QVERIFY(QFileInfo(keys.value(QStringLiteral("Exec"))).isExecutable());
        QCOMPARE(keys.value(QStringLiteral("Icon")), QStringLiteral("brimfold"));
        const QStringList categories = keys.value(QStringLiteral("Categories")).split(u';');
        QVERIFY(categories.contains(QStringLiteral("Graphics")));
        QCOMPARE(categories.last(), QString()); // the list ends with ";"
    }

    // The Exec line must name the final path, whatever the prefix and staging.
    void desktopEntryExec_data()
    {
        QTest::addColumn<QString>("prefixName");
        QTest::addColumn<bool>("staged");
        QTest::addColumn<QString>("expectedExec");
        QTest::newRow("prefix with a space") << QStringLiteral("my apps") << false
                                             << QStringLiteral("\"%1/bin/brimfold\"");
        QTest::newRow("staged under DESTDIR") << QStringLiteral("final") << true
                                              << QStringLiteral("%1/bin/brimfold");
    }

    void desktopEntryExec()
    {
        QFETCH(QString, prefixName);
        QFETCH(bool, staged);
        QFETCH(QString, expectedExec);
        QTemporaryDir temp;
        QVERIFY(temp.isValid());
        const QString prefix = temp.filePath(prefixName);
        const QString stage = staged ? temp.filePath(QStringLiteral("stage")) : QString();
        const InstallResult result = install(prefix, stage);
        QVERIFY2(result.exitCode == 0, qPrintable(result.output));

        const QString entry = stage + prefix + u'/' + kDesktopEntry;
        QCOMPARE(desktopEntryKeys(entry).value(QStringLiteral("Exec")), expectedExec.arg(prefix));
        QVERIFY(QFileInfo(stage + prefix + QStringLiteral("/bin/brimfold")).isExecutable());
        if (staged)
            QVERIFY2(!QFileInfo::exists(prefix), "files went past DESTDIR");
        validateDesktopEntry(entry);
    }

    void prefixThatCannotBeNamedInMenuIsRefused()
    {
        QTemporaryDir temp;
        QVERIFY(temp.isValid());
        const QString prefix = temp.filePath(QStringLiteral("cost$HOME"));
        const InstallResult result = install(prefix);
        QVERIFY(result.exitCode != 0);
        QVERIFY2(result.output.contains(QStringLiteral("Cannot name")), qPrintable(result.output));
        QVERIFY(!QFileInfo::exists(prefix + u'/' + kDesktopEntry));
    }

    void desktopEntryValidates()
    {
        validateDesktopEntry(m_prefix + u'/' + kDesktopEntry);
    }

    // Every page, picture and style sheet of the help is compiled in, and the
    // pages link only to one another.
    void helpPages_data()
    {
        QTest::addColumn<QString>("page");
        const QDir help(kSourceDir + QStringLiteral("/help"));
        for (const QString &page : help.entryList({QStringLiteral("*.html")}, QDir::Files))
            QTest::newRow(qPrintable(page)) << page;
    }

    void helpPages()
    {
        QFETCH(QString, page);
        const QStringList listed = helpProjectFiles();
        QVERIFY2(listed.contains(page), "page missing from the help project's [FILES]");

        QFile chm(kBuildDir + QStringLiteral("/bin/Brimfold.chm"));
        QVERIFY(chm.open(QIODevice::ReadOnly));
        const QByteArray compiled = chm.readAll();
        QVERIFY2(compiled.contains(QByteArray('/' + page.toUtf8())), "page missing from Brimfold.chm");

        QFile source(kSourceDir + QStringLiteral("/help/") + page);
        QVERIFY(source.open(QIODevice::ReadOnly));
        static const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"#:]+)\""));
        for (const auto &match : reference.globalMatch(QString::fromUtf8(source.readAll()))) {
            const QString target = match.captured(1);
            QVERIFY2(listed.contains(target), qPrintable(target + QStringLiteral(" is not in the help")));
            QVERIFY2(compiled.contains(QByteArray('/' + target.toUtf8())), qPrintable(target));
        }
    }

private:
    static void validateDesktopEntry(const QString &path)
    {
        const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (validator.isEmpty())
            QSKIP("desktop-file-validate is not installed (Debian package desktop-file-utils)");
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(validator, {path});
        QVERIFY(process.waitForFinished(60000));
        const QString output = QString::fromLocal8Bit(process.readAll());
        QVERIFY2(process.exitCode() == 0 && output.trimmed().isEmpty(), qPrintable(output));
    }
};

QTEST_GUILESS_MAIN(InstallTest)
#include "install_test.moc"
