#include "results/cellformats.h"

#include "results/pagebreakdownwords.h"

#include <QCoreApplication>

#include <cmath>

namespace {

// The words of the tooltips; the cells' own texts stay as they are.
struct CellTips
{
    Q_DECLARE_TR_FUNCTIONS(CellFormats)
};

const QString DefaultDateSeparator = QStringLiteral("/");
const QString DefaultTimeSeparator = QStringLiteral(":");

// The separator that follows the first field of a locale's short format
// ("M/d/yy" gives "/", "H.mm" gives "."); `fallback` when the format has
// none or separates with spaces or words (as the C locale's "d MMM yyyy").
QString separatorIn(const QString &format, const QString &fallback)
{
    qsizetype i = 0;
    while (i < format.size() && format[i].isLetter())
        ++i;
    qsizetype end = i;
    while (end < format.size() && !format[end].isLetter() && format[end] != u'\'')
        ++end;
    const QString separator = format.mid(i, end - i);
    if (separator.isEmpty() || separator.trimmed().isEmpty() || i == 0)
        return fallback;
    return separator;
}

QString dateSeparator(const QLocale &locale)
{
    return separatorIn(locale.dateFormat(QLocale::ShortFormat), DefaultDateSeparator);
}

QString timeSeparator(const QLocale &locale)
{
    return separatorIn(locale.timeFormat(QLocale::ShortFormat), DefaultTimeSeparator);
}

QString twoDigits(int value)
{
    return QString::number(value).rightJustified(2, u'0');
}

// Reads `count` ASCII digits at `pos`, moving past them; -1 when not there.
int takeDigits(QStringView text, qsizetype &pos, int count)
{
    if (pos + count > text.size())
        return -1;
    int value = 0;
    for (int k = 0; k < count; ++k) {
        const char16_t c = text[pos + k].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    pos += count;
    return value;
}

bool takeText(QStringView text, qsizetype &pos, QStringView expected)
{
    if (!text.mid(pos).startsWith(expected))
        return false;
    pos += expected.size();
    return true;
}

} // namespace

double RoundUp(double x)
{
    double whole = std::nearbyint(x);
    if (x > whole)
        whole += 1;
    return whole;
}

qint64 sizeInKB(qint64 bytes)
{
    if (bytes <= 0)
        return 0;
    return bytes / 1024 + (bytes % 1024 != 0 ? 1 : 0);
}

CellTextFormat::CellTextFormat(const QLocale &locale)
    : m_groupSeparator(locale.groupSeparator()), m_dateSeparator(dateSeparator(locale)),
      m_timeSeparator(timeSeparator(locale)), m_amText(locale.amText()), m_pmText(locale.pmText())
{
}

QString CellTextFormat::groupedNumber(qint64 value) const
{
    const bool negative = value < 0;
    QString digits = QString::number(value);
    if (negative)
        digits.remove(0, 1);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, m_groupSeparator);
    return negative ? u'-' + digits : digits;
}

QString CellTextFormat::modifiedDate(const QDateTime &when) const
{
    const QDate date = when.date();
    const QTime time = when.time();
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    const QString &designator = time.hour() < 12 ? m_amText : m_pmText;
    return twoDigits(date.month()) + m_dateSeparator + twoDigits(date.day()) + m_dateSeparator +
           QString::number(date.year()).rightJustified(4, u'0') + u' ' + twoDigits(hour12) +
           m_timeSeparator + twoDigits(time.minute()) + u' ' + designator;
}

QString formatGroupedNumber(qint64 value, const QLocale &locale)
{
    return CellTextFormat(locale).groupedNumber(value);
}

QString formatModifiedDate(const QDateTime &when, const QLocale &locale)
{
    return CellTextFormat(locale).modifiedDate(when);
}

QDateTime parseModifiedDate(const QString &text, const QLocale &locale)
{
    const QString dateSep = dateSeparator(locale), timeSep = timeSeparator(locale);
    qsizetype pos = 0;
    const int month = takeDigits(text, pos, 2);
    const bool dayOk = takeText(text, pos, dateSep);
    const int day = takeDigits(text, pos, 2);
    const bool yearOk = takeText(text, pos, dateSep);
    const int year = takeDigits(text, pos, 4);
    const bool hourOk = takeText(text, pos, u" ");
    const int hour12 = takeDigits(text, pos, 2);
    const bool minuteOk = takeText(text, pos, timeSep);
    const int minute = takeDigits(text, pos, 2);
    const bool designatorOk = takeText(text, pos, u" ");
    if (!dayOk || !yearOk || !hourOk || !minuteOk || !designatorOk || month < 0 || day < 0 ||
        year < 0 || hour12 < 1 || hour12 > 12 || minute < 0)
        return {};
    const QStringView designator = QStringView(text).mid(pos);
    const bool pm = designator == locale.pmText();
    if (!pm && designator != locale.amText())
        return {};
    const int hour = hour12 % 12 + (pm ? 12 : 0);
    const QDate date(year, month, day);
    const QTime time(hour, minute);
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time);
}

QString GetExtension(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot + 1);
}

QString sizeCellText(const QString &sizeInKBText)
{
    return sizeInKBText + QStringLiteral(" KB");
}

QString pagesCellText(int pageCount)
{
    return pageCount < 0 ? PagesErrorText : QString::number(pageCount);
}

QString pagesToolTip(QStringView pagesCell, QStringView note, QStringView worth)
{
    if (pagesCell == PagesErrorText)
        return note.toString();
    bool isNumber = false;
    const qint64 pages = pagesCell.toLongLong(&isNumber);
    if (!isNumber)
        return {};
    QString count = (pages == 1 ? CellTips::tr("%1 page") : CellTips::tr("%1 pages")).arg(pages);
    if (!worth.isEmpty())
        count = CellTips::tr("%1: %2", "pages: what they are worth")
                        .arg(count, breakdownText(PageBreakdown::fromKey(worth)));
    if (note.isEmpty())
        return count;
    return CellTips::tr("%1 (%2)", "pages (what the count left out)").arg(count, note.toString());
}
