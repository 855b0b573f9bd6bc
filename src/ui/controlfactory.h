#pragma once

#include <QColor>
#include <QString>

class QWidget;

// Small helpers shared by the windows that build their controls by hand.
namespace Controls {

inline const QColor DarkBlue(0, 0, 192);

// Names `widget` (its object name is the control's name), places it in twips
// and returns it, so construction reads as one line per control.
template <typename W>
W *named(W *widget, const char *name, int left, int top, int width, int height);

// `color` on a light `background`; on a dark one the same hue lightened
// until it reads (a contrast of 4.5 : 1 or more).
QColor readableOn(const QColor &color, const QColor &background);
// The widget's text in `color`, made readable on the widget's window colour.
void setTextColor(QWidget *widget, const QColor &color);
void setBold(QWidget *widget);

} // namespace Controls

#include "ui/twips.h"

template <typename W>
W *Controls::named(W *widget, const char *name, int left, int top, int width, int height)
{
    widget->setObjectName(QString::fromLatin1(name));
    placeTwips(widget, left, top, width, height);
    return widget;
}
