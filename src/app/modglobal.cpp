#include "app/modglobal.h"

#include "app/frmsplash.h"
#include "app/productinfo.h"
#include "app/settings.h"
#include "ui/frmmain.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

void modGlobal::showInformation(const QString &text)
{
    QMessageBox box(QMessageBox::Information, QString::fromLatin1(ProductInfo::kTitle), text,
                    QMessageBox::Ok);
    box.exec();
}

frmMain *modGlobal::Startup(SettingsStore &settings, int splashMilliseconds,
                            const MessageSink &message)
{
    QString error;
    if (!settings.ReadSettings(&error)) {
        message(QStringLiteral("Error occured while reading setting parameters.\r\n\r\n") + error);
        return nullptr;
    }

    auto *main = new frmMain(settings);
    main->setAttribute(Qt::WA_DeleteOnClose);
    main->Form_Load();

    frmSplash splash(splashMilliseconds);
    QObject::connect(&splash, &frmSplash::finished_Timer1, main, [main] {
        // Without a window manager (a bare X server) maximising does nothing:
        // start from the whole available screen so the window fills it anyway.
        if (const QScreen *screen = main->screen())
            main->setGeometry(screen->availableGeometry());
        main->showMaximized();
    });
    splash.exec();
    return main;
}

int modGlobal::Main(SettingsStore &settings)
{
    if (!Startup(settings, frmSplash::kDisplayMilliseconds))
        return 1;
    return QApplication::exec();
}
