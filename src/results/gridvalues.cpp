#include "results/gridvalues.h"

#include <charconv>
#include <string>

namespace GridValues {

namespace {

bool isDigit(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }

bool consume(QStringView text, qsizetype &pos, const QString &token)
{
    if (token.isEmpty() || !text.mid(pos).startsWith(token))
        return false;
    pos += token.size();
    return true;
}

QStringView trimmed(QStringView text)
{
    return text.trimmed();
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
    std::string digits;
    qsizetype pos = 0;
    if (consume(text, pos, syntax.minus) || consume(text, pos, QStringLiteral("-")))
        digits += '-';
    else if (!consume(text, pos, syntax.plus))
        consume(text, pos, QStringLiteral("+"));
    bool anyDigit = false;
    bool inFraction = false;
    while (pos < text.size()) {
        const QChar c = text[pos];
        if (isDigit(c)) {
            digits += char(c.unicode());
            anyDigit = true;
            ++pos;
        } else if (!inFraction && anyDigit && pos + 1 < text.size() &&
                   consume(text, pos, syntax.group)) {
            if (!isDigit(text[pos]))
                return std::nullopt; // a group separator stands between digits only
        } else if (!inFraction && consume(text, pos, syntax.decimalPoint)) {
            digits += '.';
            inFraction = true;
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    double value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec != std::errc() || result.ptr != digits.data() + digits.size())
        return std::nullopt;
    return value;
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
        while (pos < text.size() && isDateSeparator(text[pos]) && !text[pos].isSpace())
            ++pos;
        while (pos < text.size() && text[pos].isSpace())
            ++pos;
        if (pos < text.size() && !isDigit(text[pos]))
            break;
    }
    if (count < 5)
        return std::nullopt;
    const QStringView designator = text.mid(pos).trimmed();
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
