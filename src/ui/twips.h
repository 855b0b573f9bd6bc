#pragma once

#include "ui/mainlayout.h"

#include <QRect>
#include <QWidget>
#include <cmath>

// pixels = round(twips x logical DPI / 1440): 15 twips a pixel at 96 dpi.
inline int twipsToPixels(int twips, int dpi)
{
    return int(std::lround(double(twips) * dpi / 1440.0));
}

inline int pixelsToTwips(int pixels, int dpi)
{
    return int(std::lround(double(pixels) * 1440.0 / dpi));
}

inline int widgetDpi(const QWidget *widget)
{
    return widget ? widget->logicalDpiX() : 96;
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
