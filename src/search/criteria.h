#pragma once

#include "search/folderlister.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

// The live state of the criteria controls. Every getter reads the control as
// it stands now, so a change made while a search runs applies to the files
// examined after it.
class SearchCriteriaSource
{
public:
    virtual ~SearchCriteriaSource() = default;
    virtual QString filterText() const = 0;        // cmbFilterPattern text
    virtual bool includeSubfolders() const = 0;    // chkSearchIncSubFlder
    virtual bool showHidden() const = 0;           // chkShowHidden
    virtual bool dateOn() const = 0;               // chkSearchByDate
    virtual QString dateRangeTypeText() const = 0; // cmbDateRangeType text
    virtual bool inPeriodMode() const = 0;         // optInPeriod (else optBtnPeriod)
    virtual QString periodText() const = 0;        // txtInPeriod
    virtual QString periodUnitText() const = 0;    // cmbDateInPeriod text
    virtual QDate fromDate() const = 0;            // dtpDateFrom
    virtual QDate toDate() const = 0;              // dtpDateTo
    virtual bool sizeOn() const = 0;               // chkSearchBySize
    virtual bool sizeAtMode() const = 0;           // optSizeAt (else optSizeBtn)
    virtual QString leastMostText() const = 0;     // cmbLeastMost text
    virtual QString sizeLimitText() const = 0;     // txtSizeLeastMost
    virtual QString sizeFromText() const = 0;      // txtSizeFrom
    virtual QString sizeToText() const = 0;        // txtSizeTo
};

// The lists and values the criteria controls get each time the main window
// loads. The drop-down lists are in display order. The choices are the
// values the rules compare, in English; their words in the user's language
// are the translations in the context "CriteriaDefaults".
namespace CriteriaDefaults {
inline const QString FilterPattern = QStringLiteral("*.tif,*.tiff");
inline const QString AllFilesPattern = QStringLiteral("*.*");

inline const QString FilesCreated = QStringLiteral(QT_TRANSLATE_NOOP("CriteriaDefaults", "Files Created"));
inline const QString FilesModified = QStringLiteral(QT_TRANSLATE_NOOP("CriteriaDefaults", "Files Modified"));
inline const QString FilesLastAccessed = QStringLiteral(QT_TRANSLATE_NOOP("CriteriaDefaults", "Files Last Accessed"));
inline const QStringList DateRangeTypes = {FilesCreated, FilesModified, FilesLastAccessed};

inline const QString Days = QStringLiteral(QT_TRANSLATE_NOOP("CriteriaDefaults", "Day(s)"));
inline const QString Months = QStringLiteral(QT_TRANSLATE_NOOP("CriteriaDefaults", "Month(s)"));
inline const QStringList PeriodUnits = {Days, Months};

//: "Size at Least 100 KB": files of 100 KB or more
inline const QString Least = QStringLiteral(QT_TRANSLATE_NOOP("CriteriaDefaults", "Least"));
//: "Size at Most 100 KB": files of 100 KB or less
inline const QString Most = QStringLiteral(QT_TRANSLATE_NOOP("CriteriaDefaults", "Most"));
inline const QStringList LeastMost = {Least, Most};
// A choice of the lists above in the user's words.
QString choiceText(const QString &choice);

inline constexpr bool IncludeSubfolders = false;
inline constexpr bool ShowHidden = false;
inline constexpr bool DateOn = false;
inline const QString DateRangeType = FilesModified;
inline constexpr bool InPeriodMode = false; // "between"
inline const QString PeriodText = QStringLiteral("1");
inline constexpr int MaxPeriod = 32767; // the longest period the date test reads
inline const QString PeriodUnit = Days;
inline constexpr bool SizeOn = false;
inline constexpr bool SizeAtMode = true;
inline const QString LeastMostChoice = Least;
inline const QString SizeLimitText = QStringLiteral("0");
inline const QString SizeFromText = QStringLiteral("0");
inline const QString SizeToText = QStringLiteral("10");

inline QDate fromDate(const QDate &today)
{
    return today.addMonths(-1);
}
inline QDate toDate(const QDate &today)
{
    return today;
}
} // namespace CriteriaDefaults

