// The results table inside the main window: set-up from the settings, the
// header-click sort with its arrow, selection commands, context menu and
// the look re-applied by RefreshGrid.
#include "settings/settings.h"
#include "grid/gridmodel.h"
#include "results/resultcolumns.h"
#include "support/tempfiles.h"
#include "support/loadedwindow.h"
#include "support/testservices.h"
#include "ui/frmmain.h"
#include "ui/gridview.h"
#include "ui/twips.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Col = ResultColumns::Column;

struct Window : TestSupport::LoadedWindow
{
    using LoadedWindow::LoadedWindow;
    void addRow(const QString &name, const QString &kb, const QString &date, const QString &pages)
    {
        files().appendRow({name, QStringLiteral("/scans"), kb + QStringLiteral(" KB"), date, pages,
                           QStringLiteral("/scans/") + name, kb});
    }
    QStringList column(int col) const
    {
        QStringList texts;
        for (int row = 1; row < files().rows(); ++row)
            texts.append(files().text(row, col));
        return texts;
    }
    void clickHeader(int col) { window->vsFiles->horizontalHeader()->sectionClicked(col); }
};

} // namespace

class ResultsTableTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString iniPath() const { return m_dir.filePath(QStringLiteral("Settings.ini")); }

private Q_SLOTS:
    void init() { QFile::remove(iniPath()); }

    void columnsAfterLoad()
    {
        Window w(iniPath());
        QCOMPARE(w.files().rows(), 1);
        QCOMPARE(w.files().cols(), 9);
        QStringList captions;
        for (int col = 0; col < 5; ++col)
            captions.append(w.files().text(0, col));
        QCOMPARE(captions, QStringList({"File Name", "Location", "Size", "Modified Date", "Pages"}));
        QVERIFY(w.files().isColumnHidden(Col::FullPath));
        QVERIFY(w.files().isColumnHidden(Col::SizeInKB));
        QCOMPARE(w.window->findChild<QLabel *>(QStringLiteral("lblPageCount"))->text(),
                 QStringLiteral("Total Pages : 0"));
        QCOMPARE(w.window->vsFiles->columnWidth(Col::FileName), twipsToPixels(1500, widgetDpi(w.window->vsFiles)));
    }

    void visibilityAtStartAndAfterRefresh()
    {
        // At start-up trailing spaces of an entry are ignored ...
        TestSupport::writeFile(iniPath(), "[ColumnSetting]\nVisibility=1,0 ,1,1,1,1\n");
        Window w(iniPath());
        QVERIFY(!w.files().isColumnHidden(Col::FileName));
        QVERIFY(w.files().isColumnHidden(Col::Location));
        QVERIFY(!w.files().isColumnHidden(Col::FullPath)); // a sixth entry shows the full path
        QVERIFY(w.files().isColumnHidden(Col::SizeInKB));
        // ... after the preferences, "1 " is not "1".
        TestSupport::writeFile(iniPath(), "[ColumnSetting]\nVisibility=1 ,1,1,1,1\n");
        QVERIFY(w.settings.ReadSettings());
        w.window->RefreshGrid();
        QVERIFY(w.files().isColumnHidden(Col::FileName));
        QVERIFY(!w.files().isColumnHidden(Col::Location));
    }

    void lookFromSettings_data()
    {
        QTest::addColumn<QByteArray>("grid");
        QTest::addColumn<int>("lineStyle");
        QTest::addColumn<QColor>("backColor");
        QTest::newRow("no lines whatever the style") << QByteArray("Style=12\nShow/Hide=0\n") << 0 << QColor();
        QTest::newRow("horizontal lines") << QByteArray("Style=4\n") << 4 << QColor();
        QTest::newRow("red background") << QByteArray("BackColor=255\n") << 1 << QColor(Qt::red);
        QTest::newRow("highlight as selected back colour") << QByteArray("BackColor=-2147483635\n") << 1
                                                           << QColor();
    }
    void lookFromSettings()
    {
        QFETCH(QByteArray, grid);
        QFETCH(int, lineStyle);
        QFETCH(QColor, backColor);
        TestSupport::writeFile(iniPath(), "[Grid]\n" + grid);
        Window w(iniPath());
        const GridLook &look = w.window->vsFiles->look();
        QCOMPARE(look.lineStyle, lineStyle);
        if (backColor.isValid())
            QCOMPARE(look.backColor, backColor);
        if (grid.contains("-2147483635"))
            QCOMPARE(look.backColor, w.window->vsFiles->palette().color(QPalette::Highlight));
    }

    void headerClicksSortAndMoveTheArrow()
    {
        Window w(iniPath());
        w.addRow("b.tif", "999", "12/31/2003 11:00 PM", "Error");
        w.addRow("a.tif", "1,000", "01/01/2004 01:00 AM", "3");
        w.addRow("c.tif", "12", "06/15/2003 10:00 AM", "12");

        w.clickHeader(Col::Size);
        QCOMPARE(w.column(Col::Size), QStringList({"12 KB", "999 KB", "1,000 KB"}));
        QCOMPARE(w.files().picture(0, Col::Size), ResultColumns::imgAsc());
        w.clickHeader(Col::Size);
        QCOMPARE(w.column(Col::Size), QStringList({"1,000 KB", "999 KB", "12 KB"}));
        QCOMPARE(w.files().picture(0, Col::Size), ResultColumns::imgDes());

        w.clickHeader(Col::ModifiedDate);
        QCOMPARE(w.column(Col::FileName), QStringList({"c.tif", "b.tif", "a.tif"}));
        w.clickHeader(Col::Pages);
        QCOMPARE(w.column(Col::Pages).last(), QStringLiteral("Error"));
        for (int col = 0; col < 7; ++col)
            QCOMPARE(w.files().picture(0, col).isNull(), col != Col::Pages);
        // Sorting leaves the total alone.
        QCOMPARE(w.window->findChild<QLabel *>(QStringLiteral("lblPageCount"))->text(),
                 QStringLiteral("Total Pages : 0"));
    }

    void selectionCommands()
    {
        Window w(iniPath());
        for (const char *name : {"a.tif", "b.tif", "c.tif", "d.tif"})
            w.addRow(QString::fromLatin1(name), "1", "01/01/2004 01:00 AM", "1");
        w.files().setRowSelected(1, true);
        w.files().setRowSelected(3, true);
        w.window->findChild<QAction *>(QStringLiteral("mnuEditInvertSelection"))->trigger();
        QCOMPARE(w.files().selectedRows(), QList<int>({2, 4}));
        w.files().setRowHidden(2, true);
        w.window->findChild<QAction *>(QStringLiteral("mnuPopupSelectAll"))->trigger();
        QCOMPARE(w.files().selectedRows(), QList<int>({1, 2, 3, 4}));
        w.window->findChild<QAction *>(QStringLiteral("mnuPopupInvertSelection"))->trigger();
        QCOMPARE(w.files().selectedCount(), 0);
    }

    void contextMenuRules()
    {
        Window w(iniPath());
        w.window->resize(900, 600);
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        QMenu *popup = w.window->mnuPopup;
        QStringList captions;
        for (QAction *action : popup->actions())
            captions.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(captions, QStringList({"Open", "-", "Delete", "Properties", "Show Containing Folder", "-",
                                        "Select All", "Invert Selection", "Copy"}));

        // Empty table: a right click finds no data row.
        QWidget *cells = w.window->vsFiles->viewport();
        QTest::mouseClick(cells, Qt::RightButton, {}, QPoint(20, 10));
        QVERIFY(!popup->isVisible());

        w.addRow("a.tif", "1", "01/01/2004 01:00 AM", "1");
        const QRect firstRow = w.window->vsFiles->visualRect(w.files().index(0, 0));
        QTest::mouseClick(cells, Qt::RightButton, {}, firstRow.center());
        QTRY_VERIFY(popup->isVisible());
        popup->hide();

        // The context-menu key opens it at the table's top-left corner.
        w.window->vsFiles->setFocus();
        QTest::keyClick(w.window->vsFiles, Qt::Key_Menu);
        QTRY_VERIFY(popup->isVisible());
        QCOMPARE(popup->pos(), w.window->vsFiles->mapToGlobal(QPoint(0, 0)));
        popup->hide();
    }
};

QTEST_MAIN(ResultsTableTest)
#include "resultstable_test.moc"
