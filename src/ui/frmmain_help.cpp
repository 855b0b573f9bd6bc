// The Help menu: the website, the help file and the about box.
#include "ui/frmmain.h"

#include "settings/productinfo.h"
#include "platform/desktopservices.h"
#include "platform/programfolder.h"
#include "ui/desktoplinks.h"
#include "ui/dlgabout.h"

#include <QUrl>

void frmMain::mnuSupport_Click()
{
    const QUrl website(QString::fromLatin1(ProductInfo::kWebsite));
    if (desktopCanOpen(*m_services.desktop, *m_services.prompts, this, website, website.toString()))
        m_services.desktop->openUrl(website);
}

void frmMain::mnuHelp1_Click()
{
    // Handed to the desktop as it is: a missing file is the desktop's to report.
    const QString helpFile = programFolderFile(QStringLiteral("Brimfold.chm"));
    if (desktopCanOpen(*m_services.desktop, *m_services.prompts, this, fileUrlOfPath(helpFile), helpFile))
        m_services.desktop->openFile(helpFile);
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
