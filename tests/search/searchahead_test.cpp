// The search with I/O threads against the same search one request at a
// time, over fake trees whose every request takes a random time.

#include "base/pathcodec.h"
#include "search/iopool.h"
#include "search/searchrun.h"
#include "support/searchfakes.h"

#include <QDeadlineTimer>
#include <QSemaphore>
#include <QTest>
#include <QTimer>

#include <condition_variable>
#include <random>
#include <thread>

using namespace TestSupport;
using Kind = FolderEntry::Kind;

namespace {

// Waits up to `maxUs` microseconds, the same for the same key and seed.
void randomDelay(const QByteArray &key, quint32 seed, int maxUs)
{
    if (maxUs <= 0)
        return;
    std::minstd_rand random(qHash(key, seed) | 1);
    std::this_thread::sleep_for(std::chrono::microseconds(random() % maxUs));
}

// While armed, the facts of every name starting with '1' hang until released.
struct Hang
{
    std::atomic<bool> armed = false;
    std::atomic<int> holding = 0; // threads held now
    std::mutex mutex;
    std::condition_variable released;
    bool free = false;
    void holdIfArmed(const QByteArray &name)
    {
        if (!armed || !name.startsWith('1'))
            return;
        ++holding;
        std::unique_lock lock(mutex);
        released.wait(lock, [&] { return free; });
        --holding;
    }
    void release()
    {
        std::lock_guard lock(mutex);
        free = true;
        released.notify_all();
    }
};

// A listing that answers each request after a random wait, and counts the
// files opened.
class SlowListing : public ForwardingListing
{
public:
    SlowListing(std::unique_ptr<FolderListing> inner, quint32 seed, int maxUs, std::shared_ptr<Hang> hang,
                std::shared_ptr<std::atomic<int>> opened)
        : ForwardingListing(std::move(inner)), m_seed(seed), m_maxUs(maxUs), m_hang(std::move(hang)),
          m_opened(std::move(opened)) {}
    std::optional<FileFacts> facts(std::size_t index) override
    {
        const QByteArray &name = entries()[index].name;
        randomDelay(name, m_seed, m_maxUs);
        m_hang->holdIfArmed(name);
        return inner->facts(index);
    }
    OpenedFile openFile(std::size_t index) override
    {
        randomDelay(entries()[index].name + "/open", m_seed, m_maxUs);
        m_hang->holdIfArmed(entries()[index].name);
        OpenedFile opened = inner->openFile(index);
        *m_opened += opened.source != nullptr;
        return opened;
    }

private:
    quint32 m_seed;
    int m_maxUs;
    std::shared_ptr<Hang> m_hang;
    std::shared_ptr<std::atomic<int>> m_opened;
};

class SlowLister : public FolderLister
{
public:
    FakeLister tree;
    quint32 seed = 0;
    int maxUs = 0;
    std::shared_ptr<Hang> hang = std::make_shared<Hang>();
    std::shared_ptr<std::atomic<int>> opened = std::make_shared<std::atomic<int>>(0); // files opened
    std::unique_ptr<FolderListing> open(const QString &path, LinkRule rule) override
    {
        randomDelay(path.toUtf8(), seed, maxUs);
        hang->holdIfArmed(path.section(u'/', -1).toUtf8());
        auto listing = tree.open(path, rule);
        return listing ? std::make_unique<SlowListing>(std::move(listing), seed, maxUs, hang, opened) : nullptr;
    }
};

// Every status call in order.
struct StatusLog : SearchStatusSink
{
    QStringList calls;
    void SetStatusText(const QString &text, const QString &key) override { calls.append(key + u':' + text); }
    void setPageTotalText(const QString &text) override { calls.append(u"total:" + text); }
};

// A random tree: folders up to 4 deep, files of every rule (patterns,
// hidden names, vanished files, links, unreadable folders), files of 0 to
// 44 pages or of no TIFF.
struct RandomTree
{
    QHash<QString, QList<FakeFile>> folders;

    explicit RandomTree(quint32 seed)
    {
        std::minstd_rand random(seed);
        addFolder("/t", 0, random);
    }

