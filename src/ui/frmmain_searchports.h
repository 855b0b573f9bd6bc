#pragma once

#include "ui/frmmain.h"

#include <QElapsedTimer>
#include <QHash>
#include <QImage>
#include <QStringList>
#include <QTimer>

#include <optional>
#include <vector>

// What the search run sees of the window: the results table, the status
// bar with the page total, and the icon surface.
//
// Rows and status texts reach the window in batches, at most every
// kBatchIntervalMs and at the end of the run: one at a time, the table and
// the status bar would lay themselves out and repaint after every file the
// run examines, which costs far more than finding and counting the file.
// The panels and the page total are held back with the rows, so the window
// always shows them in step with the table. A batch also ends at kBatchRows
// rows (about 10 ms to add): where files come fast, 100 ms of them took
// 30 ms to add, and the window did not answer meanwhile.
class frmMain::SearchPorts : public SearchResultsTarget, public SearchStatusSink, public FileIconSource
{
public:
    explicit SearchPorts(frmMain &window);

    // Shows everything held back, at once.
    void flush();
    // The run's yield after each file: lets the event loop run when
    // kYieldSliceMs have passed since it last ran. A pass of the event loop
    // costs more than most files; the window answers as quickly either way.
    void yield();

    void clearToHeaderRow() override;
    void appendRow(const QStringList &cells, const QVariant &fileNameIcon) override;
    void SetStatusText(const QString &text, const QString &key) override;
    void setPageTotalText(const QString &text) override;
    QVariant iconFor(const QString &fullPath) override;

private:
    static constexpr int kBatchIntervalMs = 100;
    static constexpr std::size_t kBatchRows = 5000;
    static constexpr int kYieldSliceMs = 2;

    struct PendingRow
    {
        QStringList cells;
        QImage fileNameIcon;
    };

    void holdBack();

    frmMain &m_window;
    QTimer m_batchTimer;
    QElapsedTimer m_sinceYield;
    std::vector<PendingRow> m_rows;
    QHash<QString, QString> m_panelTexts; // by panel key
    // The icons of this run by file extension: the run asks again whenever
    // the extension changes, and mixed extensions are common.
    QHash<QString, QImage> m_iconsByExtension;
    std::optional<QString> m_pageTotalText;
};
