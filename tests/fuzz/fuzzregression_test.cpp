// Replays every fuzz target's seeds, corpus and regression cases.

#include "support/fuzzreplay.h"

#include <QTest>

extern "C" int delimitedtextFuzzEntry(const uint8_t *data, size_t size);
extern "C" int inifileFuzzEntry(const uint8_t *data, size_t size);
extern "C" int pagecounterFuzzEntry(const uint8_t *data, size_t size);
extern "C" int pathcodecFuzzEntry(const uint8_t *data, size_t size);

namespace {

struct FuzzTargetEntry
{
    const char *name; // fuzz/<name>_fuzz.cpp
    TestSupport::FuzzTarget entry;
    QList<TestSupport::FuzzSeed> (*seeds)();
};

const FuzzTargetEntry kTargets[] = {
    {"delimitedtext", delimitedtextFuzzEntry, TestSupport::delimitedTextSeeds},
    {"inifile", inifileFuzzEntry, TestSupport::iniSeeds},
    {"pagecounter", pagecounterFuzzEntry, TestSupport::pageCounterSeeds},
    {"pathcodec", pathcodecFuzzEntry, TestSupport::pathCodecSeeds},
};

} // namespace

class FuzzRegressionTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void inputKeepsEveryProperty_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<QByteArray>("input");
        for (int i = 0; i < int(std::size(kTargets)); ++i)
            TestSupport::addFuzzInputRows(QStringLiteral(BRIMFOLD_FUZZ_FOLDER),
                                          QLatin1String(kTargets[i].name), kTargets[i].seeds(), i);
    }
    void inputKeepsEveryProperty()
    {
        QFETCH(int, target);
        QFETCH(QByteArray, input);
        QCOMPARE(TestSupport::replayFuzzInput(kTargets[target].entry, input), 0);
    }
};

QTEST_GUILESS_MAIN(FuzzRegressionTest)
#include "fuzzregression_test.moc"
