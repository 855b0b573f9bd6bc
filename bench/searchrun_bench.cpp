// Times a whole search over a generated tree of single-page TIFF files and
// compares it with simpler walks run in the same invocation.
//
//   searchrun_bench [folders] [files-per-folder]   timings and ratios
//   searchrun_bench --make-tree DIR [folders] [files]
//   searchrun_bench --search-only DIR              one search, for strace -c

#include "platform/posix/posixfolderlister.h"
#include "search/criteria.h"
#include "platform/filesystem.h"
#include "base/pathcodec.h"
#include "search/searchrun.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <filesystem>
#include <functional>

namespace {

// The smallest single-page TIFF: a 1x1 grey image in one strip.
QByteArray singlePageTiff()
{
    QByteArray bytes("II*\0\x08\0\0\0", 8);
    auto u16 = [&bytes](quint16 v) { bytes.append(char(v & 0xFF)).append(char(v >> 8)); };
    auto u32 = [&](quint32 v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    };
    auto entry = [&](quint16 tag, quint16 type, quint32 value) {
        u16(tag);
        u16(type);
        u32(1);
        u32(value);
    };
    u16(4);
    entry(256, 3, 1);  // ImageWidth
    entry(257, 3, 1);  // ImageLength
    entry(258, 3, 8);  // BitsPerSample
    entry(273, 4, 62); // StripOffsets: just after this directory
    u32(0);
    bytes.append('\0');
    return bytes;
}

struct Defaults : SearchCriteriaSource
{
    QString filterText() const override { return CriteriaDefaults::FilterPattern; }
    bool includeSubfolders() const override { return true; }
    bool showHidden() const override { return false; }
    bool dateOn() const override { return false; }
    QString dateRangeTypeText() const override { return CriteriaDefaults::DateRangeType; }
    bool inPeriodMode() const override { return false; }
    QString periodText() const override { return CriteriaDefaults::PeriodText; }
    QString periodUnitText() const override { return CriteriaDefaults::PeriodUnit; }
    QDate fromDate() const override { return {}; }
    QDate toDate() const override { return {}; }
    bool sizeOn() const override { return false; }
    bool sizeAtMode() const override { return true; }
    QString leastMostText() const override { return CriteriaDefaults::LeastMostChoice; }
    QString sizeLimitText() const override { return CriteriaDefaults::SizeLimitText; }
    QString sizeFromText() const override { return CriteriaDefaults::SizeFromText; }
    QString sizeToText() const override { return CriteriaDefaults::SizeToText; }
};

struct CountingResults : SearchResultsTarget
{
    qint64 rows = 0;
    void clearToHeaderRow() override { rows = 0; }
    void appendRow(const QStringList &, const QVariant &) override { ++rows; }
};

struct QuietStatus : SearchStatusSink
{
    void SetStatusText(const QString &, const QString &) override {}
    void setPageTotalText(const QString &) override {}
};

struct NoIcons : FileIconSource
{
    QVariant iconFor(const QString &) override { return {}; }
};

void makeTree(const QString &root, int folders, int filesPerFolder)
{
    const QByteArray tiff = singlePageTiff();
    for (int f = 0; f < folders; ++f) {
        const QString folder = root + QStringLiteral("/folder%1").arg(f);
        QDir().mkpath(folder);
        for (int i = 0; i < filesPerFolder; ++i) {
            QFile file(folder + QStringLiteral("/scan%1.tif").arg(i));
            if (file.open(QIODevice::WriteOnly))
                file.write(tiff);
        }
    }
}

qint64 ourSearch(const QString &root, std::function<void()> yield = {}, int ioThreads = 0)
{
    Defaults criteria;
    CountingResults results;
    QuietStatus status;
    NoIcons icons;
    SearchRunPorts ports{&criteria, &results, &status, &icons, std::make_shared<PosixFolderLister>(),
                         std::move(yield)};
    ports.ioThreads = ioThreads;
    SearchRun run(ports);
    run.RunSearch(root);
    return results.rows;
}

qint64 qtIteratorWithPages(const QString &root)
{
    qint64 pages = 0;
    QDirIterator it(root, {QStringLiteral("*.tif"), QStringLiteral("*.tiff")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        (void)info.lastModified();
        pages += FilePageCounter::countPagesOfFile(PathCodec::encode(info.filePath()), info.size());
    }
    return pages;
}

qint64 stdWalkWithPages(const QString &root)
{
    qint64 pages = 0;
    namespace fs = std::filesystem;
    for (const auto &entry :
         fs::recursive_directory_iterator(PathCodec::encode(root).toStdString())) {
        if (!entry.is_regular_file() || entry.path().extension() != ".tif")
            continue;
        (void)entry.last_write_time();
        pages += FilePageCounter::countPagesOfFile(QByteArray::fromStdString(entry.path().string()),
                                               qint64(entry.file_size()));
    }
    return pages;
}

double bestOfThree(const std::function<qint64()> &work, qint64 &result)
{
    double best = 1e300;
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer timer;
        timer.start();
        result = work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.value(0) == QStringLiteral("--search-only")) {
        std::printf("listed %lld files\n", static_cast<long long>(ourSearch(args.value(1))));
        return 0;
    }
    const bool makeOnly = args.value(0) == QStringLiteral("--make-tree");
    const QString target = makeOnly ? args.value(1) : QString();
    if (makeOnly)
        args = args.mid(2);
    const int folders = args.value(0, QStringLiteral("20")).toInt();
    const int files = args.value(1, QStringLiteral("500")).toInt();
    if (makeOnly) {
        makeTree(target, folders, files);
        return 0;
    }
    QTemporaryDir dir;
    makeTree(dir.path(), folders, files);
    struct Peer
    {
        const char *name;
        std::function<qint64()> work;
    };
    const QString root = dir.path();
    const Peer peers[] = {
        {"search run (lister + counter + cells + yield)", [&] { return ourSearch(root); }},
        {"search run, yield that does nothing", [&] { return ourSearch(root, [] {}); }},
        {"search run, 16 I/O threads", [&] { return ourSearch(root, {}, IoPool::kDefaultThreads); }},
        {"QDirIterator + QFileInfo + counter", [&] { return qtIteratorWithPages(root); }},
        {"std::filesystem walk + counter", [&] { return stdWalkWithPages(root); }},
    };
    std::printf("%d folders x %d single-page TIFF files, best of 3\n", folders, files);
    double base = 0;
    for (const Peer &peer : peers) {
        qint64 result = 0;
        const double ms = bestOfThree(peer.work, result);
        if (base == 0)
            base = ms;
        std::printf("%-48s %9.1f ms  %8.2f us/file  x%.2f  (result %lld)\n", peer.name, ms,
                    ms * 1000.0 / (folders * files), ms / base, static_cast<long long>(result));
    }
    return 0;
}
