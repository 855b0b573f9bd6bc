#include "ui/twips.h"

#include <QFontMetricsF>
#include <QGuiApplication>

#include <algorithm>

namespace {

// The average width of the small letters (captions are mostly small letters;
// faces differ more in these than in capitals) and the line height.
QSizeF baseUnits(const QFont &font)
{
    static const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
    const QFontMetricsF metrics(font);
    return {metrics.horizontalAdvance(letters) / letters.size(), metrics.height()};
}

} // namespace

QFont Twips::designFont()
{
    QFont font = QGuiApplication::font();
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    font.setPointSizeF(8.25);
    font.setBold(false);
    font.setItalic(false);
    return font;
}

double Twips::fontScale()
{
    // Measured again only when the application's font changes (a desktop
    // setting may replace it while the program runs).
    static QFont measuredFont;
    static double scale = 0;
    const QFont font = QGuiApplication::font();
    if (scale == 0 || font != measuredFont) {
        const QSizeF used = baseUnits(font);
        const QSizeF design = baseUnits(designFont());
        scale = std::max({1.0, used.width() / design.width(), used.height() / design.height()});
        measuredFont = font;
    }
    return scale;
}
