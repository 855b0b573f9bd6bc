#include "ui/pagereportwindow.h"

#include "base/replacefile.h"
#include "grid/gridmodel.h"
#include "settings/pagereportsettings.h"
#include "settings/productinfo.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {
// A save or print that ends sooner shows no progress dialog at all. Set by
// scripts/bench_pagereport.sh, row "save PDF": 301 ms for 241 pages, so a
// report of up to about 300 pages saves without one.
constexpr int kProgressDelayMs = 400;
} // namespace

PageReportWindow::PageReportWindow(const GridModel &results, std::function<SearchRecord()> lastSearch,
                                   QString settingsPath, QWidget *parent)
    : QWidget(parent, Qt::Window), m_results(results), m_lastSearch(std::move(lastSearch)),
      m_settingsPath(std::move(settingsPath))
{
    setObjectName(QStringLiteral("PageReportWindow"));
    setWindowTitle(PageReport::TitleText);
    const PageReportLines lines = readPageReportLines(m_settingsPath);
    m_organisationEdit = new QLineEdit(lines.organisation, this);
    m_referenceEdit = new QLineEdit(lines.reference, this);
    for (QLineEdit *edit : {m_organisationEdit, m_referenceEdit}) {
        edit->setMaxLength(PageReportLines::kLongest);
        connect(edit, &QLineEdit::editingFinished, this, &PageReportWindow::takeLines);
    }
    m_selectedOnlyCheck = new QCheckBox(tr("Selected rows only"), this);
    connect(m_selectedOnlyCheck, &QCheckBox::toggled, this, &PageReportWindow::refresh);

    m_pageImage = new QLabel(this);
    m_pageImage->setAlignment(Qt::AlignCenter);
    m_previewArea = new QScrollArea(this);
    m_previewArea->setWidget(m_pageImage);
    m_previewArea->setWidgetResizable(true);
    m_previewArea->setBackgroundRole(QPalette::Dark);
    m_previousButton = new QPushButton(tr("< Previous"), this);
    m_nextButton = new QPushButton(tr("Next >"), this);
    m_pageNumberLabel = new QLabel(this);
    connect(m_previousButton, &QPushButton::clicked, this, [this] { showPage(m_page - 1); });
    connect(m_nextButton, &QPushButton::clicked, this, [this] { showPage(m_page + 1); });

    m_savePdfButton = new QPushButton(tr("Save PDF..."), this);
    m_printButton = new QPushButton(tr("Print..."), this);
    m_closeButton = new QPushButton(tr("Close"), this);
    m_statusLabel = new QLabel(this);
    m_statusLabel->setObjectName(QStringLiteral("status"));
    connect(m_savePdfButton, &QPushButton::clicked, this, &PageReportWindow::savePdfClicked);
    connect(m_printButton, &QPushButton::clicked, this, &PageReportWindow::printClicked);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);

    auto *form = new QFormLayout;
    form->addRow(tr("Organisation:"), m_organisationEdit);
    form->addRow(tr("Reference:"), m_referenceEdit);
    form->addRow(QString(), m_selectedOnlyCheck);
    auto *pages = new QHBoxLayout;
    pages->addWidget(m_previousButton);
    pages->addWidget(m_pageNumberLabel, 1, Qt::AlignCenter);
    pages->addWidget(m_nextButton);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_statusLabel, 1);
    buttons->addWidget(m_savePdfButton);
    buttons->addWidget(m_printButton);
    buttons->addWidget(m_closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_previewArea, 1);
    layout->addLayout(pages);
    layout->addLayout(buttons);

    choosePdfFile = [](QWidget *parent) {
        return QFileDialog::getSaveFileName(parent, tr("Save Page Report"), QString(),
                                            tr("PDF File") + QStringLiteral(" (*.pdf)"));
    };
    refresh();
    resize(720, 820);
}

void PageReportWindow::refresh()
{
    // Narrowing to a selection of one row would make a report of one file.
    const bool canNarrow = m_results.selectedTally().rows >= 2;
    m_selectedOnlyCheck->setVisible(canNarrow);
    const RowScope scope = canNarrow && m_selectedOnlyCheck->isChecked() ? RowScope::Selected : RowScope::Shown;
    const PageReportHeading heading{m_organisationEdit->text().trimmed(), m_referenceEdit->text().trimmed(),
                                    QDateTime::currentDateTime(), QString::fromLatin1(ProductInfo::kVersionLine)};
    m_report = std::make_shared<const PageReport>(buildPageReport(m_results, heading, m_lastSearch(), scope));
    m_preview = std::make_unique<PageReportDocument>(
            *m_report, reportPageLayout(QLocale()).paintRectPoints().size());
    m_statusLabel->clear();
    showPage(m_page);
}

