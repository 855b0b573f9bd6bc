#include "results/cellformats.h"

#include <QTest>

class CellFormatsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void roundUp_data();
    void roundUp();
    void sizeInKBText_data();
    void sizeInKBText();
    void groupSeparatorFollowsLocale_data();
    void groupSeparatorFollowsLocale();
    void modifiedDate_data();
    void modifiedDate();
    void parseRejectsOtherForms_data();
    void parseRejectsOtherForms();
    void extension_data();
    void extension();
    void pagesCell();
};

void CellFormatsTest::roundUp_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("expected");
    QTest::newRow("zero") << 0.0 << 0.0;
    QTest::newRow("whole stays") << 3.0 << 3.0;
    QTest::newRow("just above whole") << 2.0001 << 3.0;
    QTest::newRow("below half") << 0.1 << 1.0;
    QTest::newRow("half rounding to even below") << 2.5 << 3.0;
    QTest::newRow("half rounding to even above") << 1.5 << 2.0;
    QTest::newRow("above half") << 1.7 << 2.0;
}

void CellFormatsTest::roundUp()
{
    QFETCH(double, x);
    QFETCH(double, expected);
    QCOMPARE(RoundUp(x), expected);
}

void CellFormatsTest::sizeInKBText_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("0 bytes") << qint64(0) << "0";
    QTest::newRow("1 byte") << qint64(1) << "1";
    QTest::newRow("1024 bytes") << qint64(1024) << "1";
    QTest::newRow("1025 bytes") << qint64(1025) << "2";
    QTest::newRow("1,048,576 bytes") << qint64(1048576) << "1,024";
    QTest::newRow("1,048,577 bytes") << qint64(1048577) << "1,025";
    // Division in double loses the +1 here and rounds down to 2^52.
    QTest::newRow("2^62 + 1 bytes stays exact") << (qint64(1) << 62) + 1 << "4,503,599,627,370,497";
    QTest::newRow("largest size") << std::numeric_limits<qint64>::max() << "9,007,199,254,740,992";
}

void CellFormatsTest::sizeInKBText()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, expected);
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    QCOMPARE(formatGroupedNumber(sizeInKB(bytes), us), expected);
    QCOMPARE(sizeCellText(expected), expected + " KB");
}

void CellFormatsTest::groupSeparatorFollowsLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("expected");
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("German dots") << german << qint64(1234567) << "1.234.567";
    QTest::newRow("C locale still groups") << QLocale::c() << qint64(1234) << "1,234";
    QTest::newRow("three digits no separator") << german << qint64(999) << "999";
    QTest::newRow("Indian locale groups in threes")
        << QLocale(QLocale::English, QLocale::India) << qint64(1234567) << "1,234,567";
}

void CellFormatsTest::groupSeparatorFollowsLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(qint64, value);
    QFETCH(QString, expected);
    QCOMPARE(formatGroupedNumber(value, locale), expected);
}

void CellFormatsTest::modifiedDate_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("expected");
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QDate day(2004, 3, 15);
    QTest::newRow("US afternoon") << us << QDateTime(day, QTime(14, 7)) << "03/15/2004 02:07 PM";
    QTest::newRow("US half past midnight")
        << us << QDateTime(day, QTime(0, 30)) << "03/15/2004 12:30 AM";
    QTest::newRow("US noon") << us << QDateTime(day, QTime(12, 0)) << "03/15/2004 12:00 PM";
    QTest::newRow("US seconds dropped")
        << us << QDateTime(day, QTime(23, 59, 59)) << "03/15/2004 11:59 PM";
    QTest::newRow("German dot separator") << QLocale(QLocale::German, QLocale::Germany)
                                          << QDateTime(day, QTime(9, 5)) << "03.15.2004 09:05 AM";
    QTest::newRow("Finnish separators and designators")
        << QLocale(QLocale::Finnish, QLocale::Finland) << QDateTime(day, QTime(14, 7))
        << "03.15.2004 02.07 ip.";
    QTest::newRow("C locale falls back to slash")
        << QLocale::c() << QDateTime(day, QTime(14, 7)) << "03/15/2004 02:07 PM";
}

void CellFormatsTest::modifiedDate()
{
    QFETCH(QLocale, locale);
    QFETCH(QDateTime, when);
    QFETCH(QString, expected);
    QCOMPARE(formatModifiedDate(when, locale), expected);
    const QDateTime toMinute(when.date(), QTime(when.time().hour(), when.time().minute()));
    QCOMPARE(parseModifiedDate(expected, locale), toMinute);
}

void CellFormatsTest::parseRejectsOtherForms_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("month 13") << "13/01/2004 01:00 AM";
    QTest::newRow("hour 13") << "03/15/2004 13:00 PM";
    QTest::newRow("hour 00") << "03/15/2004 00:30 AM";
    QTest::newRow("no designator") << "03/15/2004 02:07";
    QTest::newRow("unknown designator") << "03/15/2004 02:07 XM";
    QTest::newRow("wrong separator") << "03.15.2004 02:07 PM";
    QTest::newRow("trailing text") << "03/15/2004 02:07 PMx";
    QTest::newRow("30 February") << "02/30/2004 02:07 PM";
}

void CellFormatsTest::parseRejectsOtherForms()
{
    QFETCH(QString, text);
    QVERIFY(!parseModifiedDate(text, QLocale(QLocale::English, QLocale::UnitedStates)).isValid());
}

void CellFormatsTest::extension_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "a.tif"
                           << "tif";
    QTest::newRow("case kept") << "c.TIF"
                               << "TIF";
    QTest::newRow("after last dot") << "scan.2004.tiff"
                                    << "tiff";
    QTest::newRow("no dot") << "README"
                            << "";
    QTest::newRow("trailing dot") << "name."
                                  << "";
    QTest::newRow("leading dot only") << ".tif"
                                      << "tif";
}

void CellFormatsTest::extension()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(GetExtension(name), expected);
}

void CellFormatsTest::pagesCell()
{
    QCOMPARE(pagesCellText(0), QStringLiteral("0"));
    QCOMPARE(pagesCellText(12345), QStringLiteral("12345"));
    QCOMPARE(pagesCellText(-1), QStringLiteral("Error"));
}

QTEST_GUILESS_MAIN(CellFormatsTest)
#include "cellformats_test.moc"
