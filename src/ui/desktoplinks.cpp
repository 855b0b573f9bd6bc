#include "ui/desktoplinks.h"

#include "platform/desktopservices.h"
#include "ui/prompts.h"

#include <QCoreApplication>

bool desktopCanOpen(DesktopServices &desktop, Prompts &prompts, QWidget *parent, const QUrl &url,
                    const QString &shown)
{
    if (desktop.hasApplicationFor(url))
        return true;
    prompts.inform(
        parent,
        QCoreApplication::translate("DesktopLinks", "No application is set up to open %1.")
            .arg(shown),
        Prompts::Icon::Information);
    return false;
}
