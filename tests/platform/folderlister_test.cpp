#include "platform/posix/posixfolderlister.h"
#include "base/pathcodec.h"
#include "platform/posix/filesystemkind.h"
#include "support/rawtree.h"
#include "support/tempfiles.h"

#include <QDir>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <climits>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using Kind = FolderEntry::Kind;
using LinkRule = FolderLister::LinkRule;

namespace {

QByteArray native(const QString &path)
{
    return PathCodec::encode(path);
}

QMap<QByteArray, Kind> kindsByName(const FolderListing &listing)
{
    QMap<QByteArray, Kind> kinds;
    for (const FolderEntry &entry : listing.entries())
        kinds.insert(entry.name, entry.kind);
    return kinds;
}

std::optional<FileFacts> factsOf(FolderListing &listing, const QByteArray &name)
{
    const auto &entries = listing.entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].name == name)
            return listing.facts(i);
    }
    return std::nullopt;
}

int openDescriptorCount()
{
    const QDir fds(QStringLiteral("/proc/self/fd"));
    return int(fds.entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System).size());
}

bool makeSocket(const QByteArray &path)
{
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (fd < 0 || path.size() >= qsizetype(sizeof(address.sun_path)))
        return false;
    memcpy(address.sun_path, path.constData(), path.size());
    const bool bound = bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0;
    close(fd);
    return bound;
}

} // namespace

class FolderListerTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Network file systems, and those whose inode numbers do not stay with a
    // file, by statfs()'s f_type (linux/magic.h): NFS, SMB, CIFS, SMB2, FUSE,
    // Ceph, AFS, Coda, 9P, overlay, ext4.
    void fileSystemKinds()
    {
        for (const auto &[type, network, stable] :
             {std::tuple{0x6969L, true, true}, {0x517BL, true, false}, {0xFF534D42L, true, false},
              {0xFE534D42L, true, false}, {0x65735546L, true, false}, {0x00C36400L, true, true},
              {0x5346414FL, true, true}, {0x73757245L, true, true}, {0x01021997L, true, false},
              {0x794C7630L, false, false}, {0xEF53L, false, true}}) {
            const FileSystemKind kind = fileSystemKindOfType(type);
            QVERIFY2(kind.network == network && kind.stableInodes == stable, qPrintable(QString::number(type, 16)));
        }
    }
    void initTestCase();
    void cleanupTestCase();
    void listsFilesFoldersAndLinksOnly();
    void linkFactsAreThoseOfTheRegularFileNamed();
    void factsOfVanishedOrReplacedFile();
    void openRefuses_data();
    void openRefuses();
    void linkToFolderOpensOnlyWhenFollowed();
    void timesAndSize();
    void nonUtf8NamesKeepTheirBytes();
    void manyEntriesSpanSeveralReads();
    void releaseClosesTheFolder();

private:
    QTemporaryDir m_dir;
};

// Qt cannot remove names that are no UTF-8: the tree is removed by bytes.
void FolderListerTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_dir.setAutoRemove(false);
}

void FolderListerTest::cleanupTestCase()
{
    QVERIFY(TestSupport::removeTree(native(m_dir.path())));
}

void FolderListerTest::listsFilesFoldersAndLinksOnly()
{
    const QString root = m_dir.filePath("kinds");
    TestSupport::writeFile(root + "/a.tif", "data");
    QVERIFY(QDir().mkpath(root + "/sub"));
    QCOMPARE(mkfifo(native(root + "/x.tif"), 0600), 0);
    QCOMPARE(symlink("a.tif", native(root + "/filelink.tif")), 0);
    QCOMPARE(symlink("sub", native(root + "/dirlink")), 0);
    QCOMPARE(symlink("missing", native(root + "/dangling.tif")), 0);
    const bool haveSocket = makeSocket(native(root + "/sock"));

    PosixFolderLister lister;
    const auto listing = lister.open(root, LinkRule::NeverFollow);
    QVERIFY(listing);
    const QMap<QByteArray, Kind> expected{{"a.tif", Kind::File},
                                          {"sub", Kind::Folder},
                                          {"filelink.tif", Kind::Link},
                                          {"dirlink", Kind::Link},
                                          {"dangling.tif", Kind::Link}};
    QCOMPARE(kindsByName(*listing), expected);
    if (!haveSocket)
        qWarning("no socket could be made here; sockets went untested");
}

