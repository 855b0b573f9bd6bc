#include "search/criteria.h"

#include <algorithm>

#include "results/cellformats.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

#include <limits>
#include <optional>
#include <string>
#include <utility>

namespace {

const QChar Space = u' ';

// Code points of `text`, each simply case-folded. A lone surrogate (a file
// name byte that is no UTF-8) stays one code point of its own.
std::u32string foldedCodePoints(QStringView text)
{
    std::u32string points;
    points.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t point = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            point = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        points.push_back(QChar::toCaseFolded(point));
    }
    return points;
}

// Greedy match that backtracks only to the last "*": each "*" retry moves the
// name position on by one, so the cost stays O(name x pattern).
bool matchFolded(const std::u32string &name, const std::u32string &pattern)
{
    constexpr std::size_t None = std::u32string::npos;
    std::size_t n = 0, p = 0, starP = None, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == U'*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() && (pattern[p] == U'?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (starP != None) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == U'*')
        ++p;
    return p == pattern.size();
}

// A whole number in [minimum, maximum], surrounding spaces allowed.
std::optional<qint64> readWholeNumber(const QString &text, qint64 minimum, qint64 maximum)
{
    const QString digits = text.trimmed();
    qsizetype i = 0;
    const bool negative = digits.startsWith(u'-');
    if (negative || digits.startsWith(u'+'))
        ++i;
    if (i == digits.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < digits.size(); ++i) {
        const char16_t c = digits[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > maximum + 1) // also keeps the product far from overflow
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < minimum || value > maximum)
        return std::nullopt;
    return value;
}

constexpr qint64 MinSize = -2147483648LL;
constexpr qint64 MaxSize = 2147483647LL;

// First and last day of the date window, or nothing when it cannot be read.
std::optional<std::pair<QDate, QDate>> dateWindow(const SearchCriteriaSource &criteria,
                                                  const QDate &today)
{
    if (!criteria.inPeriodMode()) {
        const QDate from = criteria.fromDate(), to = criteria.toDate();
        if (!from.isValid() || !to.isValid())
            return std::nullopt;
        return std::make_pair(from, to);
    }
    const auto n = readWholeNumber(criteria.periodText(), 0, CriteriaDefaults::MaxPeriod);
    if (!n)
        return std::nullopt;
    const int count = int(*n);
    if (count == 0)
        return std::make_pair(today, today);
    const bool days = criteria.periodUnitText() == CriteriaDefaults::Days;
    // addMonths clamps to the last day of a shorter month (31 March - 1 month = 28/29 Feb).
    return std::make_pair(days ? today.addDays(-count) : today.addMonths(-count), today);
}

enum class DateChoice { None, Unknown, Known };

// The file's date the which-date box names; None when the box names no date.
std::pair<DateChoice, qint64> chosenDate(const FileFacts &facts, const QString &typeText)
{
    if (typeText == CriteriaDefaults::FilesModified)
        return {DateChoice::Known, facts.modifiedMs};
    if (typeText == CriteriaDefaults::FilesLastAccessed)
        return {DateChoice::Known, facts.accessedMs};
    if (typeText == CriteriaDefaults::FilesCreated) {
        if (!facts.createdMs)
            return {DateChoice::Unknown, 0};
        return {DateChoice::Known, *facts.createdMs};
    }
    return {DateChoice::None, 0};
}

bool passesDate(const FileFacts &facts, const SearchCriteriaSource &criteria, const QDate &today)
{
    const auto window = dateWindow(criteria, today);
    if (!window)
        return false;
    const auto [choice, whenMs] = chosenDate(facts, criteria.dateRangeTypeText());
    if (choice == DateChoice::None)
        return true;
    if (choice == DateChoice::Unknown)
        return false;
    // Whole local days: from 00:00 of the first day up to, not including,
    // 00:00 of the day after the last.
    const qint64 startMs = window->first.startOfDay().toMSecsSinceEpoch();
    const qint64 endMs = window->second.addDays(1).startOfDay().toMSecsSinceEpoch();
    return whenMs >= startMs && whenMs < endMs;
}

// Smallest and largest size in KB the size rule lets pass, or nothing when
// it cannot be read (then no file passes).
std::optional<std::pair<qint64, qint64>> sizeWindow(const SearchCriteriaSource &criteria)
{
    if (criteria.sizeAtMode()) {
        const auto limit = readWholeNumber(criteria.sizeLimitText(), MinSize, MaxSize);
        if (!limit)
            return std::nullopt;
        if (criteria.leastMostText() == CriteriaDefaults::Least)
            return std::make_pair(*limit, std::numeric_limits<qint64>::max());
        return std::make_pair(std::numeric_limits<qint64>::min(), *limit);
    }
    const auto from = readWholeNumber(criteria.sizeFromText(), MinSize, MaxSize);
    const auto to = readWholeNumber(criteria.sizeToText(), MinSize, MaxSize);
    if (!from || !to)
        return std::nullopt;
    return std::make_pair(*from, *to);
}

bool passesSize(const FileFacts &facts, const SearchCriteriaSource &criteria)
{
    const auto window = sizeWindow(criteria);
    const qint64 kb = sizeInKB(facts.size);
    return window && window->first <= kb && kb <= window->second;
}

} // namespace

QStringList BuildPatternList(const QString &text)
{
    if (text.trimmed() == CriteriaDefaults::AllFilesPattern)
        return {};
    if (text.contains(u';'))
        return text.split(u';');
    return text.split(u',');
}

