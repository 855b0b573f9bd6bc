#include "export/pagereportdocument.h"

#include "export/pagereportchart.h"
#include "results/foldertotalcolumns.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

#include <algorithm>

namespace {

constexpr qreal kNumberWidth = 46; // points, at the least: wide enough for 9 digits
constexpr qreal kPadding = 3;
constexpr qreal kChartHeight = 200;
const QColor kHeaderFill(0xe6, 0xe6, 0xe6);

QFont reportFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels); // a pixel is a point: the painter is scaled to its device
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting); // the same widths on screen and paper
    // No ligatures: "fi" stays two letters for anyone who copies or searches the text.
    // Characters the face lacks (Japanese...) are drawn from the face fontconfig
    // prefers for their script, embedded like it: the font must keep merging.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

using Lines = std::vector<std::pair<QString, QString>>;

struct DocumentWords
{
    Q_DECLARE_TR_FUNCTIONS(PageReportDocument)
};

// The day in full and the time without seconds, as the reader's locale writes them.
QString dayAndTime(const QDateTime &when)
{
    if (!when.isValid())
        return {};
    const QLocale locale;
    return locale.toString(when.date(), QLocale::LongFormat) + u' '
            + locale.toString(when.time(), QLocale::ShortFormat);
}

using Key = FolderTotalKey;

// The folder table's columns and the totals lines, in the report's order.
constexpr Key kFolderColumns[] = {Key::Location,  Key::Files,         Key::Pages,
                                  Key::A4Equivalent, Key::Color,       Key::Grayscale,
                                  Key::BlackAndWhite, Key::UnknownSize, Key::Unreadable};
constexpr Key kTotalsLines[] = {Key::Files,         Key::Pages,       Key::A4Equivalent,
                                Key::Color,         Key::Grayscale,   Key::BlackAndWhite,
                                Key::UnknownMode,   Key::UnknownSize, Key::Unreadable};

// The first column says how its folders are named.
QStringList folderHeaders(bool belowStart)
{
    QStringList headers = folderTotalCaptions(kFolderColumns);
    headers[0] = belowStart ? DocumentWords::tr("Folder (below the start folder)") : DocumentWords::tr("Folder");
    return headers;
}

QStringList folderCells(const FolderTotal &folder)
{
    return folderTotalTexts(folder, kFolderColumns, TextFor::People, QLocale()); // grouped as the reader groups them
}

Lines totalsLines(const FolderTotal &all)
{
    const QStringList values = folderTotalTexts(all, kTotalsLines, TextFor::People, QLocale());
    Lines lines;
    for (size_t line = 0; line < std::size(kTotalsLines); ++line)
        lines.emplace_back(folderTotalLineLabel(kTotalsLines[line]), values[qsizetype(line)]);
    return lines;
}

Lines searchedLines(const PageReport &report)
{
    Lines lines;
    for (const CriteriaLine &line : report.searched)
        lines.emplace_back(line.label, line.text);
    if (report.selectedOnly)
        lines.emplace_back(DocumentWords::tr("Rows"), DocumentWords::tr("Only the rows selected in the results list"));
    if (!report.searchState.isEmpty())
        lines.emplace_back(DocumentWords::tr("Status"), report.searchState);
    return lines;
}

Lines titleLines(const PageReportHeading &heading)
{
    Lines lines;
    if (!heading.organisation.isEmpty())
        lines.emplace_back(DocumentWords::tr("Organisation"), heading.organisation);
    if (!heading.reference.isEmpty())
        lines.emplace_back(DocumentWords::tr("Reference"), heading.reference);
    //: When the report was made: the day and time follow
    lines.emplace_back(DocumentWords::tr("Made"), dayAndTime(heading.madeAt));
    //: Which program made the report: its name and version follow
    lines.emplace_back(DocumentWords::tr("By"), heading.program);
    return lines;
}

} // namespace

