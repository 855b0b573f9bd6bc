// Times the page report over a large result list and saves pictures of it.
//   pagereport_bench                 the timing rows (scripts/bench_pagereport.sh)
//   pagereport_bench --shots FOLDER  the window in a light and a dark palette, and a sample PDF
#include "export/pagereportdocument.h"
#include "grid/gridmodel.h"
#include "results/resultcolumns.h"
#include "settings/pagereportsettings.h"
#include "ui/pagereportwindow.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPalette>
#include <QStyleFactory>
#include <QTextStream>

#include <algorithm>

using namespace ResultColumns;

namespace {

void addFile(GridModel &grid, const QString &folder, const QString &name, int pages, PageSize size,
             CaptureMode mode)
{
    PageBreakdown worth;
    PageFacts facts;
    facts.size = size;
    facts.mode = mode;
    facts.a4Equivalent = size == PageSize::A3 ? 2 : 1;
    for (int page = 0; page < pages; ++page)
        worth.add(facts);
    QStringList cells(Count);
    cells[FileName] = name;
    cells[Location] = folder;
    cells[FullPath] = folder + u'/' + name;
    cells[Pages] = pages < 0 ? QStringLiteral("Error") : QString::number(pages);
    cells[PagesNote] = pages < 0 ? QStringLiteral("The first image directory lies outside the file") : QString();
    cells[PageWorth] = pages < 0 ? QString() : worth.key();
    grid.appendRow(cells);
}

qint64 msSince(QElapsedTimer &timer)
{
    const qint64 ms = timer.elapsed();
    timer.restart();
    return ms;
}

int timing()
{
    constexpr int kFolders = 10000, kCountedPerFolder = 10, kUnreadable = 100000;
    GridModel grid;
    setupColumns(grid);
    for (int folder = 0; folder < kFolders; ++folder) {
        const QString location = QStringLiteral("/srv/scans/client-%1/2026-%2").arg(folder / 12).arg(folder % 12 + 1);
        for (int file = 0; file < kCountedPerFolder; ++file)
            addFile(grid, location, QStringLiteral("scan-%1.tif").arg(file), 1 + file % 5,
                    file % 3 ? PageSize::A4 : PageSize::A3, CaptureMode(file % 3));
        for (int file = 0; file < kUnreadable / kFolders; ++file)
            addFile(grid, location, QStringLiteral("broken-%1.tif").arg(file), -1, PageSize::Unknown,
                    CaptureMode::Unknown);
    }
    QTextStream out(stdout);
    out << "rows: " << grid.rows() - 1 << " (" << kFolders << " folders, " << kUnreadable << " unreadable)\n";
    QElapsedTimer timer;
    timer.start();
    const PageReport report = buildPageReport(grid, {QStringLiteral("Acme"), QStringLiteral("Job 1"),
                                                     QDateTime::currentDateTime(), QStringLiteral("bench")},
                                              {}, RowScope::Shown);
    const qint64 buildMs = msSince(timer);
    const QPageLayout layout = reportPageLayout(QLocale::c());
    const PageReportDocument document(report, layout.paintRectPoints().size());
    const qint64 layoutMs = msSince(timer);
    QImage preview(layout.fullRectPoints().size(), QImage::Format_RGB32);
    qint64 previewMs = 0;
    for (int page : {0, document.pageCount() / 2}) {
        preview.fill(Qt::white);
        QPainter painter(&preview);
        document.paintPage(painter, page);
        painter.end();
        previewMs = std::max(previewMs, msSince(timer));
    }
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    qint64 longestPageMs = 0;
    QElapsedTimer page;
    page.start();
    writePageReportPdf(report, &pdf, layout, [&](int, int) {
        longestPageMs = std::max(longestPageMs, page.restart());
        return true;
    });
    const qint64 saveMs = msSince(timer);
    out << "build report:        " << buildMs << " ms  (" << QString::number(buildMs / 50.0, 'f', 2)
        << " of the 50 ms an event-loop wait may take; limit 5 s)\n";
    out << "lay out pages:       " << layoutMs << " ms  (" << document.pageCount() << " pages)\n";
    out << "preview one page:    " << previewMs << " ms (slowest of 2)\n";
    out << "save PDF:            " << saveMs << " ms  (" << QString::number(saveMs / 5000.0, 'f', 2)
        << " of the 5 s allowed; " << pdf.size() / 1024 << " KB)\n";
    out << "longest page (wait): " << longestPageMs << " ms  (" << QString::number(longestPageMs / 50.0, 'f', 2)
        << " of 50 ms)\n";
    return 0;
}

GridModel *sampleGrid()
{
    auto *grid = new GridModel;
    setupColumns(*grid);
    const struct
    {
        const char *folder;
        int pages;
        PageSize size;
        CaptureMode mode;
    } files[] = {
        {"/srv/scans/acme/2026-11/invoices", 12, PageSize::A4, CaptureMode::BlackAndWhite},
        {"/srv/scans/acme/2026-11/invoices", 3, PageSize::A4, CaptureMode::Color},
        {"/srv/scans/acme/2026-11/drawings", 4, PageSize::A3, CaptureMode::Grayscale},
        {"/srv/scans/acme/2026-11/drawings", 2, PageSize::A1, CaptureMode::Color},
        {"/srv/scans/globex/2026-11", 9, PageSize::Letter, CaptureMode::BlackAndWhite},
        {"/srv/scans/globex/2026-11", -1, PageSize::Unknown, CaptureMode::Unknown},
        {"/srv/scans/globex/2026-11/faxes", 6, PageSize::Fax, CaptureMode::BlackAndWhite},
        {"/srv/scans/initech/a very long folder name that a client gave to the scans of the whole of 2026/batch 7",
         5, PageSize::Unknown, CaptureMode::Grayscale},
    };
    int number = 0;
    for (const auto &file : files)
        addFile(*grid, QString::fromUtf8(file.folder), QStringLiteral("scan-%1.tif").arg(++number), file.pages,
                file.size, file.mode);
    return grid;
}

int shots(const QString &folder)
{
    QDir().mkpath(folder);
    const QDir out(folder);
    GridModel *grid = sampleGrid();
    grid->selectOnly(1, 2); // "Selected rows only" shows
    SearchRecord search;
    search.ran = true;
    search.startFolder = QStringLiteral("/srv/scans/");
    search.criteria.subfolders = true;
    search.criteria.date = true;
    search.criteria.from = QDate(2026, 11, 1);
    search.criteria.to = QDate(2026, 11, 30);
    search.started = QDateTime(QDate(2026, 12, 1), QTime(9, 30));
    bool ok = true;
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QPalette light = QApplication::palette();
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x25, 0x25, 0x25));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Dark, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
    for (const auto &[name, palette] : {std::pair{QStringLiteral("light"), light}, std::pair{QStringLiteral("dark"), dark}}) {
        QApplication::setPalette(palette);
        const QString ini = out.filePath(QStringLiteral("shots.ini"));
        QFile::remove(ini);
        writePageReportLines(ini, {QStringLiteral("Northfield Records Office"), QStringLiteral("Job 2026-117, November")});
        PageReportWindow window(*grid, [&] { return search; }, ini);
        window.show();
        QCoreApplication::processEvents();
        ok = window.grab().save(out.filePath(QStringLiteral("pagereport-window-%1.png").arg(name))) && ok;
        if (name == QStringLiteral("light"))
            ok = window.savePdf(out.filePath(QStringLiteral("sample.pdf"))) && ok;
        QFile::remove(ini);
    }
    delete grid;
    QTextStream(stdout) << (ok ? "saved" : "FAILED") << " pictures and sample.pdf in " << folder << "\n";
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--shots")
        return shots(QString::fromLocal8Bit(argv[2]));
    return timing();
}
