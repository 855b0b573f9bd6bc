#include "results/resultcolumns.h"
#include "platform/posix/posixfolderlister.h"
#include "platform/filesystem.h"
#include "base/pathcodec.h"
#include "search/searchrun.h"
#include "support/rawtree.h"
#include "support/searchfakes.h"
#include "support/tempfiles.h"
#include "support/tiffbytes.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <climits>
#include <sys/stat.h>
#include <unistd.h>

using namespace TestSupport;

namespace {

QByteArray tiffPages(int pages)
{
    TiffBuilder tiff;
    tiff.addPages(pages);
    return tiff.bytes();
}

// A run over real folders with the real lister and page counter.
struct TreeHarness
{
    FakeCriteria criteria;
    RecordingResults results;
    RecordingStatus status;
    CountingIcons icons;
    PosixFolderLister lister;
    std::function<void()> onYield;
    SearchRun run{SearchRunPorts{&criteria, &results, &status, &icons, lent(lister), [this] {
                                     if (onYield)
                                         onYield();
                                 }}};

    TreeHarness() { criteria.subfolders = true; }
    QStringList column(int cell) const { return results.column(cell); }
};

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

} // namespace

class SearchRunTreeTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void walkKeepsEachSubtreeTogether();
    void linksToFoldersNeverEntered();
    void pipesAndDanglingLinksSkipped();
    void fileDeletedDuringRunSkippedAlone();
    void deepNestingListed();
    void pathBeyondPathMaxSkipped();
    void nonUtf8NameRoundTrips();

private:
    QString makeRoot(const char *name);
    QTemporaryDir m_dir;
};

void SearchRunTreeTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_dir.setAutoRemove(false); // removed by bytes: some trees are beyond Qt's reach
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void SearchRunTreeTest::cleanupTestCase()
{
    QVERIFY(removeTree(PathCodec::encode(m_dir.path())));
}

QString SearchRunTreeTest::makeRoot(const char *name)
{
    const QString root = m_dir.filePath(QString::fromLatin1(name));
    QDir().mkpath(root);
    return root;
}

// The platform decides the order within a folder; the walk decides the rest:
// a folder's own files first, then each subfolder's subtree in one piece.
void SearchRunTreeTest::walkKeepsEachSubtreeTogether()
{
    const QString root = makeRoot("walk");
    const QByteArray one = tiffPages(1);
    for (const char *path : {"r1.tif", "r2.tif", "s1/a.tif", "s1/deep/b.tif", "s1/c.tif",
                             "s2/d.tif", "s2/deep/e.tif", "s3/f.tif"})
        writeFile(root + "/" + path, one);
    TreeHarness h;
    h.run.RunSearch(root + "/");

    QStringList groups; // top-level group of each row, in row order
    for (const QString &location : h.column(ResultColumns::Location))
        groups.append(location == root ? QString()
                                       : location.mid(root.size() + 1).section('/', 0, 0));
    QCOMPARE(groups.size(), 8);
    QCOMPARE(groups.mid(0, 2), QStringList({"", ""}));
    QStringList seen;
    for (qsizetype i = 2; i < groups.size(); ++i) {
        if (groups[i] != groups[i - 1]) {
            QVERIFY2(!seen.contains(groups[i]), "a subtree was split");
            seen.append(groups[i]);
        }
    }
    QCOMPARE(sorted(seen), QStringList({"s1", "s2", "s3"}));
    const QStringList names = h.column(ResultColumns::FileName);
    QVERIFY(names.indexOf("a.tif") < names.indexOf("b.tif"));
    QVERIFY(names.indexOf("c.tif") < names.indexOf("b.tif"));
    QCOMPARE(h.status.pageTotal, QStringLiteral("Total Pages : 8"));
}

void SearchRunTreeTest::linksToFoldersNeverEntered()
{
    const QString root = makeRoot("loops");
    writeFile(root + "/a.tif", tiffPages(2));
    writeFile(root + "/sub/b.tif", tiffPages(1));
    QCOMPARE(symlink("..", PathCodec::encode(root + "/sub/up").constData()), 0);
    QCOMPARE(symlink(PathCodec::encode(root).constData(),
                     PathCodec::encode(root + "/sub/self").constData()),
             0);
    QCOMPARE(symlink("/", PathCodec::encode(root + "/rootlink").constData()), 0);
    QCOMPARE(symlink("sub/b.tif", PathCodec::encode(root + "/linked.tif").constData()), 0);
    TreeHarness h;
    h.run.RunSearch(root);
    QCOMPARE(sorted(h.column(ResultColumns::FullPath)),
             QStringList({root + "/a.tif", root + "/linked.tif", root + "/sub/b.tif"}));
    const int linked = h.column(ResultColumns::FileName).indexOf("linked.tif");
    QCOMPARE(h.results.rows[linked][ResultColumns::Pages], QStringLiteral("1"));
    QCOMPARE(h.status.messages.last(), QStringLiteral("Done"));
}

