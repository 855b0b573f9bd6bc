#include "ui/mainlayout.h"
#include "settings/languages.h"
#include "settings/settings.h"
#include "grid/gridmodel.h"
#include "support/loadedwindow.h"
#include "support/testservices.h"
#include "ui/advancedoptions.h"
#include "ui/dlgabout.h"
#include "ui/dlgpreferences.h"
#include "ui/dlgsave.h"
#include "ui/foldertree.h"
#include "ui/frmmain.h"
#include "ui/gridview.h"
#include "ui/iconsurface.h"
#include "ui/numberbox.h"
#include "ui/searchbar.h"
#include "ui/statusbar.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

const QColor kDarkBlue(0, 0, 192);

// A loaded, shown main window whose first search (if the platform activates
// the window) runs over an empty folder.
struct ShownWindow : TestSupport::LoadedWindow
{
    explicit ShownWindow(const QTemporaryDir &dir) : LoadedWindow(dir.filePath(QStringLiteral("Settings.ini")))
    {
        QDir(dir.path()).mkdir(QStringLiteral("empty"));
        window->ftv->setSelectedFolder(dir.filePath(QStringLiteral("empty")));
        window->show();
    }

    int dpi() const { return widgetDpi(window.get()); }
    int px(int twips) const { return twipsToPixels(twips, dpi()); }
    QSize outerSize() const { return window->frameGeometry().size(); }
    QSize minimumOuterSize() const
    {
        return {px(MainLayout::kMinimumWidth), px(MainLayout::kMinimumHeight)};
    }
    // The status bar's top in the coordinates the controls are placed in.
    int statusBarTopTwips() const
    {
        return pixelsToTwips(window->centralWidget()->height(), dpi());
    }
    // Resizes so that the outer size is `outer` pixels.
    void resizeOuter(const QSize &outer) const
    {
        window->resize(outer - (window->frameGeometry().size() - window->geometry().size()));
    }
};

// The split panel reaches down to `bottomTwips` less the page-count label and gaps.
void verifySplitterEndsAbove(const ShownWindow &s, int bottomTwips)
{
    const frmMain &w = *s.window;
    QCOMPARE(w.spSplitter->y(), s.px(610));
    QCOMPARE(w.spSplitter->height(), s.px(bottomTwips - 610 - MainLayout::kPageCountHeight - 100));
    QCOMPARE(w.lblPageCount->y(), s.px(bottomTwips - MainLayout::kPageCountHeight - 50));
}

QList<QRect> placesOfTheLaidOutControls(const frmMain &w)
{
    QList<QRect> places;
    const QList<const QWidget *> controls = {w.Line1,
                                             w.Line2,
                                             w.fmeAddressBar,
                                             w.txtAddress,
                                             w.spSplitter,
                                             w.lblPageCount,
                                             w.fmeAdvancedSearchOptions,
                                             w.fmeSearch,
                                             w.chkShowHidden,
                                             w.cmdSearch,
                                             w.cmdExport,
                                             w.cmdShowHideAdvanceSearch};
    for (const QWidget *widget : controls)
        places << widget->geometry();
    return places;
}

// The captions among the controls of the window `top` that are wider than the room they have.
QStringList cutCaptions(QWidget *top)
{
    QStringList cut;
    for (QWidget *w : top->findChildren<QWidget *>()) {
        auto *label = qobject_cast<QLabel *>(w);
        auto *button = qobject_cast<QAbstractButton *>(w);
        auto *box = qobject_cast<QGroupBox *>(w);
        const QString text = label && !label->wordWrap() ? label->text() : button ? button->text() : box ? box->title() : QString();
        QStyleOptionButton option; // where a check box or radio button starts its caption
        option.initFrom(w);
        const auto contents = qobject_cast<QRadioButton *>(w) ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents;
        const int inset = qobject_cast<QPushButton *>(w) ? w->style()->pixelMetric(QStyle::PM_ButtonMargin)
                          : button ? w->style()->subElementRect(contents, &option, w).left() : 0;
        int widestLine = 0; // a label may hold more than one line
        for (const QString &line : QString(text).remove(u'&').split(u'\n'))
            widestLine = std::max(widestLine, w->fontMetrics().horizontalAdvance(line));
        const int needed = box ? box->minimumSizeHint().width() : inset + widestLine;
        if (!text.isEmpty() && !w->isHidden() && w->window() == top && needed > w->width())
            cut << QStringLiteral("%1 '%2' needs %3 px, has %4").arg(w->objectName(), text).arg(needed).arg(w->width());
    }
    for (QHeaderView *header : top->findChildren<QHeaderView *>()) {
        const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int i = 0; i < header->count() && header->isVisibleTo(top); ++i) {
            const QString text = header->model()->headerData(i, header->orientation()).toString();
            const int needed = margins + header->fontMetrics().horizontalAdvance(text);
            if (!header->isSectionHidden(i) && needed > header->sectionSize(i))
                cut << QStringLiteral("header '%1' needs %2 px, has %3").arg(text).arg(needed).arg(header->sectionSize(i));
        }
    }
    return cut;
}

} // namespace

class MainLayoutWindowTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<ShownWindow> m_shown;

    ShownWindow &shownAtMinimum()
    {
        m_shown = std::make_unique<ShownWindow>(m_dir);
        if (!QTest::qWaitForWindowExposed(m_shown->window.get()))
            qFatal("the main window was never exposed");
        m_shown->resizeOuter({1, 1});
        return *m_shown;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(m_dir.isValid());
    }

    void cleanup()
    {
        if (m_shown)
            QTRY_VERIFY(!m_shown->window->isSearching());
        m_shown.reset();
    }

    void minimumSizeWithPanelShown()
    {
        const ShownWindow &s = shownAtMinimum();
        const frmMain &w = *s.window;
        QTRY_COMPARE(s.outerSize(), s.minimumOuterSize());
        QCOMPARE(w.minimumSize() + (w.frameGeometry().size() - w.geometry().size()),
                 s.minimumOuterSize());

        // Across: the figures of a 12000-twip window.
        QCOMPARE(w.Line1->width(), s.px(12000));
        QCOMPARE(w.Line2->x(), s.px(-30));
        QCOMPARE(w.fmeAddressBar->width(), s.px(12000));
        QCOMPARE(w.txtAddress->width(), s.px(11020));
        const QList<const QWidget *> spanningControls = {w.spSplitter, w.fmeAdvancedSearchOptions,
                                                         w.fmeSearch};
        for (const QWidget *spanning : spanningControls) {
            QCOMPARE(spanning->x(), s.px(50));
            QCOMPARE(spanning->width(), s.px(11750));
        }
        QCOMPARE(w.lblPageCount->x(), s.px(6505));
        QCOMPARE(w.chkSearchIncSubFlder->x(), s.px(50));
        QCOMPARE(w.chkShowHidden->x(), s.px(1825));
        QCOMPARE(w.cmdSearch->x(), s.px(3690));
        QCOMPARE(w.cmdExport->x(), s.px(8655));
        QCOMPARE(w.cmdShowHideAdvanceSearch->x(), s.px(9905));

        // Down: the search bar 50 twips above the status bar, the panel right above it.
        const int searchTop = s.statusBarTopTwips() - MainLayout::kSearchBarHeight - 50;
        QCOMPARE(w.fmeSearch->y(), s.px(searchTop));
        QCOMPARE(w.fmeSearch->height(), s.px(MainLayout::kSearchBarHeight));
        const int panelTop = searchTop - MainLayout::kPanelHeight;
        QCOMPARE(w.fmeAdvancedSearchOptions->y(), s.px(panelTop));
        QCOMPARE(w.fmeAdvancedSearchOptions->height(), s.px(MainLayout::kPanelHeight));
        verifySplitterEndsAbove(s, panelTop);
        QVERIFY(w.spSplitter->height() > 0);
    }

    void onlyThePanelCaptionIsDarkBlue()
    {
        const AdvancedOptionsPanel &panel = *shownAtMinimum().window->fmeAdvancedSearchOptions;
        QCOMPARE(panel.palette().color(QPalette::WindowText), kDarkBlue);
        const QPalette usual = QApplication::palette();
        QCOMPARE(panel.chkSearchByDate->palette().color(QPalette::WindowText),
                 usual.color(QPalette::WindowText));
        QCOMPARE(panel.txtInPeriod->palette().color(QPalette::Text), usual.color(QPalette::Text));
        QCOMPARE(panel.cmbDateRangeType->palette().color(QPalette::ButtonText),
                 usual.color(QPalette::ButtonText));
    }

    // The dark-blue captions keep their colour on a light window and turn a
    // lighter blue that reads (4.5 : 1 or more) on a dark one.
    void captionsReadOnEveryWindowColour_data()
    {
        QTest::addColumn<QColor>("window");
        QTest::newRow("light") << QColor(239, 239, 239);
        QTest::newRow("dark grey") << QColor(53, 53, 53);
        QTest::newRow("black") << QColor(0, 0, 0);
        QTest::newRow("dark blue") << QColor(20, 30, 70);
    }
    void captionsReadOnEveryWindowColour()
    {
        QFETCH(QColor, window);
        const QPalette before = QApplication::palette();
        QApplication::setPalette(QPalette(QColor(Qt::gray), window));
        const ShownWindow s(m_dir);
        const frmMain &w = *s.window;
        for (const QWidget *caption : {static_cast<const QWidget *>(w.lblAddress), static_cast<const QWidget *>(w.lblPageCount),
                                       static_cast<const QWidget *>(w.fmeAdvancedSearchOptions)}) {
            const QColor text = caption->palette().color(QPalette::WindowText);
            const auto lum = [](QColor c) { return 0.2126 * std::pow(c.redF(), 2.2) + 0.7152 * std::pow(c.greenF(), 2.2) + 0.0722 * std::pow(c.blueF(), 2.2); };
            QVERIFY((lum(text) + 0.05) / (lum(window) + 0.05) >= 4.4 || (lum(window) + 0.05) / (lum(text) + 0.05) >= 4.4);
            QCOMPARE(text.hslHue(), 240);
            QCOMPARE(text == kDarkBlue, window.lightness() >= 128);
        }
        QApplication::setPalette(before);
    }

    void smallerSizeSnapsBack_data()
    {
        QTest::addColumn<QSize>("requestTwips");
        QTest::addColumn<bool>("hintIgnored");
        QTest::newRow("narrower") << QSize(9000, 8000) << false;
        QTest::newRow("lower") << QSize(15000, 3000) << false;
        QTest::newRow("both smaller") << QSize(1500, 1500) << false;
        QTest::newRow("narrower, size hint ignored") << QSize(9000, 8000) << true;
        QTest::newRow("lower, size hint ignored") << QSize(15000, 3000) << true;
    }
    void smallerSizeSnapsBack()
    {
        QFETCH(QSize, requestTwips);
        QFETCH(bool, hintIgnored);
        const ShownWindow &s = shownAtMinimum();
        s.resizeOuter({s.px(16000), s.px(9000)});
        QTRY_COMPARE(s.outerSize(), QSize(s.px(16000), s.px(9000)));
        if (hintIgnored) // as a window manager might: only the resize rule holds the size
            s.window->setMinimumSize(0, 0);
        s.resizeOuter({s.px(requestTwips.width()), s.px(requestTwips.height())});

        const QSize expected(s.px(std::max(requestTwips.width(), MainLayout::kMinimumWidth)),
                             s.px(std::max(requestTwips.height(), MainLayout::kMinimumHeight)));
        QTRY_COMPARE(s.outerSize(), expected);
        const frmMain &w = *s.window;
        const int widthTwips = pixelsToTwips(expected.width(), s.dpi());
        QCOMPARE(w.spSplitter->width(), s.px(widthTwips - 250));
        QCOMPARE(w.cmdShowHideAdvanceSearch->x(),
                 s.px(widthTwips - 250 - MainLayout::kToggleButtonWidth));
        QCOMPARE(w.fmeSearch->y(), s.px(s.statusBarTopTwips() - MainLayout::kSearchBarHeight - 50));
        QVERIFY(w.spSplitter->height() > 0);
    }

    void minimisedChangesNothing()
    {
        const ShownWindow &s = shownAtMinimum();
        frmMain &w = *s.window;
        QTRY_COMPARE(s.outerSize(), s.minimumOuterSize());
        const QList<QRect> before = placesOfTheLaidOutControls(w);
        w.showMinimized();
        QTRY_VERIFY(w.isMinimized());
        s.resizeOuter({s.px(18000), s.px(10000)});
        QTRY_COMPARE(w.frameGeometry().width(), s.px(18000));
        QCOMPARE(placesOfTheLaidOutControls(w), before);

        // Restored, the window lays itself out for its size again.
        w.showNormal();
        QTRY_VERIFY(!w.isMinimized());
        QTRY_COMPARE(w.spSplitter->width(),
                     s.px(pixelsToTwips(w.frameGeometry().width(), s.dpi()) - 250));
    }

    void hidingThePanelGivesItsHeightToTheSplitPanel()
    {
        const ShownWindow &s = shownAtMinimum();
        frmMain &w = *s.window;
        QTRY_COMPARE(s.outerSize(), s.minimumOuterSize());
        const int shownHeight = w.spSplitter->height();
        QTest::mouseClick(w.cmdShowHideAdvanceSearch, Qt::LeftButton);
        QVERIFY(w.fmeAdvancedSearchOptions->isHidden());
        const int searchTop = s.statusBarTopTwips() - MainLayout::kSearchBarHeight - 50;
        QCOMPARE(w.fmeSearch->y(), s.px(searchTop));
        verifySplitterEndsAbove(s, searchTop);
        QVERIFY(std::abs(w.spSplitter->height() - shownHeight - s.px(MainLayout::kPanelHeight)) <=
                1);

        // A later resize keeps the split panel reaching down to the search bar.
        s.resizeOuter({s.px(13500), s.px(8000)});
        QTRY_COMPARE(s.outerSize(), QSize(s.px(13500), s.px(8000)));
        const int tallerSearchTop = s.statusBarTopTwips() - MainLayout::kSearchBarHeight - 50;
        QCOMPARE(w.fmeSearch->y(), s.px(tallerSearchTop));
        verifySplitterEndsAbove(s, tallerSearchTop);
        QVERIFY(w.fmeAdvancedSearchOptions->isHidden());

        // Shown again by the button: 50 twips between the panel and the search bar.
        QTest::mouseClick(w.cmdShowHideAdvanceSearch, Qt::LeftButton);
        QVERIFY(w.fmeAdvancedSearchOptions->isVisible());
        const int panelTop = tallerSearchTop - MainLayout::kPanelHeight - 50;
        QCOMPARE(w.fmeAdvancedSearchOptions->y(), s.px(panelTop));
        verifySplitterEndsAbove(s, panelTop);
    }

    void toggleCaptionsAndTag()
    {
        const frmMain &w = *shownAtMinimum().window;
        QPushButton *button = w.cmdShowHideAdvanceSearch;
        const auto state = [&] {
            return QStringList{button->text(), button->property("tag").toString(),
                               w.fmeAdvancedSearchOptions->isVisible() ? QStringLiteral("shown")
                                                                       : QStringLiteral("hidden")};
        };
        QCOMPARE(state(), (QStringList{QStringLiteral("Hide Advance Options"), QString(),
                                       QStringLiteral("shown")}));
        const QList<QStringList> afterEachPress = {
            {QStringLiteral("Show Advance Option"), QStringLiteral("Show"),
             QStringLiteral("hidden")},
            {QStringLiteral("Hide Advance Option"), QStringLiteral("Hide"),
             QStringLiteral("shown")},
            {QStringLiteral("Show Advance Option"), QStringLiteral("Show"),
             QStringLiteral("hidden")},
            {QStringLiteral("Hide Advance Option"), QStringLiteral("Hide"),
             QStringLiteral("shown")}};
        for (const QStringList &expected : afterEachPress) {
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(state(), expected);
        }
    }

    // A desktop font of any usual size leaves every caption of every window whole (run at scale 1 and 2).
    void captionsFitAtAnyFont_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QFont>("font");
        for (const QString &language : QStringList{QStringLiteral("en")} + Languages::shipped())
            for (const QString &family : {Twips::designFont().family(), QStringLiteral("DejaVu Sans")})
                for (double points : {8.0, 8.25, 9.0, 10.0, 11.0, 12.0}) {
                    QFont font(family);
                    font.setPointSizeF(points);
                    QTest::addRow("%s %s %.2f pt", qPrintable(language), qPrintable(family), points) << language << font;
                }
    }
    void captionsFitAtAnyFont() // the last: it leaves the font and language changed
    {
        QFETCH(QString, language);
        QFETCH(QFont, font);
        QCOMPARE(Languages::install(QLocale(language)), language == u"en" ? QString() : language);
        QApplication::setFont(font);
        ShownWindow s(m_dir);
        s.window->mnuFolderTotals_Click();
        s.window->mnuPageReport_Click();
        dlgPreferences preferences(s.settings, *s.window);
        dlgSave save(m_dir.path(), *s.test.services.prompts);
        dlgAbout about(s.test.services.desktop, s.test.services.prompts);
        preferences.show();
        save.show();
        about.show();
        QStringList cut;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->isVisible())
                cut << cutCaptions(top);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    }
};

QTEST_MAIN(MainLayoutWindowTest)
#include "mainlayout_window_test.moc"
