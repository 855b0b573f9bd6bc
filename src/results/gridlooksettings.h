#pragma once

#include "grid/gridtypes.h"

#include <QPalette>

struct Settings;

// The look the grid settings ask for, starting from `current`: a value that
// cannot be used (an unknown colour, a style code outside 0..13, a picture
// that cannot be read) leaves that part as it was. An empty picture path
// removes the picture; `Show/Hide` 0 means no lines whatever the style.
GridLook lookFromSettings(const Settings &settings, const GridLook &current, const QPalette &palette);