void SearchRunTreeTest::pipesAndDanglingLinksSkipped()
{
    const QString root = makeRoot("special");
    QCOMPARE(mkfifo(PathCodec::encode(root + "/x.tif").constData(), 0600), 0);
    QCOMPARE(symlink("x.tif", PathCodec::encode(root + "/pipelink.tif").constData()), 0);
    QCOMPARE(symlink("nowhere.tif", PathCodec::encode(root + "/dangling.tif").constData()), 0);
    QCOMPARE(symlink("/dev/zero", PathCodec::encode(root + "/device.tif").constData()), 0);
    writeFile(root + "/sub/ok.tif", tiffPages(1));
    TreeHarness h;
    h.run.RunSearch(root);
    QCOMPARE(h.column(ResultColumns::FileName), QStringList({"ok.tif"}));
}

void SearchRunTreeTest::fileDeletedDuringRunSkippedAlone()
{
    const QString root = makeRoot("vanish");
    for (const char *name : {"a.tif", "b.tif", "c.tif", "sub/d.tif"})
        writeFile(root + "/" + name, tiffPages(1));
    TreeHarness h;
    QString deleted;
    h.onYield = [&] {
        if (!deleted.isEmpty())
            return;
        // Remove one file of this folder that the run has not reached yet.
        QStringList waiting{"a.tif", "b.tif", "c.tif"};
        waiting.removeAll(h.column(ResultColumns::FileName).value(0));
        deleted = waiting.first();
        QVERIFY(QFile::remove(root + "/" + deleted));
    };
    h.run.RunSearch(root);
    const QStringList names = h.column(ResultColumns::FileName);
    QCOMPARE(names.size(), 3);
    QVERIFY(!names.contains(deleted));
    QVERIFY(names.contains("d.tif"));
}

void SearchRunTreeTest::deepNestingListed()
{
    const QString root = makeRoot("deep");
    QVERIFY(makeDeepChain(PathCodec::encode(root), "d", 300, "p.tif", {1, 150, 300}, tiffPages(1)));
    TreeHarness h;
    h.run.RunSearch(root);
    const QStringList locations = h.column(ResultColumns::Location);
    QCOMPARE(locations.size(), 3);
    QCOMPARE(locations.last(), root + QString("/d").repeated(300));
    QCOMPARE(h.status.pageTotal, QStringLiteral("Total Pages : 3"));
}

// Folders whose paths the system cannot take are skipped; what lies above
// them is listed, and the run ends normally.
void SearchRunTreeTest::pathBeyondPathMaxSkipped()
{
    const QString root = makeRoot("long");
    const QByteArray name(200, 'n');
    constexpr int Depth = 30; // about 6000 bytes of path
    QVERIFY(
        makeDeepChain(PathCodec::encode(root), name, Depth, "p.tif", {1, 5, Depth}, tiffPages(1)));
    TreeHarness h;
    h.run.RunSearch(root);
    const QStringList locations = h.column(ResultColumns::Location);
    QCOMPARE(locations.size(), 2);
    for (const QString &location : locations)
        QVERIFY(PathCodec::encode(location).size() < PATH_MAX);
    QCOMPARE(h.status.messages.last(), QStringLiteral("Done"));
    QCOMPARE(h.status.panels[StatusPanel::Files], QStringLiteral("2 file(s) found"));
}

void SearchRunTreeTest::nonUtf8NameRoundTrips()
{
    const QString root = makeRoot("raw");
    const QByteArray folderBytes = PathCodec::encode(root) + "/dir\xfe";
    QCOMPARE(mkdir(folderBytes.constData(), 0700), 0);
    const QByteArray fileBytes = folderBytes + "/scan\xff.tif";
    QVERIFY(writeRawFile(fileBytes, tiffPages(2)));
    TreeHarness h;
    h.run.RunSearch(root);
    QCOMPARE(h.results.rows.size(), 1);
    const QStringList row = h.results.rows.first();
    QCOMPARE(PathCodec::encode(row[ResultColumns::FullPath]), fileBytes);
    QCOMPARE(PathCodec::encode(row[ResultColumns::Location]), folderBytes);
    QCOMPARE(row[ResultColumns::Pages], QStringLiteral("2"));
}

QTEST_GUILESS_MAIN(SearchRunTreeTest)
#include "searchrun_tree_test.moc"
