#pragma once

#include "base/translatable.h"
#include "export/pagereport.h"

#include <QFont>
#include <QSizeF>

#include <functional>
#include <vector>

class QIODevice;
class QLocale;
class QPageSize;
class QPageLayout;
class QPagedPaintDevice;
class QPainter;

// A page report laid out on pages of one size and painted a page at a time,
// onto a PDF, a printer or a preview image alike. Works in points (1/72
// inch); the caller scales the painter to its device. Lays out once, in time
// linear in the rows, with every row one line (long names elided), so a page
// is painted without looking at the others. The report must outlive the
// document; use from one thread at a time.
class PageReportDocument
{
public:
    PageReportDocument(const PageReport &report, const QSizeF &paintAreaPoints);

    int pageCount() const { return int(m_pages.size()); }
    QSizeF pageSize() const { return m_area; }
    // Paints page `index` (from 0) with its footer; the painter's origin is
    // the paint area's top-left corner, its unit the point.
    void paintPage(QPainter &painter, int index) const;

    static constexpr Translatable RulesText{"PageReportDocument", QT_TRANSLATE_NOOP("PageReportDocument",
            "A page is one image of a TIFF file as its chain of image directories lists it; thumbnails and "
            "transparency masks are left out. A file whose pages could not be counted is listed as unreadable "
            "and adds no pages. A page's size is its pixel size divided by its resolution; without a usable "
            "resolution (missing, zero, below 20 or above 20,000 pixels per inch, or in no absolute unit) the "
            "size is unknown, never guessed. A page takes the nearest size class, either way round, when each "
            "side is within ISO 216's tolerance (2 mm on sides up to 600 mm, 3 mm above); a page 1728 pixels "
            "wide at 195 to 210 pixels per inch across and 98 or 196 lines per inch down is Fax; any other "
            "is Other. A4-equivalent pages: a page of "
            "unknown size or of at most the area of an A4 page is worth 1, a larger one its area over the A4 "
            "area less 0.05, rounded up (A3 is 2). A page of a size class counts with the class's own area, so "
            "an A0 scanned a few millimetres long is 16; Fax and Other pages count with their measured area. "
            "\"Captured in\" is the mode the file's tags give a page: color, grayscale or black and white (one "
            "bit per pixel).")};

private:
    enum class Part { Title, Searched, Totals, Chart, Folders, Unreadable, Rules };
    struct Placed
    {
        Part part;
        int row; // kHeading, kHeader, or a row of the part
        qreal y;
    };
    static constexpr int kHeading = -1;
    static constexpr int kHeader = -2;

    void layOut();
    qreal blockHeight(Part part) const;
    void paintPlaced(QPainter &painter, const Placed &placed) const;
    void paintBlock(QPainter &painter, Part part, int row, qreal y) const;
    void paintFolderRow(QPainter &painter, int row, qreal y) const;
    QStringList folderHeaderCells() const;
    void paintUnreadableRow(QPainter &painter, int row, qreal y) const;
    enum class RowStyle { Header, Plain, Total };
    void paintCells(QPainter &painter, qreal y, const QStringList &cells, const std::vector<qreal> &widths,
                    RowStyle style) const;

    const PageReport &m_report;
    QSizeF m_area;
    QFont m_titleFont, m_headingFont, m_bodyFont, m_tableFont, m_headerFont, m_totalFont;
    qreal m_lineHeight = 0, m_headingHeight = 0, m_rowHeight = 0, m_headerHeight = 0, m_titleHeight = 0;
    qreal m_footerHeight = 0, m_chartHeight = 0, m_rulesHeight = 0;
    std::vector<qreal> m_folderWidths, m_unreadableWidths;
    std::vector<std::vector<Placed>> m_pages;
};

// Paints every page onto `device` (a PDF writer or a printer), laid out for
// its page layout. `progress(done, total)` runs after each page and may
// cancel by returning false. False when cancelled or nothing could be painted.
using ReportProgress = std::function<bool(int done, int total)>;
bool paintPageReport(const PageReport &report, QPagedPaintDevice &device, const ReportProgress &progress = {});

// Writes the report as a PDF onto `device` on `layout`'s paper, with the
// report's title and the program as its creator; fonts are embedded. False
// when cancelled or not all of it could be written.
bool writePageReportPdf(const PageReport &report, QIODevice *device, const QPageLayout &layout,
                        const ReportProgress &progress = {});

// The paper of the locale's country (Letter where that is the custom, else
// A4), portrait, with margins of 15 mm.
QPageLayout reportPageLayout(const QLocale &locale);
