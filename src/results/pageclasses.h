#pragma once

#include <QtGlobal>

// The classes a page falls in: its size and the mode it was captured in.
// Each class is one row below: its key is what a file's hidden cell, the
// page-count cache and exported files hold, so it never changes; its name is
// the one the user reads, translated where it is a word (standard names such
// as A4, Letter or JIS B5 stay as they are). A new class is a value in the
// enum and a row at the same place in the table.

enum class PageSize : quint8 {
    A0, A1, A2, A3, A4, A5, A6, IsoB4, IsoB5, JisB4, JisB5,
    Letter, Legal, Tabloid, AnsiC, AnsiD, AnsiE, Fax, Other, Unknown
};
constexpr int kPageSizeCount = int(PageSize::Unknown) + 1;

enum class CaptureMode : quint8 { Color, Grayscale, BlackAndWhite, Unknown };
constexpr int kCaptureModeCount = int(CaptureMode::Unknown) + 1;

struct PageSizeClass
{
    PageSize size;
    const char *key;
    const char *name;
    double shortMm = 0; // portrait; 0: no nominal size (matched by other means, or none)
    double longMm = 0;
};

// US sizes in inches: Letter 8.5 × 11, Legal 8.5 × 14, Tabloid 11 × 17,
// ANSI C 17 × 22, D 22 × 34, E 34 × 44.
inline constexpr PageSizeClass kPageSizeClasses[kPageSizeCount] = {
    {PageSize::A0, "A0", "A0", 841, 1189},
    {PageSize::A1, "A1", "A1", 594, 841},
    {PageSize::A2, "A2", "A2", 420, 594},
    {PageSize::A3, "A3", "A3", 297, 420},
    {PageSize::A4, "A4", "A4", 210, 297},
    {PageSize::A5, "A5", "A5", 148, 210},
    {PageSize::A6, "A6", "A6", 105, 148},
    {PageSize::IsoB4, "B4", "ISO B4", 250, 353},
    {PageSize::IsoB5, "B5", "ISO B5", 176, 250},
    {PageSize::JisB4, "JB4", "JIS B4", 257, 364},
    {PageSize::JisB5, "JB5", "JIS B5", 182, 257},
    {PageSize::Letter, "Let", "Letter", 215.9, 279.4},
    {PageSize::Legal, "Leg", "Legal", 215.9, 355.6},
    {PageSize::Tabloid, "Tab", "Tabloid", 279.4, 431.8},
    {PageSize::AnsiC, "AC", "ANSI C", 431.8, 558.8},
    {PageSize::AnsiD, "AD", "ANSI D", 558.8, 863.6},
    {PageSize::AnsiE, "AE", "ANSI E", 863.6, 1117.6},
    {PageSize::Fax, "Fax", QT_TRANSLATE_NOOP("PageClasses", "Fax")}, // by its pixels and resolution
    //: A page size class: pages of a size none of the others is
    {PageSize::Other, "Oth", QT_TRANSLATE_NOOP("PageClasses", "Other")},
    {PageSize::Unknown, "U", QT_TRANSLATE_NOOP("PageClasses", "Unknown size")},
};

struct CaptureModeClass
{
    CaptureMode mode;
    const char *key;
    const char *name;
};

inline constexpr CaptureModeClass kCaptureModeClasses[kCaptureModeCount] = {
    //: A capture mode, written after a count of pages: "3 color, 2 black and white"
    {CaptureMode::Color, "c", QT_TRANSLATE_NOOP("PageClasses", "color")},
    {CaptureMode::Grayscale, "g", QT_TRANSLATE_NOOP("PageClasses", "grayscale")},
    {CaptureMode::BlackAndWhite, "b", QT_TRANSLATE_NOOP("PageClasses", "black and white")},
    {CaptureMode::Unknown, "u", QT_TRANSLATE_NOOP("PageClasses", "unknown mode")},
};

// A row sits at its enum value.
static_assert([] {
    for (int i = 0; i < kPageSizeCount; ++i)
        if (kPageSizeClasses[i].size != PageSize(i))
            return false;
    for (int i = 0; i < kCaptureModeCount; ++i)
        if (kCaptureModeClasses[i].mode != CaptureMode(i))
            return false;
    return true;
}());
