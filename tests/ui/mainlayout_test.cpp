#include "ui/mainlayout.h"

#include <QTest>

class MainLayoutTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void minimumSizeWithPanelShown()
    {
        const MainLayoutResult r = MainLayout::resize({12000, 6000});
        QCOMPARE(r.splitter.left, 50);
        QCOMPARE(r.splitter.width, 11750);
        QCOMPARE(r.splitter.top, 610);
        QCOMPARE(r.splitter.height, 1940);
        QCOMPARE(r.searchBar.top, 4420);
        QCOMPARE(r.panel.top, 2875);
        QCOMPARE(r.pageCount.left, 6505);
        QCOMPARE(r.pageCount.top, 2600);
        QCOMPARE(r.showHidden.left, 1825);
        QCOMPARE(r.searchButton.left, 3690);
        QCOMPARE(r.toggleButton.left, 9905);
        QCOMPARE(r.exportButton.left, 8655);
        QCOMPARE(r.addressText.width, 11020);
        QCOMPARE(r.panel.width, 11750);
        QCOMPARE(r.searchBar.width, 11750);
    }

    // A control grows to its caption and moves what follows it along (the
    // buttons at the right edge grow leftwards); a narrower caption changes nothing.
    void widerCaptionsGrowTheirControls()
    {
        MainLayoutInput input{12000, 6000};
        input.captions = {915, 1675, 1765, 900, 1300, 1945};
        const MainLayoutResult r = MainLayout::resize(input);
        QCOMPARE(r.addressLabel.width, 915);
        QCOMPARE(r.addressText.left, 90 + 915 + 75);
        QCOMPARE(r.addressText.left + r.addressText.width, 12000 - 200);
        const QList<int> across = {r.includeSubfolders.width, r.showHidden.left, r.showHidden.width,
                                   r.searchButton.left, r.searchButton.width, r.exportButton.left,
                                   r.exportButton.width, r.toggleButton.left, r.toggleButton.width};
        QCOMPARE(across, (QList<int>{1675, 1925, 1765, 3890, 945, 8455, 1300, 9805, 1945}));
    }

    void smallerSizeSnapsBack_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("narrow") << 9000 << 8000;
        QTest::newRow("low") << 15000 << 3000;
        QTest::newRow("both") << 100 << 100;
    }
    void smallerSizeSnapsBack()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        const MainLayoutResult r = MainLayout::resize({width, height});
        QCOMPARE(r.windowWidth, std::max(width, 12000));
        QCOMPARE(r.windowHeight, std::max(height, 6000));
        QVERIFY(r.splitter.height > 0);
        QVERIFY(r.addressText.width > 0);
    }

    void hiddenPanelGivesItsHeightToTheSplitPanel()
    {
        MainLayoutInput input{12000, 6000};
        const MainLayoutResult shown = MainLayout::resize(input);
        input.panelShown = false;
        const MainLayoutResult hidden = MainLayout::afterToggle(shown, input);
        QCOMPARE(hidden.searchBar.top, 4420);
        QCOMPARE(hidden.splitter.height, 4420 - 610 - 225 - 100);
        QCOMPARE(hidden.pageCount.top, 610 + hidden.splitter.height + 50);
        // A later resize keeps the split panel reaching down to the search bar.
        input.windowHeight = 9000;
        const MainLayoutResult resized = MainLayout::resize(input);
        QCOMPARE(resized.splitter.top + resized.splitter.height + 225 + 100, resized.searchBar.top);

        // Shown again: the toggle leaves 50 twips between panel and search bar.
        input.panelShown = true;
        const MainLayoutResult again = MainLayout::afterToggle(resized, input);
        QCOMPARE(again.panel.top, again.searchBar.top - 1545 - 50);
        QCOMPARE(again.splitter.top + again.splitter.height + 225 + 100, again.panel.top);
    }

    void realFrameMeasuresFromTheStatusBar()
    {
        MainLayoutInput input{12000, 6000};
        input.frameOverhead = 450;
        input.statusBarHeight = 345;
        const MainLayoutResult r = MainLayout::resize(input);
        const int statusTop = 6000 - 450 - 345;
        QCOMPARE(r.searchBar.top + r.searchBar.height + 50, statusTop);
    }
};

QTEST_GUILESS_MAIN(MainLayoutTest)
#include "mainlayout_test.moc"
