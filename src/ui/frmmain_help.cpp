// The Help menu: the website, the help file and the about box.
#include "ui/frmmain.h"

#include "settings/productinfo.h"
#include "platform/desktopservices.h"
#include "platform/programfolder.h"
#include "ui/dlgabout.h"

#include <QUrl>

void frmMain::mnuSupport_Click()
{
    m_services.desktop->openUrl(QUrl(QString::fromLatin1(ProductInfo::kWebsite)));
}

void frmMain::mnuHelp1_Click()
{
    // Handed to the desktop as it is: a missing file is the desktop's to report.
    m_services.desktop->openFile(programFolderFile(QStringLiteral("Brimfold.chm")));
}

void frmMain::mnuAbout_Click()
{
    // One about box at a time: choosing it again brings the open one forward.
    dlgAbout *box = dlgAbout::openInstance();
    if (!box) {
        box = new dlgAbout(m_services.desktop, m_services.prompts);
        box->setAttribute(Qt::WA_DeleteOnClose);
    }
    box->show();
    box->raise();
    box->activateWindow();
}
