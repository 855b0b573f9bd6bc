#include "settings/settings.h"
#include "results/gridlooksettings.h"
#include "grid/gridmodel.h"
#include "results/resultcolumns.h"
#include "ui/gridview.h"
#include "ui/twips.h"

#include <QAbstractItemModelTester>
#include <QAbstractItemDelegate>
#include <QHeaderView>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kGrid(128, 128, 128);
const QColor kSelected(0, 0, 160);
constexpr int kDataRows = 4;

// The share of the pixels on a line that differ from the background.
double markedShare(const QImage &image, QPoint from, QPoint to)
{
    int marked = 0, total = 0;
    const QPoint step((to.x() > from.x()) ? 1 : 0, (to.y() > from.y()) ? 1 : 0);
    for (QPoint p = from; p != to; p += step, ++total)
        marked += image.pixelColor(p) != kWhite ? 1 : 0;
    return total ? double(marked) / total : 0;
}

} // namespace

class GridViewTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void lineStyles_data();
    void lineStyles();
    void clicksSelectLikeAListBox();
    void keysMoveTheSelectionAndAreReported();
    void rightButtonReportsTheCellUnderThePointer();
    void headerClickSortsAndShowsTheArrow();
    void hiddenRowsAndColumnsFollowTheModel();
    void widthsComeFromTwips();
    void checkBoxesToggleUnlessRefused();
    void picturesAndColoursAreDrawn();
    void iconsCoverSixteenLogicalPixels();

private:
    QRect cellRect(int row, int col) const
    {
        return m_view->visualRect(m_model->index(m_model->modelRow(row), col));
    }
    void click(int row, int col, Qt::KeyboardModifiers modifiers = {}, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(m_view->viewport(), button, modifiers, cellRect(row, col).center());
    }
    QImage render() const { return m_view->viewport()->grab().toImage(); }

    GridModel *m_model = nullptr;
    GridView *m_view = nullptr;
    QAbstractItemModelTester *m_tester = nullptr;
};

void GridViewTest::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_model = new GridModel;
    m_tester = new QAbstractItemModelTester(m_model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    m_model->setCols(3);
    m_model->setRows(1 + kDataRows);
    m_view = new GridView;
    m_view->setGridModel(m_model);
    GridLook look;
    look.backColor = kWhite;
    look.foreColor = kWhite;
    look.gridColor = kGrid;
    look.backColorSel = kSelected;
    m_view->setLook(look);
    m_view->resize(400, 300);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
}

void GridViewTest::cleanup()
{
    delete m_view;
    delete m_tester;
    delete m_model;
}

void GridViewTest::lineStyles_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("showHide");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("vertical");
    QTest::newRow("Show/Hide 0 with Style 12: no lines") << 12 << 0 << false << false;
    QTest::newRow("0 none") << 0 << 1 << false << false;
    QTest::newRow("1 Flat") << 1 << 1 << true << true;
    QTest::newRow("2 Inset") << 2 << 1 << true << true;
    QTest::newRow("3 Raised") << 3 << 1 << true << true;
    QTest::newRow("4 Flat Horizontal") << 4 << 1 << true << false;
    QTest::newRow("5 Inset Horizontal") << 5 << 1 << true << false;
    QTest::newRow("6 Raised Horizontal") << 6 << 1 << true << false;
    QTest::newRow("7 dotted horizontal") << 7 << 1 << true << false;
    QTest::newRow("8 Flat Vertical") << 8 << 1 << false << true;
    QTest::newRow("9 Inset Vertical") << 9 << 1 << false << true;
    QTest::newRow("10 Raised Vertical") << 10 << 1 << false << true;
    QTest::newRow("11 dotted vertical") << 11 << 1 << false << true;
    QTest::newRow("12 Explorer") << 12 << 1 << true << false;
    QTest::newRow("13 Excel") << 13 << 1 << true << true;
}

// Renders the grid and looks at the edges of an inner cell.
void GridViewTest::lineStyles()
{
    QFETCH(int, style);
    QFETCH(int, showHide);
    QFETCH(bool, horizontal);
    QFETCH(bool, vertical);
    Settings settings;
    settings.style = quint8(style);
    settings.showHide = quint8(showHide);
    settings.gridColor = 0x00808080;
    settings.backColor = settings.foreColor = 0x00FFFFFF;
    m_view->setLook(lookFromSettings(settings, m_view->look(), m_view->palette()));
    const QImage image = render();
    const QRect r = cellRect(2, 1);
    const double bottom = markedShare(image, QPoint(r.left() + 2, r.bottom()), QPoint(r.right() - 2, r.bottom()));
    const double right = markedShare(image, QPoint(r.right(), r.top() + 2), QPoint(r.right(), r.bottom() - 2));
    QCOMPARE(bottom > 0.25, horizontal); // dotted lines mark a third
    QCOMPARE(right > 0.25, vertical);
    QCOMPARE(image.pixelColor(r.center()), kWhite);
}

