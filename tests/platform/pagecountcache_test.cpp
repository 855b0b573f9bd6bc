#include "platform/filesystem.h"
#include "platform/posix/posixfolderlister.h"
#include "results/pagebreakdownwords.h"
#include "search/cachedcount.h"
#include "search/pagecountrecord.h"
#include "search/searchrun.h"
#include "search/sqlitepagecountcache.h"
#include "support/searchfakes.h"
#include "support/tempfiles.h"
#include "support/tiffbytes.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <thread>

using namespace TestSupport;

namespace {

// Every row with the values behind it, as a cached count must repeat them.
struct FoundRows : RecordingResults
{
    QStringList values;
    void appendFound(const FoundFile &file, const QStringList &cells, const QVariant &icon) override
    {
        const PageCountResult &p = file.pages;
        values << QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8").arg(file.fullPath).arg(p.pages).arg(int(p.failure))
                      .arg(p.directory).arg(p.reducedImages).arg(p.masks).arg(pageCountNote(p),
                                                                              breakdownText(p.breakdown));
        appendRow(cells, icon);
    }
};

struct Outcome
{
    QList<QStringList> rows;
    QStringList values; // and the page total last
    qint64 fromCache = 0;
};

// A share whose client answers facts() from its copy, a day old, and
// freshFacts() from the server.
struct StaleShare : FolderLister
{
    struct Listing : ForwardingListing
    {
        using ForwardingListing::ForwardingListing;
        std::optional<FileFacts> facts(std::size_t index) override
        {
            std::optional<FileFacts> facts = inner->facts(index);
            if (facts)
                facts->modifiedMs -= 86'400'000, facts->modifiedNs -= 86'400'000'000'000;
            return facts;
        }
        bool onNetworkFileSystem() const override { return true; }
    };
    std::unique_ptr<FolderListing> open(const QString &path, LinkRule rule) override
    {
        auto real = PosixFolderLister().open(path, rule);
        return real ? std::make_unique<Listing>(std::move(real)) : nullptr;
    }
};

// One search as brimfold-count runs it: the real lister (or `lister`), four
// I/O threads, and a cache opened for the run alone, whose clock puts every
// file out of the racy window, on a share too. It returns once the cache has
// written its counts: the run's requests may hold it a moment after the run.
Outcome search(const QString &root, bool withCache, std::shared_ptr<FolderLister> lister = nullptr)
{
    FakeCriteria criteria;
    criteria.subfolders = true;
    criteria.filter = QStringLiteral("*");
    FoundRows results;
    RecordingStatus status;
    CountingIcons icons;
    SearchRunPorts ports{&criteria, &results, &status, &icons,
                         lister ? lister : std::make_shared<PosixFolderLister>(), {}};
    ports.ioThreads = 4;
    std::promise<void> written; // by the last holder, as it lets the cache go
    std::shared_ptr<PageCountCache> opened = withCache ? openPageCountCache() : nullptr;
    if (opened)
        opened->problemOnceOpen(); // as brimfold-count does: a store still opening answers nothing
    PageCountCache *const cache = opened.get();
    ports.pageCounts = {std::shared_ptr<PageCountCache>(cache, [opened = std::move(opened), &written](auto) mutable {
                       opened.reset();
                       written.set_value();
                   }),
                   true, [] { return (QDateTime::currentSecsSinceEpoch() + 66) * 1'000'000'000; }};
    auto run = std::make_unique<SearchRun>(ports);
    run->RunSearch(root);
    const Outcome outcome{results.rows, results.values << status.pageTotal, run->countsFromCache()};
    run.reset();
    ports.pageCounts.cache.reset();
    written.get_future().wait();
    return outcome;
}

QByteArray tiffOf(QRandomGenerator &random)
{
    TiffBuilder tiff;
    tiff.addPages(1 + random.bounded(5));
    if (random.bounded(3) == 0)
        tiff.addThumbnail();
    return tiff.bytes();
}

// As `touch -r` does: the times of `before` put back after a change.
void putBack(const QString &path, const struct stat &before)
{
    const struct timespec times[2] = {before.st_atim, before.st_mtim};
    QVERIFY(utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0);
}

QStringList filesUnder(const QString &root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

// The edits that fool a cache trusting less than every validator.
void edit(QRandomGenerator &random, const QString &root)
{
    const QStringList files = filesUnder(root);
    const QString file = files.value(random.bounded(qMax<qsizetype>(1, files.size())));
    const QString other = files.value(random.bounded(qMax<qsizetype>(1, files.size())));
    const QByteArray path = QFile::encodeName(file);
    struct stat times;
    stat(path.constData(), &times);
    switch (random.bounded(6)) {
    case 0: { // other contents of the same size, the times put back
        QByteArray bytes = tiffOf(random);
        bytes.resize(QFileInfo(file).size(), '\0');
        writeFile(file, bytes);
        putBack(file, times);
        break;
    }
    case 1: // another file renamed over it, with its times
        if (other != file && QFileInfo(other).size() == QFileInfo(file).size())
            putBack(other, times);
        QVERIFY(::rename(QFile::encodeName(other).constData(), path.constData()) == 0 || other == file);
        break;
    case 2: // cut to nothing and grown back to its size
        QVERIFY(::truncate(path.constData(), 0) == 0);
        QVERIFY(::truncate(path.constData(), QFileInfo(other).size()) == 0);
        putBack(file, times);
        break;
    case 3:
        QVERIFY(::chmod(path.constData(), random.bounded(2) ? 0600 : 0444) == 0);
        break;
    case 4: { // the folder renamed, another made under its name with files alike in size and times
        const QString folder = QFileInfo(file).absolutePath();
        if (folder == root)
            break;
        QVERIFY(QDir().rename(folder, folder + QString::number(random.generate())));
        writeFile(file, tiffOf(random).leftJustified(QFileInfo(file).size(), '\0', true));
        putBack(file, times);
        break;
    }
    default:
        writeFile(root + QStringLiteral("/new%1.tif").arg(random.generate()), tiffOf(random));
        QFile::remove(other);
    }
}

void makeTree(QRandomGenerator &random, const QString &root)
{
    const QStringList folders = {QString(), QStringLiteral("/a"), QStringLiteral("/a/b"), QStringLiteral("/c")};
    for (const QString &folder : folders)
        for (int i = random.bounded(2, 7); i > 0; --i) {
            const QString file = root + folder + QStringLiteral("/f%1.tif").arg(i);
            writeFile(file, random.bounded(6) ? tiffOf(random) : QByteArray("no tiff"));
            setModified(file, QDateTime::fromSecsSinceEpoch(1'600'000'000 + random.bounded(1000)));
        }
}

void compareRuns(const Outcome &cached, const Outcome &fresh)
{
    QCOMPARE(cached.rows, fresh.rows);
    QCOMPARE(cached.values, fresh.values);
}

QString cacheFile(const QString &home)
{
    return home + QStringLiteral("/brimfold/pagecounts.sqlite");
}

// sqlite3's exit code for `sql` on the cache file. It waits while a cache
// of a run just ended (its last request may still hold it) finishes writing.
int runSql(const QString &file, const QString &sql)
{
    return QProcess::execute(QStringLiteral("sqlite3"), {QStringLiteral("-cmd"), QStringLiteral(".timeout 5000"), file, sql});
}

// brimfold-count -r -v over `root`, with its cache in `home`: its output and its words.
std::pair<QByteArray, QByteArray> runCount(const QString &home, QStringList arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(BRIMFOLD_COUNT), arguments << QStringLiteral("-rv") << QStringLiteral("--filter=*"));
    process.waitForFinished();
    return {process.readAllStandardOutput(), process.readAllStandardError()};
}

QByteArray folderName(int folder)
{
    return "/share/f" + QByteArray::number(folder);
}

CountValidators validatorsFor(int folder, int file)
{
    return {folder * 100 + file, 1, 2, 3};
}

// What one program writes: each folder's counts by two threads, `rounds`
// times (0: until killed). False when a count found is not the one written.
bool writeFolders(int rounds, const std::function<void()> &flushed = {})
{
    const std::shared_ptr<PageCountCache> cache = openPageCountCache();
    std::atomic<bool> right = true;
    std::vector<std::thread> threads;
    for (int t = 0; t < 2; ++t)
        threads.emplace_back([&, t] {
            for (int round = 0; rounds == 0 || round < rounds; ++round)
                for (int folder = t; folder < 40; folder += 2) {
                    for (int file = 0; file < 20; ++file) {
                        const QByteArray name = QByteArray::number(file);
                        const auto got = cache->lookup(folderName(folder), name, validatorsFor(folder, file));
                        right = right && (!got || got->pages == folder + file);
                        cache->record(folderName(folder), name, validatorsFor(folder, file),
                                      PageCountResult(folder + file));
                    }
                    cache->flush(folderName(folder));
                    if (flushed)
                        flushed();
                }
        });
    for (std::thread &thread : threads)
        thread.join();
    return right && cache->problemOnceOpen().isEmpty();
}

// The file opens as it is, and every count in it is right; `all`: every
// count written is there.
void checkFolders(bool all)
{
    const std::shared_ptr<PageCountCache> cache = openPageCountCache();
    QVERIFY(cache->problemOnceOpen().isEmpty());
    for (int folder = 0; folder < 40; ++folder)
        for (int file = 0; file < 20; ++file) {
            const auto got = cache->lookup(folderName(folder), QByteArray::number(file), validatorsFor(folder, file));
            QVERIFY(got || !all);
            QVERIFY(!got || got->pages == folder + file);
        }
    QVERIFY(!cache->lookup(folderName(0), "0", validatorsFor(0, 1)));
    QVERIFY(!QFile::exists(cacheFile(qEnvironmentVariable("XDG_CACHE_HOME")) + QStringLiteral(".broken")));
}

// One file whose facts at the count's start, at its opening and after it
// are set by the test.
constexpr qint64 kStartNs = 1'700'000'000'000'000'000LL;
struct OneFile : FolderListing
{
    std::vector<FolderEntry> files{{"a.tif"}};
    FileFacts before, opened, after;
    bool network = false, unreadable = false;
    const std::vector<FolderEntry> &entries() const override { return files; }
    std::optional<FileFacts> facts(std::size_t) override { return before; }
    std::optional<FileFacts> freshFacts(std::size_t) override { return after; }
    bool onNetworkFileSystem() const override { return network; }
    void release() override {}
    OpenedFile openFile(std::size_t) override
    {
        struct Unreadable : ByteSource
        {
            quint64 size() const override { return 1000; }
            qint64 readAt(uchar *, quint64, quint64) override { return -1; }
            int errorNumber() const override { return EIO; }
        };
        TiffBuilder tiff;
        tiff.addPages(2);
        return {unreadable ? std::unique_ptr<ByteSource>(new Unreadable) : std::make_unique<MemoryByteSource>(tiff.bytes()),
                opened};
    }
};

} // namespace

class PageCountCacheTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_home;

    QString makeRoot(quint32 seed, const QString &name = QStringLiteral("tree"))
    {
        QRandomGenerator random(seed);
        const QString root = m_dir->filePath(name);
        makeTree(random, root);
        return root;
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_home = m_dir->filePath(QStringLiteral("cache"));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_home));
    }

    // Odd seeds on a share whose client copy is stale: only the server's
    // facts may prove a file unchanged.
    void cachedRunsEqualFreshOnesThroughEdits()
    {
        for (quint32 seed = 1; seed <= 16; ++seed) {
            QRandomGenerator random(seed);
            const QString root = makeRoot(seed, QStringLiteral("tree%1").arg(seed));
            qint64 fromCache = 0;
            for (int round = 0; round < 6; ++round) {
                const Outcome cached = search(root, true, seed % 2 ? std::make_shared<StaleShare>() : nullptr);
                compareRuns(cached, search(root, false));
                if (QTest::currentTestFailed())
                    QFAIL(qPrintable(QStringLiteral("seed %1, round %2").arg(seed).arg(round)));
                fromCache += cached.fromCache;
                for (int edits = random.bounded(1, 3); edits > 0; --edits)
                    edit(random, root);
            }
            QVERIFY2(fromCache > 0, "the cache was never used");
        }
    }

    void unsureCountsAreNotRemembered_data()
    {
        QTest::addColumn<qint64>("sinceChangeNs");
        QTest::addColumn<bool>("network");
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("remembered");
        QTest::newRow("changed 1.9 s before the count") << 1'900'000'000LL << false << "" << false;
        QTest::newRow("changed 2 s before the count") << 2'000'000'000LL << false << "" << true;
        QTest::newRow("changed 2.1 s before the count") << 2'100'000'000LL << false << "" << true;
        QTest::newRow("changed 64.9 s before the count") << 64'900'000'000LL << false << "" << true;
        QTest::newRow("changed 65.1 s before the count") << 65'100'000'000LL << false << "" << true;
        QTest::newRow("only its status changed 1.9 s before") << 1'900'000'000LL << false << "chmod" << false;
        QTest::newRow("only its modification time 1.9 s before (set ahead)") << 1'900'000'000LL << false << "mtime" << false;
        QTest::newRow("on a share, 1.9 s before") << 1'900'000'000LL << true << "" << false;
        QTest::newRow("on a share, 2.1 s before") << 2'100'000'000LL << true << "" << false;
        QTest::newRow("on a share, 64.9 s before") << 64'900'000'000LL << true << "" << false;
        QTest::newRow("on a share, 65 s before") << 65'000'000'000LL << true << "" << true;
        QTest::newRow("on a share, 65.1 s before") << 65'100'000'000LL << true << "" << true;
        QTest::newRow("another file renamed over it") << 9'000'000'000LL << false << "inode" << false;
        QTest::newRow("written during the count") << 9'000'000'000LL << false << "size" << false;
        QTest::newRow("read error") << 9'000'000'000LL << false << "unreadable" << false;
        QTest::newRow("stored by another counter version") << 9'000'000'000LL << false << "version" << false;
        QTest::newRow("stored for another file") << 9'000'000'000LL << false << "name" << false;
    }

    // A count is remembered only for the facts of the file opened, where its
    // last change lies outside the racy window, and taken only while they last;
    // it is taken only as this counter stored it for this file.
    void unsureCountsAreNotRemembered()
    {
        QFETCH(qint64, sinceChangeNs);
        QFETCH(bool, network);
        QFETCH(QString, change);
        QFETCH(bool, remembered);
        OneFile file;
        file.network = network;
        const qint64 at = kStartNs - sinceChangeNs;
        file.before = {100, 0, 0, {}, change == QLatin1String("chmod") ? 1'000 : at,
                       change == QLatin1String("mtime") ? 1'000 : at, 7};
        file.opened = file.after = file.before;
        file.opened.inode += change == QLatin1String("inode");
        file.after.size += change == QLatin1String("size");
        file.unreadable = change == QLatin1String("unreadable");
        bool fromCache = true;
        const FakeCriteria criteria;
        for (int run = 0; run < 2; ++run) {
            PageCountResult counted;
            { // the cache's writes are done when it goes
                const CacheUse use{openPageCountCache(), true, [] { return kStartNs; }};
                use.cache->problemOnceOpen();
                const FileCount got = countFile(file, 0, "/f", use, &criteria, QDate());
                counted = got.pages;
                fromCache = got.fromCache;
                QCOMPARE(counted.pages, file.unreadable ? -1 : 2);
            }
            if (run == 0 && (change == QLatin1String("name") || change == QLatin1String("version"))) {
                const QByteArray record = PageCountRecord::encode(change == QLatin1String("name") ? "b.tif" : "a.tif",
                    validatorsOf(file.before), counted, PageCounter::kVersion + (change == QLatin1String("version")));
                const QByteArray row = PageCountDatabase::pack({{"a.tif", {validatorsOf(file.before), 0, record}}}, 0);
                QCOMPARE(runSql(cacheFile(m_home), QStringLiteral("UPDATE folders SET entries=X'%1'")
                                                       .arg(QString::fromLatin1(row.toHex()))), 0);
            }
        }
        QCOMPARE(fromCache, remembered);
    }

    void damagedFileMovedAsideNeverTrusted_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<bool>("movedAside");
        QTest::newRow("garbage") << "garbage" << true;
        QTest::newRow("garbage past its first pages (found in use)") << "later garbage" << true;
        QTest::newRow("truncated") << "truncated" << true;
        QTest::newRow("the previous version") << "PRAGMA user_version=1" << true;
        QTest::newRow("newer version") << "PRAGMA user_version=3" << true;
        QTest::newRow("another program's file") << "PRAGMA application_id=7" << true;
        QTest::newRow("entry altered") << "UPDATE folders SET entries=replace(entries, '1;2;0;', '1;3;0;')" << false;
        QTest::newRow("entries cut short") << "UPDATE folders SET entries=substr(entries, 1, length(entries)-3)" << false;
        QTest::newRow("a length garbled") << "UPDATE folders SET entries=X'FFFFFF7F'||substr(entries, 5)" << false;
        QTest::newRow("bytes past the entries") << "UPDATE folders SET entries=entries||X'00'" << false;
    }

    void damagedFileMovedAsideNeverTrusted()
    {
        QFETCH(QString, damage);
        QFETCH(bool, movedAside);
        const QString root = makeRoot(3);
        // Enough folders that the tables span pages a truncation cuts off.
        for (int i = 0; i < 40; ++i)
            writeFile(root + QStringLiteral("/many%1/%2.tif").arg(i).arg(QString(200, u'n')), QByteArray("II*"));
        const Outcome fresh = search(root, false);
        QCOMPARE(search(root, true).fromCache, 0);
        QCOMPARE(search(root, true).fromCache, fresh.rows.size());
        QFile store(cacheFile(m_home));
        if (damage.endsWith(QLatin1String("garbage"))) {
            QVERIFY(store.open(QIODevice::ReadWrite) && store.seek(damage == QLatin1String("garbage") ? 0 : 8192));
            for (qint64 at = store.pos(); at < store.size(); at += 8)
                store.write(QByteArray::number(QRandomGenerator::global()->generate64()).left(8));
            store.close();
        } else if (damage == QLatin1String("truncated")) {
            QVERIFY(store.resize(store.size() / 2));
        } else {
            QCOMPARE(runSql(store.fileName(), damage), 0);
        }
        compareRuns(search(root, true), fresh);
        QCOMPARE(QFile::exists(store.fileName() + QStringLiteral(".broken")), movedAside);
        // The new file (or the altered entries, counted again) serve the next run.
        const Outcome next = search(root, true);
        compareRuns(next, fresh);
        QCOMPARE(next.fromCache, fresh.rows.size());
    }

    // An entry goes only once unseen for long: one seen again in time (its
    // stamp just old enough to be renewed) is stamped anew and stays, one
    // left unseen is pruned (days moved back with sqlite3; pruning runs once
    // a day, as a cache opens).
    void unseenEntriesArePrunedSeenOnesKept()
    {
        const QString kept = makeRoot(5), unseen = makeRoot(6, QStringLiteral("unseen"));
        search(kept, true);
        search(unseen, true);
        { // kept under each folder's own path
            const std::shared_ptr<PageCountCache> cache = openPageCountCache();
            QVERIFY(cache->problemOnceOpen().isEmpty() && cache->knows(QFile::encodeName(kept + "/a/b"), "f1.tif"));
        }
        const auto daysPass = [this](int days) {
            const QString back = QStringLiteral("UPDATE folders SET seen=seen-%1; UPDATE pruned SET day=day-1;").arg(days);
            QCOMPARE(runSql(cacheFile(m_home), back), 0);
        };
        daysPass(60);
        const Outcome seenAgain = search(kept, true);
        QCOMPARE(seenAgain.fromCache, seenAgain.rows.size());
        daysPass(91);
        openPageCountCache()->problemOnceOpen(); // an opening prunes, once a day: the unseen folders' rows go
        QCOMPARE(runSql(cacheFile(m_home), QStringLiteral("SELECT CASE WHEN count(*) > 0 THEN abs(-9223372036854775808) END "
                                                          "FROM folders WHERE instr(path, CAST('/unseen' AS BLOB))")), 0);
        QCOMPARE(search(unseen, true).fromCache, 0);
        const Outcome stillKept = search(kept, true);
        QCOMPARE(stillKept.fromCache, stillKept.rows.size());
        // An entry left unseen while its folder is written again goes all the same.
        const auto found = [](const QByteArray &name, bool record) {
            const std::shared_ptr<PageCountCache> cache = openPageCountCache();
            const bool hit = cache->problemOnceOpen().isEmpty() && cache->lookup("/f", name, {1, 2, 3, 4});
            if (record)
                cache->record("/f", name, {1, 2, 3, 4}, PageCountResult(5));
            return hit;
        };
        found("old", true);
        daysPass(100);
        QVERIFY(!found("new", true));
        daysPass(51);
        QVERIFY(!found("old", false) && found("new", false));
    }

    // A lookup while the file is still opening answers at once (the count is
    // made as without the cache), and what the run records meanwhile stays.
    void lookupDoesNotWaitForTheOpening()
    {
        struct Held : PageCountStoreFiles
        {
            std::unique_ptr<PageCountStoreFiles> real = createPageCountStoreFiles();
            std::shared_future<void> opening;
            QString makeFolder(const QByteArray &folder) const override { return opening.wait(), real->makeFolder(folder); }
            QString untrustedFolder(const QByteArray &folder) const override { return real->untrustedFolder(folder); }
            bool onNetworkFileSystem(const QByteArray &folder) const override { return real->onNetworkFileSystem(folder); }
            QString makeFile(const QByteArray &path) const override { return real->makeFile(path); }
            void moveAside(const QByteArray &path) const override { real->moveAside(path); }
        };
        std::promise<void> opening;
        auto files = std::make_unique<Held>();
        files->opening = opening.get_future().share();
        SqlitePageCountCache cache(QFile::encodeName(m_home + QStringLiteral("/brimfold")), std::move(files));
        QVERIFY(!cache.lookup("/f", "a", {1, 2, 3, 4}));
        cache.record("/f", "a", {1, 2, 3, 4}, PageCountResult(5));
        opening.set_value();
        QVERIFY(cache.problemOnceOpen().isEmpty());
        cache.flush("/f");
        QCOMPARE(cache.lookup("/f", "a", {1, 2, 3, 4}).value_or(PageCountResult()).pages, 5);
    }

    // A second program at the same time, as the window and brimfold-count
    // are: both write every folder, and each finds the other's counts right.
    void twoProgramsWriteAtOnce()
    {
        QProcess other;
        other.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--write"), QStringLiteral("3")});
        QVERIFY(writeFolders(3));
        QVERIFY(other.waitForFinished() && other.exitCode() == 0);
        checkFolders(true);
    }

    void cacheFolderClosedToOthers_data()
    {
        QTest::addColumn<int>("mode"); // of the folder found; -1: none
        QTest::addColumn<bool>("ours");
        QTest::addColumn<bool>("linked"); // found through a link
        QTest::addColumn<int>("modeAfter");
        QTest::newRow("made") << -1 << true << false << 0700;
        QTest::newRow("ours, open to all") << 0755 << true << false << 0700;
        QTest::newRow("ours, writable by all, through a link") << 0777 << true << true << 0700;
        QTest::newRow("another user's") << 0755 << false << false << 0755;
        QTest::newRow("another user's, writable by all, through a link") << 0777 << false << true << 0777;
    }

    // The file names in the cache are nobody else's business: its folder is
    // closed to others where it is ours to close, and the file is 0600. In
    // another user's folder counts could be planted: it is not used, and the
    // run says why.
    void cacheFolderClosedToOthers()
    {
        QFETCH(int, mode);
        QFETCH(bool, ours);
        QFETCH(bool, linked);
        QFETCH(int, modeAfter);
        const QByteArray folder = QFile::encodeName(m_home + QStringLiteral("/brimfold"));
        const QByteArray real = linked ? QFile::encodeName(m_home + QStringLiteral("/elsewhere")) : folder;
        if (mode >= 0) {
            QVERIFY(QDir().mkpath(QFile::decodeName(real)) && ::chmod(real.constData(), mode) == 0);
            QVERIFY(!linked || ::symlink(real.constData(), folder.constData()) == 0);
            if (!ours && ::chown(real.constData(), 65534, 65534) != 0)
                QSKIP("no folder can be given to another user here");
        }
        const QString root = makeRoot(4);
        search(root, true);
        const Outcome second = search(root, true);
        QCOMPARE(second.fromCache, ours ? second.rows.size() : 0);
        QCOMPARE(openPageCountCache()->problemOnceOpen().contains(QStringLiteral("another user")), !ours);
        struct stat info;
        QVERIFY(::stat(folder.constData(), &info) == 0);
        QCOMPARE(int(info.st_mode & 07777), modeAfter);
        const bool file = ::stat(QFile::encodeName(cacheFile(m_home)).constData(), &info) == 0;
        QCOMPARE(file ? int(info.st_mode & 07777) : 0, ours ? 0600 : 0);
    }

    // A folder's counts are written once its files are done, while the run
    // goes on: a program killed loses no more than the folders not yet done.
    void doneFoldersWrittenWhileTheRunGoesOn()
    {
        struct Gate : FolderLister
        {
            PosixFolderLister real;
            QString file;
            std::atomic<bool> written = false; // before the last folder is listed
            std::unique_ptr<FolderListing> open(const QString &path, LinkRule rule) override
            {
                for (QDeadlineTimer deadline(10'000); path.endsWith(u"/c") && !written && !deadline.hasExpired();
                     QThread::msleep(20)) {
                    QProcess sql;
                    sql.start(QStringLiteral("sqlite3"), {QStringLiteral("-readonly"), file,
                                                          QStringLiteral("SELECT count(*) FROM folders")});
                    written = QFile::exists(file) && sql.waitForFinished() && sql.readAllStandardOutput().toInt() > 0;
                }
                return real.open(path, rule);
            }
        };
        auto gate = std::make_shared<Gate>();
        gate->file = cacheFile(m_home);
        search(makeRoot(7), true, gate);
        QVERIFY(gate->written);
    }

    // A program killed while it writes leaves a file that opens, whole and right.
    void killWhileWritingLeavesTheFileWhole()
    {
        for (int kill = 1; kill <= 6; ++kill) {
            QProcess writer;
            writer.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--write"), QStringLiteral("0")});
            for (int flushed = 0; flushed < 7 * kill && writer.waitForReadyRead();
                 flushed += writer.readAll().count('\n')) {
            }
            writer.kill();
            QVERIFY(writer.waitForFinished());
            checkFolders(false);
        }
    }

    // brimfold-count takes the counts remembered in this process, neither
    // takes nor leaves any with --no-cache, replaces them with --recount, and
    // lists the same rows.
    void commandLineUsesSkipsOrRenewsTheCache()
    {
        const QString root = makeRoot(5);
        const QByteArray out = runCount(m_home, {QStringLiteral("--no-cache"), root}).first;
        QVERIFY(!QFile::exists(cacheFile(m_home)));
        const QByteArray files = QByteArray::number(search(root, true).rows.size());
        for (const auto &[option, fromCache] :
             {std::pair{"--jobs=2", files.data()}, {"--no-cache", "0"}, {"--recount", "0"}}) {
            const auto [otherOut, err] = runCount(m_home, {QString::fromLatin1(option), root});
            QCOMPARE(otherOut, out);
            QVERIFY2(err.contains(QByteArray(QByteArray(fromCache) + " of " + files + " counts came from")), err.data());
        }
    }

    // SQLite's log needs one host: on a share the counter runs without the
    // cache, says so once, and counts as without it.
    void cacheFolderOnShareNotUsed()
    {
        const QString served = m_dir->filePath(QStringLiteral("served")), share = m_dir->filePath("share");
        QVERIFY(QDir().mkpath(served + QStringLiteral("/brimfold")));
        if (!QFile::exists(QStringLiteral(NETSHARE))
            || QProcess::execute(QStringLiteral(NETSHARE), {"mount", served, share, QStringLiteral("0")}))
            QSKIP("no share simulator here");
        const QString root = makeRoot(9);
        const auto [out, err] = runCount(share, {QStringLiteral("--progress"), root});
        const QByteArray without = runCount(share, {QStringLiteral("--no-cache"), root}).first;
        QProcess::execute(QStringLiteral(NETSHARE), {QStringLiteral("umount"), share});
        QCOMPARE(err.count("without the page-count cache"), 1);
        QVERIFY2(err.contains("network file system"), err.data());
        QCOMPARE(out, without);
    }
};

// Run with "--write ROUNDS", the test is the other program of the two above.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--write") == 0)
        return writeFolders(atoi(argv[2]), [] { std::puts("flushed"), std::fflush(stdout); }) ? 0 : 1;
    PageCountCacheTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "pagecountcache_test.moc"
