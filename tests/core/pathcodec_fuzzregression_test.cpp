// Replays the pathcodec fuzz target's seeds, corpus and regression cases.

#include "support/fuzzreplay.h"

#include <QTest>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

class PathCodecFuzzRegressionTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void inputKeepsEveryProperty_data()
    {
        TestSupport::addFuzzInputRows(QStringLiteral(BRIMFOLD_FUZZ_FOLDER), QStringLiteral("pathcodec"),
                                      TestSupport::pathCodecSeeds());
    }
    void inputKeepsEveryProperty()
    {
        QFETCH(QByteArray, input);
        QCOMPARE(TestSupport::replayFuzzInput(LLVMFuzzerTestOneInput, input), 0);
    }
};

QTEST_GUILESS_MAIN(PathCodecFuzzRegressionTest)
#include "pathcodec_fuzzregression_test.moc"
