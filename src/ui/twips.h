#pragma once

#include "ui/mainlayout.h"

#include <QFont>
#include <QRect>
#include <QWidget>
#include <cmath>

namespace Twips {

// The face and size the twips positions were laid out for.
QFont designFont();
// How many times larger the application's font is than the design font, by
// its average letter width or its height, whichever is larger; never below 1.
// Twips follow it as dialog units follow their dialog's font, so a larger
// desktop font grows every control with its caption and keeps proportions.
double fontScale();

} // namespace Twips

// pixels = round(twips x logical DPI / 1440): 15 twips a pixel at 96 dpi.
inline int twipsToPixels(int twips, int dpi)
{
    return int(std::lround(double(twips) * dpi / 1440.0));
}

inline int pixelsToTwips(int pixels, int dpi)
{
    return int(std::lround(double(pixels) * 1440.0 / dpi));
}

// The dots per inch twips are converted at: the logical DPI scaled to the font.
inline int widgetDpi(const QWidget *widget)
{
    return int(std::lround((widget ? widget->logicalDpiX() : 96) * Twips::fontScale()));
}

inline QRect twipsToRect(const TwipsRect &r, int dpi)
{
    return QRect(twipsToPixels(r.left, dpi), twipsToPixels(r.top, dpi), twipsToPixels(r.width, dpi),
                 twipsToPixels(r.height, dpi));
}

// Places `widget` inside its parent at a position given in twips.
inline void placeTwips(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsToRect({left, top, width, height}, widgetDpi(widget)));
}
