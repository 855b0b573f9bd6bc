#pragma once

#include "cli/linewriter.h"
#include "export/resultfile.h"
#include "results/cellformats.h"
#include "results/foldertotalcolumns.h"
#include "search/searchinterfaces.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimeZone>

#include <memory>
#include <span>

class Output;
class Progress;

// What is written: one line per file, one per folder, or the totals alone.
enum class Listing { Files, Folders, Total };

// The search run's results, written as they come: the run's table and
// status bar for a program with standard output.
class CountReport : public SearchResultsTarget, public SearchStatusSink
{
    Q_DECLARE_TR_FUNCTIONS(CountReport)

public:
    CountReport(Listing listing, OutputFormat format, Output &output, Progress &progress);

    // The header line.
    void begin();
    // A start folder's search: a result file's first and end records.
    void beginSearch(const ResultFile::Source &source);
    void endSearch(bool cancelled);
    // The last folder's line, the totals line and anything held back.
    void end();
    // Between files: the progress line, and rows held back too long.
    void tick();
    const FolderTotal &totals() const { return m_totals; }

    // Several start folders make one listing: nothing to clear.
    void clearToHeaderRow() override {}
    void appendRow(const QStringList &, const QVariant &) override {}
    void appendFound(const FoundFile &file, const QStringList &cells, const QVariant &) override;
    bool wantsCellTexts() const override { return m_listing == Listing::Files && m_format == OutputFormat::Table; }
    void SetStatusText(const QString &text, const QString &key) override;
    void setPageTotalText(const QString &) override {}

private:
    LineWriter::Fields fileFields(const FoundFile &file, const QStringList &cells) const;
    void writeRecord(const FoundFile &file);
    LineWriter::Fields totalFields(const FolderTotal &total, std::span<const FolderTotalKey> columns) const;
    QByteArray number(qint64 value) const;
    void endFolder();

    Listing m_listing;
    OutputFormat m_format;
    Output &m_output;
    Progress &m_progress;
    std::unique_ptr<LineWriter> m_writer;
    FolderTotal m_totals; // named as its line names it
    FolderTotal m_folderTotals; // of the folder whose files come now
    QByteArray m_folderBytes;
    QString m_searching;
    QTimeZone m_zone = QTimeZone::systemTimeZone();
    CellTextFormat m_cellFormat;
    QElapsedTimer m_sinceFinish;
    FolderTotal m_searchTotals; // of the start folder being searched
    QByteArray m_record;        // a result file's record, reused
};
