// Export: the Export button and Tools > Export write the result list to the
// file the export dialog names.
#include "ui/frmmain.h"

#include "settings/settings.h"
#include "export/exportwriter.h"
#include "platform/programfolder.h"
#include "grid/gridmodel.h"
#include "ui/dlgsave.h"
#include "ui/prompts.h"

namespace {
const QString kReportBreak = QStringLiteral("\r\n\r\n");
} // namespace

void frmMain::cmdExport_Click()
{
    if (m_files->rows() <= m_files->fixedRows()) {
        m_services.prompts->inform(this, tr("No files found to export."),
                                   Prompts::Icon::Information);
        return;
    }
    ExportGridData(*m_files);
}

void frmMain::mnuExport_Click()
{
    ExportGridData(*m_files);
}

bool frmMain::ExportGridData(GridModel &grid)
{
    const QString exportLocation = m_settings.record().exportLocation;
    const auto chooseTarget = [&] {
        if (m_services.exportDialog)
            return m_services.exportDialog(this, exportLocation);
        return dlgSave::run(this, exportLocation, *m_services.prompts);
    };
    const QString scratchFolder =
        m_services.scratchFolder.isEmpty() ? programFolder() : m_services.scratchFolder;
    const ExportWriter::Result result =
        ExportWriter::exportGrid(grid, *m_scratch, scratchFolder, chooseTarget);
    switch (result.outcome) {
    case ExportWriter::Outcome::Written:
        m_services.prompts->inform(this,
                                   tr("Meta Data exported successfully to %1").arg(result.fileName),
                                   Prompts::Icon::Information);
        return true;
    case ExportWriter::Outcome::Failed:
        m_services.prompts->inform(this, tr("Unable to export data.") + kReportBreak + result.error,
                                   Prompts::Icon::Information);
        return false;
    case ExportWriter::Outcome::Cancelled:
        break;
    }
    return false;
}
