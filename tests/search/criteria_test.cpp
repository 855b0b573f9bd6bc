#include "search/criteria.h"
#include "support/searchfakes.h"

#include <QDateTime>
#include <QTest>

using TestSupport::FakeCriteria;

namespace {

qint64 localMs(const QDate &date, const QTime &time)
{
    return QDateTime(date, time).toMSecsSinceEpoch();
}

const QDate March15 = QDate(2004, 3, 15);
const QDate March31 = QDate(2004, 3, 31);
const QDateTime FarPast = QDateTime(QDate(1990, 1, 1), QTime(12, 0));

} // namespace

class CriteriaTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void buildPatternList_data();
    void buildPatternList();
    void matchesWildcard_data();
    void matchesWildcard();
    void matchesPatternsOfFixedFilter_data();
    void matchesPatternsOfFixedFilter();
    void hostilePatternEndsQuickly();
    void dateCriterion_data();
    void dateCriterion();
    void sizeCriterion_data();
    void sizeCriterion();
    void switchedOffCriteriaIgnoreUnreadableBoxes();
    void bothCriteriaMustPass();
};

void CriteriaTest::buildPatternList_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("comma list") << "*.tif,*.tiff" << QStringList{"*.tif", "*.tiff"};
    QTest::newRow("semicolon wins over comma")
        << "*.tif,*.tiff;*.jpg" << QStringList{"*.tif,*.tiff", "*.jpg"};
    QTest::newRow("spaces kept") << "*.tif; *.tiff" << QStringList{"*.tif", " *.tiff"};
    QTest::newRow("empty pieces kept") << "a,,b," << QStringList{"a", "", "b", ""};
    QTest::newRow("single pattern") << "scan??.tif" << QStringList{"scan??.tif"};
    QTest::newRow("all files gives no list") << "*.*" << QStringList{};
    QTest::newRow("all files with spaces gives no list") << "  *.*  " << QStringList{};
    QTest::newRow("all files inside a list is a pattern")
        << "*.*,*.tif" << QStringList{"*.*", "*.tif"};
}

void CriteriaTest::buildPatternList()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QCOMPARE(BuildPatternList(text), expected);
}

void CriteriaTest::matchesWildcard_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("expected");
    QTest::newRow("case ignored") << "*.tif"
                                  << "SCAN01.TIF" << true;
    QTest::newRow("whole name: longer extension") << "*.tif"
                                                  << "scan01.tiff" << false;
    QTest::newRow("whole name: text after") << "*.tif"
                                            << "d.tif.bak" << false;
    QTest::newRow("leading space ignored") << " *.tiff"
                                           << "a.tiff" << true;
    QTest::newRow("trailing space kept") << "*.tif "
                                         << "a.tif" << false;
    QTest::newRow("two ? need two characters") << "scan??.tif"
                                               << "scan01.tif" << true;
    QTest::newRow("two ? reject one character") << "scan??.tif"
                                                << "scan1.tif" << false;
    QTest::newRow("two ? reject three characters") << "scan??.tif"
                                                   << "scan001.tif" << false;
    QTest::newRow("star matches empty run") << "a*.tif"
                                            << "a.tif" << true;
    QTest::newRow("star backtracks") << "a*b*c"
                                     << "axbxbxc" << true;
    QTest::newRow("star backtracks, no final match") << "a*b*c"
                                                     << "axbxbx" << false;
    QTest::newRow("all files matches name without dot") << "*.*"
                                                        << "README" << true;
    QTest::newRow("all files after spaces") << "  *.*"
                                            << "README" << true;
    QTest::newRow("dot star needs a dot otherwise") << "*.*x"
                                                    << "READMEx" << false;
    QTest::newRow("empty pattern matches nothing") << ""
                                                   << "a" << false;
    QTest::newRow("spaces only match nothing") << "   "
                                               << "a" << false;
    QTest::newRow("unicode case folding") << "ÄRGER*"
                                          << "ärger.tif" << true;
    QTest::newRow("greek final sigma folds") << "Σ.tif"
                                             << "ς.tif" << true;
    QTest::newRow("simple folding does not expand sharp s") << "STRASSE"
                                                            << "straße" << false;
    QTest::newRow("? is one code point, not one UTF-16 unit")
        << "?.tif" << QString::fromUtf8("\xF0\x9F\x98\x80.tif") << true;
    QTest::newRow("? matches a raw name byte")
        << "?.tif" << QString(QChar(char16_t(0xDCFF))) + ".tif" << true;
    QTest::newRow("raw name bytes compare exactly")
        << QString(QChar(char16_t(0xDCFE))) + "*" << QString(QChar(char16_t(0xDCFF))) + ".tif"
        << false;
}

