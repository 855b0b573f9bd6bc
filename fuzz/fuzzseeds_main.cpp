// Writes the seed corpora of the fuzz targets: fuzz_seeds <folder> makes
// <folder>/<target>/<seed> for every target.

#include "support/fuzzseeds.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

bool writeSeeds(const QDir &root, const QString &target, const QList<TestSupport::FuzzSeed> &seeds)
{
    if (!root.mkpath(target))
        return false;
    for (const TestSupport::FuzzSeed &seed : seeds) {
        QFile file(root.filePath(target + u'/' + seed.name));
        if (!file.open(QIODevice::WriteOnly) || file.write(seed.bytes) != seed.bytes.size())
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    const bool ok = writeSeeds(root, QStringLiteral("pagecounter"), TestSupport::pageCounterSeeds())
            && writeSeeds(root, QStringLiteral("inifile"), TestSupport::iniSeeds())
            && writeSeeds(root, QStringLiteral("delimitedtext"), TestSupport::delimitedTextSeeds())
            && writeSeeds(root, QStringLiteral("pathcodec"), TestSupport::pathCodecSeeds());
    if (!ok)
        std::fprintf(stderr, "cannot write the seeds under %s\n", argv[1]);
    return ok ? 0 : 1;
}
