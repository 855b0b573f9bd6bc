// A search over a tree that another thread keeps changing: files and whole
// folders are created and deleted while the run lists, examines and counts
// them. The run must end normally, list no path twice, list every file that
// was never touched (with its pages), and pass over vanished files silently.

#include "results/resultcolumns.h"
#include "platform/posix/posixfolderlister.h"
#include "platform/filesystem.h"
#include "base/pathcodec.h"
#include "search/searchrun.h"
#include "support/rawtree.h"
#include "support/searchfakes.h"
#include "support/tiffbytes.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <random>
#include <sys/stat.h>
#include <thread>

using namespace TestSupport;

namespace {

constexpr int kFolders = 12;
constexpr int kStableFilesPerFolder = 60;
constexpr int kChurnSlotsPerFolder = 40;
constexpr int kMaxChurnOperations = 6000;
// A safety net only: a handoff normally takes microseconds.
constexpr auto kHandoffLimit = std::chrono::seconds(5);

QByteArray tiffPages(int pages)
{
    TiffBuilder tiff;
    tiff.addPages(pages);
    return tiff.bytes();
}

QByteArray folderName(int folder)
{
    return "folder" + QByteArray::number(folder);
}

QByteArray stableName(int index)
{
    return "stable" + QByteArray::number(index) + ".tif";
}

// Creates and deletes files (or puts pipes in their place) in every folder, and whole folders with files
// in them, until stopped or out of operations. `waitForProgress` lets the
// search hand over: it returns once the churn has moved on (or has ended).
class Churn
{
public:
    explicit Churn(const QByteArray &root) : m_root(root) {}
    ~Churn() { stop(); }

    void start() { m_thread = std::thread([this] { run(); }); }
    void stop()
    {
        m_stopping = true;
        if (m_thread.joinable())
            m_thread.join();
    }
    int operations() const { return m_operations; }

    void waitForProgress()
    {
        std::unique_lock lock(m_mutex);
        const int seen = m_operations;
        m_progress.wait_for(lock, kHandoffLimit,
                            [&] { return m_operations > seen || m_finished; });
    }

private:
    void run()
    {
        std::mt19937 random(20240601);
        while (!m_stopping && m_operations < kMaxChurnOperations) {
            step(random);
            std::lock_guard lock(m_mutex);
            ++m_operations;
            m_progress.notify_all();
        }
        std::lock_guard lock(m_mutex);
        m_finished = true;
        m_progress.notify_all();
    }

    void step(std::mt19937 &random)
    {
        const int folder = int(random() % kFolders);
        const int slot = int(random() % kChurnSlotsPerFolder);
        const QByteArray base = m_root + '/' + folderName(folder);
        const QByteArray file = base + "/churn" + QByteArray::number(slot) + ".tif";
        const QByteArray subfolder = base + "/gone" + QByteArray::number(slot % 4);
        switch (random() % 5) {
        case 0: // replaced, never written through: the name may be a pipe
            ::unlink(file.constData());
            writeRawFile(file, tiffPages(2));
            break;
        case 1: ::unlink(file.constData()); break;
        case 2: // a pipe where a file was: reading it would block
            ::unlink(file.constData());
            ::mkfifo(file.constData(), 0600);
            break;
        case 3:
            ::mkdir(subfolder.constData(), 0700);
            writeRawFile(subfolder + "/inside" + QByteArray::number(slot) + ".tif", tiffPages(1));
            break;
        default: removeTree(subfolder); break;
        }
    }

    QByteArray m_root;
    std::thread m_thread;
    std::atomic<bool> m_stopping = false;
    std::mutex m_mutex;
    std::condition_variable m_progress;
    int m_operations = 0;
    bool m_finished = false;
};

} // namespace

class ChurnTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void searchOverChangingTreeEndsCleanly();
};

void ChurnTest::searchOverChangingTreeEndsCleanly()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray root = PathCodec::encode(dir.path());
    QList<QByteArray> stable;
    for (int folder = 0; folder < kFolders; ++folder) {
        QVERIFY(::mkdir(QByteArray(root + '/' + folderName(folder)).constData(), 0700) == 0);
        for (int index = 0; index < kStableFilesPerFolder; ++index) {
            stable.append(root + '/' + folderName(folder) + '/' + stableName(index));
            QVERIFY(writeRawFile(stable.last(), tiffPages(3)));
        }
    }

    Churn churn(root);
    FakeCriteria criteria;
    criteria.subfolders = true;
    RecordingResults results;
    RecordingStatus status;
    CountingIcons icons;
    PosixFolderLister lister;
    // Every examined file hands over to the churn, so the tree changes all
    // through the run, whatever the scheduler does.
    SearchRun run(SearchRunPorts{&criteria, &results, &status, &icons, lent(lister),
                                 [&] { churn.waitForProgress(); }});
    QSignalSpy finished(&run, &SearchRun::runFinished);
    churn.start();
    QVERIFY(run.RunSearch(dir.path()));
    churn.stop();

    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.first().first().toBool(), false);
    QCOMPARE(status.messages.last(), SearchRun::DoneText);
    QVERIFY(churn.operations() > kFolders * kStableFilesPerFolder / 2);

    QList<QByteArray> listed;
    for (const QString &path : results.column(ResultColumns::FullPath))
        listed.append(PathCodec::encode(path));
    std::sort(listed.begin(), listed.end());
    QCOMPARE(std::adjacent_find(listed.begin(), listed.end()), listed.end());
    for (const QByteArray &path : stable)
        QVERIFY2(std::binary_search(listed.begin(), listed.end(), path), path.constData());
    for (const QStringList &row : results.rows) {
        const QByteArray path = PathCodec::encode(row[ResultColumns::FullPath]);
        if (path.contains("/stable"))
            QCOMPARE(row[ResultColumns::Pages], QStringLiteral("3"));
        else
            QVERIFY2(path.contains("/churn") || path.contains("/inside"), path.constData());
    }
}

QTEST_GUILESS_MAIN(ChurnTest)
#include "churn_test.moc"
