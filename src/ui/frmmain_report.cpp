// The page report window: the results with the last search's criteria.
#include "ui/frmmain.h"

#include "search/searchrun.h"
#include "settings/settings.h"
#include "ui/pagereportwindow.h"

void frmMain::mnuPageReport_Click()
{
    openToolWindow(m_pageReport, [this] {
        return new PageReportWindow(*m_files, [run = m_searchRun] { return run->record(); }, m_settings.filePath(), this);
    }, &PageReportWindow::refresh);
}
