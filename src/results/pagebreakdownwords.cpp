#include "results/pagebreakdownwords.h"

#include <QStringList>

#include <algorithm>

namespace {

const char *faultText(PageFault fault)
{
    switch (fault) {
    case PageFault::None:
    case PageFault::Count: break;
    case PageFault::NoResolution: return "no resolution";
    case PageFault::BadResolution: return "resolution is zero or no fraction";
    case PageFault::ImplausibleResolution: return "implausible resolution";
    case PageFault::NoAbsoluteUnit: return "resolution has no unit";
    case PageFault::UnknownUnit: return "unknown resolution unit";
    case PageFault::NoPixelSize: return "no width or length";
    case PageFault::TooLarge: return "implausibly large";
    case PageFault::ValueOutside: return "a value lies past the end of the file";
    case PageFault::ValueNotRead: return "a value lies far from the directory";
    case PageFault::NoPhotometric: return "no photometric interpretation";
    case PageFault::Contradictory: return "contradictory tags";
    }
    return "";
}

QString counted(qint64 count, const char *what)
{
    return QString::number(count) + u' ' + QLatin1StringView(what);
}

} // namespace

QString pageSizeName(PageSize size)
{
    return QLatin1StringView(kPageSizeClasses[size_t(size)].name);
}

// The size classes present, most pages first (ties in the classes' order);
// no allocation, as a listing of a million files asks once per file.
struct PresentSizes
{
    std::array<int, kPageSizeCount> index{};
    int count = 0;
    const int *begin() const { return index.data(); }
    const int *end() const { return index.data() + count; }
};

PresentSizes presentSizes(const PageBreakdown &breakdown)
{
    PresentSizes present;
    for (int i = 0; i < kPageSizeCount; ++i)
        if (breakdown.sizes[size_t(i)] > 0)
            present.index[size_t(present.count++)] = i;
    std::stable_sort(present.index.begin(), present.index.begin() + present.count,
                     [&](int a, int b) { return breakdown.sizes[size_t(a)] > breakdown.sizes[size_t(b)]; });
    return present;
}

QString sizesText(const PageBreakdown &breakdown, QStringView itemSeparator, QStringView countSeparator)
{
    QString text;
    for (int i : presentSizes(breakdown)) {
        if (!text.isEmpty())
            text += itemSeparator;
        text += QLatin1StringView(kPageSizeClasses[size_t(i)].name) + countSeparator + QString::number(breakdown.sizes[size_t(i)]);
    }
    return text;
}

QString modesText(const PageBreakdown &breakdown)
{
    QStringList items;
    for (const CaptureModeClass &mode : kCaptureModeClasses)
        if (breakdown.count(mode.mode) > 0)
            items << counted(breakdown.count(mode.mode), mode.name);
    return items.join(QStringLiteral(", "));
}

QString a4EquivalentText(qint64 a4Equivalent)
{
    return counted(a4Equivalent, a4Equivalent == 1 ? "A4-equivalent page" : "A4-equivalent pages");
}

QString breakdownText(const PageBreakdown &breakdown)
{
    QStringList sizes;
    for (int i : presentSizes(breakdown)) {
        const auto size = PageSize(i);
        const qint64 across = breakdown.landscape[size_t(i)];
        const qint64 upright = breakdown.sizes[size_t(i)] - across;
        QString name = pageSizeName(size);
        if (size == PageSize::Other)
            name += QStringLiteral(" (%1 × %2 mm)").arg(breakdown.otherWidthMm).arg(breakdown.otherHeightMm);
        if (size == PageSize::Unknown && breakdown.sizeFault != PageFault::None)
            name += QStringLiteral(" (%1)").arg(QLatin1StringView(faultText(breakdown.sizeFault)));
        if (upright > 0)
            sizes << QStringLiteral("%1 × %2").arg(upright).arg(name);
        if (across > 0)
            sizes << QStringLiteral("%1 × %2 landscape").arg(across).arg(name);
    }
    QString modes = modesText(breakdown);
    if (breakdown.count(CaptureMode::Unknown) > 0 && breakdown.modeFault != PageFault::None)
        modes += QStringLiteral(" (%1)").arg(QLatin1StringView(faultText(breakdown.modeFault)));
    return sizes.join(QStringLiteral(", ")) + QStringLiteral(" · ") + modes + QStringLiteral(" · ")
            + a4EquivalentText(breakdown.a4Equivalent);
}