    void addFolder(const QString &path, int depth, std::minstd_rand &random)
    {
        static const char *const kExtensions[] = {".tif", ".TIFF", ".tiff", ".txt", ".jpg", ""};
        QList<FakeFile> entries;
        const int count = int(random() % 12);
        for (int i = 0; i < count; ++i) {
            const int pick = int(random() % 10);
            QByteArray name = (random() % 7 == 0 ? "." : "") + QByteArray::number(i) + "-"
                    + QByteArray::number(uint(random() % 1000)) + kExtensions[random() % 6];
            if (pick == 0 && depth < 4) {
                const QString child = path + u'/' + QString::fromUtf8(name);
                entries.append({name, std::nullopt, Kind::Folder});
                if (random() % 8) // else the folder cannot be read
                    addFolder(child, depth + 1, random);
                continue;
            }
            const qint64 ms = 1'000'000'000'000 + qint64(random() % 1'000'000'000);
            std::optional<FileFacts> facts = FileFacts{qint64(random() % 300'000), ms, ms, ms};
            if (pick == 1)
                facts.reset(); // vanished
            entries.append({name, facts, pick == 2 ? Kind::Link : Kind::File, tiffOfPages(int(random() % 50) - 5)});
        }
        folders.insert(path, entries);
    }
};

// What a run shows, in order.
struct Shown
{
    QList<QStringList> rows;
    QStringList status;
    bool cancelled = false;
};

struct Run
{
    FakeCriteria criteria;
    RecordingResults results;
    StatusLog status;
    CountingIcons icons;
    std::shared_ptr<SlowLister> lister = std::make_shared<SlowLister>(); // requests may outlive the run
    std::shared_ptr<Hang> hang = lister->hang;
    std::shared_ptr<std::atomic<int>> counts = lister->opened; // files opened for their count
    std::unique_ptr<SearchRun> run;

    // `woken`: the run waits with nothing but the wake of the result it awaits.
    Run(const RandomTree &tree, int ioThreads, quint32 delaySeed, bool woken = false)
    {
        lister->tree.folders = tree.folders;
        lister->seed = delaySeed;
        lister->maxUs = ioThreads ? 300 : 0;
        SearchRunPorts ports{&criteria, &results, &status, &icons, lister, [] {}};
        ports.ioThreads = ioThreads;
        if (const auto wakes = woken ? std::make_shared<QSemaphore>() : nullptr) {
            ports.wait = [wakes] { wakes->acquire(); };
            ports.wake = [wakes] { wakes->release(); };
        }
        run = std::make_unique<SearchRun>(ports);
    }
    ~Run() { hang->release(); }

    Shown search(const QString &folder = QStringLiteral("/t/"))
    {
        status.calls.clear();
        Shown shown;
        const auto finished = QObject::connect(run.get(), &SearchRun::runFinished,
                                               [&](bool cancelled) { shown.cancelled = cancelled; });
        run->RunSearch(folder);
        QObject::disconnect(finished);
        shown.rows = results.rows;
        shown.status = status.calls;
        return shown;
    }
};

} // namespace

class SearchAheadTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sameAsOneRequestAtATime_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 24; ++seed)
            QTest::newRow(qPrintable(QStringLiteral("tree %1").arg(seed))) << seed;
    }

    // Rows, their order and texts, every status text, the total and the
    // pages counted are those of the walk one request at a time, whatever
    // order the answers come in; with the criteria the seed picks.
    void sameAsOneRequestAtATime()
    {
        QFETCH(quint32, seed);
        const RandomTree tree(seed);
        auto configure = [seed](FakeCriteria &criteria) {
            criteria.subfolders = seed % 4 != 0;
            criteria.hidden = seed % 3 == 0;
            criteria.filter = seed % 5 == 0 ? QStringLiteral("*.*") : CriteriaDefaults::FilterPattern;
            criteria.size = seed % 2 == 0;
            criteria.limit = QStringLiteral("100");
        };
        Run sequential(tree, 0, seed);
        configure(sequential.criteria);
        const Shown expected = sequential.search();
        for (int threads : {1, 3, 16}) {
            Run parallel(tree, threads, seed * 7 + threads, true);
            configure(parallel.criteria);
            const Shown shown = parallel.search();
            QCOMPARE(shown.rows, expected.rows);
            QCOMPARE(shown.status, expected.status);
            QVERIFY(!shown.cancelled);
            QCOMPARE(parallel.counts->load(), shown.rows.size()); // each file counted once
        }
    }

