#include "grid/delimitedtext.h"

namespace DelimitedText {

namespace {

bool needsQuotes(QStringView cell, const Separators &s)
{
    for (QChar c : cell)
        if (c == s.column || c == s.row || c == s.quote() || c == u'\r' || c == u'\n')
            return true;
    return false;
}

void appendUtf8(QByteArray &out, char32_t code)
{
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

bool isRawByteEscape(char32_t unit) { return unit >= 0xDC80 && unit <= 0xDCFF; }

// The code point (or lone surrogate) at bytes[i], with its length; length 0
// when the bytes there are not a sequence this codec writes.
char32_t decodeOne(const unsigned char *s, qsizetype i, qsizetype n, int &length)
{
    const unsigned char c = s[i];
    length = 0;
    if (c < 0x80) {
        length = 1;
        return c;
    }
    const int size = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? (c <= 0xEF ? 3 : 0) : c >= 0xC2 ? 2 : 0;
    if (size == 0 || i + size > n)
        return 0;
    char32_t code = c & (0xFF >> (size + 1));
    for (int k = 1; k < size; ++k) {
        if (!isContinuation(s[i + k]))
            return 0;
        code = (code << 6) | (s[i + k] & 0x3F);
    }
    const char32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < minimum[size] || code > 0x10FFFF || isRawByteEscape(code))
        return 0;
    length = size;
    return code;
}

// Quotes inside a cell can split a byte sequence into lone raw bytes that
// meet once the quotes are gone, so the cell is read again from its own
// bytes: it then reads the same after every save.
QString rejoined(QString cell)
{
    for (QChar c : cell) {
        if (isRawByteEscape(c.unicode()))
            return decode(encode(cell));
    }
    return cell;
}

} // namespace

Separators Separators::fromString(const QString &text)
{
    Separators s;
    if (text.size() >= 1)
        s.column = text.at(0);
    if (text.size() >= 2)
        s.row = text.at(1);
    return s;
}

QChar Separators::quote() const
{
    for (QChar mark : {QChar(u'"'), QChar(u'\''), QChar(u'`')})
        if (mark != column && mark != row)
            return mark;
    return QChar(u'"');
}

void appendCell(QString &out, QStringView cell, const Separators &separators)
{
    if (!needsQuotes(cell, separators)) {
        out += cell;
        return;
    }
    const QChar quote = separators.quote();
    out += quote;
    for (QChar c : cell) {
        if (c == quote)
            out += quote;
        out += c;
    }
    out += quote;
}

void parse(QStringView text, const Separators &separators,
           const std::function<void(const QStringList &)> &onRow)
{
    const QChar quote = separators.quote();
    QStringList cells;
    QString cell;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        if (text[i] == quote) { // quoted cell: up to the lone closing quote
            for (++i; i < n; ++i) {
                if (text[i] == quote && (i + 1 >= n || text[i + 1] != quote))
                    break;
                if (text[i] == quote)
                    ++i;
                cell += text[i];
            }
            ++i;
        }
        while (i < n && text[i] != separators.column && text[i] != separators.row)
            cell += text[i++];
        cells.append(rejoined(std::exchange(cell, QString())));
        if (i < n && text[i] == separators.row) {
            onRow(cells);
            cells.clear();
            // CR LF ends one row, unless LF is the column separator: then
            // it starts the next row with an empty cell.
            if (separators.row == u'\r' && separators.column != u'\n' && i + 1 < n
                && text[i + 1] == u'\n')
                ++i;
        } else if (i + 1 == n) { // a column separator ends the text
            cells.append(QString());
        }
        ++i;
    }
    if (!cells.isEmpty())
        onRow(cells);
}

QByteArray encode(QStringView text)
{
    QByteArray out;
    out.reserve(text.size() + text.size() / 4);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            appendUtf8(out, QChar::surrogateToUcs4(u, text[++i].unicode()));
        } else if (isRawByteEscape(u) && !(i > 0 && text[i - 1].isHighSurrogate())) {
            out += char(u - 0xDC00);
        } else {
            appendUtf8(out, u);
        }
    }
    return out;
}

QString decode(const QByteArray &bytes)
{
    const auto *s = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    QString out;
    out.reserve(n);
    for (qsizetype i = 0; i < n;) {
        int length = 0;
        const char32_t code = decodeOne(s, i, n, length);
        if (length == 0) {
            out += QChar(char16_t(0xDC00 + s[i++]));
            continue;
        }
        if (QChar::requiresSurrogates(code)) {
            out += QChar(QChar::highSurrogate(code));
            out += QChar(QChar::lowSurrogate(code));
        } else {
            out += QChar(char16_t(code));
        }
        i += length;
    }
    return out;
}

} // namespace DelimitedText

QString DelimitedText::joinRows(const QList<QStringList> &rows, const Separators &separators,
                                QStringView rowEnd)
{
    QString out;
    for (const QStringList &cells : rows) {
        for (qsizetype i = 0; i < cells.size(); ++i) {
            if (i > 0)
                out += separators.column;
            appendCell(out, cells[i], separators);
        }
        out += rowEnd;
    }
    return out;
}
