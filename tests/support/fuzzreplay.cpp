#include "support/fuzzreplay.h"

#include <QTest>

#include <cstring>
#include <memory>

namespace TestSupport {

namespace {

void addRows(const QString &kind, const QList<FuzzSeed> &inputs, int targetIndex)
{
    for (const FuzzSeed &input : inputs)
        QTest::newRow(qPrintable(kind + u'/' + input.name)) << targetIndex << input.bytes;
}

} // namespace

void addFuzzInputRows(const QString &fuzzFolder, const QString &target,
                      const QList<FuzzSeed> &seeds, int targetIndex)
{
    addRows(target + u"/seed", seeds, targetIndex);
    addRows(target + u"/corpus", filesIn(fuzzFolder + u"/corpus/" + target), targetIndex);
    addRows(target + u"/regression", filesIn(fuzzFolder + u"/regressions/" + target), targetIndex);
}

int replayFuzzInput(FuzzTarget target, const QByteArray &input)
{
    const size_t size = size_t(input.size());
    const std::unique_ptr<uint8_t[]> exact(new uint8_t[size]);
    if (size > 0)
        std::memcpy(exact.get(), input.constData(), size);
    return target(exact.get(), size);
}

} // namespace TestSupport