    // The look-ahead walks the run's order (depth first, in listing order):
    // whatever it has asked for so far is a leading part of that walk.
    void lookAheadAsksInWalkOrder()
    {
        for (quint32 seed = 1; seed <= 24; ++seed) {
            const RandomTree tree(seed);
            auto lister = std::make_shared<FakeLister>();
            lister->folders = tree.folders;
            IoPool pool(3);
            SearchAhead ahead(lister, &pool, {});
            AheadFolder &root = ahead.root(QStringLiteral("/t"));
            while (!ahead.ready(*ahead.requestListing(root)))
                ahead.waitForCompletion(10);
            ahead.expand(root);
            FakeCriteria criteria;
            criteria.subfolders = criteria.hidden = true;
            const auto copy = std::make_shared<const CriteriaValues>(criteria);
            const NamePatterns patterns(BuildPatternList(criteria.filter));
            QString gap; // the first file or folder of the walk not asked for
            std::function<void(const AheadFolder &, std::size_t)> walk = [&](const AheadFolder &folder,
                                                                               std::size_t from) {
                if (!folder.expanded && gap.isEmpty())
                    gap = folder.path;
                for (std::size_t i = from; folder.expanded && i < folder.candidates.size(); ++i) {
                    const QString name = PathCodec::decode(folder.entries->entries()[folder.candidates[i]].name);
                    if (!PassesNameRules(name, criteria, patterns))
                        continue;
                    QVERIFY2(gap.isEmpty() || !folder.files[i], qPrintable(name + u" asked before " + gap));
                    if (!folder.files[i] && gap.isEmpty())
                        gap = name;
                }
                for (const auto &child : folder.subfolders)
                    walk(*child, 0);
            };
            for (int round = 0; round < 500 && (round == 0 || !gap.isEmpty()); ++round) {
                ahead.lookAhead(copy);
                gap.clear();
                walk(root, 1); // the run stands at the first file and asks for it itself
                if (QTest::currentTestFailed())
                    return;
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            }
            QVERIFY2(gap.isEmpty(), qPrintable(gap + u" never asked for"));
        }
    }