PageReportDocument::PageReportDocument(const PageReport &report, const QSizeF &paintAreaPoints)
    : m_report(report), m_area(paintAreaPoints), m_titleFont(reportFont(18, true)),
      m_headingFont(reportFont(11, true)), m_bodyFont(reportFont(9)), m_tableFont(reportFont(8)),
      m_headerFont(reportFont(7)), m_totalFont(reportFont(8, true))
{
    const QFontMetricsF body(m_bodyFont), table(m_tableFont);
    m_lineHeight = body.lineSpacing() * 1.25;
    m_headingHeight = QFontMetricsF(m_headingFont).lineSpacing() * 1.4 + 10;
    m_titleHeight = QFontMetricsF(m_titleFont).lineSpacing() * 1.3;
    m_rowHeight = table.lineSpacing() + 2 * kPadding;
    m_headerHeight = 2 * QFontMetricsF(m_headerFont).lineSpacing() + 2 * kPadding;
    m_footerHeight = m_lineHeight * 2;
    m_chartHeight = std::min(kChartHeight, m_area.height() / 2);
    m_rulesHeight = body.boundingRect(QRectF(0, 0, m_area.width(), 1e6), Qt::TextWordWrap, RulesText).height();

    // A header wraps at spaces and after hyphens only: its longest piece sets
    // the width of the number columns.
    static const QRegularExpression breaks(QStringLiteral("(?<=-)| "));
    qreal numberWidth = kNumberWidth;
    const QStringList headers = folderHeaders(false);
    for (const QString &caption : headers)
        for (const QString &word : caption.split(breaks))
            numberWidth = std::max(numberWidth, QFontMetricsF(m_headerFont).horizontalAdvance(word) + 2 * kPadding + 1);
    const qreal width = m_area.width(), numbers = qreal(headers.size() - 1);
    numberWidth = std::min(numberWidth, width * 0.75 / numbers); // the folder keeps a quarter
    m_folderWidths.assign(headers.size(), numberWidth);
    m_folderWidths[0] = width - numberWidth * numbers;
    m_unreadableWidths = {width * 0.6, width * 0.4};
    layOut();
}

qreal PageReportDocument::blockHeight(Part part) const
{
    switch (part) {
    case Part::Title: return m_titleHeight + qreal(titleLines(m_report.heading).size()) * m_lineHeight;
    case Part::Totals: return qreal(totalsLines(m_report.all).size()) * m_lineHeight;
    case Part::Chart: return m_chartHeight;
    case Part::Rules: return m_rulesHeight;
    case Part::Searched: // laid out a line at a time, as the tables a row at a time
    case Part::Folders:
    case Part::Unreadable: break;
    }
    return 0;
}

void PageReportDocument::layOut()
{
    const qreal bottom = m_area.height() - m_footerHeight;
    m_pages.assign(1, {});
    qreal y = 0;
    const auto fits = [&](qreal height) { return y == 0 || y + height <= bottom; };
    const auto newPage = [&] {
        m_pages.emplace_back();
        y = 0;
    };
    const auto put = [&](Part part, int row, qreal height) {
        m_pages.back().push_back({part, row, y});
        y += height;
    };
    const auto block = [&](Part part, bool heading) {
        const qreal height = blockHeight(part) + (heading ? m_headingHeight : 0);
        if (!fits(height))
            newPage();
        if (heading)
            put(part, kHeading, m_headingHeight);
        put(part, 0, blockHeight(part));
    };
    // A table's header row starts every page it reaches.
    const auto table = [&](Part part, int rows) {
        if (!fits(m_headingHeight + m_headerHeight + m_rowHeight))
            newPage();
        put(part, kHeading, m_headingHeight);
        put(part, kHeader, m_headerHeight);
        for (int row = 0; row < rows; ++row) {
            if (!fits(m_rowHeight)) {
                newPage();
                put(part, kHeader, m_headerHeight);
            }
            put(part, row, m_rowHeight);
        }
    };
    block(Part::Title, false);
    // What was searched runs on over the pages (a merged report lists each search).
    if (!fits(m_headingHeight + m_lineHeight))
        newPage();
    put(Part::Searched, kHeading, m_headingHeight);
    for (int line = 0; line < int(searchedLines(m_report).size()); ++line) {
        if (!fits(m_lineHeight))
            newPage();
        put(Part::Searched, line, m_lineHeight);
    }
    block(Part::Totals, true);
    block(Part::Chart, true);
    table(Part::Folders, int(m_report.folders.size()) + 1);
    table(Part::Unreadable, std::max<int>(1, int(m_report.unreadable.size()) + (m_report.unlistedUnreadable > 0)));
    block(Part::Rules, true);
}

