#include "app/modglobal.h"
#include "settings/settings.h"
#include "platform/programfolder.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brimfold"));
    SettingsStore settings(programFolderFile(QStringLiteral("Settings/Settings.ini")));
    return modGlobal::Main(settings);
}