    // Listings asked ahead that hang hold every thread the look-ahead may
    // use; the files the run stands at are still read, also those asked
    // ahead and queued behind the hung ones.
    void hungLookAheadLeavesTheRunAThread()
    {
        RandomTree tree(0);
        QList<FakeFile> files;
        for (int i = 0; i < 20; ++i)
            files.append({"a" + QByteArray::number(i) + ".tif", FileFacts{1000, 0, 0, 0}, Kind::File});
        tree.folders = {{"/h", {{"0", {}, Kind::Folder}, {"10", {}, Kind::Folder}, {"11", {}, Kind::Folder}}},
                        {"/h/0", files}, {"/h/10", {}}, {"/h/11", {}}};
        Run run(tree, 2, 1);
        run.criteria.subfolders = run.hang->armed = true; // the listings of /h/10 and /h/11 hang
        const QDeadlineTimer deadline(10'000);
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (run.results.rows.size() == files.size() || deadline.hasExpired())
                run.run->requestCancel();
        });
        poll.start(1);
        QCOMPARE(run.search(QStringLiteral("/h")).rows.size(), files.size());
    }

    // Abandoned jobs hold threads run after run; once they hold as many as
    // the ceiling allows, new work waits and the pool says so. When they
    // come free, those the pool is short of take up work (the waiting work
    // runs on one of them) and the rest end.
    void poolExhaustedByHungJobs()
    {
        IoPool pool(2, 4);
        static thread_local bool held = false;
        auto hung = std::make_shared<QSemaphore>(), started = std::make_shared<QSemaphore>(),
             urgentStarted = std::make_shared<QSemaphore>();
        for (int run = 0; run < 2; ++run) {
            // Work nobody waits for leaves a thread to the urgent job behind it.
            for (const bool urgent : {false, false, true}) {
                const auto begun = urgent ? urgentStarted : started;
                pool.post([hung, begun] { held = true, begun->release(), hung->acquire(); }, urgent);
                QVERIFY(!pool.exhausted());
            }
            QVERIFY(started->tryAcquire(1, 10'000));
            QVERIFY(urgentStarted->tryAcquire(1, 10'000));
            pool.abandonWork();
        }
        auto ran = std::make_shared<QSemaphore>();
        auto onHeld = std::make_shared<std::atomic<bool>>(false);
        pool.post([ran, onHeld] { *onHeld = held, ran->release(); });
        QVERIFY(pool.exhausted());
        QCOMPARE(pool.alive(), 4);
        hung->release(4);
        QVERIFY(ran->tryAcquire(1, 10'000));
        QVERIFY(*onHeld);
        QTRY_COMPARE_WITH_TIMEOUT(pool.alive(), 2, 5'000);
    }

    // A cancel while every I/O thread hangs on a request ends the run at
    // once, with the rows before the hung file; the next run gets threads of
    // its own while they still hang, run after run, until the held threads
    // reach the default ceiling (eight runs' worth of the default sixteen).
    // A search then waits, and says so, until they come free, and nothing of
    // the cancelled runs reaches it. Stopping for good (the window closing)
    // returns at once too.
    void cancelOrStopWhileEveryThreadHangs_data()
    {
        QTest::addColumn<bool>("stop");
        QTest::newRow("cancel") << false;
        QTest::newRow("stop") << true;
    }
    void cancelOrStopWhileEveryThreadHangs()
    {
        QFETCH(bool, stop);
        constexpr int kThreads = 16, kCeiling = 8 * kThreads;
        RandomTree tree(0);
        QList<FakeFile> hung, answering;
        for (int i = 0; i < 200; ++i) {
            hung.append({QByteArray::number(1000 + i) + ".tif", FileFacts{1000, 0, 0, 0}, Kind::File});
            if (i < 40)
                answering.append({"a" + QByteArray::number(i) + ".tif", FileFacts{1000, 0, 0, 0}, Kind::File});
        }
        tree.folders.insert(QStringLiteral("/t"), hung);
        tree.folders.insert(QStringLiteral("/u"), answering);
        Run run(tree, IoPool::kDefaultThreads, 1);
        run.hang->armed = true;
        const QString waiting = u"Message:" + SearchRun::ThreadsHeldText.text();
        // A pool that waited for its held threads would wait for ever: the
        // deadline goes on and fails the test instead.
        auto searchUntil = [&](const QString &folder, const std::function<bool()> &until,
                               const std::function<void()> &then) {
            const QDeadlineTimer deadline(10'000);
            QTimer poll;
            QObject::connect(&poll, &QTimer::timeout, [&] {
                if (until() || run.status.calls.contains(waiting) || deadline.hasExpired())
                    then();
            });
            poll.start(1);
            return run.search(folder);
        };
        for (int held = kThreads; held <= kCeiling; held += kThreads) {
            const Shown shown = searchUntil(
                    QStringLiteral("/t/"), [&] { return run.hang->holding >= held; },
                    [&] { stop ? run.run->stop() : run.run->requestCancel(); });
            QVERIFY(!run.run->isRunning());
            QVERIFY(shown.rows.isEmpty());
            if (stop) {
                QVERIFY(!shown.status.contains(QStringLiteral("Message:Done")));
                return;
            }
            QVERIFY(shown.cancelled);
            QCOMPARE(shown.status.last(), QStringLiteral("Message:Search Terminated by User"));
            QVERIFY(!shown.status.contains(waiting));
            QCOMPARE(run.hang->holding, held);
        }
        const Shown other = searchUntil(QStringLiteral("/u"), [] { return false; }, [&] { run.hang->release(); });
        QVERIFY(other.status.contains(waiting));
        QCOMPARE(other.rows.size(), answering.size());
        QCOMPARE(other.rows.last().first(), QStringLiteral("a39.tif"));
        QCOMPARE(other.status.last(), QStringLiteral("Message:Done"));

        QTRY_COMPARE_WITH_TIMEOUT(run.hang->holding.load(), 0, 10'000);
        QCoreApplication::processEvents();
        QCOMPARE(run.results.rows, other.rows);
        run.hang->armed = false;
        QCOMPARE(run.search().rows.size(), hung.size());
    }
};

QTEST_GUILESS_MAIN(SearchAheadTest)
#include "searchahead_test.moc"
