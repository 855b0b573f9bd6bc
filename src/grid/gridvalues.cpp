#include "grid/gridvalues.h"

#include <charconv>

namespace GridValues {

namespace {

bool isDigit(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }

// Exact, unit by unit: called for every cell of a sort, so no library calls.
bool consume(QStringView text, qsizetype &pos, QStringView token)
{
    if (token.isEmpty() || text.size() - pos < token.size())
        return false;
    for (qsizetype k = 0; k < token.size(); ++k)
        if (text[pos + k] != token[k])
            return false;
    pos += token.size();
    return true;
}

bool isBlank(QChar c)
{
    return c.unicode() == u' ' || (c.unicode() > 127 ? c.isSpace() : (c.unicode() >= 9 && c.unicode() <= 13));
}

QStringView trimmed(QStringView text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

// Reads a run of digits as a whole number; false when there is none.
bool readNumberGroup(QStringView text, qsizetype &pos, int &value)
{
    const qsizetype start = pos;
    qint64 v = 0;
    while (pos < text.size() && isDigit(text[pos]) && pos - start < 9)
        v = v * 10 + (text[pos++].unicode() - u'0');
    value = int(v);
    return pos > start && (pos >= text.size() || !isDigit(text[pos]));
}

bool isDateSeparator(QChar c)
{
    return !c.isLetterOrNumber();
}

char16_t foldCase(char16_t u)
{
    if (u < 128)
        return (u >= u'A' && u <= u'Z') ? char16_t(u + 32) : u;
    return QChar(u).toCaseFolded().unicode();
}

} // namespace

NumberSyntax NumberSyntax::fromLocale(const QLocale &locale)
{
    return {locale.groupSeparator(), locale.decimalPoint(), locale.negativeSign(),
            locale.positiveSign()};
}

DateSyntax DateSyntax::fromLocale(const QLocale &locale)
{
    return {locale.amText(), locale.pmText()};
}

std::optional<double> parseNumber(QStringView text, const NumberSyntax &syntax)
{
    text = trimmed(text);
    constexpr int kMaxChars = 64;
    char digits[kMaxChars];
    int used = 0;
    qsizetype pos = 0;
    if (consume(text, pos, syntax.minus) || consume(text, pos, u"-"))
        digits[used++] = '-';
    else if (!consume(text, pos, syntax.plus))
        consume(text, pos, u"+");
    bool anyDigit = false;
    bool inFraction = false;
    while (pos < text.size()) {
        const QChar c = text[pos];
        if (isDigit(c)) {
            if (used >= kMaxChars - 1)
                return std::nullopt; // far beyond any count or size
            digits[used++] = char(c.unicode());
            anyDigit = true;
            ++pos;
        } else if (!inFraction && anyDigit && pos + 1 < text.size() &&
                   consume(text, pos, syntax.group)) {
            if (!isDigit(text[pos]))
                return std::nullopt; // a group separator stands between digits only
        } else if (!inFraction && consume(text, pos, syntax.decimalPoint)) {
            digits[used++] = '.';
            inFraction = true;
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    double value = 0;
    const auto result = std::from_chars(digits, digits + used, value);
    if (result.ec != std::errc() || result.ptr != digits + used)
        return std::nullopt;
    return value;
}

std::optional<double> parseLeadingNumber(QStringView text, const NumberSyntax &syntax)
{
    text = trimmed(text);
    if (const auto whole = parseNumber(text, syntax))
        return whole;
    qsizetype cut = text.size();
    while (cut > 0 && !isBlank(text[cut - 1]))
        --cut;
    return cut > 0 ? parseNumber(text.left(cut), syntax) : std::nullopt;
}

std::optional<qint64> parseDateKey(QStringView text, const DateSyntax &syntax)
{
    text = trimmed(text);
    int parts[6] = {0, 0, 0, 0, 0, 0};
    int count = 0;
    qsizetype pos = 0;
    while (pos < text.size() && count < 6) {
        if (!readNumberGroup(text, pos, parts[count++]))
            return std::nullopt;
        while (pos < text.size() && isDateSeparator(text[pos]) && !isBlank(text[pos]))
            ++pos;
        while (pos < text.size() && isBlank(text[pos]))
            ++pos;
        if (pos < text.size() && !isDigit(text[pos]))
            break;
    }
    if (count < 5)
        return std::nullopt;
    const QStringView designator = trimmed(text.mid(pos));
    int hour = parts[3];
    if (!designator.isEmpty()) {
        const bool pm = designator.compare(syntax.pm, Qt::CaseInsensitive) == 0 ||
                        designator.compare(u"PM", Qt::CaseInsensitive) == 0;
        const bool am = designator.compare(syntax.am, Qt::CaseInsensitive) == 0 ||
                        designator.compare(u"AM", Qt::CaseInsensitive) == 0;
        if ((!pm && !am) || hour < 1 || hour > 12)
            return std::nullopt;
        hour = (hour % 12) + (pm ? 12 : 0);
    }
    const int month = parts[0], day = parts[1], year = parts[2], minute = parts[4];
    const int second = parts[5];
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    qint64 key = (qint64(year) * 13 + month) * 32 + day;
    return ((key * 24 + hour) * 60 + minute) * 60 + second;
}

int compareText(QStringView a, QStringView b)
{
    const qsizetype n = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = a[i].unicode(), y = b[i].unicode();
        if (x == y)
            continue;
        const char16_t fx = foldCase(x), fy = foldCase(y);
        if (fx != fy)
            return fx < fy ? -1 : 1;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b, Qt::CaseSensitive);
}

} // namespace GridValues