void FolderListerTest::linkFactsAreThoseOfTheRegularFileNamed()
{
    const QString root = m_dir.filePath("links");
    TestSupport::writeFile(root + "/target.tif", QByteArray(3000, 'x'));
    QVERIFY(QDir().mkpath(root + "/sub"));
    QCOMPARE(mkfifo(native(root + "/pipe"), 0600), 0);
    QCOMPARE(symlink("target.tif", native(root + "/file.tif")), 0);
    QCOMPARE(symlink("sub", native(root + "/folder.tif")), 0);
    QCOMPARE(symlink("pipe", native(root + "/pipe.tif")), 0);
    QCOMPARE(symlink("nowhere", native(root + "/dangling.tif")), 0);
    QCOMPARE(symlink("/", native(root + "/root.tif")), 0);

    PosixFolderLister lister;
    const auto listing = lister.open(root, LinkRule::NeverFollow);
    QVERIFY(listing);
    const auto facts = factsOf(*listing, "file.tif");
    QVERIFY(facts);
    QCOMPARE(facts->size, qint64(3000));
    for (const char *name : {"folder.tif", "pipe.tif", "dangling.tif", "root.tif", "sub"})
        QVERIFY2(!factsOf(*listing, name), name);
}

void FolderListerTest::factsOfVanishedOrReplacedFile()
{
    const QString root = m_dir.filePath("vanish");
    for (const char *name : {"gone.tif", "pipe.tif", "stays.tif"})
        TestSupport::writeFile(root + "/" + name, "data");
    PosixFolderLister lister;
    const auto listing = lister.open(root, LinkRule::NeverFollow);
    QVERIFY(listing);
    QVERIFY(QFile::remove(root + "/gone.tif"));
    QVERIFY(QFile::remove(root + "/pipe.tif"));
    QCOMPARE(mkfifo(native(root + "/pipe.tif"), 0600), 0);
    QVERIFY(!factsOf(*listing, "gone.tif"));
    QVERIFY(!factsOf(*listing, "pipe.tif"));
    QVERIFY(factsOf(*listing, "stays.tif"));
}

void FolderListerTest::openRefuses_data()
{
    QTest::addColumn<QString>("path");
    const QString root = m_dir.filePath("refuse");
    TestSupport::writeFile(root + "/file.tif", "data");
    QVERIFY(QDir().mkpath(root + "/real"));
    QCOMPARE(mkfifo(native(root + "/pipe"), 0600), 0);
    QTest::newRow("missing folder") << root + "/missing";
    QTest::newRow("a file") << root + "/file.tif";
    QTest::newRow("a pipe, without blocking") << root + "/pipe";
    QTest::newRow("path longer than PATH_MAX") << root + "/real/" + QString(PATH_MAX, u'd');
    QTest::newRow("empty path") << QString();
}

void FolderListerTest::openRefuses()
{
    QFETCH(QString, path);
    PosixFolderLister lister;
    QVERIFY(!lister.open(path, LinkRule::FollowLink));
}

void FolderListerTest::linkToFolderOpensOnlyWhenFollowed()
{
    const QString root = m_dir.filePath("follow");
    TestSupport::writeFile(root + "/real/inside.tif", "data");
    QCOMPARE(symlink("real", native(root + "/link")), 0);
    PosixFolderLister lister;
    QVERIFY(!lister.open(root + "/link", LinkRule::NeverFollow));
    const auto listing = lister.open(root + "/link", LinkRule::FollowLink);
    QVERIFY(listing);
    QCOMPARE(kindsByName(*listing).keys(), QList<QByteArray>({"inside.tif"}));
}

