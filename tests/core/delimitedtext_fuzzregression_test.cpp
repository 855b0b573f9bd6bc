// Replays the delimitedtext fuzz target's seeds, corpus and regression cases.

#include "support/fuzzreplay.h"

#include <QTest>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

class DelimitedTextFuzzRegressionTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void inputKeepsEveryProperty_data()
    {
        TestSupport::addFuzzInputRows(QStringLiteral(BRIMFOLD_FUZZ_FOLDER), QStringLiteral("delimitedtext"),
                                      TestSupport::delimitedTextSeeds());
    }
    void inputKeepsEveryProperty()
    {
        QFETCH(QByteArray, input);
        QCOMPARE(TestSupport::replayFuzzInput(LLVMFuzzerTestOneInput, input), 0);
    }
};

QTEST_GUILESS_MAIN(DelimitedTextFuzzRegressionTest)
#include "delimitedtext_fuzzregression_test.moc"
