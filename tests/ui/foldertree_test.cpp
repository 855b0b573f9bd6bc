#include "platform/folderpaths.h"
#include "base/pathcodec.h"
#include "ui/foldertree.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <sys/stat.h>

namespace {

// A tree with many siblings so the deep folder lies below the first screen.
constexpr int kSiblings = 120;
const QString kDeep = QStringLiteral("f100/inner/deeper/deepest");

QModelIndex childNamed(const QAbstractItemModel *model, const QModelIndex &parent,
                       const QString &name)
{
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex child = model->index(row, 0, parent);
        if (child.data().toString() == name)
            return child;
    }
    return {};
}

} // namespace

class FolderTreeTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    QTemporaryDir m_dir;

    QString folder(const QString &relative) const { return m_dir.filePath(relative); }

    void clickOn(FolderTree &tree, const QModelIndex &index)
    {
        QTreeView *view = tree.view();
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    }

    // Selects `parent` and waits until at least `expectedRows` folders are listed in it.
    QModelIndex listedFolder(FolderTree &tree, const QString &parent, int expectedRows)
    {
        if (!tree.setSelectedFolder(parent))
            return {};
        const QModelIndex index = tree.view()->currentIndex();
        tree.view()->expand(index);
        QAbstractItemModel *model = tree.view()->model();
        if (!QTest::qWaitFor([&] { return model->rowCount(index) >= expectedRows; }))
            return {};
        return index;
    }

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("HOME", QFile::encodeName(m_home.path()));
        for (int i = 0; i < kSiblings; ++i)
            QVERIFY(QDir().mkpath(folder(QStringLiteral("f%1").arg(i, 3, 10, QLatin1Char('0')))));
        QVERIFY(QDir().mkpath(folder(kDeep)));
        QVERIFY(QDir().mkpath(folder(QStringLiteral(".hidden"))));
        QFile file(folder(QStringLiteral("scan.tif")));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    void startsAtHomeFolder()
    {
        FolderTree tree;
        QCOMPARE(tree.selectedFolder(), QDir::cleanPath(m_home.path()));
    }

    void modelIsConsistent()
    {
        FolderTree tree;
        QAbstractItemModelTester tester(tree.view()->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(tree.setSelectedFolder(folder(kDeep)));
        QTRY_VERIFY(tree.view()->model()->rowCount(tree.view()->currentIndex().parent()) == 1);
    }

    void deepFolderIsSelectedExpandedAndScrolledTo()
    {
        // Set before the tree is shown, as a window does while it loads.
        FolderTree tree;
        tree.resize(300, 200);
        QVERIFY(tree.setSelectedFolder(folder(kDeep)));
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
        QCOMPARE(tree.selectedFolder(), folder(kDeep));
        QTreeView *view = tree.view();
        const QModelIndex current = view->currentIndex();
        QCOMPARE(current.data().toString(), QStringLiteral("deepest"));
        for (QModelIndex parent = current.parent(); parent.isValid(); parent = parent.parent())
            QVERIFY(view->isExpanded(parent));
        // Stays in sight while the folders above it are still being listed.
        QTRY_VERIFY(view->viewport()->rect().contains(view->visualRect(view->currentIndex())));
    }

    void pathIsNormalised_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("expected");
        QTest::newRow("trailing separator") << folder(kDeep) + QLatin1Char('/') << folder(kDeep);
        QTest::newRow("dot and dot-dot") << folder(QStringLiteral("f100/./inner/../inner"))
                                         << folder(QStringLiteral("f100/inner"));
        QTest::newRow("root") << QStringLiteral("/") << QStringLiteral("/");
        QTest::newRow("doubled separators") << QStringLiteral("//") + folder(QStringLiteral("f001"))
                                            << folder(QStringLiteral("f001"));
        // Not listed among its siblings, but a hidden start-up folder still works.
        QTest::newRow("hidden folder")
            << folder(QStringLiteral(".hidden")) << folder(QStringLiteral(".hidden"));
    }

    void pathIsNormalised()
    {
        QFETCH(QString, given);
        QFETCH(QString, expected);
        FolderTree tree;
        QVERIFY(tree.setSelectedFolder(given));
        QCOMPARE(tree.selectedFolder(), expected);
    }

    void settingByCodeReportsTheFolder()
    {
        FolderTree tree;
        QSignalSpy changed(&tree, &FolderTree::folderChanged);
        QSignalSpy clicked(&tree, &FolderTree::clicked);
        QVERIFY(tree.setSelectedFolder(folder(kDeep)));
        // Reported again when it is selected already, so a caller setting it
        // learns the folder either way; reported once, not twice.
        QVERIFY(tree.setSelectedFolder(folder(kDeep)));
        QCOMPARE(changed.size(), 2);
        QCOMPARE(changed[0][0].toString(), folder(kDeep));
        QCOMPARE(changed[1][0].toString(), folder(kDeep));
        QCOMPARE(clicked.size(), 0);
    }

    void unselectableFolderIsRefused_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing folder") << folder(QStringLiteral("f100/missing"));
        QTest::newRow("a file, not a folder") << folder(QStringLiteral("scan.tif"));
        QTest::newRow("relative path") << QStringLiteral("f100");
        QTest::newRow("empty") << QString();
        QTest::newRow("embedded NUL")
            << folder(QStringLiteral("f100")) + QChar(0) + QStringLiteral("x");
    }

    void unselectableFolderIsRefused()
    {
        QFETCH(QString, path);
        FolderTree tree;
        QVERIFY(tree.setSelectedFolder(folder(kDeep)));
        QSignalSpy changed(&tree, &FolderTree::folderChanged);
        QVERIFY(!tree.setSelectedFolder(path));
        QCOMPARE(tree.selectedFolder(), folder(kDeep));
        QCOMPARE(changed.size(), 0);
    }

    void clickReportsFolderThenClick()
    {
        FolderTree tree;
        tree.resize(300, 400);
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
        const QModelIndex parent = listedFolder(tree, folder(QStringLiteral("f100")), 1);
        QVERIFY(parent.isValid());
        QStringList events;
        connect(&tree, &FolderTree::folderChanged, this,
                [&](const QString &path) { events << QStringLiteral("changed ") + path; });
        connect(&tree, &FolderTree::clicked, this, [&] { events << QStringLiteral("clicked"); });

        clickOn(tree, childNamed(tree.view()->model(), parent, QStringLiteral("inner")));
        const QString inner = folder(QStringLiteral("f100/inner"));
        QCOMPARE(events,
                 (QStringList{QStringLiteral("changed ") + inner, QStringLiteral("clicked")}));
        QCOMPARE(tree.selectedFolder(), inner);

        // A click on the folder already selected is a click, not a change.
        events.clear();
        clickOn(tree, tree.view()->currentIndex());
        QCOMPARE(events, QStringList{QStringLiteral("clicked")});

        // Opening a folder by its branch arrow only expands it.
        events.clear();
        QTreeView *view = tree.view();
        const QRect item = view->visualRect(view->currentIndex());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          QPoint(item.left() - view->indentation() / 2, item.center().y()));
        QVERIFY(view->isExpanded(view->currentIndex()));
        QCOMPARE(events, QStringList());
    }

    // A start-up folder answering after the user picked another one leaves the user's pick.
    void lateStartFolderKeepsTheUsersPick()
    {
        FolderTree tree;
        auto answer = std::make_shared<QSemaphore>();
        tree.probeFolder = [answer](const QString &path) {
            answer->acquire();
            return FolderPaths::isFolder(path);
        };
        tree.selectWhenReachable(folder(kDeep), 0);
        QCOMPARE(tree.pending(), folder(kDeep));
        const QString picked = folder(QStringLiteral("f001"));
        tree.view()->setCurrentIndex(static_cast<QFileSystemModel *>(tree.view()->model())->index(picked));
        answer->release();
        QTRY_VERIFY(tree.pending().isEmpty()); // dropped by the pick, or answered
        QCOMPARE(tree.selectedFolder(), picked);
    }

    void enterKeyCountsAsClick()
    {
        FolderTree tree;
        QSignalSpy clicked(&tree, &FolderTree::clicked);
        QTest::keyClick(tree.view(), Qt::Key_Return);
        QCOMPARE(clicked.size(), 1);
    }

    void folderNotValidUtf8IsNeverMistaken()
    {
        const QString parentPath = folder(QStringLiteral("bytes"));
        QVERIFY(QDir().mkpath(parentPath + QStringLiteral("/plain")));
        const QByteArray exact = QFile::encodeName(parentPath) + "/caf\xe9";
        QVERIFY(::mkdir(exact.constData(), 0755) == 0);
        // QTemporaryDir cannot remove a name it cannot decode.
        const auto removeIt = qScopeGuard([&] { ::rmdir(exact.constData()); });
        FolderTree tree;
        tree.resize(300, 400);
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
        const QModelIndex parent = listedFolder(tree, parentPath, 1);
        QVERIFY(parent.isValid());
        // Whatever is listed names a folder that is there.
        const QAbstractItemModel *model = tree.view()->model();
        for (int row = 0; row < model->rowCount(parent); ++row) {
            const QString shown =
                parentPath + QLatin1Char('/') + model->index(row, 0, parent).data().toString();
            QVERIFY2(FolderPaths::isFolder(shown), qPrintable(shown));
        }
        QSignalSpy changed(&tree, &FolderTree::folderChanged);
        clickOn(tree, childNamed(model, parent, QStringLiteral("plain")));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed[0][0].toString(), parentPath + QStringLiteral("/plain"));
        // Set by its exact path it is either selected or refused, never mistaken.
        if (tree.setSelectedFolder(PathCodec::decode(exact)))
            QCOMPARE(PathCodec::encode(tree.selectedFolder()), exact);
        else
            QCOMPARE(tree.selectedFolder(), parentPath + QStringLiteral("/plain"));
    }
};

QTEST_MAIN(FolderTreeTest)
#include "foldertree_test.moc"
