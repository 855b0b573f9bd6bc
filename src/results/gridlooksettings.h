#pragma once

#include "results/gridtypes.h"

#include <QColor>
#include <QPalette>

struct Settings;

// A stored colour value: below 0x80000000 red, green and blue as 0x00BBGGRR;
// 0x80000000 + k the system colour k, taken from `palette`. An invalid
// QColor for a system colour number the palette has no counterpart for.
QColor colorFromValue(quint32 value, const QPalette &palette);

// The look the grid settings ask for, starting from `current`: a value that
// cannot be used (an unknown colour, a style code outside 0..13, a picture
// that cannot be read) leaves that part as it was. An empty picture path
// removes the picture; `Show/Hide` 0 means no lines whatever the style.
GridLook lookFromSettings(const Settings &settings, const GridLook &current, const QPalette &palette);
