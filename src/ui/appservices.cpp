#include "ui/appservices.h"

#include "platform/desktopservices.h"
#include "platform/filesystem.h"
#include "ui/fileicons.h"
#include "ui/prompts.h"
#include "ui/qtchoosers.h"

AppServices createAppServices()
{
    AppServices services;
    services.desktop = createDesktopServices();
    services.choosers = std::make_shared<QtChoosers>();
    services.icons = std::make_shared<ThemeFileIcons>();
    services.lister = createFolderLister();
    services.pageCounts.cache = openPageCountCache();
    services.prompts = std::make_shared<MessageBoxPrompts>();
    return services;
}
