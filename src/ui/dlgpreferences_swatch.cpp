#include "ui/dlgpreferences_swatch.h"

#include "results/colorvalue.h"

#include <QPainter>

ColorSwatch::ColorSwatch(QWidget *parent) : QWidget(parent) {}

void ColorSwatch::setValue(qint32 value)
{
    m_value = value;
    update();
}

QColor ColorSwatch::color() const
{
    return colorFromValue(quint32(m_value), palette());
}

void ColorSwatch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect square = rect().adjusted(0, 0, -1, -1);
    const QColor fill = color();
    if (fill.isValid())
        painter.fillRect(square, fill);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(square);
}
