// Times the page counter against libtiff over every TIFF in a folder tree,
// on a warm cache, and checks that both agree on the page counts.
//
//   pagecounter_bench FOLDER [ROUNDS]   compare with libtiff (default 5 rounds)
//   pagecounter_bench --repeat FILE N   count one file N times (for strace -c)

#include "libtiffpeer.h"
#include "platform/filesystem.h"
#include "base/pathcodec.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>

#include <cstdio>
#include <functional>

namespace {

constexpr int kDefaultRounds = 5;
constexpr int kShownDirectoryDifferences = 10;

struct Listed {
    QByteArray nativePath;
    qint64 size;
};

QList<Listed> listTiffs(const QString &folder)
{
    QList<Listed> files;
    QDirIterator it(folder, {QStringLiteral("*.tif"), QStringLiteral("*.tiff")},
                    QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        files.append({PathCodec::encode(it.filePath()), it.fileInfo().size()});
    }
    return files;
}

int oursCount(const Listed &file)
{
    return FilePageCounter::countPagesOfFile(file.nativePath, file.size);
}

int libtiffDirectories(const Listed &file)
{
    return LibTiffPeer::directories(file.nativePath);
}

int libtiffPages(const Listed &file)
{
    return LibTiffPeer::pages(file.nativePath);
}

struct Timing {
    double microsecondsPerFile;
    qint64 pageTotal;
};

Timing timeCounter(const QList<Listed> &files, int rounds, const std::function<int(const Listed &)> &count)
{
    qint64 total = 0;
    for (const Listed &file : files) // warms the cache and gives the total
        total += qMax(0, count(file));
    QElapsedTimer timer;
    timer.start();
    int sink = 0;
    for (int round = 0; round < rounds; ++round)
        for (const Listed &file : files)
            sink += count(file);
    const double elapsed = double(timer.nsecsElapsed()) / 1000.0;
    Q_UNUSED(sink);
    return {elapsed / double(rounds) / double(qMax<qsizetype>(1, files.size())), total};
}

void reportDifferences(const QList<Listed> &files)
{
    int ruleDifferences = 0;
    int directoryDifferences = 0;
    for (const Listed &file : files) {
        const int ours = oursCount(file);
        const int pages = libtiffPages(file);
        const int directories = libtiffDirectories(file);
        if (ours != pages) {
            ++ruleDifferences;
            std::printf("differs: %s  ours %d, libtiff pages %d, libtiff directories %d\n",
                        file.nativePath.constData(), ours, pages, directories);
        } else if (ours != directories && ++directoryDifferences <= kShownDirectoryDifferences) {
            std::printf("thumbnail or mask: %s  ours %d, libtiff directories %d\n",
                        file.nativePath.constData(), ours, directories);
        }
    }
    std::printf("files where ours and libtiff's page rule differ: %d\n", ruleDifferences);
    std::printf("files with directories that are not pages: %d\n", directoryDifferences);
}

int compare(const QString &folder, int rounds)
{
    QElapsedTimer listing;
    listing.start();
    const QList<Listed> files = listTiffs(folder);
    std::printf("%lld TIFF files listed in %lld ms; %d rounds each\n",
                qlonglong(files.size()), listing.elapsed(), rounds);
    const Timing ours = timeCounter(files, rounds, oursCount);
    const Timing libtiff = timeCounter(files, rounds, libtiffDirectories);
    std::printf("ours:    %8.2f us/file, page total %lld\n", ours.microsecondsPerFile, ours.pageTotal);
    std::printf("libtiff: %8.2f us/file, directory total %lld (TIFFOpen + TIFFNumberOfDirectories)\n",
                libtiff.microsecondsPerFile, libtiff.pageTotal);
    std::printf("ratio libtiff/ours: %.2f\n", libtiff.microsecondsPerFile / ours.microsecondsPerFile);
    qint64 libtiffPageTotal = 0;
    for (const Listed &file : files)
        libtiffPageTotal += qMax(0, libtiffPages(file));
    std::printf("libtiff page total by the same rule: %lld (%s)\n", libtiffPageTotal,
                libtiffPageTotal == ours.pageTotal ? "agrees" : "DIFFERS");
    reportDifferences(files);
    return 0;
}

int repeat(const QString &path, int times)
{
    const Listed file{PathCodec::encode(path), QFileInfo(path).size()};
    int pages = 0;
    for (int i = 0; i < times; ++i)
        pages = oursCount(file);
    std::printf("%d pages, counted %d times\n", pages, times);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    TIFFSetErrorHandler(nullptr);
    TIFFSetWarningHandler(nullptr);
    if (argc == 4 && QByteArray(argv[1]) == "--repeat")
        return repeat(PathCodec::decode(argv[2]), QByteArray(argv[3]).toInt());
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s FOLDER [ROUNDS] | --repeat FILE N\n", argv[0]);
        return 2;
    }
    const int rounds = argc == 3 ? qMax(1, QByteArray(argv[2]).toInt()) : kDefaultRounds;
    return compare(PathCodec::decode(argv[1]), rounds);
}
