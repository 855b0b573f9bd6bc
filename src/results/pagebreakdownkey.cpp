#include "results/pagebreakdown.h"

#include <charconv>
#include <string>

namespace {

// A key names the modes, then the size classes (each one's landscape pages
// after, with "~" before), by the keys in their tables; then the
// A4-equivalent count (when it differs from the pages), the first Other size
// and the two reasons.
constexpr char kLandscapeMark = '~';

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

// The row of the class whose key is `name`, or -1.
template<typename Class, size_t N>
int indexOf(const Class (&classes)[N], QStringView name)
{
    for (size_t i = 0; i < N; ++i)
        if (name == QLatin1StringView(classes[i].key))
            return int(i);
    return -1;
}

PageFault faultOf(qint64 value)
{
    return value > 0 && value < qint64(PageFault::Count) ? PageFault(value) : PageFault::None;
}

} // namespace

QString PageBreakdown::key() const
{
    KeyWriter key;
    for (const CaptureModeClass &mode : kCaptureModeClasses)
        key.token(mode.key, count(mode.mode));
    for (const PageSizeClass &size : kPageSizeClasses) {
        const qint64 across = landscape[size_t(size.size)];
        key.token(size.key, count(size.size) - across);
        key.token(size.key, across, true);
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
        if (const int mode = across ? -1 : indexOf(kCaptureModeClasses, name); mode >= 0) {
            modes[size_t(mode)] = saturatingAdd(modes[size_t(mode)], number);
        } else if (const int size = indexOf(kPageSizeClasses, name); size >= 0) {
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
