#include "results/colorvalue.h"

namespace {

constexpr quint32 kSystemColorFlag = 0x80000000u;

struct SystemColor
{
    int index;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// System colour numbers as Qt's Windows theme fills its palette from them.
constexpr SystemColor kSystemColors[] = {
    {4, QPalette::Active, QPalette::Window},           // menu
    {5, QPalette::Active, QPalette::Base},             // window background
    {7, QPalette::Active, QPalette::WindowText},       // menu text
    {8, QPalette::Active, QPalette::Text},             // window text
    {13, QPalette::Active, QPalette::Highlight},       // highlight
    {14, QPalette::Active, QPalette::HighlightedText}, // highlight text
    {15, QPalette::Active, QPalette::Button},          // button face
    {16, QPalette::Active, QPalette::Dark},            // button shadow
    {17, QPalette::Disabled, QPalette::Text},          // grey text
    {18, QPalette::Active, QPalette::ButtonText},      // button text
    {20, QPalette::Active, QPalette::Light},           // button highlight
    {21, QPalette::Active, QPalette::Shadow},          // 3-D dark shadow
    {22, QPalette::Active, QPalette::Midlight},        // 3-D light
    {23, QPalette::Active, QPalette::ToolTipText},     // info text
    {24, QPalette::Active, QPalette::ToolTipBase},     // info background
    {26, QPalette::Active, QPalette::Link},            // hot-tracked item
    {29, QPalette::Active, QPalette::Highlight},       // menu highlight
    {30, QPalette::Active, QPalette::Window},          // menu bar
};

} // namespace

QColor colorFromValue(quint32 value, const QPalette &palette)
{
    if (!(value & kSystemColorFlag))
        return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
    const quint32 index = value & ~kSystemColorFlag;
    for (const SystemColor &entry : kSystemColors)
        if (quint32(entry.index) == index)
            return palette.color(entry.group, entry.role);
    return {};
}

qint32 colorValueFromColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return qint32(quint32(rgb.red()) | quint32(rgb.green()) << 8 | quint32(rgb.blue()) << 16);
}
