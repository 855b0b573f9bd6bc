// File actions on the listed files: open, properties, containing folder and
// deletion. The single-file actions use the current row, Delete the selected
// rows; every row names its file by the hidden full-path column.
#include "ui/frmmain.h"

#include "platform/desktopservices.h"
#include "grid/gridmodel.h"
#include "results/resultcolumns.h"
#include "grid/rowtransfer.h"
#include "ui/prompts.h"

#include <optional>

namespace {

// The full path of the current row; none while the cursor is not on a data row.
std::optional<QString> currentFullPath(const GridModel &files)
{
    const int row = files.currentRow();
    if (row <= 0 || !files.isDataRow(row))
        return std::nullopt;
    return files.text(row, ResultColumns::FullPath);
}

} // namespace

void frmMain::mnuFileOpen_Click()
{
    if (const auto path = currentFullPath(*m_files))
        OpenFile(*path);
}

void frmMain::mnuFileDelete_Click()
{
    DeleteSelectedFiles();
}

void frmMain::mnuFileProperties_Click()
{
    if (const auto path = currentFullPath(*m_files))
        ShowFileProperties(*path);
}

void frmMain::mnuFileShowContainingFolder_Click()
{
    if (const auto path = currentFullPath(*m_files))
        OpenContainingFolder(*path);
}

bool frmMain::OpenFile(const QString &path)
{
    return m_services.desktop && m_services.desktop->openFile(path);
}

bool frmMain::ShowFileProperties(const QString &path)
{
    return m_services.desktop && m_services.desktop->showProperties(path);
}

bool frmMain::OpenContainingFolder(const QString &path)
{
    // The file manager opens the folder with the file singled out; without a
    // file manager on the bus the desktop service opens the bare folder.
    return m_services.desktop && m_services.desktop->showInFolder(path);
}

bool frmMain::DeleteSelectedFiles()
{
    if (!m_services.desktop || !m_services.prompts || selectedShownRows(*m_files).isEmpty())
        return true;
    if (!m_services.prompts->askYesNo(this, tr("Are you sure to delete selected files?"),
                                      Prompts::Icon::Question))
        return true;
    // The rows as they stand once the question is answered, in list order.
    const QList<int> rows = selectedShownRows(*m_files);
    for (const int row : rows) {
        const QString path = m_files->text(row, ResultColumns::FullPath);
        if (!m_services.desktop->deleteFile(path, nullptr)) {
            m_services.prompts->inform(this, tr("Unable to delete file %1").arg(path),
                                       Prompts::Icon::None);
            return false;
        }
        m_files->setRowHidden(row, true);
    }
    return true;
}