void PageReportDocument::paintPage(QPainter &painter, int index) const
{
    if (index < 0 || index >= pageCount())
        return;
    painter.save();
    painter.setPen(Qt::black);
    painter.setClipRect(QRectF(QPointF(0, 0), m_area));
    for (const Placed &placed : m_pages[size_t(index)])
        paintPlaced(painter, placed);
    painter.setFont(m_bodyFont);
    painter.drawText(QRectF(0, m_area.height() - m_lineHeight, m_area.width(), m_lineHeight), Qt::AlignCenter,
                     DocumentWords::tr("Page %1 of %2").arg(index + 1).arg(pageCount()));
    painter.restore();
}

void PageReportDocument::paintPlaced(QPainter &painter, const Placed &placed) const
{
    if (placed.row == kHeading) {
        static const char *const headings[] = {"",
                                               QT_TRANSLATE_NOOP("PageReportDocument", "What was searched"),
                                               QT_TRANSLATE_NOOP("PageReportDocument", "Totals"),
                                               QT_TRANSLATE_NOOP("PageReportDocument", "Pages per size class and mode"),
                                               QT_TRANSLATE_NOOP("PageReportDocument", "Folders"),
                                               QT_TRANSLATE_NOOP("PageReportDocument", "Unreadable files"),
                                               QT_TRANSLATE_NOOP("PageReportDocument", "Counting rules")};
        painter.setFont(m_headingFont);
        painter.drawText(QRectF(0, placed.y, m_area.width(), m_headingHeight), Qt::AlignLeft | Qt::AlignBottom,
                         QCoreApplication::translate("PageReportDocument", headings[int(placed.part)]));
        return;
    }
    switch (placed.part) {
    case Part::Folders:
        if (placed.row == kHeader)
            paintCells(painter, placed.y, folderHeaderCells(), m_folderWidths, RowStyle::Header);
        else
            paintFolderRow(painter, placed.row, placed.y);
        return;
    case Part::Unreadable:
        if (placed.row == kHeader)
            paintCells(painter, placed.y, {DocumentWords::tr("File"), DocumentWords::tr("Reason")},
                       m_unreadableWidths, RowStyle::Header);
        else
            paintUnreadableRow(painter, placed.row, placed.y);
        return;
    default: paintBlock(painter, placed.part, placed.row, placed.y);
    }
}