// The criteria as plain values: the controls as they stood at one moment.
// What the run asks for ahead of time is judged by such a copy; the run
// itself reads the controls live.
struct CriteriaValues : SearchCriteriaSource
{
    QString filter = CriteriaDefaults::FilterPattern;
    bool subfolders = CriteriaDefaults::IncludeSubfolders;
    bool hidden = CriteriaDefaults::ShowHidden;
    bool date = CriteriaDefaults::DateOn;
    QString dateType = CriteriaDefaults::DateRangeType;
    bool inPeriod = CriteriaDefaults::InPeriodMode;
    QString period = CriteriaDefaults::PeriodText;
    QString unit = CriteriaDefaults::PeriodUnit;
    QDate from;
    QDate to;
    bool size = CriteriaDefaults::SizeOn;
    bool sizeAt = CriteriaDefaults::SizeAtMode;
    QString leastMost = CriteriaDefaults::LeastMostChoice;
    QString limit = CriteriaDefaults::SizeLimitText;
    QString sizeFrom = CriteriaDefaults::SizeFromText;
    QString sizeTo = CriteriaDefaults::SizeToText;

    static CriteriaValues of(const SearchCriteriaSource &source);

    QString filterText() const override { return filter; }
    bool includeSubfolders() const override { return subfolders; }
    bool showHidden() const override { return hidden; }
    bool dateOn() const override { return date; }
    QString dateRangeTypeText() const override { return dateType; }
    bool inPeriodMode() const override { return inPeriod; }
    QString periodText() const override { return period; }
    QString periodUnitText() const override { return unit; }
    QDate fromDate() const override { return from; }
    QDate toDate() const override { return to; }
    bool sizeOn() const override { return size; }
    bool sizeAtMode() const override { return sizeAt; }
    QString leastMostText() const override { return leastMost; }
    QString sizeLimitText() const override { return limit; }
    QString sizeFromText() const override { return sizeFrom; }
    QString sizeToText() const override { return sizeTo; }
};

// The patterns of one folder. Trimmed "*.*" gives no list; otherwise the text
// is split at ";" when it holds one, else at ",". Pieces keep their spaces and
// empty pieces stay (they match nothing).
QStringList BuildPatternList(const QString &text);

// A pattern list ready for matching many names: each pattern folded once.
class NamePatterns
{
public:
    NamePatterns() = default;
    explicit NamePatterns(const QStringList &patterns);
    // True when `name` matches at least one pattern (see matchesWildcard).
    bool matches(const QString &name) const;

private:
    std::vector<std::u32string> m_folded; // leading spaces dropped; no empty ones
    bool m_matchesAll = false;            // a "*.*" among them
};

bool MatchesPatterns(const QString &name, const QStringList &patterns);

// Whole-name wildcard match: "*" any run, "?" one character, letters
// compared by simple case folding, leading spaces of the pattern ignored,
// "*.*" matches every name, an empty pattern nothing. Worst case
// O(name x pattern), never exponential.
bool matchesWildcard(const QString &name, const QString &pattern);

// The date and size test of one file against the criteria switched on. Any
// value that cannot be read (a box that is no whole number in range, a date
// the file system cannot supply) fails the file.
bool PassesDateAndSize(const FileFacts &facts, const SearchCriteriaSource &criteria,
                       const QDate &today);

// The hidden-name and pattern rules of one file name; `patterns` is
// BuildPatternList of the criteria's filter text.
bool PassesNameRules(const QString &name, const SearchCriteriaSource &criteria,
                     const NamePatterns &patterns);

// One rule of the criteria in words, for a report: "Date", "Files Modified
// between 1 Nov 2026 and 30 Nov 2026", in the user's language and with days
// as the locale writes them. The values are read as the search reads them (a
// rule it cannot read says so); `searchDay` is the day the search ran, which
// an "in the last" rule counts back from.
struct CriteriaLine
{
    QString label;
    QString text;
};
QList<CriteriaLine> criteriaInWords(const SearchCriteriaSource &criteria, const QDate &searchDay);
