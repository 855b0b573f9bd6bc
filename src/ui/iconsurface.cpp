#include "ui/iconsurface.h"

IconSurface::IconSurface(QWidget *parent) : QWidget(parent)
{
    hide();
}
