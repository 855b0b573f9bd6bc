// The search with I/O threads against the same search one request at a
// time, over fake trees whose every request takes a random time.

#include "base/pathcodec.h"
#include "search/searchrun.h"
#include "support/searchfakes.h"

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

// A listing that answers each request after a random wait.
class SlowListing : public FolderListing
{
public:
    SlowListing(std::unique_ptr<FolderListing> inner, quint32 seed, int maxUs)
        : m_inner(std::move(inner)), m_seed(seed), m_maxUs(maxUs) {}
    const std::vector<FolderEntry> &entries() const override { return m_inner->entries(); }
    std::optional<FileFacts> facts(std::size_t index) override
    {
        randomDelay(m_inner->entries()[index].name, m_seed, m_maxUs);
        return m_inner->facts(index);
    }
    void release() override { m_inner->release(); }

private:
    std::unique_ptr<FolderListing> m_inner;
    quint32 m_seed;
    int m_maxUs;
};

class SlowLister : public FolderLister
{
public:
    FakeLister tree;
    quint32 seed = 0;
    int maxUs = 0;
    std::unique_ptr<FolderListing> open(const QString &path, LinkRule rule) override
    {
        randomDelay(path.toUtf8(), seed, maxUs);
        auto listing = tree.open(path, rule);
        return listing ? std::make_unique<SlowListing>(std::move(listing), seed, maxUs) : nullptr;
    }
};

// Every status call in order.
struct StatusLog : SearchStatusSink
{
    QStringList calls;
    void SetStatusText(const QString &text, const QString &key) override { calls.append(key + u':' + text); }
    void setPageTotalText(const QString &text) override { calls.append(u"total:" + text); }
};

// The count of one file name hangs, while armed, until released.
struct Hang
{
    const QByteArray name = "110.tif";
    std::atomic<bool> armed = false;
    std::mutex mutex;
    std::condition_variable released;
    bool free = false;
    std::atomic<bool> entered = false;
    void hold()
    {
        entered = true;
        std::unique_lock lock(mutex);
        released.wait(lock, [&] { return free; });
    }
    void release()
    {
        std::lock_guard lock(mutex);
        free = true;
        released.notify_all();
    }
};

// A random tree: folders up to 4 deep, files of every rule (patterns,
// hidden names, vanished files, links, unreadable folders), page counts by
// file name (negative: cannot be counted).
struct RandomTree
{
    QHash<QString, QList<FakeFile>> folders;
    QHash<QByteArray, int> pages;

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
            entries.append({name, facts, pick == 2 ? Kind::Link : Kind::File});
            pages.insert(name, int(random() % 50) - 5);
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
    SlowLister lister;
    std::shared_ptr<Hang> hang = std::make_shared<Hang>();
    std::unique_ptr<SearchRun> run;

    Run(const RandomTree &tree, int ioThreads, quint32 delaySeed)
    {
        lister.tree.folders = tree.folders;
        lister.seed = delaySeed;
        lister.maxUs = ioThreads ? 300 : 0;
        SearchRunPorts ports{&criteria, &results, &status, &icons, &lister, {}, [] {}};
        ports.ioThreads = ioThreads;
        ports.countPages = [pages = tree.pages, hang = hang, delaySeed, maxUs = lister.maxUs](
                                   const QByteArray &path, qint64) {
            const QByteArray name = path.mid(path.lastIndexOf('/') + 1);
            randomDelay(path, delaySeed, maxUs);
            if (hang->armed && name == hang->name)
                hang->hold();
            return pages.value(name, 1);
        };
        run = std::make_unique<SearchRun>(ports);
    }
    ~Run() { hang->release(); }

    Shown search()
    {
        Shown shown;
        QObject::connect(run.get(), &SearchRun::runFinished, [&](bool cancelled) { shown.cancelled = cancelled; });
        run->RunSearch(QStringLiteral("/t/"));
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

    // Rows, their order and texts, every status text and the total are
    // those of the walk one request at a time, whatever order the answers
    // come in; with the criteria the seed picks.
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
            Run parallel(tree, threads, seed * 7 + threads);
            configure(parallel.criteria);
            const Shown shown = parallel.search();
            QCOMPARE(shown.rows, expected.rows);
            QCOMPARE(shown.status, expected.status);
            QVERIFY(!shown.cancelled);
        }
    }

    // A cancel while one request hangs and others are in flight ends the run
    // at once, with the rows before the hung file, and a run after it works.
    // Stopping for good (the window closing) returns at once too.
    void cancelOrStopWhileARequestHangs_data()
    {
        QTest::addColumn<bool>("stop");
        QTest::newRow("cancel") << false;
        QTest::newRow("stop") << true;
    }
    void cancelOrStopWhileARequestHangs()
    {
        QFETCH(bool, stop);
        RandomTree tree(0);
        QList<FakeFile> files;
        for (int i = 0; i < 40; ++i) {
            const QByteArray name = QByteArray::number(100 + i) + ".tif";
            files.append({name, FileFacts{1000, 0, 0, 0}, Kind::File});
            tree.pages.insert(name, 2);
        }
        tree.folders.insert(QStringLiteral("/t"), files);
        Run run(tree, 8, 1);
        run.hang->armed = true;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (!run.hang->entered)
                return;
            if (stop)
                run.run->stop();
            else
                run.run->requestCancel();
        });
        poll.start(1);
        const Shown shown = run.search();
        QVERIFY(!run.run->isRunning());
        QVERIFY(shown.rows.size() <= 10);
        for (int i = 0; i < shown.rows.size(); ++i)
            QCOMPARE(shown.rows[i].first(), QString::number(100 + i) + QStringLiteral(".tif"));
        if (stop) {
            QVERIFY(!shown.status.contains(QStringLiteral("Message:Done")));
            return;
        }
        QVERIFY(shown.cancelled);
        QCOMPARE(shown.status.last(), QStringLiteral("Message:Search Terminated by User"));
        poll.stop();
        run.hang->armed = false;
        QCOMPARE(run.search().rows.size(), 40);
    }
};

QTEST_GUILESS_MAIN(SearchAheadTest)
#include "searchahead_test.moc"
