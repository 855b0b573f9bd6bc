// The totals that follow the user: the selection label, the Pages tooltips,
// the Folder Totals window, and the rows copied or dragged out.
#include "settings/settings.h"
#include "grid/delimitedtext.h"
#include "grid/gridmodel.h"
#include "results/foldertotals.h"
#include "results/resultcolumns.h"
#include "base/pathcodec.h"
#include "support/tempfiles.h"
#include "support/loadedwindow.h"
#include "support/testservices.h"
#include "support/totalstree.h"
#include "ui/foldertotalswindow.h"
#include "ui/foldertree.h"
#include "ui/frmmain.h"
#include "ui/gridview.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMimeData>
#include <QRandomGenerator>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

using namespace TestSupport;
using Col = ResultColumns::Column;

namespace {

struct Window : LoadedWindow
{
    using LoadedWindow::LoadedWindow;
    void addRow(const QString &location, const QString &name, const QString &pages, const QString &note = {},
                const QString &worth = {})
    {
        QStringList cells(ResultColumns::Count);
        cells[Col::FileName] = name;
        cells[Col::Location] = location;
        cells[Col::Pages] = pages;
        cells[Col::FullPath] = location + u'/' + name;
        cells[Col::PagesNote] = note;
        cells[Col::PageWorth] = worth;
        files().appendRow(cells);
    }
    // The label's text worked out from the rows themselves.
    QString expectedLabel() const
    {
        qint64 selected = 0, pages = 0, unreadable = 0;
        for (int row = 1; row < files().rows(); ++row) {
            if (files().isRowHidden(row))
                continue;
            bool number = false;
            const int count = files().text(row, Col::Pages).toInt(&number);
            unreadable += number ? 0 : 1;
            if (files().isRowSelected(row)) {
                ++selected;
                pages += number ? count : 0;
            }
        }
        if (selected)
            return QStringLiteral("Selected : %1 file(s), %2 pages").arg(selected).arg(pages);
        return unreadable ? QStringLiteral("Unreadable : %1 file(s)").arg(unreadable) : QString();
    }
    QString toolTipAt(int row, int col)
    {
        QWidget *viewport = window->vsFiles->viewport();
        const QRect cell = window->vsFiles->visualRect(files().index(files().modelRow(row), col));
        QHelpEvent help(QEvent::ToolTip, cell.center(), viewport->mapToGlobal(cell.center()));
        QCoreApplication::sendEvent(viewport, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
};

QString labelToolTip(QLabel *label)
{
    label->window()->show();
    QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), label->mapToGlobal(QPoint(1, 1)));
    QToolTip::hideText();
    QCoreApplication::sendEvent(label, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

} // namespace

class TotalsTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString iniPath() const { return m_dir.filePath(QStringLiteral("Settings.ini")); }

private Q_SLOTS:
    // Random selection changes, deletions (hidden rows) and recounts: after
    // each the label must agree with a count over the rows.
    void selectionLabelFollowsEveryChange_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 3u, 4u})
            QTest::addRow("seed %u", seed) << seed;
    }
    void selectionLabelFollowsEveryChange()
    {
        QFETCH(quint32, seed);
        Window w(iniPath());
        QRandomGenerator random(seed);
        for (int i = 0; i < 40; ++i)
            w.addRow(QStringLiteral("/f"), QString::number(i), i % 7 == 0 ? QStringLiteral("Error") : QString::number(i));
        QLabel *label = w.window->lblSelectionTotal;
        QCOMPARE(label->text(), QStringLiteral("Unreadable : 6 file(s)"));
        GridModel &f = w.files();
        for (int step = 0; step < 200; ++step) {
            const int row = 1 + int(random.bounded(40)), other = 1 + int(random.bounded(40));
            switch (random.bounded(8)) {
            case 0: f.selectOnly(row, other); break;
            case 1: f.setRowSelected(row, !f.isRowSelected(row)); break;
            case 2: w.window->mnuEditSelectAll_Click(); break;
            case 3: w.window->mnuEditInvertSelection_Click(); break;
            case 4: f.setRowHidden(row, true); break;
            case 5: f.clearSelection(); break;
            case 6: f.setText(row, Col::Pages, random.bounded(3) ? QString::number(other) : QStringLiteral("Error")); break;
            case 7: f.sortByColumn(Col::Pages, random.bounded(2)); break;
            }
            QCOMPARE(label->text(), w.expectedLabel());
        }
        f.setRows(1);
        QCOMPARE(label->text(), QString());
    }

    void selectionLabelBesideThePageTotal()
    {
        Window w(iniPath());
        w.window->show();
        w.window->resize(100, 100); // snaps to the minimum size
        for (bool toggle : {false, true}) {
            if (toggle)
                w.window->cmdShowHideAdvanceSearch_Click();
            const QRect label = w.window->lblSelectionTotal->geometry();
            const QRect total = w.window->lblPageCount->geometry();
            QCOMPARE(label.top(), total.top());
            QVERIFY(!label.intersects(total));
            QVERIFY(label.width() > total.width() / 2);
        }
    }

    void pagesToolTips_data()
    {
        QTest::addColumn<QString>("pages");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("worth"); // the hidden key
        QTest::newRow("error") << "Error" << "Not a TIFF file" << "Not a TIFF file" << "";
        QTest::newRow("count") << "12" << "" << "12 pages" << "";
        QTest::newRow("one page") << "1" << "" << "1 page" << "";
        QTest::newRow("left out") << "12" << "2 reduced-resolution images not counted"
                                  << "12 pages (2 reduced-resolution images not counted)" << "";
        QTest::newRow("worth") << "4" << "1 transparency mask not counted"
                               << "4 pages: 1 × A3, 1 × A3 landscape, 1 × Other (214 × 301 mm), 1 × Unknown size "
                                  "(no resolution) · 1 color, 3 grayscale · 6 A4-equivalent pages (1 transparency "
                                  "mask not counted)" << "c,g=3,A3,~A3,Oth,U,e=6,o=214x301";
    }
    void pagesToolTips()
    {
        QFETCH(QString, pages);
        QFETCH(QString, note);
        QFETCH(QString, tip);
        QFETCH(QString, worth);
        Window w(iniPath());
        w.window->show();
        w.addRow(QStringLiteral("/f"), QStringLiteral("a.tif"), pages, note, worth);
        QCOMPARE(w.toolTipAt(1, Col::Pages), tip);
    }

    // Names with a tab, a line break, a quote and bytes that are not UTF-8
    // come back exactly from the text and from the URI list.
    void copyAndDragCarryExactNames()
    {
        Window w(iniPath());
        const QStringList names{QStringLiteral("tab\there.tif"), QStringLiteral("line\nbreak.tif"),
                                QStringLiteral("say \"cheese\".tif"), PathCodec::decode("raw\xff\xfe.tif"),
                                QStringLiteral("unselected.tif")};
        for (const QString &name : names)
            w.addRow(QStringLiteral("/scans/a b"), name, QStringLiteral("3"));
        w.files().selectOnly(1, 4);
        w.window->mnuEditCopy_Click();
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data);
        QList<QStringList> lines;
        DelimitedText::parse(data->text(), {u'\t', u'\n'}, [&lines](const QStringList &cells) { lines << cells; });
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[0], QStringList({"File Name", "Location", "Size", "Modified Date", "Pages"}));
        const QList<QByteArray> uris = data->data(QStringLiteral("text/uri-list")).split('\n');
        QCOMPARE(uris.size(), 5); // four lines ended by CRLF
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(lines[i + 1].value(0), names[i]);
            QVERIFY(uris[i].startsWith("file:///scans/a%20b/") && uris[i].endsWith('\r'));
            QCOMPARE(QByteArray::fromPercentEncoding(uris[i].chopped(1).mid(7)),
                     PathCodec::encode(QStringLiteral("/scans/a b/") + names[i]));
        }

        // A drag from a selected row keeps the whole selection and offers it.
        int drags = 0;
        w.window->vsFiles->dragOut = [&drags] { ++drags; };
        w.window->show();
        QWidget *viewport = w.window->vsFiles->viewport();
        const QPoint at = w.window->vsFiles->visualRect(w.files().index(1, 0)).center();
        QTest::mousePress(viewport, Qt::LeftButton, {}, at);
        QMouseEvent move(QEvent::MouseMove, at + QPoint(0, 40), viewport->mapToGlobal(at + QPoint(0, 40)),
                         Qt::NoButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(viewport, &move);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, at + QPoint(0, 40));
        QCOMPARE(drags, 1);
        QCOMPARE(w.files().selectedCount(), 4);
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at); // a click without a drag selects one
        QCOMPARE(w.files().selectedCount(), 1);
    }

    // A search over a tree whose every total differs from every other, then
    // the labels, their tooltips, Folder Totals and its CSV against sums of
    // what was written.
    void folderTotalsOfASearch()
    {
        QTemporaryDir tree;
        writeTotalsTree(tree.path());
        writeFile(tree.filePath(QStringLiteral("a/deleted.tif")), QByteArray("not a tiff"));
        const QMap<QString, TreeSums> sums = totalsTreeSums();
        const auto worth = [](const TreeSums &s) {
            return QStringLiteral("%1 A4-equivalent pages · %2 color, %3 grayscale, %4 black and white, %5 unknown mode")
                    .arg(s.a4Equivalent).arg(s.modes.at(CaptureMode::Color)).arg(s.modes.at(CaptureMode::Grayscale))
                    .arg(s.modes.at(CaptureMode::BlackAndWhite)).arg(s.modes.at(CaptureMode::Unknown));
        };
        Window w(iniPath());
        w.window->chkSearchIncSubFlder->setChecked(true);
        w.window->ftv->setSelectedFolder(tree.path());
        w.window->cmdSearch_Click();
        QTRY_VERIFY(!w.window->isSearching());
        for (int row = 1; row < w.files().rows(); ++row) // as a deletion leaves it
            w.files().setRowHidden(row, w.files().text(row, Col::FileName) == QStringLiteral("deleted.tif"));
        QLabel *label = w.window->lblSelectionTotal;
        QCOMPARE(label->text(), QStringLiteral("Unreadable : %1 file(s)").arg(sums[""].unreadable));
        QCOMPARE(labelToolTip(w.window->lblPageCount), worth(sums[""]));
        for (int row = 1; row < w.files().rows(); ++row)
            w.files().setRowSelected(row, w.files().text(row, Col::Location) == tree.filePath("a/deep"));
        QCOMPARE(label->text(), QStringLiteral("Selected : %1 file(s), %2 pages").arg(sums["a/deep"].files)
                                        .arg(sums["a/deep"].pages));
        QCOMPARE(labelToolTip(label), worth(sums["a/deep"]));
        w.files().clearSelection();

        w.window->mnuFolderTotals_Click();
        FolderTotalsWindow *totals = w.window->folderTotalsWindow();
        QVERIFY(totals && totals->isVisible());
        auto *table = totals->findChild<QTableView *>();
        QAbstractItemModel *model = table->model();
        for (int sortColumn : {-1, 2}) {
            if (sortColumn >= 0)
                table->sortByColumn(sortColumn, Qt::DescendingOrder);
            QCOMPARE(model->rowCount(), sums.size());
            QCOMPARE(model->index(model->rowCount() - 1, 0).data().toString(), kAllFoldersText);
            for (int row = 0; row < model->rowCount(); ++row) {
                const QString location = model->index(row, 0).data().toString();
                const TreeSums expected = sums.value(location == kAllFoldersText
                                                             ? QString() : QDir(tree.path()).relativeFilePath(location));
                QList<qint64> got;
                for (int col = 1; col <= 8; ++col)
                    got << model->index(row, col).data().toLongLong();
                QCOMPARE(got, expected.counts());
                QCOMPARE(model->index(row, 9).data().toString(), expected.sizesText(", ", " "));
                if (sortColumn >= 0 && row > 0 && row < model->rowCount() - 1)
                    QVERIFY(model->index(row - 1, 2).data().toLongLong() >= got[1]);
            }
        }

        // Export: CSV with a header row, a line per folder; a failed write keeps the old file.
        const QString csv = m_dir.filePath(QStringLiteral("totals.csv"));
        QVERIFY(totals->exportTo(csv));
        const QByteArray written = readFile(csv);
        QCOMPARE(written.count("\r\n"), sums.size() + 1);
        for (const QString &folder : sums.keys()) {
            QStringList cells{folder.isEmpty() ? kAllFoldersText : tree.filePath(folder)};
            for (qint64 count : sums[folder].counts())
                cells << QString::number(count);
            cells << sums[folder].sizesText(", ", " ");
            for (QString &cell : cells) // quoted when it holds a comma
                cell = cell.contains(u',') ? u'"' + cell + u'"' : cell;
            QVERIFY2(written.contains(QByteArray("\r\n" + cells.join(u',').toUtf8() + "\r\n")), written.constData());
        }
        QVERIFY(!totals->exportTo(m_dir.filePath(QStringLiteral("missing/totals.csv"))));
        QVERIFY(!totals->findChild<QLabel *>()->text().isEmpty());
    }
};

QTEST_MAIN(TotalsTest)
#include "totals_test.moc"
