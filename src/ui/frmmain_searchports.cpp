// The search run's view of the main window (see frmmain_searchports.h).
#include "ui/frmmain_searchports.h"

#include "grid/gridmodel.h"
#include "results/resultcolumns.h"
#include "results/cellformats.h"
#include "ui/iconsurface.h"
#include "ui/statusbar.h"

#include <QCoreApplication>
#include <QLabel>

#include <utility>

frmMain::SearchPorts::SearchPorts(frmMain &window) : m_window(window)
{
    m_batchTimer.setSingleShot(true);
    m_batchTimer.setInterval(kBatchIntervalMs);
    QObject::connect(&m_batchTimer, &QTimer::timeout, &m_batchTimer, [this] { flush(); });
}

void frmMain::SearchPorts::yield()
{
    if (m_sinceYield.isValid() && m_sinceYield.elapsed() < kYieldSliceMs)
        return;
    m_sinceYield.start();
    // The window, and these ports with it, may be gone when this returns.
    QCoreApplication::processEvents();
}

void frmMain::SearchPorts::holdBack()
{
    if (!m_batchTimer.isActive())
        m_batchTimer.start();
}

void frmMain::SearchPorts::flush()
{
    m_batchTimer.stop();
    GridModel &files = *m_window.m_files;
    for (const PendingRow &pending : m_rows) {
        const int row = files.appendRow(pending.cells);
        if (!pending.fileNameIcon.isNull())
            files.setPicture(row, ResultColumns::FileName, pending.fileNameIcon);
    }
    m_rows.clear();
    for (auto panel = m_panelTexts.cbegin(); panel != m_panelTexts.cend(); ++panel)
        m_window.sbGeneral->setPanelText(panel.key(), panel.value());
    m_panelTexts.clear();
    if (m_pageTotalText)
        m_window.lblPageCount->setText(*std::exchange(m_pageTotalText, std::nullopt));
}

void frmMain::SearchPorts::clearToHeaderRow()
{
    flush(); // a summary still held back belongs to the rows about to go
    m_iconsByExtension.clear(); // icons may have changed since the last run
    m_window.m_files->setRows(m_window.m_files->fixedRows());
}

void frmMain::SearchPorts::appendRow(const QStringList &cells, const QVariant &fileNameIcon)
{
    m_rows.push_back({cells, fileNameIcon.value<QImage>()});
    if (m_rows.size() >= kBatchRows)
        flush();
    else
        holdBack();
}

void frmMain::SearchPorts::SetStatusText(const QString &text, const QString &key)
{
    m_panelTexts.insert(key, text);
    holdBack();
}

void frmMain::SearchPorts::setPageTotalText(const QString &text)
{
    m_pageTotalText = text;
    holdBack();
}

QVariant frmMain::SearchPorts::iconFor(const QString &fullPath)
{
    const QString extension = GetExtension(fullPath.section(u'/', -1));
    const auto known = m_iconsByExtension.constFind(extension);
    if (known != m_iconsByExtension.constEnd())
        return *known;
    // The surface is cleared first: a file without an icon gets none.
    m_window.pic16Icon->clear();
    m_window.DrawFileIcon(fullPath);
    return *m_iconsByExtension.insert(extension, m_window.pic16Icon->image());
}
