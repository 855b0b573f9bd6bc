#include "results/pagebreakdown.h"

#include <QList>
#include <QStringList>

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

namespace {

// The key's names: size classes, the same landscape (with "~" before),
// modes, then the A4-equivalent count (when it differs from the pages), the
// first Other size and the two reasons.
constexpr const char *kSizeKeys[kPageSizeCount] = {"A0", "A1", "A2", "A3", "A4", "A5", "A6", "B4", "B5",
                                                   "JB4", "JB5", "Let", "Leg", "Tab", "AC", "AD", "AE",
                                                   "Fax", "Oth", "U"};
constexpr const char *kSizeNames[kPageSizeCount] = {
    "A0", "A1", "A2", "A3", "A4", "A5", "A6", "ISO B4", "ISO B5", "JIS B4", "JIS B5", "Letter",
    "Legal", "Tabloid", "ANSI C", "ANSI D", "ANSI E", "Fax", "Other", "Unknown size"};
constexpr const char *kModeKeys[kCaptureModeCount] = {"c", "g", "b", "u"};
constexpr const char *kModeNames[kCaptureModeCount] = {"color", "grayscale", "black and white",
                                                       "unknown mode"};
constexpr char kLandscapeMark = '~';

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

// Sums that cannot wrap: a crafted file may claim enormous pages.
qint64 saturatingAdd(qint64 a, qint64 b)
{
    qint64 sum = 0;
    return __builtin_add_overflow(a, b, &sum) ? std::numeric_limits<qint64>::max() : sum;
}

// A key is built as Latin-1 bytes and made a QString once: a search makes
// one per listed file.
class KeyWriter
{
public:
    void token(const char *name, qint64 count, bool landscape = false)
    {
        if (count <= 0)
            return;
        separate();
        if (landscape)
            m_text += kLandscapeMark;
        m_text += name;
        if (count != 1) {
            m_text += '=';
            number(count);
        }
    }
    void field(char name, qint64 value)
    {
        separate();
        m_text += name;
        m_text += '=';
        number(value);
    }
    void number(qint64 value)
    {
        char digits[24];
        m_text.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
    }
    void raw(char c) { m_text += c; }
    bool isEmpty() const { return m_text.empty(); }
    QString text() const { return QString::fromLatin1(m_text.data(), qsizetype(m_text.size())); }

private:
    void separate()
    {
        if (!m_text.empty())
            m_text += ',';
    }

    std::string m_text;
};

template<size_t N>
int indexOf(const char *const (&names)[N], QStringView name)
{
    for (size_t i = 0; i < N; ++i)
        if (name == QLatin1StringView(names[i]))
            return int(i);
    return -1;
}

PageFault faultOf(qint64 value)
{
    return value > 0 && value < qint64(PageFault::Count) ? PageFault(value) : PageFault::None;
}

QString counted(qint64 count, const char *what)
{
    return QString::number(count) + u' ' + QLatin1StringView(what);
}

} // namespace

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

QString PageBreakdown::key() const
{
    KeyWriter key;
    for (int i = 0; i < kCaptureModeCount; ++i)
        key.token(kModeKeys[i], modes[size_t(i)]);
    for (int i = 0; i < kPageSizeCount; ++i) {
        key.token(kSizeKeys[i], sizes[size_t(i)] - landscape[size_t(i)]);
        key.token(kSizeKeys[i], landscape[size_t(i)], true);
    }
    if (key.isEmpty())
        return {};
    if (a4Equivalent != pages())
        key.field('e', a4Equivalent);
    if (count(PageSize::Other) > 0) {
        key.field('o', otherWidthMm);
        key.raw('x');
        key.number(otherHeightMm);
    }
    // The usual reason of an unknown size goes without saying.
    if (sizeFault != PageFault::None && sizeFault != PageFault::NoResolution)
        key.field('s', int(sizeFault));
    if (modeFault != PageFault::None)
        key.field('m', int(modeFault));
    return key.text();
}

PageBreakdown PageBreakdown::fromKey(QStringView key)
{
    PageBreakdown breakdown;
    breakdown.addKey(key);
    return breakdown;
}

// Parsed in place, without a breakdown per row: Folder Totals and the
// labels' tooltips read a key per listed file.
void PageBreakdown::addKey(QStringView key)
{
    const bool hadOther = count(PageSize::Other) > 0;
    qint64 keyPages = 0;
    qint64 keyA4 = -1;
    for (QStringView token : key.tokenize(u',')) {
        const qsizetype equals = token.indexOf(u'=');
        QStringView name = equals < 0 ? token : token.left(equals);
        const QStringView value = equals < 0 ? QStringView() : token.mid(equals + 1);
        if (name == u"o") {
            const qsizetype x = value.indexOf(u'x');
            if (!hadOther && x > 0) {
                otherWidthMm = value.left(x).toUShort();
                otherHeightMm = value.mid(x + 1).toUShort();
            }
            continue;
        }
        bool ok = equals < 0;
        const qint64 number = ok ? 1 : value.toLongLong(&ok);
        if (!ok || number < 0)
            continue;
        const bool across = name.startsWith(QLatin1Char(kLandscapeMark));
        if (across)
            name = name.mid(1);
        if (const int mode = across ? -1 : indexOf(kModeKeys, name); mode >= 0) {
            modes[size_t(mode)] = saturatingAdd(modes[size_t(mode)], number);
        } else if (const int size = indexOf(kSizeKeys, name); size >= 0) {
            sizes[size_t(size)] = saturatingAdd(sizes[size_t(size)], number);
            if (across)
                landscape[size_t(size)] = saturatingAdd(landscape[size_t(size)], number);
            keyPages = saturatingAdd(keyPages, number);
        } else if (name == u"e") {
            keyA4 = number;
        } else if (name == u"s" && sizeFault == PageFault::None) {
            sizeFault = faultOf(number);
        } else if (name == u"m" && modeFault == PageFault::None) {
            modeFault = faultOf(number);
        }
    }
    a4Equivalent = saturatingAdd(a4Equivalent, keyA4 >= 0 ? keyA4 : keyPages);
    if (count(PageSize::Unknown) > 0 && sizeFault == PageFault::None)
        sizeFault = PageFault::NoResolution;
}

QString pageSizeName(PageSize size)
{
    return QLatin1StringView(kSizeNames[size_t(size)]);
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
        text += QLatin1StringView(kSizeNames[size_t(i)]) + countSeparator + QString::number(breakdown.sizes[size_t(i)]);
    }
    return text;
}

QString modesText(const PageBreakdown &breakdown)
{
    QStringList items;
    for (int i = 0; i < kCaptureModeCount; ++i)
        if (breakdown.modes[size_t(i)] > 0)
            items << counted(breakdown.modes[size_t(i)], kModeNames[i]);
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
