#pragma once

#include "export/pagereport.h"

#include <QColor>
#include <QRectF>

class QFont;
class QPainter;

// The page report's bar chart: one bar per size class with pages, as tall
// as its pages against the tallest, stacked by capture mode from the
// bottom (color, grayscale, black and white, unknown mode, then files that
// mix sizes and modes), with the bar's total above, its size class below
// and a legend of the segments present under it all.
void paintPageChart(QPainter &painter, const QRectF &area, const SizeModeTable &chart, const QFont &font);

// Segment `segment`'s fill and legend name.
QColor chartSegmentColor(int segment);
QString chartSegmentName(int segment);
