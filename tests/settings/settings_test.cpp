#include "settings/inifile.h"
#include "settings/languages.h"
#include "settings/settings.h"
#include "support/filesizelimit.h"
#include "support/tempfiles.h"
#include "support/unprivileged.h"

#include <QTemporaryDir>
#include <QTest>

using TestSupport::readFile;
using TestSupport::writeFile;

class SettingsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString iniPath() const { return m_dir.filePath(QStringLiteral("Settings/Settings.ini")); }

private Q_SLOTS:
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.filePath(QStringLiteral("Settings")));
    }

    void missingFileOrFolderGivesDefaults_data()
    {
        QTest::addColumn<bool>("removeFolder");
        QTest::newRow("missing file") << false;
        QTest::newRow("missing folder") << true;
    }
    void missingFileOrFolderGivesDefaults()
    {
        QFETCH(bool, removeFolder);
        if (removeFolder)
            QDir(m_dir.filePath(QStringLiteral("Settings"))).removeRecursively();
        SettingsStore store(iniPath());
        QVERIFY(store.ReadSettings());
        const Settings &s = store.record();
        QCOMPARE(s.style, quint8(1));
        QCOMPARE(s.showHide, quint8(1));
        QCOMPARE(s.foreColor, -2147483640);
        QCOMPARE(s.foreColorSel, -2147483634);
        QCOMPARE(s.backColor, -2147483643);
        QCOMPARE(s.backColorSel, -2147483635);
        QCOMPARE(s.gridColor, -2147483633);
        QVERIFY(s.backPicture.isEmpty());
        QVERIFY(s.visibilityList.isEmpty());
        QVERIFY(s.startupFolder.isEmpty());
        QVERIFY(s.exportLocation.isEmpty());
        QVERIFY(!QFile::exists(iniPath())); // reading never creates anything
    }

    void readsStoredValues_data()
    {
        QTest::addColumn<QByteArray>("grid");
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("showHide");
        QTest::addColumn<int>("foreColor");
        QTest::newRow("style cut to two characters") << QByteArray("Style=100\n") << 10 << 1 << -2147483640;
        QTest::newRow("300 read as 30") << QByteArray("Style=300\n") << 30 << 1 << -2147483640;
        QTest::newRow("spaces trimmed") << QByteArray("Style =  4  \nShow/Hide= 0\n") << 4 << 0 << -2147483640;
        QTest::newRow("red") << QByteArray("ForeColor=255\n") << 1 << 1 << 255;
        QTest::newRow("system colour") << QByteArray("ForeColor=-2147483640\n") << 1 << 1 << -2147483640;
        QTest::newRow("keys in other case") << QByteArray("sTyLe=6\nforecolor=16711680\n") << 6 << 1 << 16711680;
        QTest::newRow("missing show/hide means on") << QByteArray("Style=2\n") << 2 << 1 << -2147483640;
        QTest::newRow("fraction rounded") << QByteArray("ForeColor=254.6\n") << 1 << 1 << 255;
    }
    void readsStoredValues()
    {
        QFETCH(QByteArray, grid);
        QFETCH(int, style);
        QFETCH(int, showHide);
        QFETCH(int, foreColor);
        writeFile(iniPath(), "[grid]\n" + grid);
        SettingsStore store(iniPath());
        QVERIFY(store.ReadSettings());
        QCOMPARE(int(store.record().style), style);
        QCOMPARE(int(store.record().showHide), showHide);
        QCOMPARE(store.record().foreColor, foreColor);
    }

    void unreadableValuesFail_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("error");
        QTest::newRow("style -1") << QByteArray("[Grid]\nStyle=-1\n") << QStringLiteral("Overflow");
        QTest::newRow("empty show/hide") << QByteArray("[Grid]\nShow/Hide=\n") << QStringLiteral("Type mismatch");
        QTest::newRow("colour not a number") << QByteArray("[Grid]\nBackColor=blue\n") << QStringLiteral("Type mismatch");
        QTest::newRow("colour beyond 32 bits") << QByteArray("[Grid]\nGridColor=4294967295\n") << QStringLiteral("Overflow");
    }
    void unreadableValuesFail()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, error);
        writeFile(iniPath(), content);
        SettingsStore store(iniPath());
        QString description;
        QVERIFY(!store.ReadSettings(&description));
        QCOMPARE(description, error);
    }

    void textValuesAndVisibility()
    {
        writeFile(iniPath(), "[ColumnSetting]\nVisibility=1,0\n[General]\nStartupFolder=  /srv/scans \n"
                             "ExportLocation=\n[Grid]\nBackPicture=" +
                                 QByteArray(600, 'p') + "\n");
        SettingsStore store(iniPath());
        QVERIFY(store.ReadSettings());
        QCOMPARE(store.record().visibilityList, QStringList({"1", "0"}));
        QCOMPARE(store.record().startupFolder, QStringLiteral("/srv/scans"));
        QCOMPARE(store.record().exportLocation, QString());
        QCOMPARE(store.record().backPicture.size(), 499);
    }

    void writeKeepsOtherLinesAndStoresFiveFlags()
    {
        writeFile(iniPath(), "; my notes\r\n[Grid]\r\nstyle=3\r\nCustom=keep me\r\n\r\n[Other]\r\nx=1\r\n");
        SettingsStore store(iniPath());
        QVERIFY(store.ReadSettings());
        SettingsValues values;
        values.style = 12;
        values.showGrid = false;
        values.foreColor = 255;
        values.columnVisible = {true, false, true, true, true};
        values.startupFolder = QStringLiteral("/home/user/scans");
        values.backPicture = QStringLiteral("C:\\pics\\a;b.bmp");
        store.WriteSettings(values);

        // Existing lines stay where they were; new keys join their section.
        const QByteArray expected = "; my notes\r\n[Grid]\r\nStyle=12\r\nCustom=keep me\r\n"
                                    "BackPicture=C:\\pics\\a;b.bmp\r\nShow/Hide=0\r\nForeColor=255\r\n"
                                    "ForeColorSel=0\r\nBackColor=0\r\nBackColorSel=0\r\nGridColor=0\r\n"
                                    "\r\n[Other]\r\nx=1\r\n[ColumnSetting]\r\nVisibility=1,0,1,1,1\r\n"
                                    "[General]\r\nStartupFolder=/home/user/scans\r\nExportLocation=\r\n";
        QCOMPARE(readFile(iniPath()), expected);

        SettingsStore again(iniPath());
        QVERIFY(again.ReadSettings());
        QCOMPARE(int(again.record().style), 12);
        QCOMPARE(int(again.record().showHide), 0);
        QCOMPARE(again.record().foreColor, 255);
        QCOMPARE(again.record().visibility, QStringLiteral("1,0,1,1,1"));
        QCOMPARE(again.record().startupFolder, QStringLiteral("/home/user/scans"));
        QCOMPARE(again.record().backPicture, QStringLiteral("C:\\pics\\a;b.bmp"));
    }

    void writeCreatesFileButNeverFolder()
    {
        SettingsStore store(iniPath());
        store.WriteSettings(SettingsValues{});
        SettingsStore again(iniPath());
        QVERIFY(again.ReadSettings());
        QCOMPARE(again.record().visibility, QStringLiteral("1,1,1,1,1"));
        for (const char *key : {"BackPicture", "Style", "Show/Hide", "ForeColor", "ForeColorSel",
                                "BackColor", "BackColorSel", "GridColor", "Visibility",
                                "StartupFolder", "ExportLocation"})
            QVERIFY2(QString::fromUtf8(readFile(iniPath())).contains(QLatin1String(key) + u'='), key);

        const QString orphan = m_dir.filePath(QStringLiteral("NoFolder/Settings.ini"));
        SettingsStore nowhere(orphan);
        SettingsValues values;
        values.style = 9;
        nowhere.WriteSettings(values);
        QVERIFY(!QFileInfo::exists(QFileInfo(orphan).path()));
        QCOMPARE(int(nowhere.record().style), 9); // the record keeps the new value
    }

    void failedWriteKeepsTheOldFile()
    {
        const QByteArray old = "[Grid]\nStyle=3\n; " + QByteArray(200, 'x') + "\n";
        writeFile(iniPath(), old);
        SettingsStore store(iniPath());
        QVERIFY(store.ReadSettings());
        {
            TestSupport::FileSizeLimit full(64); // the new file no longer fits
            QVERIFY(full.ok());
            store.WriteSettings(SettingsValues{});
        }
        QCOMPARE(readFile(iniPath()), old);
        QCOMPARE(QDir(m_dir.filePath(QStringLiteral("Settings"))).entryList(QDir::Files), QStringList("Settings.ini"));
    }

    // A Settings folder that takes no new file: Settings.ini is rewritten in place.
    void readOnlyFolderWritesTheFileInPlace()
    {
        const QString folder = m_dir.filePath(QStringLiteral("Settings"));
        writeFile(iniPath(), "[Grid]\nStyle=3\n");
        const auto all = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther | QFile::ExeOwner |
                         QFile::ExeGroup | QFile::ExeOther; // whoever the test runs as
        QFile::setPermissions(m_dir.path(), all | QFile::WriteOwner);
        QFile::setPermissions(folder, all);
        QFile::setPermissions(iniPath(), all | QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther);
        SettingsStore store(iniPath());
        QVERIFY(store.ReadSettings());
        SettingsValues values;
        values.style = 7;
        TestSupport::Unprivileged(), store.WriteSettings(values); // root would write anywhere
        QFile::setPermissions(folder, all | QFile::WriteOwner);
        QVERIFY(readFile(iniPath()).startsWith("[Grid]\nStyle=7\n"));
    }

    void lineBreakInValueNeverBreaksTheFile()
    {
        writeFile(iniPath(), "[General]\nStartupFolder=/old\n");
        SettingsStore store(iniPath());
        QVERIFY(store.ReadSettings());
        SettingsValues values;
        values.startupFolder = QStringLiteral("/evil\n[Grid]\nStyle=-1");
        store.WriteSettings(values);
        QCOMPARE(store.record().startupFolder, values.startupFolder);

        SettingsStore again(iniPath());
        QVERIFY(again.ReadSettings());
        QCOMPARE(again.record().startupFolder, QStringLiteral("/old"));
        QCOMPARE(int(again.record().style), 1);
    }

    void iniDocumentRules()
    {
        writeFile(iniPath(), "\xEF\xBB\xBF[A]\rk=1\r[a]\rk=2\r[B]\rk = \r");
        const IniDocument doc = IniDocument::load(iniPath());
        QCOMPARE(doc.value("a", "K", "d", 10), QStringLiteral("1")); // first section wins
        QCOMPARE(doc.value("B", "k", "d", 10), QString());            // present but empty
        QCOMPARE(doc.value("B", "missing", "d", 10), QStringLiteral("d"));
        QCOMPARE(doc.value("C", "k", "default", 4), QStringLiteral("def"));

        QVERIFY(writePrivateProfileString("b", "K", "x", iniPath()));
        QCOMPARE(readFile(iniPath()), QByteArray("[A]\rk=1\r[a]\rk=2\r[B]\rK=x\r"));
        // A key only in a later section of the name is not there; a new one
        // goes into the first.
        writeFile(iniPath(), "[a]\r[B]\r[A]\rj=2\r");
        QCOMPARE(getPrivateProfileString("a", "j", "d", 10, iniPath()), QStringLiteral("d"));
        QVERIFY(writePrivateProfileString("A", "j", "3", iniPath()));
        QCOMPARE(readFile(iniPath()), QByteArray("[a]\rj=3\r[B]\r[A]\rj=2\r"));
    }

    // The first shipped language of the locale's, else English; installing
    // another replaces the last, Qt's own catalog beside ours.
    void languageFollowsTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("cancel"); // Qt's own text, from its catalog
        for (const char *row : {"de_CH de Abbrechen", "fr_FR fr Annuler", "es_MX es Cancelar", "it_IT it Annulla",
                                "ja_JP ja キャンセル", "en_GB - Cancel", "pt_BR - Cancel", "C - Cancel"}) {
            const QStringList parts = QString::fromUtf8(row).split(u' ');
            QTest::newRow(row) << parts[0] << QString(parts[1]).remove(u'-') << parts[2];
        }
    }
    void languageFollowsTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QFETCH(QString, cancel);
        QCOMPARE(Languages::install(QLocale(locale)), language);
        QCOMPARE(QCoreApplication::translate("QShortcut", "Cancel"), cancel);
        QVERIFY(!Languages::shipped().contains(QStringLiteral("en")));
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "settings_test.moc"