void PageReportWindow::showPage(int page)
{
    m_page = std::clamp(page, 0, m_preview->pageCount() - 1);
    const QPageLayout layout = reportPageLayout(QLocale());
    const qreal ratio = devicePixelRatioF();
    QImage image(layout.fullRectPoints().size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(layout.paintRectPoints().topLeft());
        m_preview->paintPage(painter, m_page);
    }
    m_pageImage->setPixmap(QPixmap::fromImage(image));
    m_pageNumberLabel->setText(tr("Page %1 of %2").arg(m_page + 1).arg(m_preview->pageCount()));
    m_previousButton->setEnabled(m_page > 0);
    m_nextButton->setEnabled(m_page + 1 < m_preview->pageCount());
}

// Going, the window gives up the focus, and a line being edited would say
// so to a window partly gone: what the lines hold is kept now instead.
PageReportWindow::~PageReportWindow()
{
    for (QLineEdit *edit : {m_organisationEdit, m_referenceEdit})
        edit->disconnect(this);
    storeLines();
}

void PageReportWindow::takeLines()
{
    const LinesStored stored = storeLines();
    if (stored == LinesStored::Unchanged)
        return;
    refresh(); // the report shows the lines even when the file did not take them
    if (stored == LinesStored::Failed)
        m_statusLabel->setText(tr("Could not save the organisation and reference lines to %1")
                                       .arg(m_settingsPath));
}

// Writes the lines when they changed.
PageReportWindow::LinesStored PageReportWindow::storeLines()
{
    const PageReportLines lines{m_organisationEdit->text().trimmed(), m_referenceEdit->text().trimmed()};
    if (lines.organisation == m_report->heading.organisation && lines.reference == m_report->heading.reference)
        return LinesStored::Unchanged;
    return writePageReportLines(m_settingsPath, lines) ? LinesStored::Written : LinesStored::Failed;
}

// The dialog is modal to this window and its owner, so neither can start
// another save or close while the pages are painted.
bool PageReportWindow::paintWithProgress(const QString &what, const std::function<bool(const ReportProgress &)> &paint)
{
    QProgressDialog progress(what, tr("Cancel"), 0, 0, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kProgressDelayMs);
    progress.setAutoReset(false);
    progress.setValue(0); // starts the clock the delay is measured by
    const bool done = paint([&progress](int page, int pages) {
        progress.setMaximum(pages);
        progress.setValue(page); // processes events: the windows repaint, Cancel answers
        return !progress.wasCanceled();
    });
    return done && !progress.wasCanceled();
}

bool PageReportWindow::savePdf(const QString &path)
{
    const std::shared_ptr<const PageReport> report = m_report;
    const QPageLayout layout = reportPageLayout(QLocale());
    QString error;
    bool cancelled = false;
    const bool saved = paintWithProgress(tr("Saving %1...").arg(path), [&](const ReportProgress &progress) {
        return replaceFile(path, [&](QIODevice *device) {
            const bool written = writePageReportPdf(*report, device, layout, [&](int page, int pages) {
                cancelled = !progress(page, pages);
                return !cancelled;
            });
            if (!written && !cancelled)
                error = device->errorString();
            return written && !cancelled;
        }, &error);
    });
    if (saved)
        m_statusLabel->setText(tr("Saved to %1").arg(path));
    else if (cancelled)
        m_statusLabel->setText(tr("Not saved: cancelled"));
    else
        m_statusLabel->setText(
                tr("Could not save %1: %2").arg(path, error.isEmpty() ? tr("the PDF could not be written") : error));
    return saved;
}

bool PageReportWindow::print(QPagedPaintDevice &printer)
{
    const std::shared_ptr<const PageReport> report = m_report;
    const bool printed = paintWithProgress(tr("Printing..."), [&](const ReportProgress &progress) {
        return paintPageReport(*report, printer, progress);
    });
    m_statusLabel->setText(printed ? tr("Sent to the printer") : tr("Not printed"));
    return printed;
}

void PageReportWindow::savePdfClicked()
{
    const QString path = choosePdfFile(this);
    if (!path.isEmpty())
        savePdf(path);
}

void PageReportWindow::printClicked()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(reportPageLayout(QLocale()));
    printer.setDocName(PageReport::TitleText);
    printer.setCreator(QString::fromLatin1(ProductInfo::kVersionLine));
    QPrintDialog dialog(&printer, this);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() == QDialog::Accepted)
        print(printer);
}