void CriteriaTest::matchesWildcard()
{
    QFETCH(QString, pattern);
    QFETCH(QString, name);
    QFETCH(bool, expected);
    QCOMPARE(::matchesWildcard(name, pattern), expected);
    QCOMPARE(MatchesPatterns(name, {QStringLiteral("nomatch"), pattern}), expected);
}

void CriteriaTest::matchesPatternsOfFixedFilter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("expected");
    const QString fixed = CriteriaDefaults::FilterPattern;
    QTest::newRow("a.TIF") << fixed << "a.TIF" << true;
    QTest::newRow("b.tiff") << fixed << "b.tiff" << true;
    QTest::newRow("c.tifx") << fixed << "c.tifx" << false;
    QTest::newRow("d.tif.bak") << fixed << "d.tif.bak" << false;
    QTest::newRow("semicolon with space") << "*.tif; *.tiff"
                                          << "b.tiff" << true;
    QTest::newRow("semicolon keeps comma piece whole") << "*.tif,*.tiff;*.jpg"
                                                       << "a.tif" << false;
    QTest::newRow("comma piece needs the comma") << "*.tif,*.tiff;*.jpg"
                                                 << "a.tif,x.tiff" << true;
    QTest::newRow("empty piece matches nothing") << "x,,"
                                                 << "y" << false;
}

void CriteriaTest::matchesPatternsOfFixedFilter()
{
    QFETCH(QString, filter);
    QFETCH(QString, name);
    QFETCH(bool, expected);
    QCOMPARE(MatchesPatterns(name, BuildPatternList(filter)), expected);
}

// A matcher that backtracks at every star takes exponential time here; the
// test would then run into the ctest time-out.
void CriteriaTest::hostilePatternEndsQuickly()
{
    const QString name = QString(5000, u'a');
    QString pattern;
    for (int i = 0; i < 40; ++i)
        pattern += QStringLiteral("*a");
    QVERIFY(!::matchesWildcard(name, pattern + QStringLiteral("*b")));
    QVERIFY(::matchesWildcard(name, pattern + QStringLiteral("*")));
}

