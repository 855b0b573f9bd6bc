// A folder tree full of what a disk can hold and a program may trip over:
// link loops, links to "/" and to a device, a pipe and a socket named like
// TIFF files, empty and truncated files, names with separators, quotes,
// control characters, non-UTF-8 bytes and byte-order marks, 255-byte names,
// 1,500 nested folders and a folder of 20,000 files. One search through the
// main window with every option on must list exactly the regular files whose
// names match; every row must reach its own file, export and load back
// unchanged, and delete exactly that file.

#include "settings/settings.h"
#include "export/exportwriter.h"
#include "platform/desktopservices.h"
#include "grid/gridmodel.h"
#include "results/resultcolumns.h"
#include "base/pathcodec.h"
#include "support/fakeprompts.h"
#include "support/rawtree.h"
#include "support/testservices.h"
#include "support/tiffbytes.h"
#include "ui/advancedoptions.h"
#include "ui/numberbox.h"
#include "ui/foldertree.h"
#include "ui/frmmain.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace TestSupport;

namespace {

using Col = ResultColumns::Column;

constexpr int kManyFiles = 20000;
constexpr int kNestingDepth = 1500;
const QString kErrorMark = QStringLiteral("Error");

QByteArray tinyTiff()
{
    static const QByteArray bytes = [] {
        TiffBuilder tiff;
        tiff.addPages(1);
        return tiff.bytes();
    }();
    return bytes;
}

bool exists(const QByteArray &path)
{
    struct stat info;
    return ::lstat(path.constData(), &info) == 0;
}

bool isRegularFile(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;
    struct stat info;
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    return regular;
}

bool makeSocket(const QByteArray &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (size_t(path.size()) >= sizeof(address.sun_path))
        return false;
    std::copy(path.begin(), path.end(), address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0;
    if (fd >= 0)
        ::close(fd);
    return bound;
}

// The tree, and the native paths a search must list.
class HazardTree
{
public:
    explicit HazardTree(const QByteArray &root) : m_root(root) {}

    bool build()
    {
        return makeFolders() && makeNames() && makeSpecialEntries() && makeHidden()
                && makeDeepNesting() && makeManyFiles();
    }
    QByteArray path(const QByteArray &relative) const { return m_root + '/' + relative; }
    QList<QByteArray> expected() const { return m_expected; }
    QList<QByteArray> unlisted() const { return m_unlisted; }

private:
    bool listed(const QByteArray &relative, const QByteArray &bytes = tinyTiff())
    {
        m_expected.append(path(relative));
        return writeRawFile(path(relative), bytes);
    }
    bool unlistedFile(const QByteArray &relative)
    {
        m_unlisted.append(path(relative));
        return writeRawFile(path(relative), tinyTiff());
    }
    bool link(const QByteArray &target, const QByteArray &relative)
    {
        m_unlisted.append(path(relative));
        return ::symlink(target.constData(), path(relative).constData()) == 0;
    }
    // A link to a regular file counts as that file.
    bool listedLink(const QByteArray &target, const QByteArray &relative)
    {
        m_expected.append(path(relative));
        return ::symlink(target.constData(), path(relative).constData()) == 0;
    }
    bool folder(const QByteArray &relative) { return ::mkdir(path(relative).constData(), 0700) == 0; }

    bool makeFolders()
    {
        return folder("names") && folder("special") && folder("loop") && folder("folder.tif")
                && folder("many");
    }

    bool makeNames()
    {
        const QByteArray longName = QByteArray(251, 'x') + ".tif";
        QByteArray longUtf8;
        for (int i = 0; i < 125; ++i)
            longUtf8 += "\xC3\xA9"; // é: 250 bytes
        longUtf8 += "x.tif";
        const QList<QByteArray> matching = {
            "a,b.tif", "a\tb.tif", "a\nb.tif", "a\rb.tif", "say \"hi\".tif", "-rf.tif",
            "--help.tiff", "r\xE9sum\xE9.tif", "\xFF\xFE.tif", "\xEF\xBB\xBF" "a.tif", "a.tif",
            "back\\slash.tif", "UPPER.TIF", longName, longUtf8};
        for (const QByteArray &name : matching) {
            if (!listed("names/" + name))
                return false;
        }
        return unlistedFile("names/notes.txt") && unlistedFile("names/a.tif.bak")
                && unlistedFile("names/trailing space.tif ");
    }

    bool makeSpecialEntries()
    {
        m_unlisted.append(path("special/pipe.tif"));
        m_unlisted.append(path("special/socket.tif"));
        return listed("special/zero.tif", QByteArray()) && listed("special/three.tif", "II*")
                && listed("special/target.tif") && listedLink("target.tif", "special/link.tif")
                && ::mkfifo(path("special/pipe.tif").constData(), 0600) == 0
                && makeSocket(path("special/socket.tif")) && link("/dev/null", "special/null.tif")
                && link("/", "special/root.tif") && link("/", "special/root")
                && link("missing.tif", "special/dangling.tif") && link("self.tif", "special/self.tif")
                && link("..", "loop/back") && link("../loop", "loop/again.tif")
                && listed("folder.tif/inside.tif");
    }

    bool makeHidden()
    {
        return folder(".hidden") && listed(".hidden/in hidden folder.tif")
                && listed(".hidden.tif");
    }

    bool makeDeepNesting()
    {
        if (!folder("deep") || !makeDeepChain(path("deep"), "d", kNestingDepth, "deep.tif",
                                              {1, kNestingDepth}, tinyTiff()))
            return false;
        QByteArray chain = "deep";
        for (int level = 1; level <= kNestingDepth; ++level) {
            chain += "/d";
            if (level == 1 || level == kNestingDepth)
                m_expected.append(path(chain + "/deep.tif"));
        }
        return true;
    }

    bool makeManyFiles()
    {
        for (int i = 0; i < kManyFiles; ++i) {
            if (!listed("many/f" + QByteArray::number(i).rightJustified(5, '0') + ".tif"))
                return false;
        }
        return true;
    }

    QByteArray m_root;
    QList<QByteArray> m_expected;
    QList<QByteArray> m_unlisted;
};

QList<QByteArray> sorted(QList<QByteArray> list)
{
    std::sort(list.begin(), list.end());
    return list;
}

} // namespace

class HazardTreeTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void searchListsExactlyTheRegularFiles();
    void everyRowReachesItsOwnFile();
    void brokenFilesShowTheErrorMark();
    void exportLoadsBackCellForCell();
    void deleteRemovesExactlyTheRowsFiles();

private:
    void switchEveryOptionOn();
    QList<QByteArray> listedPaths() const;
    int rowOf(const QByteArray &path) const;

