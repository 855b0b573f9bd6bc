#pragma once

#include "results/gridmodel.h"
#include "results/resultcolumns.h"
#include "ui/frmmain.h"
#include "ui/iconsurface.h"
#include "ui/statusbar.h"

#include <QLabel>

// What the search run sees of the window: the results table, the status
// bar with the page total, and the icon surface.
class frmMain::SearchPorts : public SearchResultsTarget, public SearchStatusSink, public FileIconSource
{
public:
    explicit SearchPorts(frmMain &window) : m_window(window) {}

    void clearToHeaderRow() override { m_window.m_files->setRows(m_window.m_files->fixedRows()); }
    void appendRow(const QStringList &cells, const QImage &fileNameIcon) override
    {
        const int row = m_window.m_files->appendRow(cells);
        if (!fileNameIcon.isNull())
            m_window.m_files->setPicture(row, ResultColumns::FileName, fileNameIcon);
    }
    void SetStatusText(const QString &text, const QString &key) override
    {
        m_window.sbGeneral->setPanelText(key, text);
    }
    void setPageTotalText(const QString &text) override { m_window.lblPageCount->setText(text); }
    QImage iconFor(const QString &fullPath) override
    {
        // The surface is cleared first: a file without an icon gets none.
        m_window.pic16Icon->clear();
        m_window.DrawFileIcon(fullPath);
        return m_window.pic16Icon->image();
    }

private:
    frmMain &m_window;
};
