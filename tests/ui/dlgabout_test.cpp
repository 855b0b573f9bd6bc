#include "settings/settings.h"
#include "support/fakedesktopservices.h"
#include "support/fakeprompts.h"
#include "support/loadedwindow.h"
#include "support/testservices.h"
#include "ui/dlgabout.h"
#include "ui/frmmain.h"
#include "ui/twips.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

using TestSupport::FakePrompts;

namespace {

const QString kMailLink = QStringLiteral("mailto:support@brimfold.example?subject=Brimfold");
const QString kWebsite = QStringLiteral("https://brimfold.example/");

// A loaded main window (never shown: no search runs) with recording services.
struct Window : TestSupport::LoadedWindow
{
    using LoadedWindow::LoadedWindow;

    dlgAbout *openAbout() const
    {
        window->mnuAbout->trigger();
        return dlgAbout::openInstance();
    }
};

QList<dlgAbout *> aboutBoxesShown()
{
    QList<dlgAbout *> boxes;
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        if (auto *box = qobject_cast<dlgAbout *>(window); box && box->isVisible())
            boxes << box;
    return boxes;
}

} // namespace

class DlgAboutTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Window> m_window;

    Window &window()
    {
        m_window = std::make_unique<Window>(m_dir.filePath(QStringLiteral("Settings.ini")));
        return *m_window;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void cleanup()
    {
        const auto windows = QApplication::topLevelWidgets();
        for (QWidget *window : windows)
            if (qobject_cast<dlgAbout *>(window))
                delete window;
        m_window.reset();
    }

    void oneAboutBoxForTwoChoices()
    {
        const Window &w = window();
        QPointer<dlgAbout> first = w.openAbout();
        QVERIFY(first);
        QVERIFY(first->isVisible());
        QVERIFY(!first->isModal());
        QCOMPARE(w.openAbout(), first.data());
        QCOMPARE(aboutBoxesShown().size(), 1);

        // Closed, it goes away; the next choice opens a fresh one.
        first->cmdOk->click();
        QVERIFY(!first || !first->isVisible());
        QTRY_VERIFY(first.isNull());
        QVERIFY(!dlgAbout::openInstance());
        QPointer<dlgAbout> second = w.openAbout();
        QVERIFY(second);
        QCOMPARE(aboutBoxesShown().size(), 1);
    }

    void opensWithSystemInfoFocusedAndOkDefault()
    {
        dlgAbout *box = window().openAbout();
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QStringLiteral("About"));
        QCOMPARE(box->size(), twipsToRect({0, 0, 6930, 4230}, widgetDpi(box)).size());
        QCOMPARE(box->minimumSize(), box->maximumSize());
        QVERIFY(
            !(box->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(std::abs(box->frameGeometry().center().x() -
                         box->screen()->availableGeometry().center().x()) <= 1);

        QCOMPARE(box->focusWidget(), box->cmdSysInfo);
        QVERIFY(box->cmdOk->isDefault());
        QVERIFY(!box->cmdSysInfo->isDefault());
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(box->focusWidget(), box->cmdOk);
    }

    void enterMeansOkEvenWithSystemInfoFocused()
    {
        const Window &w = window();
        w.test.desktop->systemInfoProgramPath = QStringLiteral("/usr/bin/hardinfo");
        dlgAbout *box = w.openAbout();
        QCOMPARE(box->focusWidget(), box->cmdSysInfo);
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(!dlgAbout::openInstance());
        QVERIFY(w.test.desktop->calls.isEmpty());
    }

    void escapeKeepsItOpenAndOkCloses()
    {
        dlgAbout *box = window().openAbout();
        QTest::keyClick(box, Qt::Key_Escape);
        QVERIFY(box->isVisible());
        QCOMPARE(dlgAbout::openInstance(), box);
        QTest::mouseClick(box->cmdOk, Qt::LeftButton);
        QVERIFY(!dlgAbout::openInstance());
    }

    void linksOpenTheirAddresses_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("url");
        QTest::newRow("support address")
            << QStringLiteral("Label3") << QStringLiteral("support@brimfold.example") << kMailLink;
        QTest::newRow("website") << QStringLiteral("Label5") << kWebsite << kWebsite;
    }
    void linksOpenTheirAddresses()
    {
        QFETCH(QString, label);
        QFETCH(QString, text);
        QFETCH(QString, url);
        const Window &w = window();
        dlgAbout *box = w.openAbout();
        auto *link = box->findChild<QLabel *>(label);
        QVERIFY(link);
        QCOMPARE(link->text(), text);
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);

        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(w.test.desktop->argumentsOf(QStringLiteral("openUrl")), QStringList{url});
        QVERIFY(box->isVisible());
    }

    void systemInformationTool_data()
    {
        QTest::addColumn<QString>("toolPath");
        QTest::addColumn<bool>("startSucceeds");
        QTest::addColumn<QStringList>("started");
        QTest::addColumn<bool>("unavailableShown");
        const QString tool = QStringLiteral("/usr/bin/hardinfo");
        QTest::newRow("tool found and started") << tool << true << QStringList{tool} << false;
        QTest::newRow("no tool on this system") << QString() << true << QStringList() << true;
        QTest::newRow("tool found but will not start")
            << tool << false << QStringList{tool} << true;
    }
    void systemInformationTool()
    {
        QFETCH(QString, toolPath);
        QFETCH(bool, startSucceeds);
        QFETCH(QStringList, started);
        QFETCH(bool, unavailableShown);
        const Window &w = window();
        w.test.desktop->systemInfoProgramPath = toolPath;
        w.test.desktop->startSucceeds = startSucceeds;
        dlgAbout *box = w.openAbout();

        QTest::mouseClick(box->cmdSysInfo, Qt::LeftButton);
        QCOMPARE(w.test.desktop->argumentsOf(QStringLiteral("startDetached")), started);
        const QStringList message{QStringLiteral("System Information Is Unavailable At This Time")};
        QCOMPARE(w.test.prompts->texts(), unavailableShown ? message : QStringList());
        for (const FakePrompts::Shown &shown : std::as_const(w.test.prompts->shown)) {
            QCOMPARE(shown.icon, Prompts::Icon::None);
            QVERIFY(!shown.question);
        }
        QVERIFY(box->isVisible());
    }

    void helpMenuOpensHelpFileAndWebsite()
    {
        const Window &w = window();
        QCOMPARE(w.window->mnuHelp1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
        w.window->mnuHelp1->trigger();
        // Handed on whether or not the file is there.
        const QString helpFile =
            QCoreApplication::applicationDirPath() + QStringLiteral("/Brimfold.chm");
        QVERIFY(!QFile::exists(helpFile));
        QCOMPARE(w.test.desktop->argumentsOf(QStringLiteral("openFile")), QStringList{helpFile});

        w.window->mnuSupport->trigger();
        QCOMPARE(w.test.desktop->argumentsOf(QStringLiteral("openUrl")), QStringList{kWebsite});

        // No application for either: a message says so, nothing is opened.
        w.test.desktop->applicationsSetUp = false;
        w.window->mnuHelp1->trigger();
        w.window->mnuSupport->trigger();
        QCOMPARE(w.test.desktop->calls.size(), 2);
        QCOMPARE(w.test.prompts->texts(), QStringList({"No application is set up to open " + helpFile + ".",
                                                       "No application is set up to open " + kWebsite + "."}));
        w.test.desktop->applicationsSetUp = true;
    }

    void aboutBoxOutlivesTheMainWindowButNotExit()
    {
        const Window &w = window();
        dlgAbout *box = w.openAbout();
        // Its own top-level window: closing the main window leaves it open,
        // and it keeps the program running until it is closed too.
        QVERIFY(!box->parentWidget());
        QCOMPARE(box->windowType(), Qt::Tool); // kept out of the task bar
        QVERIFY(box->testAttribute(Qt::WA_QuitOnClose));
        w.window->close();
        QVERIFY(box->isVisible());

        // Exit ends everything at once.
        QPointer<dlgAbout> watched = box;
        w.window->mnuExit_Click();
        QVERIFY(!dlgAbout::openInstance());
        QTRY_VERIFY(watched.isNull());
    }
};

QTEST_MAIN(DlgAboutTest)
#include "dlgabout_test.moc"