void CriteriaTest::dateCriterion_data()
{
    QTest::addColumn<bool>("inPeriod");
    QTest::addColumn<QString>("period");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("dateType");
    QTest::addColumn<QDateTime>("fileTime"); // invalid: the file system has none
    QTest::addColumn<QDate>("today");
    QTest::addColumn<bool>("expected");

    const QString days = CriteriaDefaults::Days, months = CriteriaDefaults::Months;
    const QString modified = CriteriaDefaults::FilesModified;
    const QDate none;
    auto at = [](int m, int d, int h, int min) {
        return QDateTime(QDate(2004, m, d), QTime(h, min));
    };

    QTest::newRow("last 0 days: today 00:00 passes")
        << true << "0" << days << none << none << modified << at(3, 15, 0, 0) << March15 << true;
    QTest::newRow("last 0 days: yesterday 23:59 fails")
        << true << "0" << days << none << none << modified << at(3, 14, 23, 59) << March15 << false;
    QTest::newRow("last 1 day: yesterday 00:00 passes")
        << true << "1" << days << none << none << modified << at(3, 14, 0, 0) << March15 << true;
    QTest::newRow("last 1 day: two days back 23:59 fails")
        << true << "1" << days << none << none << modified << at(3, 13, 23, 59) << March15 << false;
    QTest::newRow("last 1 day: tomorrow fails")
        << true << "1" << days << none << none << modified << at(3, 16, 0, 0) << March15 << false;
    QTest::newRow("last 1 month on 31 March: 29 Feb passes")
        << true << "1" << months << none << none << modified << at(2, 29, 0, 0) << March31 << true;
    QTest::newRow("last 1 month on 31 March: 28 Feb 23:59 fails")
        << true << "1" << months << none << none << modified << at(2, 28, 23, 59) << March31
        << false;
    QTest::newRow("unit not exactly Day(s) counts months")
        << true << "1"
        << "day(s)" << none << none << modified << at(2, 20, 0, 0) << March15 << true;
    QTest::newRow("period with spaces read")
        << true << " 2 " << days << none << none << modified << at(3, 13, 0, 0) << March15 << true;
    QTest::newRow("period empty fails")
        << true << "" << days << none << none << modified << at(3, 15, 12, 0) << March15 << false;
    QTest::newRow("period letters fail")
        << true << "1x" << days << none << none << modified << at(3, 15, 12, 0) << March15 << false;
    QTest::newRow("period 32767 read") << true << "32767" << days << none << none << modified
                                       << at(3, 15, 12, 0) << March15 << true;
    QTest::newRow("period above 32767 fails") << true << "32768" << days << none << none << modified
                                              << at(3, 15, 12, 0) << March15 << false;
    QTest::newRow("period far above range fails")
        << true << "99999999999999999999999" << days << none << none << modified << at(3, 15, 12, 0)
        << March15 << false;

    const QDate first(2004, 3, 1), last(2004, 3, 31);
    QTest::newRow("between: first day 00:00 passes")
        << false << "1" << days << first << last << modified << at(3, 1, 0, 0) << March15 << true;
    QTest::newRow("between: last day 23:59 passes")
        << false << "1" << days << first << last << modified << at(3, 31, 23, 59) << March15
        << true;
    QTest::newRow("between: day before 23:59 fails")
        << false << "1" << days << first << last << modified << at(2, 28, 23, 59) << March15
        << false;
    QTest::newRow("between: day after 00:00 fails")
        << false << "1" << days << first << last << modified << at(4, 1, 0, 0) << March15 << false;
    QTest::newRow("between: From after To passes nothing")
        << false << "1" << days << last << first << modified << at(3, 15, 12, 0) << March15
        << false;
    QTest::newRow("between: period box plays no part")
        << false << "" << days << first << last << modified << at(3, 15, 12, 0) << March15 << true;

    QTest::newRow("created date used")
        << false << "1" << days << first << last << CriteriaDefaults::FilesCreated << at(3, 2, 0, 0)
        << March15 << true;
    QTest::newRow("missing creation time fails")
        << false << "1" << days << first << last << CriteriaDefaults::FilesCreated << QDateTime()
        << March15 << false;
    QTest::newRow("last-access date used")
        << false << "1" << days << first << last << CriteriaDefaults::FilesLastAccessed
        << at(3, 2, 0, 0) << March15 << true;
    QTest::newRow("other date text: no date test")
        << false << "1" << days << first << last << "Files Printed" << at(1, 1, 0, 0) << March15
        << true;
    QTest::newRow("other date text: unreadable period still fails")
        << true << "" << days << none << none << "Files Printed" << at(3, 15, 0, 0) << March15
        << false;
}

// Only the date the box names is set to fileTime; the others lie far
// outside every window, so the test also catches the wrong date being read.
void CriteriaTest::dateCriterion()
{
    QFETCH(bool, inPeriod);
    QFETCH(QString, period);
    QFETCH(QString, unit);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, dateType);
    QFETCH(QDateTime, fileTime);
    QFETCH(QDate, today);
    QFETCH(bool, expected);

    FakeCriteria criteria;
    criteria.date = true;
    criteria.inPeriod = inPeriod;
    criteria.period = period;
    criteria.unit = unit;
    criteria.from = from;
    criteria.to = to;
    criteria.dateType = dateType;

    const qint64 far = FarPast.toMSecsSinceEpoch();
    FileFacts facts{100, far, far, far};
    const qint64 when = fileTime.isValid() ? fileTime.toMSecsSinceEpoch() : far;
    if (dateType == CriteriaDefaults::FilesCreated)
        facts.createdMs = fileTime.isValid() ? std::optional<qint64>(when) : std::nullopt;
    else if (dateType == CriteriaDefaults::FilesLastAccessed)
        facts.accessedMs = when;
    else
        facts.modifiedMs = when;
    QCOMPARE(PassesDateAndSize(facts, criteria, today), expected);
}

