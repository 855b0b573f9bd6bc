#pragma once

#include <QColor>
#include <QPalette>

// A stored colour value: below 0x80000000 red, green and blue as 0x00BBGGRR;
// 0x80000000 + k the system colour k, taken from `palette`. An invalid
// QColor for a system colour number the palette has no counterpart for.
QColor colorFromValue(quint32 value, const QPalette &palette);

// The stored colour value of a colour a chooser returned: red, green and
// blue as 0x00BBGGRR (alpha is not stored).
qint32 colorValueFromColor(const QColor &color);
