#include "results/pagebreakdown.h"

qint64 PageBreakdown::pages() const
{
    qint64 total = 0;
    for (qint64 count : sizes)
        total = saturatingAdd(total, count);
    return total;
}

void PageBreakdown::add(const PageFacts &page)
{
    a4Equivalent = saturatingAdd(a4Equivalent, page.a4Equivalent);
    ++modes[size_t(page.mode)];
    ++sizes[size_t(page.size)];
    if (page.landscape)
        ++landscape[size_t(page.size)];
    if (page.size == PageSize::Other && sizes[size_t(PageSize::Other)] == 1) {
        otherWidthMm = page.widthMm;
        otherHeightMm = page.heightMm;
    }
    if (sizeFault == PageFault::None)
        sizeFault = page.sizeFault;
    if (modeFault == PageFault::None)
        modeFault = page.modeFault;
}

void PageBreakdown::add(const PageBreakdown &other)
{
    if (count(PageSize::Other) == 0) {
        otherWidthMm = other.otherWidthMm;
        otherHeightMm = other.otherHeightMm;
    }
    a4Equivalent = saturatingAdd(a4Equivalent, other.a4Equivalent);
    for (size_t i = 0; i < modes.size(); ++i)
        modes[i] = saturatingAdd(modes[i], other.modes[i]);
    for (size_t i = 0; i < sizes.size(); ++i) {
        sizes[i] = saturatingAdd(sizes[i], other.sizes[i]);
        landscape[i] = saturatingAdd(landscape[i], other.landscape[i]);
    }
    if (sizeFault == PageFault::None)
        sizeFault = other.sizeFault;
    if (modeFault == PageFault::None)
        modeFault = other.modeFault;
}
