#pragma once

#include "results/pageclasses.h"

#include <QString>
#include <QStringView>

#include <array>
#include <limits>

// What the pages of a file are worth: their size classes, the mode they were
// captured in and their A4-equivalent count, summed per file (and per folder).

// Why a page's size or capture mode is unknown.
enum class PageFault : quint8 {
    None,
    NoResolution,          // a resolution tag is missing
    BadResolution,         // zero, a zero denominator, or not a fraction
    ImplausibleResolution, // below 20 or above 20,000 pixels per inch
    NoAbsoluteUnit,        // ResolutionUnit 1
    UnknownUnit,           // ResolutionUnit other than 1, 2 or 3
    NoPixelSize,           // width or length missing or 0
    TooLarge,              // a side over 65 m
    ValueOutside,          // a value stored past the end of the file
    ValueNotRead,          // a value stored where the count did not read
    NoPhotometric,         // PhotometricInterpretation missing
    Contradictory,         // photometric, samples and bits disagree
    Count
};

// One page as the counter classified it.
struct PageFacts
{
    PageSize size = PageSize::Unknown;
    bool landscape = false;
    CaptureMode mode = CaptureMode::Unknown;
    qint64 a4Equivalent = 1;
    quint16 widthMm = 0;  // Other pages: the size the tooltip gives
    quint16 heightMm = 0;
    PageFault sizeFault = PageFault::None;
    PageFault modeFault = PageFault::None;
};

// The sum over pages. Compact enough to travel with every count; a row keeps
// it as the short text key() gives (about 4 characters for one page).
struct PageBreakdown
{
    qint64 a4Equivalent = 0;
    std::array<qint64, kCaptureModeCount> modes{};
    std::array<qint64, kPageSizeCount> sizes{};     // landscape pages included
    std::array<qint64, kPageSizeCount> landscape{}; // of sizes, how many lie landscape
    quint16 otherWidthMm = 0; // the first Other page's size
    quint16 otherHeightMm = 0;
    PageFault sizeFault = PageFault::None; // the first unknown size's reason
    PageFault modeFault = PageFault::None; // the first unknown mode's reason

    qint64 pages() const;
    qint64 count(PageSize size) const { return sizes[size_t(size)]; }
    qint64 count(CaptureMode mode) const { return modes[size_t(mode)]; }
    void add(const PageFacts &page);
    void add(const PageBreakdown &other);

    // A short text for a hidden cell ("b,A4" for one black-and-white A4
    // page), and back, or added to this sum; an unreadable part of a key
    // adds nothing (results/pagebreakdownkey.cpp).
    QString key() const;
    static PageBreakdown fromKey(QStringView key);
    void addKey(QStringView key);
};

// Sums that cannot wrap: a crafted file may claim enormous pages.
inline qint64 saturatingAdd(qint64 a, qint64 b)
{
    qint64 sum = 0;
    return __builtin_add_overflow(a, b, &sum) ? std::numeric_limits<qint64>::max() : sum;
}
