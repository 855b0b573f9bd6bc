#include "cli/helptext.h"

#include <QStringView>

#include <algorithm>

namespace HelpText {

namespace {

// The columns of a terminal line, as the parser of Qt wraps its help.
constexpr int kWidth = 79;

// East Asian wide and full-width characters.
bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) || (c >= 0xAC00 && c <= 0xD7A3)
           || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60)
           || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

int columns(char32_t c)
{
    return isWide(c) ? 2 : 1;
}

bool isIn(char32_t c, QStringView marks)
{
    return c <= 0xFFFF && marks.contains(QChar(char16_t(c)));
}

// Where two wide characters meet (or a wide one and another), the line may
// break: not before a closing mark, nor after an opening one.
bool mayBreakBetween(char32_t before, char32_t after)
{
    return (isWide(before) || isWide(after)) && before != U' ' && after != U' '
           && !isIn(after, u"、。，．・：；？！）」』】〉》ーぁぃぅぇぉっゃゅょァィゥェォッャュョ々),.:;!?]")
           && !isIn(before, u"（「『【〈《([");
}

} // namespace

int columns(const QString &text)
{
    int sum = 0;
    for (const char32_t c : text.toUcs4())
        sum += columns(c);
    return sum;
}

QStringList wrapped(const QString &text, int width)
{
    QStringList lines;
    for (const QString &given : text.split(u'\n')) {
        const QList<uint> s = given.toUcs4();
        qsizetype start = 0;
        int used = 0;            // columns from start up to here
        qsizetype breakAt = -1;  // the line may end before this character
        qsizetype resumeAt = -1; // and the next begin with this one (after a space)
        for (qsizetype i = 0; i < s.size(); ++i) {
            if (s[i] == U' ') {
                breakAt = i;
                resumeAt = i + 1;
            } else if (i > start && mayBreakBetween(s[i - 1], s[i])) {
                breakAt = i;
                resumeAt = i;
            }
            used += columns(s[i]);
            if (used <= width || breakAt <= start)
                continue;
            lines.append(QString::fromUcs4(reinterpret_cast<const char32_t *>(s.constData() + start), breakAt - start));
            start = resumeAt;
            used = 0;
            for (qsizetype j = start; j <= i; ++j)
                used += columns(s[j]);
            breakAt = -1;
        }
        lines.append(QString::fromUcs4(reinterpret_cast<const char32_t *>(s.constData() + start), s.size() - start));
    }
    return lines;
}

QString paragraph(const QString &text)
{
    return wrapped(text, kWidth).join(u'\n') + u'\n';
}

int descriptionColumn(const QList<Row> &rows)
{
    int widest = 0;
    for (const auto &[left, description] : rows)
        widest = std::max(widest, columns(left));
    return widest + 2;
}

QString rows(const QList<Row> &rows, int column)
{
    const QString indent(column, u' ');
    QString text;
    for (const auto &[left, description] : rows)
        text += left + QString(std::max(column - columns(left), 1), u' ')
                + wrapped(description, kWidth - column).join(u'\n' + indent) + u'\n';
    return text;
}

} // namespace HelpText
