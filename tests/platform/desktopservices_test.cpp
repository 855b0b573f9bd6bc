#include "platform/desktopservices.h"
#include "platform/posix/posixdesktopservices.h"
#include "base/pathcodec.h"
#include "support/tempfiles.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString pathIn(const QTemporaryDir &dir, const QByteArray &name)
{
    return PathCodec::decode(QFile::encodeName(dir.path()) + '/' + name);
}

// Creates a file under its exact name, whatever its bytes.
void createFile(const QString &path)
{
    const int fd = ::open(PathCodec::encode(path).constData(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    QVERIFY2(fd >= 0, qPrintable(path));
    ::close(fd);
}

bool entryExists(const QString &path)
{
    struct stat info;
    return ::lstat(PathCodec::encode(path).constData(), &info) == 0;
}

void makeExecutable(const QString &path, bool executable)
{
    TestSupport::writeFile(path, "#!/bin/sh\n");
    QVERIFY(::chmod(QFile::encodeName(path).constData(), executable ? 0755 : 0644) == 0);
}

// Stands in for the file manager on a private bus and records the requests.
class FakeFileManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    QStringList shownItems;
    QStringList propertiesItems;

public Q_SLOTS:
    void ShowItems(const QStringList &uris, const QString &) { shownItems << uris; }
    void ShowItemProperties(const QStringList &uris, const QString &) { propertiesItems << uris; }
};

} // namespace

class DesktopServicesTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_busDir;
    QProcess m_busDaemon;
    QString m_busAddress;
    QList<QUrl> m_opened;

    // Services whose URL opener only records; the bus is the test's choice.
    std::unique_ptr<PosixDesktopServices> recordingServices(const QDBusConnection &bus)
    {
        auto services = std::make_unique<PosixDesktopServices>();
        services->setUrlOpener([this](const QUrl &url) {
            m_opened << url;
            return true;
        });
        services->setBus(bus);
        return services;
    }

    // A private session bus without service activation, so nothing installed
    // on this machine can answer for the file manager.
    void startPrivateBus()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
            QSKIP("dbus-daemon is not installed");
        const QString config = m_busDir.filePath(QStringLiteral("bus.conf"));
        TestSupport::writeFile(
            config,
            QByteArrayLiteral("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus "
                              "Configuration 1.0//EN\"\n"
                              " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                              "<busconfig><type>session</type><listen>unix:dir=") +
                QFile::encodeName(m_busDir.path()) +
                QByteArrayLiteral(
                    "</listen><auth>EXTERNAL</auth><policy context=\"default\">"
                    "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                    "<allow own=\"*\"/></policy></busconfig>\n"));
        m_busDaemon.start(QStringLiteral("dbus-daemon"),
                          {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                           QStringLiteral("--print-address")});
        QVERIFY(m_busDaemon.waitForStarted());
        QTRY_VERIFY(m_busDaemon.canReadLine());
        m_busAddress = QString::fromUtf8(m_busDaemon.readLine()).trimmed();
    }

