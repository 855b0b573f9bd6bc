// The page report window: the results with the last search's criteria.
#include "ui/frmmain.h"

#include "settings/settings.h"
#include "ui/pagereportwindow.h"

SearchRecord frmMain::lastSearch() const
{
    SearchRecord search = m_lastSearch;
    search.running = isSearching();
    return search;
}

void frmMain::mnuPageReport_Click()
{
    if (!m_pageReport)
        m_pageReport = new PageReportWindow(*m_files, [this] { return lastSearch(); }, m_settings.filePath(), this);
    else
        m_pageReport->refresh();
    m_pageReport->show();
    m_pageReport->raise();
    m_pageReport->activateWindow();
}
