#pragma once

#include "export/pagereportdocument.h"

#include <QWidget>

#include <functional>
#include <memory>

class GridModel;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPagedPaintDevice;
class QPushButton;
class QScrollArea;

// The modeless "Page Report" window: a preview of the report's pages and
// the buttons to save it as PDF or print it. The report is made from the
// results table when the window opens, on refresh() and when "Selected rows
// only" changes; the organisation and reference lines are kept in the
// settings file as they are edited (the status line says when they cannot be).
class PageReportWindow : public QWidget
{
    Q_OBJECT
public:
    PageReportWindow(const GridModel &results, std::function<SearchRecord()> lastSearch, QString settingsPath,
                     QWidget *parent = nullptr);
    ~PageReportWindow() override;

    void refresh();
    // Writes the PDF through a temporary file, so a failed or cancelled
    // write keeps the old file; the outcome shows in the status line.
    bool savePdf(const QString &path);
    // Paints every page onto a printer (or any paged device) set up already.
    bool print(QPagedPaintDevice &printer);

    const PageReport &report() const { return *m_report; }
    int previewPage() const { return m_page; }

    // Asks where to save; an empty answer cancels. Tests replace it.
    std::function<QString(QWidget *parent)> choosePdfFile;

private:
    void showPage(int page);
    enum class LinesStored { Unchanged, Written, Failed };
    void takeLines();
    LinesStored storeLines();
    void savePdfClicked();
    void printClicked();
    bool paintWithProgress(const QString &what, const std::function<bool(const ReportProgress &)> &paint);

    const GridModel &m_results;
    std::function<SearchRecord()> m_lastSearch;
    QString m_settingsPath;
    // Shared with a save or print in progress, which a refresh must not pull from under it.
    std::shared_ptr<const PageReport> m_report;
    std::unique_ptr<PageReportDocument> m_preview;
    int m_page = 0;

    QLineEdit *m_organisationEdit = nullptr;
    QLineEdit *m_referenceEdit = nullptr;
    QCheckBox *m_selectedOnlyCheck = nullptr;
    QScrollArea *m_previewArea = nullptr;
    QLabel *m_pageImage = nullptr;
    QLabel *m_pageNumberLabel = nullptr;
    QPushButton *m_previousButton = nullptr;
    QPushButton *m_nextButton = nullptr;
    QPushButton *m_savePdfButton = nullptr;
    QPushButton *m_printButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QLabel *m_statusLabel = nullptr;
};