    QTemporaryDir m_dir;
    std::unique_ptr<HazardTree> m_tree;
    std::unique_ptr<SettingsStore> m_settings;
    TestServices m_test;
    std::unique_ptr<frmMain> m_window;
};

void HazardTreeTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_dir.setAutoRemove(false); // removed by bytes: Qt cannot name every entry
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QByteArray root = PathCodec::encode(m_dir.path()) + "/tree";
    QVERIFY(::mkdir(root.constData(), 0700) == 0);
    m_tree = std::make_unique<HazardTree>(root);
    QVERIFY(m_tree->build());

    m_settings = std::make_unique<SettingsStore>(m_dir.filePath(QStringLiteral("Settings.ini")));
    QVERIFY(m_settings->ReadSettings());
    m_test = makeTestServices();
    AppServices services = m_test.services;
    services.desktop = createDesktopServices(); // deletion acts on the real files
    m_window = std::make_unique<frmMain>(*m_settings, services);
    m_window->Form_Load();
    switchEveryOptionOn();
    QVERIFY(m_window->ftv->setSelectedFolder(PathCodec::decode(root)));
    m_window->cmdSearch_Click(); // returns when the run has ended
    QVERIFY(!m_window->isSearching());
    // Checked from here on: the tester re-reads every row at each insertion,
    // which 20,000 rows would make quadratic.
    new QAbstractItemModelTester(m_window->filesModel(),
                                 QAbstractItemModelTester::FailureReportingMode::QtTest,
                                 m_window.get());
}

void HazardTreeTest::cleanupTestCase()
{
    m_window.reset();
    QVERIFY(removeTree(PathCodec::encode(m_dir.path())));
}

// Subfolders, hidden files, and date and size tests that every file passes.
void HazardTreeTest::switchEveryOptionOn()
{
    m_window->chkSearchIncSubFlder->setChecked(true);
    m_window->chkShowHidden->setChecked(true);
    AdvancedOptionsPanel *options = m_window->fmeAdvancedSearchOptions;
    options->chkSearchByDate->setChecked(true);
    options->cmbDateRangeType->setCurrentText(QStringLiteral("Files Modified"));
    options->optInPeriod->setChecked(true);
    options->txtInPeriod->setText(QStringLiteral("12"));
    options->cmbDateInPeriod->setCurrentText(QStringLiteral("Month(s)"));
    options->chkSearchBySize->setChecked(true);
    options->optSizeAt->setChecked(true);
    options->cmbLeastMost->setCurrentText(QStringLiteral("Least"));
    options->txtSizeLeastMost->setText(QStringLiteral("0"));
}