void CriteriaTest::sizeCriterion_data()
{
    QTest::addColumn<bool>("atMode");
    QTest::addColumn<QString>("leastMost");
    QTest::addColumn<QString>("limit");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<bool>("expected");

    const QString least = CriteriaDefaults::Least, most = CriteriaDefaults::Most;
    QTest::newRow("at Least 0 passes a huge file") << true << least << "0"
                                                   << ""
                                                   << "" << qint64(5'000'000'000) << true;
    QTest::newRow("at Least 2: 1025 bytes is 2 KB") << true << least << "2"
                                                    << ""
                                                    << "" << qint64(1025) << true;
    QTest::newRow("at Least 2: 1024 bytes is 1 KB") << true << least << "2"
                                                    << ""
                                                    << "" << qint64(1024) << false;
    QTest::newRow("at Most 0: empty file passes") << true << most << "0"
                                                  << ""
                                                  << "" << qint64(0) << true;
    QTest::newRow("at Most 0: one byte fails") << true << most << "0"
                                               << ""
                                               << "" << qint64(1) << false;
    QTest::newRow("least in lower case counts as Most") << true << "least"
                                                        << "1"
                                                        << ""
                                                        << "" << qint64(2048) << false;
    QTest::newRow("at limit 2147483647 read") << true << most << "2147483647"
                                              << ""
                                              << "" << qint64(2147483647) * 1024 << true;
    QTest::newRow("at limit above 2147483647 fails") << true << least << "2147483648"
                                                     << ""
                                                     << "" << qint64(0) << false;
    QTest::newRow("at limit emptied fails") << true << least << ""
                                            << ""
                                            << "" << qint64(0) << false;
    QTest::newRow("at limit letters fail") << true << least << "1k"
                                           << ""
                                           << "" << qint64(5000) << false;
    QTest::newRow("between 0 and 10: 10240 bytes pass") << false << least << ""
                                                        << "0"
                                                        << "10" << qint64(10240) << true;
    QTest::newRow("between 0 and 10: 10241 bytes fail") << false << least << ""
                                                        << "0"
                                                        << "10" << qint64(10241) << false;
    QTest::newRow("between both ends included") << false << least << ""
                                                << "2"
                                                << "2" << qint64(2048) << true;
    QTest::newRow("between To emptied passes nothing") << false << least << ""
                                                       << "0"
                                                       << "" << qint64(0) << false;
    QTest::newRow("between From above To passes nothing") << false << least << ""
                                                          << "10"
                                                          << "0" << qint64(5000) << false;
    QTest::newRow("between at-limit box plays no part") << false << least << "junk"
                                                        << "0"
                                                        << "10" << qint64(5000) << true;
}

void CriteriaTest::sizeCriterion()
{
    QFETCH(bool, atMode);
    QFETCH(QString, leastMost);
    QFETCH(QString, limit);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(qint64, bytes);
    QFETCH(bool, expected);

    FakeCriteria criteria;
    criteria.size = true;
    criteria.sizeAt = atMode;
    criteria.leastMost = leastMost;
    criteria.limit = limit;
    criteria.sizeFrom = from;
    criteria.sizeTo = to;
    const FileFacts facts{bytes, 0, 0, std::nullopt};
    QCOMPARE(PassesDateAndSize(facts, criteria, March15), expected);
}

void CriteriaTest::switchedOffCriteriaIgnoreUnreadableBoxes()
{
    FakeCriteria criteria;
    criteria.period = criteria.limit = criteria.sizeFrom = criteria.sizeTo = QStringLiteral("?");
    criteria.inPeriod = true;
    criteria.dateType = CriteriaDefaults::FilesCreated;
    const FileFacts facts{123456, 0, 0, std::nullopt};
    QVERIFY(PassesDateAndSize(facts, criteria, March15));
}

void CriteriaTest::bothCriteriaMustPass()
{
    FakeCriteria criteria;
    criteria.date = criteria.size = true;
    criteria.inPeriod = true;
    criteria.period = QStringLiteral("0");
    criteria.leastMost = CriteriaDefaults::Most;
    criteria.limit = QStringLiteral("1");
    const qint64 todayNoon = localMs(March15, QTime(12, 0));
    QVERIFY(PassesDateAndSize({1024, todayNoon, 0, std::nullopt}, criteria, March15));
    QVERIFY(!PassesDateAndSize({1025, todayNoon, 0, std::nullopt}, criteria, March15));
    QVERIFY(!PassesDateAndSize({1024, todayNoon - 86'400'000, 0, std::nullopt}, criteria, March15));
}

QTEST_GUILESS_MAIN(CriteriaTest)
#include "criteria_test.moc"
