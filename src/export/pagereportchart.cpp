#include "export/pagereportchart.h"

#include "results/pagebreakdownwords.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <numeric>

namespace {

constexpr qreal kMinSegment = 2; // points: about 0.7 mm on paper

qint64 barTotal(const std::array<qint64, kChartSegments> &bar)
{
    return std::accumulate(bar.begin(), bar.end(), qint64(0));
}

void paintLegend(QPainter &painter, const QRectF &row, const SizeModeTable &chart, const QFontMetricsF &metrics)
{
    const qreal box = metrics.ascent() * 0.8;
    qreal x = row.left();
    for (int segment = 0; segment < kChartSegments; ++segment) {
        const bool present = std::any_of(chart.begin(), chart.end(), [&](const auto &bar) { return bar[segment] > 0; });
        if (!present)
            continue;
        painter.fillRect(QRectF(x, row.center().y() - box / 2, box, box), chartSegmentColor(segment));
        x += box * 1.5;
        const QString name = chartSegmentName(segment);
        painter.drawText(QRectF(x, row.top(), row.right() - x, row.height()), Qt::AlignLeft | Qt::AlignVCenter, name);
        x += metrics.horizontalAdvance(name) + box * 2;
    }
}

} // namespace

QColor chartSegmentColor(int segment)
{
    static const QColor colors[kChartSegments] = {QColor(0xd6, 0x4f, 0x2a), QColor(0x8d, 0x99, 0xae),
                                                  QColor(0x2b, 0x2d, 0x42), QColor(0xe9, 0xb9, 0x3b),
                                                  QColor(0x5f, 0x9e, 0x4a)};
    return colors[std::clamp(segment, 0, kChartSegments - 1)];
}

QString chartSegmentName(int segment)
{
    static const char *const names[kChartSegments] = {
            QT_TRANSLATE_NOOP("PageReportChart", "Color"),
            QT_TRANSLATE_NOOP("PageReportChart", "Grayscale"),
            QT_TRANSLATE_NOOP("PageReportChart", "Black and white"),
            QT_TRANSLATE_NOOP("PageReportChart", "Unknown mode"),
            QT_TRANSLATE_NOOP("PageReportChart", "Files mixing sizes and modes")};
    return QCoreApplication::translate("PageReportChart", names[std::clamp(segment, 0, kChartSegments - 1)]);
}

void paintPageChart(QPainter &painter, const QRectF &area, const SizeModeTable &chart, const QFont &font)
{
    painter.save();
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const qreal line = metrics.lineSpacing() * 1.3;
    std::vector<int> sizes;
    qint64 tallest = 0;
    for (int size = 0; size < kPageSizeCount; ++size) {
        const qint64 total = barTotal(chart[size]);
        if (total > 0)
            sizes.push_back(size);
        tallest = std::max(tallest, total);
    }
    if (sizes.empty()) {
        painter.drawText(area, Qt::AlignCenter, QCoreApplication::translate("PageReportChart", "No pages counted"));
        painter.restore();
        return;
    }
    const QRectF bars(area.left(), area.top() + line, area.width(), area.height() - 3 * line);
    const qreal slot = bars.width() / qreal(sizes.size());
    const qreal width = std::min(slot * 0.6, 3 * line);
    // Heights in proportion, but a segment of a few pages beside thousands
    // still shows: never thinner than kMinSegment (its exact count is written
    // above the bar), the whole scaled down when that makes a bar too tall.
    std::vector<std::array<qreal, kChartSegments>> heights(sizes.size());
    qreal highest = 0;
    for (size_t i = 0; i < sizes.size(); ++i) {
        qreal stack = 0;
        for (int segment = 0; segment < kChartSegments; ++segment) {
            const qint64 pages = chart[sizes[i]][segment];
            heights[i][segment] = pages > 0 ? std::max(kMinSegment, bars.height() * qreal(pages) / qreal(tallest)) : 0;
            stack += heights[i][segment];
        }
        highest = std::max(highest, stack);
    }
    const qreal scale = highest > bars.height() ? bars.height() / highest : 1;
    painter.setPen(Qt::black); // paper is white whatever the desktop theme
    for (size_t i = 0; i < sizes.size(); ++i) {
        const qreal left = bars.left() + slot * qreal(i) + (slot - width) / 2;
        qreal top = bars.bottom();
        for (int segment = 0; segment < kChartSegments; ++segment) {
            const qreal height = heights[i][segment] * scale;
            painter.fillRect(QRectF(left, top - height, width, height), chartSegmentColor(segment));
            top -= height;
        }
        const QRectF label(bars.left() + slot * qreal(i), 0, slot, line);
        painter.drawText(label.translated(0, top - line), Qt::AlignHCenter | Qt::AlignBottom,
                         QLocale().toString(barTotal(chart[sizes[i]])));
        painter.drawText(label.translated(0, bars.bottom()), Qt::AlignHCenter | Qt::AlignVCenter,
                         metrics.elidedText(pageSizeName(PageSize(sizes[i])), Qt::ElideRight, slot));
    }
    painter.drawLine(QPointF(bars.left(), bars.bottom()), QPointF(bars.right(), bars.bottom()));
    paintLegend(painter, QRectF(area.left(), bars.bottom() + line, area.width(), line), chart, metrics);
    painter.restore();
}