private Q_SLOTS:
    void init() { m_opened.clear(); }

    void cleanupTestCase()
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("client"));
        QDBusConnection::disconnectFromBus(QStringLiteral("filemanager"));
        QDBusConnection::disconnectFromBus(QStringLiteral("nobus"));
        if (m_busDaemon.state() != QProcess::NotRunning) {
            m_busDaemon.terminate();
            m_busDaemon.waitForFinished();
        }
    }

    void fileUrlCarriesExactBytes_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("space") << QByteArray("scan 01.tif");
        QTest::newRow("hash") << QByteArray("scan#2.tif");
        QTest::newRow("percent") << QByteArray("100%25.tif");
        QTest::newRow("question mark") << QByteArray("what?.tif");
        QTest::newRow("leading dash") << QByteArray("-rf.tif");
        QTest::newRow("quotes") << QByteArray("it's \"a\".tif");
        QTest::newRow("latin-1 byte, not UTF-8") << QByteArray("caf\xe9.tif");
        QTest::newRow("lone continuation byte") << QByteArray("a\x80z.tif");
        QTest::newRow("UTF-8 accent") << QByteArray("caf\xc3\xa9.tif");
    }

    void fileUrlCarriesExactBytes()
    {
        QFETCH(QByteArray, name);
        const QByteArray exact = "/scans/2004/" + name;
        const QUrl url = fileUrlOfPath(PathCodec::decode(exact));
        QVERIFY(url.isValid());
        QVERIFY(url.isLocalFile());
        QVERIFY(!url.hasQuery());
        QVERIFY(!url.hasFragment());
        // The handler receives the encoded form; it must decode to the bytes.
        const QByteArray encoded = url.toEncoded();
        QVERIFY(encoded.startsWith("file:///"));
        QCOMPARE(QByteArray::fromPercentEncoding(encoded.mid(int(qstrlen("file://")))), exact);
        // Handed on a command line, it stays one argument that is no option.
        const QString command = QStringLiteral("xdg-open ") + QString::fromLatin1(encoded);
        const QStringList words = QProcess::splitCommand(command);
        QCOMPARE(words.size(), 2);
        QVERIFY(!words[1].startsWith(QLatin1Char('-')));
    }

    void fileUrlOfRelativePathIsInvalid()
    {
        QVERIFY(!fileUrlOfPath(QStringLiteral("scans/a.tif")).isValid());
        QVERIFY(!fileUrlOfPath(QString()).isValid());
    }

    void containingFolder_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("folder");
        QTest::newRow("nested file") << "/scans/2004/a.tif"
                                     << "/scans/2004/";
        QTest::newRow("file in the root") << "/a.tif"
                                          << "/";
    }

    void containingFolder()
    {
        QFETCH(QString, path);
        QFETCH(QString, folder);
        QCOMPARE(::containingFolder(path), folder);
    }

    void deleteRemovesOnlyThatEntry_data()
    {
        QTest::addColumn<QByteArrayList>("names");
        QTest::addColumn<QByteArray>("target");
        const QByteArray nfc = "caf\xc3\xa9.tif", nfd = "cafe\xcc\x81.tif";
        QTest::newRow("NFC beside NFD") << QByteArrayList{nfc, nfd} << nfc;
        QTest::newRow("NFD beside NFC") << QByteArrayList{nfc, nfd} << nfd;
        QTest::newRow("latin-1 beside its UTF-8 spelling")
            << QByteArrayList{"caf\xe9.tif", nfc} << QByteArray("caf\xe9.tif");
        QTest::newRow("leading dash") << QByteArrayList{"-a.tif", "a.tif"} << QByteArray("-a.tif");
        QTest::newRow("trailing space")
            << QByteArrayList{"a.tif ", "a.tif"} << QByteArray("a.tif ");
        QTest::newRow("wildcard in the name")
            << QByteArrayList{"*.tif", "b.tif"} << QByteArray("*.tif");
    }

    void deleteRemovesOnlyThatEntry()
    {
        QFETCH(QByteArrayList, names);
        QFETCH(QByteArray, target);
        QTemporaryDir dir;
        for (const QByteArray &name : names)
            createFile(pathIn(dir, name));
        PosixDesktopServices services;
        QString error;
        QVERIFY2(services.deleteFile(pathIn(dir, target), &error), qPrintable(error));
        for (const QByteArray &name : names)
            QCOMPARE(entryExists(pathIn(dir, name)), name != target);
    }

    void deleteRefusesFolder()
    {
        QTemporaryDir dir;
        const QString folder = pathIn(dir, "scans.tif");
        QVERIFY(QDir().mkdir(folder));
        PosixDesktopServices services;
        QString error;
        QVERIFY(!services.deleteFile(folder, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(QFileInfo(folder).isDir());
    }

    void deleteRemovesLinkNotTarget()
    {
        QTemporaryDir dir;
        const QString target = pathIn(dir, "target.tif");
        const QString link = pathIn(dir, "link.tif");
        TestSupport::writeFile(target, "data");
        QVERIFY(QFile::link(target, link));
        PosixDesktopServices services;
        QVERIFY(services.deleteFile(link, nullptr));
        QVERIFY(!entryExists(link));
        QCOMPARE(TestSupport::readFile(target), QByteArray("data"));
    }

    void deleteReportsBadPaths_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing file") << QStringLiteral("missing.tif");
        QTest::newRow("embedded NUL naming a shorter file")
            << QStringLiteral("keep.tif") + QChar(0) + QStringLiteral("x");
        QTest::newRow("relative path") << QStringLiteral("relative");
    }

    void deleteReportsBadPaths()
    {
        QFETCH(QString, path);
        QTemporaryDir dir;
        const QString keep = pathIn(dir, "keep.tif");
        TestSupport::writeFile(keep, "data");
        const QString full = path == QLatin1String("relative")
                                 ? QStringLiteral("keep.tif")
                                 : dir.path() + QLatin1Char('/') + path;
        QVERIFY(QDir::setCurrent(dir.path()));
        PosixDesktopServices services;
        QString error;
        QVERIFY(!services.deleteFile(full, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(entryExists(keep));
    }

    void systemInfoProgramSearchesPath_data()
    {
        QTest::addColumn<bool>("withTools");
        QTest::newRow("tools on PATH") << true;
        QTest::newRow("no tool on PATH") << false;
    }

    void systemInfoProgramSearchesPath()
    {
        QFETCH(bool, withTools);
        QTemporaryDir dir;
        const QString first = dir.filePath(QStringLiteral("first"));
        const QString second = dir.filePath(QStringLiteral("second"));
        QVERIFY(QDir().mkpath(first) && QDir().mkpath(second));
        // Neither a plain file nor a folder of a tool's name counts.
        makeExecutable(first + QStringLiteral("/hardinfo"), false);
        QVERIFY(QDir().mkpath(first + QStringLiteral("/hardinfo2")));
        if (withTools) {
            makeExecutable(second + QStringLiteral("/kinfocenter"), true);
            makeExecutable(second + QStringLiteral("/cpu-x"), true);
        }
        PosixDesktopServices services;
        services.setSearchPath(first + QStringLiteral("::relative:") + second);
        QCOMPARE(services.systemInfoProgram(),
                 withTools ? second + QStringLiteral("/cpu-x") : QString());
    }

    void startDetachedReportsMissingProgram()
    {
        PosixDesktopServices services;
        QVERIFY(!services.startDetached(QStringLiteral("/nonexistent/brimfold-no-such-tool")));
        QVERIFY(!services.startDetached(QString()));
    }

    void withoutBusShowInFolderOpensFolder()
    {
        const QDBusConnection noBus = QDBusConnection::connectToBus(
            QStringLiteral("unix:path=/nonexistent/brimfold-bus"), QStringLiteral("nobus"));
        QVERIFY(!noBus.isConnected());
        auto services = recordingServices(noBus);
        QVERIFY(!services->showProperties(QStringLiteral("/scans/a b.tif")));
        QVERIFY(m_opened.isEmpty());
        QVERIFY(services->showInFolder(QStringLiteral("/scans/a b.tif")));
        QCOMPARE(m_opened, QList<QUrl>{fileUrlOfPath(QStringLiteral("/scans/"))});
    }

    void withoutFileManagerShowInFolderFallsBackLater()
    {
        startPrivateBus();
        const QDBusConnection bus =
            QDBusConnection::connectToBus(m_busAddress, QStringLiteral("client"));
        QVERIFY2(bus.isConnected(), qPrintable(bus.lastError().message()));
        auto services = recordingServices(bus);
        QVERIFY(services->showInFolder(QStringLiteral("/scans/2004/a.tif")));
        // Sent without waiting: the answer has not been handled yet.
        QVERIFY(m_opened.isEmpty());
        QTRY_COMPARE(m_opened, QList<QUrl>{fileUrlOfPath(QStringLiteral("/scans/2004/"))});
        // Properties stay silent when nobody answers, even after the answer.
        QVERIFY(services->showProperties(QStringLiteral("/scans/2004/a.tif")));
        QVERIFY(services->showInFolder(QStringLiteral("/scans/b.tif")));
        QTRY_COMPARE(m_opened.size(), 2);
        QCOMPARE(m_opened.last(), fileUrlOfPath(QStringLiteral("/scans/")));
    }

    void fileManagerReceivesExactUris()
    {
        if (m_busAddress.isEmpty())
            startPrivateBus();
        QDBusConnection managerBus =
            QDBusConnection::connectToBus(m_busAddress, QStringLiteral("filemanager"));
        FakeFileManager manager;
        QVERIFY(managerBus.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &manager,
                                          QDBusConnection::ExportAllSlots));
        QVERIFY(managerBus.registerService(QStringLiteral("org.freedesktop.FileManager1")));

        auto services = recordingServices(
            QDBusConnection::connectToBus(m_busAddress, QStringLiteral("client")));
        const QByteArray exact = "/scans/caf\xe9 #1.tif";
        const QString path = PathCodec::decode(exact);
        QVERIFY(services->showInFolder(path));
        QVERIFY(services->showProperties(path));
        QVERIFY(manager.shownItems.isEmpty());
        QTRY_COMPARE(manager.shownItems.size(), 1);
        QTRY_COMPARE(manager.propertiesItems.size(), 1);
        for (const QString &uri : {manager.shownItems[0], manager.propertiesItems[0]})
            QCOMPARE(QByteArray::fromPercentEncoding(uri.toLatin1().mid(int(qstrlen("file://")))),
                     exact);
        QVERIFY(m_opened.isEmpty());
        managerBus.unregisterService(QStringLiteral("org.freedesktop.FileManager1"));
    }
};

QTEST_GUILESS_MAIN(DesktopServicesTest)
#include "desktopservices_test.moc"
