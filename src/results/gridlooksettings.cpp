#include "results/gridlooksettings.h"

#include "base/qtfilename.h"
#include "results/colorvalue.h"
#include "settings/settings.h"

#include <QImageReader>

namespace {

void assignIfValid(QColor &target, quint32 value, const QPalette &palette)
{
    const QColor color = colorFromValue(value, palette);
    if (color.isValid())
        target = color;
}

} // namespace


GridLook lookFromSettings(const Settings &settings, const GridLook &current, const QPalette &palette)
{
    GridLook look = current;
    if (settings.backPicture.isEmpty()) {
        look.backPicture = QImage();
    } else if (qtCanOpenByName(settings.backPicture)) {
        QImageReader reader(settings.backPicture);
        const QImage picture = reader.read();
        if (!picture.isNull())
            look.backPicture = picture;
    }
    assignIfValid(look.backColor, quint32(settings.backColor), palette);
    assignIfValid(look.backColorSel, quint32(settings.backColorSel), palette);
    assignIfValid(look.foreColor, quint32(settings.foreColor), palette);
    assignIfValid(look.foreColorSel, quint32(settings.foreColorSel), palette);
    assignIfValid(look.gridColor, quint32(settings.gridColor), palette);
    if (isValidLineStyle(settings.style))
        look.lineStyle = settings.style;
    if (settings.showHide == 0)
        look.lineStyle = LinesNone;
    return look;
}
