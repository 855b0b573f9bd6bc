#include "app/frmsplash.h"
#include "app/modglobal.h"
#include "settings/settings.h"
#include "support/tempfiles.h"
#include "support/testservices.h"
#include "ui/frmmain.h"

#include <QAction>
#include <QApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class StartupTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString iniPath() const { return m_dir.filePath(QStringLiteral("Settings.ini")); }

    static QList<QWidget *> visibleWindows()
    {
        QList<QWidget *> windows;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible())
                windows.append(w);
        return windows;
    }

private Q_SLOTS:
    void cleanup()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (!w->parentWidget())
                w->deleteLater();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QFile::remove(iniPath());
    }

    void readFailureShowsMessageAndNoWindow()
    {
        TestSupport::writeFile(iniPath(), "[Grid]\nForeColor=red\n");
        SettingsStore settings(iniPath());
        QStringList messages;
        const auto main = modGlobal::Startup(settings, TestSupport::makeTestServices().services, 10, [&](const QString &text) {
            messages.append(text);
            QVERIFY(visibleWindows().isEmpty());
        });
        QVERIFY(!main);
        QCOMPARE(messages, QStringList(QStringLiteral(
                               "Error occured while reading setting parameters.\r\n\r\nType mismatch")));
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void loadsHiddenThenSplashThenMaximisedMain()
    {
        SettingsStore settings(iniPath());
        bool checkedDuringSplash = false;
        // A timer, not a posted call: start-up delivers posted calls (a platform theme's) first.
        QTimer::singleShot(1, [&] {
            auto *splash = qobject_cast<frmSplash *>(QApplication::activeModalWidget());
            QVERIFY(splash && splash->isVisible());
            QCOMPARE(splash->Timer1->interval(), 150);
            frmMain *main = nullptr;
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *m = qobject_cast<frmMain *>(w))
                    main = m;
            QVERIFY(main);
            QVERIFY(main->isLoaded());
            QVERIFY(!main->isVisible());
            // The splash ignores keys and close requests: only its timer ends it.
            QTest::keyClick(splash, Qt::Key_Escape);
            splash->close();
            QVERIFY(splash->isVisible());
            checkedDuringSplash = true;
        });
        const auto main = modGlobal::Startup(settings, TestSupport::makeTestServices().services, 150);
        QVERIFY(checkedDuringSplash);
        QVERIFY(main);
        QVERIFY(main->isVisible());
        QVERIFY(main->windowState() & Qt::WindowMaximized);
        QCOMPARE(main->windowTitle(), QStringLiteral("Brimfold"));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void splashThatFiresAtOnceStillEnds()
    {
        // A timer already due while the splash is being shown must still end
        // the wait (it used to hang start-up for good).
        SettingsStore settings(iniPath());
        const auto main = modGlobal::Startup(settings, TestSupport::makeTestServices().services, 0);
        QVERIFY(main);
        QVERIFY(main->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void firstActivationRunsOnce()
    {
        SettingsStore settings(iniPath());
        QVERIFY(settings.ReadSettings());
        frmMain main(settings, TestSupport::makeTestServices().services);
        main.Form_Load();
        QVERIFY(main.firstActivationPending());
        QSignalSpy spy(&main, &frmMain::firstActivationStarted);
        // Flag cleared as soon as the first activation starts, so the window
        // becoming active again during that search does not repeat it.
        connect(&main, &frmMain::firstActivationStarted, &main, [&] {
            QVERIFY(!main.firstActivationPending());
            QEvent again(QEvent::WindowActivate);
            QApplication::sendEvent(&main, &again);
        });
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&main, &activate);
        QApplication::sendEvent(&main, &activate);
        QCOMPARE(spy.count(), 1);
    }

    void exitEndsTheProgram()
    {
        SettingsStore settings(iniPath());
        QVERIFY(settings.ReadSettings());
        auto *main = new frmMain(settings, TestSupport::makeTestServices().services);
        main->Form_Load();
        main->show();
        auto *other = new QWidget;
        other->show();
        QCOMPARE(main->mnuExit->text(), QStringLiteral("E&xit"));
        QCOMPARE(main->mnuExit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
        QTimer::singleShot(0, main->mnuExit, &QAction::trigger);
        QTimer::singleShot(5000, [] { QCoreApplication::exit(99); }); // safety net
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!main->isVisible());
        QVERIFY(!other->isVisible());
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
