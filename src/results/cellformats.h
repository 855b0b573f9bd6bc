#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// Text forms of the result cells and the numbers behind them.

// The smallest whole number not less than a non-negative x: the nearest
// whole number, plus one when x lies above it.
double RoundUp(double x);

// Size in kilobytes of 1024 bytes, rounded up; exact for every qint64.
qint64 sizeInKB(qint64 bytes);

// "###,###,##0": groups of three digits joined by the locale's group
// separator, at least one digit.
QString formatGroupedNumber(qint64 value, const QLocale &locale = QLocale());

// "MM/dd/yyyy hh:mm AMPM" in the time zone `when` carries, with the locale's
// date and time separators and its morning/afternoon designators.
QString formatModifiedDate(const QDateTime &when, const QLocale &locale = QLocale());

// The locale's pieces of the two formats above, looked up once: a search
// formats two cells per listed file and asking the locale each time costs
// more than the formatting.
class CellTextFormat
{
public:
    explicit CellTextFormat(const QLocale &locale = QLocale());
    QString groupedNumber(qint64 value) const;
    QString modifiedDate(const QDateTime &when) const;

private:
    QString m_groupSeparator;
    QString m_dateSeparator;
    QString m_timeSeparator;
    QString m_amText;
    QString m_pmText;
};

// The inverse of formatModifiedDate for the same locale (used for sorting by
// date); an invalid QDateTime when the text has another form.
QDateTime parseModifiedDate(const QString &text, const QLocale &locale = QLocale());

// The text after the last "." of `name`; empty when there is none.
QString GetExtension(const QString &name);

// The Size cell: the size-in-KB text followed by " KB".
QString sizeCellText(const QString &sizeInKBText);

// The Pages cell: the count in plain digits, or "Error" when negative.
QString pagesCellText(int pageCount);

// The tooltip of a Pages cell: "12 pages", then what they are worth when
// the row knows it (the PageBreakdown key `worth`: ": 12 × A4 · 12 black and
// white · 12 A4-equivalent pages"), with the count's note in brackets when
// it has one; for "Error" the note alone (why).
QString pagesToolTip(QStringView pagesCell, QStringView note, QStringView worth = {});

inline const QString PagesErrorText = QStringLiteral("Error");
