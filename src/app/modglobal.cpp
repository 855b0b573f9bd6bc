#include "app/modglobal.h"

#include "app/frmsplash.h"
#include "settings/productinfo.h"
#include "settings/settings.h"
#include "ui/appservices.h"
#include "ui/frmmain.h"
#include "ui/twips.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <QEventLoop>
#include <QMessageBox>
#include <QScreen>

namespace {

// The program's own face; a desktop font set later (a platform theme) wins,
// and the twips then follow it.
void useClassicFont()
{
    QApplication::setFont(Twips::designFont());
}

} // namespace

void modGlobal::showInformation(const QString &text)
{
    QMessageBox box(QMessageBox::Information, QString::fromLatin1(ProductInfo::kTitle), text,
                    QMessageBox::Ok);
    box.exec();
}

std::unique_ptr<frmMain> modGlobal::Startup(SettingsStore &settings, AppServices services,
                                            int splashMilliseconds, const MessageSink &message)
{
    QString error;
    if (!settings.ReadSettings(&error)) {
        message(tr("Error occured while reading setting parameters.") + QStringLiteral("\r\n\r\n") +
                error);
        return nullptr;
    }

    useClassicFont();
    // A platform theme hands over the desktop's font once events run: take it
    // now, so the windows convert their twips at the font they will show.
    QCoreApplication::sendPostedEvents();
    auto window = std::make_unique<frmMain>(settings, std::move(services));
    frmMain *main = window.get();
    main->Form_Load();

    frmSplash splash(splashMilliseconds);
    QObject::connect(&splash, &frmSplash::finished_Timer1, main, [main] {
        // Without a window manager (a bare X server) maximising does nothing:
        // start from the whole available screen so the window fills it anyway.
        if (const QScreen *screen = main->screen())
            main->setGeometry(screen->availableGeometry());
        main->showMaximized();
        main->activateWindow();
    });
    // Waits here until the splash's timer has fired. Showing a window may
    // already run the timer (before any wait could begin): then there is
    // nothing to wait for.
    QEventLoop waitForSplash;
    QObject::connect(&splash, &frmSplash::finished_Timer1, &waitForSplash, &QEventLoop::quit);
    splash.setWindowModality(Qt::ApplicationModal);
    splash.show();
    if (!splash.isDone())
        waitForSplash.exec();
    return window;
}

int modGlobal::Main(SettingsStore &settings)
{
    const std::unique_ptr<frmMain> main =
        Startup(settings, createAppServices(), frmSplash::kDisplayMilliseconds);
    if (!main)
        return 1;
    const int code = QApplication::exec();
    // Threads may still wait for a file server that stopped answering (a
    // search's request, the folder tree's reader): end now instead of
    // waiting for them while the window is taken down. Nothing is left to
    // save: settings and exports are written when they are made.
    std::fflush(nullptr);
    std::_Exit(code);
}
