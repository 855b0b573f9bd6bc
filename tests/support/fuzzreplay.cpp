#include "support/fuzzreplay.h"

#include <QTest>

#include <cstring>
#include <memory>

namespace TestSupport {

namespace {

void addRows(const QString &kind, const QList<FuzzSeed> &inputs)
{
    for (const FuzzSeed &input : inputs)
        QTest::newRow(qPrintable(kind + u'/' + input.name)) << input.bytes;
}

} // namespace

void addFuzzInputRows(const QString &fuzzFolder, const QString &target,
                      const QList<FuzzSeed> &seeds)
{
    QTest::addColumn<QByteArray>("input");
    addRows(QStringLiteral("seed"), seeds);
    addRows(QStringLiteral("corpus"), filesIn(fuzzFolder + u"/corpus/" + target));
    addRows(QStringLiteral("regression"), filesIn(fuzzFolder + u"/regressions/" + target));
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