void FolderListerTest::timesAndSize()
{
    const QString root = m_dir.filePath("times");
    const qint64 before = QDateTime::currentMSecsSinceEpoch() - 2000;
    TestSupport::writeFile(root + "/a.tif", QByteArray(1025, 'x'));
    const QDateTime when(QDate(2004, 3, 15), QTime(14, 7));
    TestSupport::setModified(root + "/a.tif", when);
    PosixFolderLister lister;
    const auto listing = lister.open(root, LinkRule::NeverFollow);
    QVERIFY(listing);
    const auto facts = factsOf(*listing, "a.tif");
    QVERIFY(facts);
    QCOMPARE(facts->size, qint64(1025));
    QCOMPARE(facts->modifiedMs, when.toMSecsSinceEpoch());
    QCOMPARE(facts->accessedMs, when.toMSecsSinceEpoch());
    // What shows a change since a count: also the change time and the inode.
    struct stat st;
    QCOMPARE(::stat(QFile::encodeName(root + "/a.tif").constData(), &st), 0);
    QCOMPARE(facts->modifiedNs, when.toMSecsSinceEpoch() * 1'000'000);
    QCOMPARE(facts->changedNs, st.st_ctim.tv_sec * 1'000'000'000LL + st.st_ctim.tv_nsec);
    QCOMPARE(facts->inode, fileSystemKindAt(QFile::encodeName(root).constData()).stableInodes ? quint64(st.st_ino) : 0);
    // Creation times exist only where the file system keeps them.
    if (facts->createdMs)
        QVERIFY(*facts->createdMs >= before);
}

void FolderListerTest::nonUtf8NamesKeepTheirBytes()
{
    const QByteArray rootBytes = native(m_dir.filePath("raw")) + "/dir\xfe";
    QVERIFY(QDir().mkpath(m_dir.filePath("raw")));
    QCOMPARE(mkdir(rootBytes.constData(), 0700), 0);
    const QByteArray fileName("scan\xff\x80.tif");
    const QByteArray filePath = rootBytes + "/" + fileName;
    const int fd = ::open(filePath.constData(), O_CREAT | O_WRONLY, 0600);
    QVERIFY(fd >= 0);
    close(fd);

    PosixFolderLister lister;
    const auto listing = lister.open(PathCodec::decode(rootBytes), LinkRule::NeverFollow);
    QVERIFY(listing);
    QCOMPARE(listing->entries().size(), std::size_t(1));
    QCOMPARE(listing->entries().front().name, fileName);
    QVERIFY(listing->facts(0));
}

void FolderListerTest::manyEntriesSpanSeveralReads()
{
    const QString root = m_dir.filePath("many");
    QVERIFY(QDir().mkpath(root));
    constexpr int Count = 3000;
    for (int i = 0; i < Count; ++i) {
        const QByteArray path = native(root) + "/file-with-a-longish-name-" + QByteArray::number(i);
        const int fd = ::open(path.constData(), O_CREAT | O_WRONLY, 0600);
        QVERIFY(fd >= 0);
        close(fd);
    }
    PosixFolderLister lister;
    const auto listing = lister.open(root, LinkRule::NeverFollow);
    QVERIFY(listing);
    QCOMPARE(kindsByName(*listing).size(), Count);
}

void FolderListerTest::releaseClosesTheFolder()
{
    const QString root = m_dir.filePath("release");
    TestSupport::writeFile(root + "/a.tif", "data");
    const int baseline = openDescriptorCount();
    PosixFolderLister lister;
    const auto listing = lister.open(root, LinkRule::NeverFollow);
    QVERIFY(listing);
    QCOMPARE(openDescriptorCount(), baseline + 1);
    listing->release();
    QCOMPARE(openDescriptorCount(), baseline);
    QCOMPARE(listing->entries().size(), std::size_t(1));
}

QTEST_GUILESS_MAIN(FolderListerTest)
#include "folderlister_test.moc"
