#include "ui/controlfactory.h"

#include <QPalette>

#include <algorithm>
#include <cmath>
#include <QWidget>

namespace Controls {

namespace {

constexpr double kReadableContrast = 4.5;

double luminance(const QColor &color)
{
    const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) + 0.0722 * linear(color.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

QColor readableOn(const QColor &color, const QColor &background)
{
    if (background.lightness() >= 128)
        return color; // a light window: the colour as chosen
    QColor result = color.toHsl();
    while (contrast(result, background) < kReadableContrast && result.lightness() < 255)
        result.setHsl(result.hslHue(), result.hslSaturation(), std::min(255, result.lightness() + 4));
    return result.toRgb();
}

void setTextColor(QWidget *widget, const QColor &textColor)
{
    QPalette palette = widget->palette();
    const QColor color = readableOn(textColor, palette.color(QPalette::Window));
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::ButtonText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

void setBold(QWidget *widget)
{
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

} // namespace Controls
