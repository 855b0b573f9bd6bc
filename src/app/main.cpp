#include "app/modglobal.h"
#include "settings/languages.h"
#include "settings/settings.h"
#include "platform/programfolder.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brimfold"));
    Languages::install();
    // Wayland matches the windows to the launcher by the desktop file's name.
    QGuiApplication::setDesktopFileName(QStringLiteral("brimfold"));
    SettingsStore settings(programFolderFile(QStringLiteral("Settings/Settings.ini")));
    return modGlobal::Main(settings);
}