void PageReportDocument::paintBlock(QPainter &painter, Part part, int row, qreal y) const
{
    Lines lines;
    switch (part) {
    case Part::Title:
        painter.setFont(m_titleFont);
        painter.drawText(QRectF(0, y, m_area.width(), m_titleHeight), Qt::AlignLeft | Qt::AlignTop,
                         PageReport::TitleText);
        y += m_titleHeight;
        lines = titleLines(m_report.heading);
        break;
    case Part::Searched: lines = {searchedLines(m_report).at(size_t(row))}; break; // a line at a time
    case Part::Totals: lines = totalsLines(m_report.all); break;
    case Part::Chart: paintPageChart(painter, QRectF(0, y, m_area.width(), m_chartHeight), m_report.chart, m_bodyFont); return;
    case Part::Rules:
        painter.setFont(m_bodyFont);
        painter.drawText(QRectF(0, y, m_area.width(), m_rulesHeight), Qt::TextWordWrap, RulesText);
        return;
    case Part::Folders:
    case Part::Unreadable: return;
    }
    painter.setFont(m_bodyFont);
    const QFontMetricsF metrics(m_bodyFont);
    const qreal labelWidth = m_area.width() * 0.3, valueLeft = labelWidth + kPadding;
    const bool numbers = part == Part::Totals;
    for (const auto &[label, value] : lines) {
        painter.drawText(QRectF(0, y, labelWidth, m_lineHeight), Qt::AlignLeft | Qt::AlignVCenter, label);
        const qreal valueWidth = numbers ? kNumberWidth * 2 : m_area.width() - valueLeft;
        painter.drawText(QRectF(valueLeft, y, valueWidth, m_lineHeight),
                         (numbers ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                         metrics.elidedText(value, Qt::ElideMiddle, valueWidth));
        y += m_lineHeight;
    }
}

QStringList PageReportDocument::folderHeaderCells() const
{
    return folderHeaders(m_report.foldersBelowStart);
}

void PageReportDocument::paintFolderRow(QPainter &painter, int row, qreal y) const
{
    const bool all = row >= int(m_report.folders.size());
    if (all)
        painter.drawLine(QPointF(0, y), QPointF(m_area.width(), y));
    paintCells(painter, y, folderCells(all ? m_report.all : m_report.folders[size_t(row)]), m_folderWidths,
               all ? RowStyle::Total : RowStyle::Plain);
}

void PageReportDocument::paintUnreadableRow(QPainter &painter, int row, qreal y) const
{
    QStringList cells;
    if (row < int(m_report.unreadable.size()))
        cells = {m_report.unreadable[size_t(row)].path, m_report.unreadable[size_t(row)].reason};
    else if (m_report.unlistedUnreadable > 0)
        cells = {DocumentWords::tr("and %1 more").arg(QLocale().toString(m_report.unlistedUnreadable)), QString()};
    else
        //: No file was unreadable
        cells = {DocumentWords::tr("None"), QString()};
    paintCells(painter, y, cells, m_unreadableWidths, RowStyle::Plain);
}

// A header row wraps its captions onto two lines; other rows elide: a path
// in the middle, where its folders are, and numbers never.
void PageReportDocument::paintCells(QPainter &painter, qreal y, const QStringList &cells,
                                    const std::vector<qreal> &widths, RowStyle style) const
{
    const bool header = style == RowStyle::Header;
    const qreal height = header ? m_headerHeight : m_rowHeight;
    if (header)
        painter.fillRect(QRectF(0, y, m_area.width(), height), kHeaderFill);
    painter.setFont(header ? m_headerFont : style == RowStyle::Total ? m_totalFont : m_tableFont);
    const QFontMetricsF metrics(painter.font());
    qreal x = 0;
    for (qsizetype col = 0; col < cells.size() && col < qsizetype(widths.size()); ++col) {
        const QRectF cell(x + kPadding, y + kPadding, widths[size_t(col)] - 2 * kPadding, height - 2 * kPadding);
        const bool text = col == 0 || widths.size() == 2;
        const Qt::Alignment align = (text ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignBottom;
        if (header)
            painter.drawText(cell, align | Qt::TextWordWrap, cells[col]);
        else
            painter.drawText(cell, align,
                             text ? metrics.elidedText(cells[col], col == 0 ? Qt::ElideMiddle : Qt::ElideRight,
                                                       cell.width())
                                  : cells[col]);
        x += widths[size_t(col)];
    }
}

bool paintPageReport(const PageReport &report, QPagedPaintDevice &device, const ReportProgress &progress)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const PageReportDocument document(report, device.pageLayout().paintRectPoints().size());
    const qreal scale = qreal(device.logicalDpiX()) / 72.0;
    painter.scale(scale, scale);
    for (int page = 0; page < document.pageCount(); ++page) {
        const bool pageStarted = page == 0 || device.newPage();
        if (pageStarted)
            document.paintPage(painter, page);
        if (!pageStarted || (progress && !progress(page + 1, document.pageCount()))) {
            painter.end();
            return false;
        }
    }
    return painter.end();
}

bool writePageReportPdf(const PageReport &report, QIODevice *device, const QPageLayout &layout,
                        const ReportProgress &progress)
{
    // Made in memory and written in one piece: the PDF writer does not look
    // at what its device's writes return, so a short write would pass.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageLayout(layout);
        writer.setResolution(300);
        writer.setTitle(PageReport::TitleText);
        writer.setCreator(report.heading.program);
        if (!paintPageReport(report, writer, progress))
            return false;
    }
    return device->write(pdf.data()) == pdf.size();
}

QPageLayout reportPageLayout(const QLocale &locale)
{
    static const QLocale::Territory letterTerritories[] = {
        QLocale::UnitedStates, QLocale::Canada,   QLocale::Mexico,    QLocale::Philippines,
        QLocale::Chile,        QLocale::Colombia, QLocale::Venezuela, QLocale::PuertoRico};
    const bool letter = std::find(std::begin(letterTerritories), std::end(letterTerritories), locale.territory())
                        != std::end(letterTerritories);
    return QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}