void GridViewTest::clicksSelectLikeAListBox()
{
    click(2, 1);
    QCOMPARE(m_model->selectedRows(), (QList<int>{2}));
    QCOMPARE(m_model->currentRow(), 2);
    click(4, 0, Qt::ControlModifier);
    QCOMPARE(m_model->selectedRows(), (QList<int>{2, 4}));
    click(4, 0, Qt::ControlModifier);
    QCOMPARE(m_model->selectedRows(), (QList<int>{2}));
    click(1, 2, Qt::ShiftModifier);
    QCOMPARE(m_model->selectedRows(), (QList<int>{1, 2, 3, 4}));
    click(3, 0);
    QCOMPARE(m_model->selectedRows(), (QList<int>{3}));
    QCOMPARE(m_model->currentRow(), 3);
    QCOMPARE(render().pixelColor(cellRect(3, 1).center()), kSelected);
    QCOMPARE(render().pixelColor(cellRect(2, 1).center()), kWhite);
    // The range starts at the row the anchor was on, wherever a sort moved it.
    for (int row = 1; row <= kDataRows; ++row)
        m_model->setText(row, 0, QString::number(row));
    m_model->sortByColumn(0, false); // "3" moves from row 3 to row 2
    click(4, 0, Qt::ShiftModifier);
    QCOMPARE(m_model->selectedRows(), (QList<int>{2, 3, 4}));
}

void GridViewTest::keysMoveTheSelectionAndAreReported()
{
    QSignalSpy keys(m_view, &GridView::keyDown);
    click(1, 0);
    QTest::keyClick(m_view, Qt::Key_Down);
    QCOMPARE(m_model->currentRow(), 2);
    QCOMPARE(m_model->selectedRows(), (QList<int>{2}));
    QTest::keyClick(m_view, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(m_model->selectedRows(), (QList<int>{2, 3}));
    QTest::keyClick(m_view, Qt::Key_Delete);
    QList<int> reported;
    for (const QVariantList &args : keys)
        if (args.at(0).toInt() != Qt::Key_Shift)
            reported << args.at(0).toInt();
    QCOMPARE(reported, (QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Delete}));
}

void GridViewTest::rightButtonReportsTheCellUnderThePointer()
{
    click(1, 0);
    QSignalSpy spy(m_view, &GridView::mouseDown);
    click(3, 2, {}, Qt::RightButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.last().at(0).value<Qt::MouseButton>(), Qt::RightButton);
    QCOMPARE(spy.last().at(2).toInt(), 3);
    QCOMPARE(spy.last().at(3).toInt(), 2);
    QCOMPARE(m_view->mouseRow(), 3);
    QCOMPARE(m_model->currentRow(), 1); // a right click leaves the cursor alone
    QTest::mouseClick(m_view->viewport(), Qt::RightButton, {}, QPoint(5, m_view->viewport()->height() - 3));
    QCOMPARE(spy.last().at(2).toInt(), -1); // below the last row
}

void GridViewTest::headerClickSortsAndShowsTheArrow()
{
    ResultColumns::setupColumns(*m_model);
    for (const char *name : {"b.tif", "c.tif", "a.tif"})
        m_model->appendRow({QString::fromLatin1(name)});
    connect(m_view, &GridView::afterSort, this,
            [this](int col, bool ascending) { ResultColumns::afterHeaderSort(*m_model, col, ascending); });
    QSignalSpy spy(m_view, &GridView::afterSort);
    QHeaderView *header = m_view->horizontalHeader();
    const auto clickHeader = [header](int col) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(col) + 10, header->height() / 2));
    };
    const auto arrowIn = [header](int col) {
        const QImage image = header->viewport()->grab().toImage();
        const int right = header->sectionViewportPosition(col) + header->sectionSize(col) - 1;
        for (int x = right - 20; x <= right; ++x)
            for (int y = 0; y < image.height(); ++y)
                if (image.pixelColor(x, y) == QColor(0, 0, 255))
                    return true;
        return false;
    };
    clickHeader(ResultColumns::FileName);
    clickHeader(ResultColumns::FileName);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.last(), (QVariantList{0, false}));
    QCOMPARE(m_model->text(1, 0), QStringLiteral("c.tif"));
    QVERIFY(arrowIn(ResultColumns::FileName));
    clickHeader(ResultColumns::Location);
    QVERIFY(arrowIn(ResultColumns::Location));
    QVERIFY(!arrowIn(ResultColumns::FileName));
}