NamePatterns::NamePatterns(const QStringList &patterns)
{
    for (const QString &pattern : patterns) {
        qsizetype start = 0;
        while (start < pattern.size() && pattern[start] == Space)
            ++start;
        const QStringView effective = QStringView(pattern).mid(start);
        if (effective == CriteriaDefaults::AllFilesPattern)
            m_matchesAll = true;
        else if (!effective.isEmpty())
            m_folded.push_back(foldedCodePoints(effective));
    }
}

bool NamePatterns::matches(const QString &name) const
{
    if (m_matchesAll)
        return true;
    const std::u32string foldedName = foldedCodePoints(name);
    return std::any_of(m_folded.begin(), m_folded.end(),
                       [&](const std::u32string &pattern) { return matchFolded(foldedName, pattern); });
}

bool matchesWildcard(const QString &name, const QString &pattern)
{
    return NamePatterns({pattern}).matches(name);
}

bool MatchesPatterns(const QString &name, const QStringList &patterns)
{
    return NamePatterns(patterns).matches(name);
}

bool PassesDateAndSize(const FileFacts &facts, const SearchCriteriaSource &criteria,
                       const QDate &today)
{
    if (criteria.dateOn() && !passesDate(facts, criteria, today))
        return false;
    return !criteria.sizeOn() || passesSize(facts, criteria);
}

CriteriaValues CriteriaValues::of(const SearchCriteriaSource &source)
{
    CriteriaValues values;
    values.filter = source.filterText();
    values.subfolders = source.includeSubfolders();
    values.hidden = source.showHidden();
    values.date = source.dateOn();
    values.dateType = source.dateRangeTypeText();
    values.inPeriod = source.inPeriodMode();
    values.period = source.periodText();
    values.unit = source.periodUnitText();
    values.from = source.fromDate();
    values.to = source.toDate();
    values.size = source.sizeOn();
    values.sizeAt = source.sizeAtMode();
    values.leastMost = source.leastMostText();
    values.limit = source.sizeLimitText();
    values.sizeFrom = source.sizeFromText();
    values.sizeTo = source.sizeToText();
    return values;
}

bool PassesNameRules(const QString &name, const SearchCriteriaSource &criteria,
                     const NamePatterns &patterns)
{
    if (!criteria.showHidden() && name.startsWith(u'.'))
        return false;
    const QString filter = criteria.filterText().trimmed();
    if (filter.isEmpty() || filter == CriteriaDefaults::AllFilesPattern)
        return true;
    return patterns.matches(name);
}

namespace {

struct CriteriaWords
{
    Q_DECLARE_TR_FUNCTIONS(Criteria)
};

QString dayText(const QDate &day)
{
    return QLocale().toString(day, QLocale::ShortFormat);
}

QString dateRuleText(const SearchCriteriaSource &criteria, const QDate &searchDay)
{
    if (!criteria.dateOn())
        return CriteriaWords::tr("Any date");
    const auto window = dateWindow(criteria, searchDay);
    if (!window)
        return CriteriaWords::tr("A date rule that cannot be read: no file passes");
    const QString which = CriteriaDefaults::choiceText(criteria.dateRangeTypeText());
    if (!criteria.inPeriodMode())
        return CriteriaWords::tr("%1 between %2 and %3").arg(which, dayText(window->first), dayText(window->second));
    return CriteriaWords::tr("%1 in the last %2 %3 (between %4 and %5)")
            .arg(which, criteria.periodText().trimmed(), CriteriaDefaults::choiceText(criteria.periodUnitText()),
                 dayText(window->first), dayText(window->second));
}

QString sizeRuleText(const SearchCriteriaSource &criteria)
{
    if (!criteria.sizeOn())
        return CriteriaWords::tr("Any size");
    const auto window = sizeWindow(criteria);
    if (!window)
        return CriteriaWords::tr("A size rule that cannot be read: no file passes");
    if (!criteria.sizeAtMode())
        return CriteriaWords::tr("Size between %1 and %2 KB").arg(window->first).arg(window->second);
    // Read as the rule reads it: anything but "Least" is at most.
    if (criteria.leastMostText() == CriteriaDefaults::Least)
        return CriteriaWords::tr("Size at least %1 KB").arg(window->first);
    return CriteriaWords::tr("Size at most %1 KB").arg(window->second);
}

QString yesNo(bool yes)
{
    return yes ? CriteriaWords::tr("Yes") : CriteriaWords::tr("No");
}

} // namespace

QList<CriteriaLine> criteriaInWords(const SearchCriteriaSource &criteria, const QDate &searchDay)
{
    const QString filter = criteria.filterText().trimmed();
    return {{CriteriaWords::tr("File names"), filter.isEmpty() ? CriteriaDefaults::AllFilesPattern : filter},
            {CriteriaWords::tr("Subfolders"), yesNo(criteria.includeSubfolders())},
            {CriteriaWords::tr("Hidden files"), yesNo(criteria.showHidden())},
            {CriteriaWords::tr("Date"), dateRuleText(criteria, searchDay)},
            {CriteriaWords::tr("Size"), sizeRuleText(criteria)}};
}

QString CriteriaDefaults::choiceText(const QString &choice)
{
    return QCoreApplication::translate("CriteriaDefaults", choice.toUtf8().constData());
}
