#include "results/pagebreakdownwords.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace {

struct BreakdownWords
{
    Q_DECLARE_TR_FUNCTIONS(PageBreakdownWords)
};

// Each reason's words, marked for translation; translated where shown.
const char *faultText(PageFault fault)
{
    switch (fault) {
    case PageFault::None:
    case PageFault::Count: break;
    case PageFault::NoResolution: return QT_TRANSLATE_NOOP("PageBreakdownWords", "no resolution");
    case PageFault::BadResolution: return QT_TRANSLATE_NOOP("PageBreakdownWords", "resolution is zero or no fraction");
    case PageFault::ImplausibleResolution: return QT_TRANSLATE_NOOP("PageBreakdownWords", "implausible resolution");
    case PageFault::NoAbsoluteUnit: return QT_TRANSLATE_NOOP("PageBreakdownWords", "resolution has no unit");
    case PageFault::UnknownUnit: return QT_TRANSLATE_NOOP("PageBreakdownWords", "unknown resolution unit");
    case PageFault::NoPixelSize: return QT_TRANSLATE_NOOP("PageBreakdownWords", "no width or length");
    case PageFault::TooLarge: return QT_TRANSLATE_NOOP("PageBreakdownWords", "implausibly large");
    case PageFault::ValueOutside:
        return QT_TRANSLATE_NOOP("PageBreakdownWords", "a value lies past the end of the file");
    case PageFault::ValueNotRead:
        return QT_TRANSLATE_NOOP("PageBreakdownWords", "a value lies far from the directory");
    case PageFault::NoPhotometric: return QT_TRANSLATE_NOOP("PageBreakdownWords", "no photometric interpretation");
    case PageFault::Contradictory: return QT_TRANSLATE_NOOP("PageBreakdownWords", "contradictory tags");
    }
    return "";
}

// A name and why it is so: "Unknown size (no resolution)".
QString withReason(const QString &name, PageFault fault)
{
    return BreakdownWords::tr("%1 (%2)", "a class and why its pages fall in it")
            .arg(name, QCoreApplication::translate("PageBreakdownWords", faultText(fault)));
}

} // namespace

QString pageSizeName(PageSize size)
{
    return QCoreApplication::translate("PageClasses", kPageSizeClasses[size_t(size)].name);
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

QString sizesText(const PageBreakdown &breakdown, TextFor form)
{
    const bool people = form == TextFor::People;
    QString text;
    for (int i : presentSizes(breakdown)) {
        if (!text.isEmpty())
            text += QLatin1StringView(people ? ", " : ";");
        const QString count = QString::number(breakdown.sizes[size_t(i)]);
        text += people ? BreakdownWords::tr("%1 %2", "a size class and its pages")
                                 .arg(pageSizeName(PageSize(i)), count)
                       : QString(QLatin1StringView(kPageSizeClasses[size_t(i)].name) + u'=' + count);
    }
    return text;
}

QString modesText(const PageBreakdown &breakdown)
{
    QStringList items;
    for (const CaptureModeClass &mode : kCaptureModeClasses)
        if (breakdown.count(mode.mode) > 0)
            items << BreakdownWords::tr("%1 %2", "pages and their capture mode")
                             .arg(QString::number(breakdown.count(mode.mode)),
                                  QCoreApplication::translate("PageClasses", mode.name));
    return items.join(QStringLiteral(", "));
}

QString a4EquivalentText(qint64 a4Equivalent)
{
    return (a4Equivalent == 1 ? BreakdownWords::tr("%1 A4-equivalent page")
                              : BreakdownWords::tr("%1 A4-equivalent pages"))
            .arg(a4Equivalent);
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
            name = BreakdownWords::tr("%1 (%2 × %3 mm)")
                           .arg(name, QString::number(breakdown.otherWidthMm),
                                QString::number(breakdown.otherHeightMm));
        if (size == PageSize::Unknown && breakdown.sizeFault != PageFault::None)
            name = withReason(name, breakdown.sizeFault);
        if (upright > 0)
            sizes << QStringLiteral("%1 × %2").arg(upright).arg(name);
        if (across > 0)
            sizes << BreakdownWords::tr("%1 × %2 landscape").arg(QString::number(across), name);
    }
    QString modes = modesText(breakdown);
    if (breakdown.count(CaptureMode::Unknown) > 0 && breakdown.modeFault != PageFault::None)
        modes = withReason(modes, breakdown.modeFault);
    return sizes.join(QStringLiteral(", ")) + QStringLiteral(" · ") + modes + QStringLiteral(" · ")
            + a4EquivalentText(breakdown.a4Equivalent);
}
