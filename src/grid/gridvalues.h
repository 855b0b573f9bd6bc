#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>
#include <optional>

// Reading the numbers and dates that cells stand for. The locale's strings
// are fetched once per syntax object, so parsing a million cells stays cheap.
namespace GridValues {

struct NumberSyntax
{
    QString group;
    QString decimalPoint;
    QString minus;
    QString plus;
    static NumberSyntax fromLocale(const QLocale &locale = QLocale());
};

struct DateSyntax
{
    QString am;
    QString pm;
    static DateSyntax fromLocale(const QLocale &locale = QLocale());
};

// The whole text (surrounding spaces aside) as a number: "1,234" is 1234
// with a locale that groups with ","; "Error", "" and "12 KB" are no number.
std::optional<double> parseNumber(QStringView text, const NumberSyntax &syntax);

// The number a text starts with when a unit follows it after a space:
// "1,000 KB" is 1000; a text that is a number as a whole is that number.
std::optional<double> parseLeadingNumber(QStringView text, const NumberSyntax &syntax);

// A key that orders texts of the form "MM/dd/yyyy hh:mm AMPM" (any date and
// time separators, seconds optional, 24-hour clock without designator) by
// the moment they stand for; no value for anything else.
std::optional<qint64> parseDateKey(QStringView text, const DateSyntax &syntax);

// Text order ignoring letter case; texts equal but for case by code unit.
int compareText(QStringView a, QStringView b);

} // namespace GridValues