void GridViewTest::hiddenRowsAndColumnsFollowTheModel()
{
    for (int row = 1; row <= kDataRows; ++row)
        m_model->setText(row, 0, QString::number(kDataRows - row));
    m_model->setRowHidden(1, true);
    m_model->setColumnHidden(2, true);
    QVERIFY(m_view->isRowHidden(0));
    QVERIFY(m_view->isColumnHidden(2));
    m_model->sortByColumn(0, true); // the hidden row ("3") moves to the end
    QVERIFY(m_view->isRowHidden(m_model->modelRow(4)));
    QVERIFY(!m_view->isRowHidden(0));
    m_model->setColumnHidden(2, false);
    QVERIFY(!m_view->isColumnHidden(2));
    m_model->appendRow({QStringLiteral("new")});
    QVERIFY(!m_view->isRowHidden(m_model->modelRow(5)));
    QVERIFY(m_view->rowHeight(0) >= 18); // room for a 16 x 16 icon
}

void GridViewTest::widthsComeFromTwips()
{
    m_model->setColumnWidthTwips(0, 1500);
    m_model->setColumnWidthTwips(1, 2500);
    QCOMPARE(m_view->columnWidth(0), twipsToPixels(1500, widgetDpi(m_view)));
    QCOMPARE(m_view->columnWidth(1), twipsToPixels(2500, widgetDpi(m_view)));
    // A caption wider than that widens its column to hold it and a sort mark.
    m_model->setText(0, 2, QStringLiteral("A caption far wider than its column"));
    m_model->setColumnWidthTwips(2, 300);
    const QFontMetrics metrics = m_view->horizontalHeader()->fontMetrics();
    QVERIFY(m_view->columnWidth(2) >= metrics.horizontalAdvance(m_model->text(0, 2)) + 16);
}

void GridViewTest::checkBoxesToggleUnlessRefused()
{
    m_model->setCheckColumn(2);
    bool refuse = false;
    connect(m_model, &GridModel::beforeEdit, this, [&refuse](int, int, bool *cancel) { *cancel = refuse; });
    click(2, 2);
    QVERIFY(m_model->isChecked(2));
    QTest::keyClick(m_view, Qt::Key_Space);
    QVERIFY(!m_model->isChecked(2));
    refuse = true;
    click(2, 2);
    QVERIFY(!m_model->isChecked(2));
    click(3, 1); // another column: nothing to toggle
    QVERIFY(!m_model->isChecked(3));
}

void GridViewTest::picturesAndColoursAreDrawn()
{
    QImage icon(16, 16, QImage::Format_RGB32);
    icon.fill(Qt::magenta);
    m_model->setPicture(1, 0, icon);
    QImage back(8, 8, QImage::Format_RGB32);
    back.fill(Qt::green);
    GridLook look = m_view->look();
    look.backPicture = back;
    look.lineStyle = LinesNone;
    m_view->setLook(look);
    m_model->setRowSelected(2, true);
    const QImage image = render();
    const QRect iconCell = cellRect(1, 0);
    QCOMPARE(image.pixelColor(iconCell.left() + 10, iconCell.center().y()), QColor(Qt::magenta));
    QCOMPARE(image.pixelColor(cellRect(1, 1).center()), QColor(Qt::green)); // picture behind the cells
    QCOMPARE(image.pixelColor(cellRect(2, 1).center()), kSelected);
}

// Painted as a screen of each scale would: 16 logical pixels square.
void GridViewTest::iconsCoverSixteenLogicalPixels()
{
    for (const auto &[iconScale, screenScale] : {std::pair{1.0, 1.0}, {2.0, 2.0}, {1.0, 2.0}, {3.0, 1.5}}) {
        QImage icon(QSize(16, 16) * iconScale, QImage::Format_RGB32);
        icon.fill(Qt::magenta);
        icon.setDevicePixelRatio(iconScale);
        m_model->setPicture(1, 0, icon);
        QImage canvas(QSize(150, 22) * screenScale, QImage::Format_RGB32);
        canvas.setDevicePixelRatio(screenScale);
        canvas.fill(Qt::white);
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 150, 22);
        QPainter painter(&canvas);
        m_view->itemDelegate()->paint(&painter, option, m_model->index(0, 0));
        QRect drawn;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                drawn |= canvas.pixelColor(x, y) == QColor(Qt::magenta) ? QRect(x, y, 1, 1) : QRect();
        QCOMPARE(drawn.size(), QSize(16, 16) * screenScale);
    }
}

QTEST_MAIN(GridViewTest)
#include "gridview_test.moc"
