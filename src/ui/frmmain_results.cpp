// The results table: set-up, look, icons, header sort, selection, context menu.
#include "ui/frmmain.h"

#include "settings/settings.h"
#include "results/gridlooksettings.h"
#include "grid/gridmodel.h"
#include "results/resultcolumns.h"
#include "ui/foldertree.h"
#include "ui/gridview.h"
#include "ui/iconsurface.h"

#include <QMenu>
#include <QSplitter>

void frmMain::SetupGrid()
{
    ResultColumns::setupColumns(*m_files);
    ResultColumns::ApplyColumnVisibility(*m_files, m_settings.record().visibilityList,
                                         ResultColumns::EntryComparison::IgnoreTrailingSpaces);
}

void frmMain::applyGridLook()
{
    // Each part the settings cannot supply keeps what the grid had.
    vsFiles->setLook(lookFromSettings(m_settings.record(), vsFiles->look(), vsFiles->palette()));
}

void frmMain::ApplyStartupSettings()
{
    applyGridLook();
    // A start-up folder the tree cannot select leaves the tree's own choice.
    // One on a share that does not answer yet is where the first search
    // runs all the same; the tree shows it when the share answers.
    if (!m_settings.record().startupFolder.isEmpty())
        ftv->selectWhenReachable(m_settings.record().startupFolder, kStartupFolderWaitMs);
}

void frmMain::RefreshGrid()
{
    applyGridLook();
    ResultColumns::ApplyColumnVisibility(*m_files, m_settings.record().visibilityList,
                                         ResultColumns::EntryComparison::Exact);
}

void frmMain::DrawFileIcon(const QString &fullPath)
{
    if (!m_services.icons)
        return;
    const QImage icon = m_services.icons->iconFor(fullPath).value<QImage>();
    if (icon.isNull())
        return; // the surface keeps what it held
    pic16Icon->clear();
    pic16Icon->draw(icon);
}

void frmMain::vsFiles_AfterSort(int col, bool ascending)
{
    if (ResultColumns::afterHeaderSort(*m_files, col, ascending))
        vsFiles->setFocus();
}

void frmMain::mnuEditSelectAll_Click()
{
    m_files->selectAll();
}

void frmMain::mnuEditInvertSelection_Click()
{
    m_files->invertSelection();
}

void frmMain::vsFiles_MouseDown(Qt::MouseButton button, int row, int col, const QPoint &globalPos)
{
    if (button == Qt::RightButton && row > 0 && col >= 0)
        mnuPopup->popup(globalPos);
}

void frmMain::showPopupAtTableCorner()
{
    // The table's corner: its offsets in its pane plus the pane's in the window.
    mnuPopup->popup(vsFiles->mapToGlobal(QPoint(0, 0)));
}

void frmMain::vsFiles_KeyDown(int key)
{
    if (key == Qt::Key_Menu)
        showPopupAtTableCorner();
    else if (key == Qt::Key_Delete)
        mnuFileDelete_Click();
}