QList<QByteArray> HazardTreeTest::listedPaths() const
{
    const GridModel &files = *m_window->filesModel();
    QList<QByteArray> paths;
    for (int row = files.fixedRows(); row < files.rows(); ++row)
        paths.append(PathCodec::encode(files.text(row, Col::FullPath)));
    return paths;
}

int HazardTreeTest::rowOf(const QByteArray &path) const
{
    const int index = int(listedPaths().indexOf(path));
    return index < 0 ? -1 : index + m_window->filesModel()->fixedRows();
}

void HazardTreeTest::searchListsExactlyTheRegularFiles()
{
    const QList<QByteArray> listed = sorted(listedPaths());
    QCOMPARE(std::adjacent_find(listed.begin(), listed.end()), listed.end()); // none twice
    QCOMPARE(listed.size(), m_tree->expected().size());
    QCOMPARE(listed, sorted(m_tree->expected()));
}

void HazardTreeTest::everyRowReachesItsOwnFile()
{
    const GridModel &files = *m_window->filesModel();
    for (int row = files.fixedRows(); row < files.rows(); ++row) {
        const QString fullPath = files.text(row, Col::FullPath);
        QVERIFY2(isRegularFile(PathCodec::encode(fullPath)), qPrintable(fullPath));
        QCOMPARE(files.text(row, Col::FileName), fullPath.mid(fullPath.lastIndexOf(u'/') + 1));
    }
}

void HazardTreeTest::brokenFilesShowTheErrorMark()
{
    const GridModel &files = *m_window->filesModel();
    for (const QByteArray name : {"special/zero.tif", "special/three.tif"}) {
        const int row = rowOf(m_tree->path(name));
        QVERIFY2(row > 0, name.constData());
        QCOMPARE(files.text(row, Col::Pages), kErrorMark);
    }
    QCOMPARE(files.text(rowOf(m_tree->path("special/link.tif")), Col::Pages), QStringLiteral("1"));
}

void HazardTreeTest::exportLoadsBackCellForCell()
{
    GridModel &files = *m_window->filesModel();
    const QString target = m_dir.filePath(QStringLiteral("export.csv"));
    GridModel scratch;
    const ExportWriter::Result result = ExportWriter::exportGrid(
            files, scratch, m_dir.path(), [&] { return ExportRules::ExportChoice{target, QStringLiteral(",")}; });
    QCOMPARE(int(result.outcome), int(ExportWriter::Outcome::Written));

    GridModel loaded;
    loaded.setSeparators(ExportWriter::exportSeparators(QStringLiteral(",")));
    QVERIFY2(loaded.loadFromFile(target), qPrintable(loaded.errorString()));
    QCOMPARE(loaded.rows(), files.rows());
    QCOMPARE(loaded.cols(), ResultColumns::kDataColumns);
    for (int row = 0; row < files.rows(); ++row) {
        for (int col = 0; col < ResultColumns::kDataColumns; ++col)
            QCOMPARE(loaded.text(row, col), files.text(row, col));
    }
}

void HazardTreeTest::deleteRemovesExactlyTheRowsFiles()
{
    GridModel &files = *m_window->filesModel();
    // The name with a byte-order mark is one file, "a.tif" another.
    const QByteArray marked = m_tree->path("names/\xEF\xBB\xBF" "a.tif");
    files.selectOnly(rowOf(marked), rowOf(marked));
    QVERIFY(m_window->DeleteSelectedFiles());
    QVERIFY(!exists(marked));
    QVERIFY(exists(m_tree->path("names/a.tif")));

    files.selectAll();
    QVERIFY(m_window->DeleteSelectedFiles());
    QVERIFY(m_test.prompts->texts().filter(QStringLiteral("Unable")).isEmpty());
    for (const QByteArray &path : m_tree->expected())
        QVERIFY2(!exists(path), path.constData());
    // Entries that were never listed are still there, folders included.
    for (const QByteArray &path : m_tree->unlisted())
        QVERIFY2(exists(path), path.constData());
    QVERIFY(exists(m_tree->path("folder.tif")));
    QVERIFY(exists(m_tree->path("deep/d/d")));
}

QTEST_MAIN(HazardTreeTest)
#include "hazardtree_test.moc"
