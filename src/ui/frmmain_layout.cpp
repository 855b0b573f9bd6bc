// The main window's arrangement: the resize rule and the panel toggle.
#include "ui/frmmain.h"

#include "ui/advancedoptions.h"
#include "ui/searchbar.h"
#include "ui/statusbar.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QSplitter>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>

namespace {

const QString kTagShow = QStringLiteral("Show");
const QString kTagHide = QStringLiteral("Hide");
const char *const kTagProperty = "tag";

void placeRule(QFrame *line, int x1, int x2, int y, int dpi)
{
    const int top = twipsToPixels(y, dpi);
    line->setGeometry(twipsToPixels(x1, dpi), top - 1, twipsToPixels(x2 - x1, dpi), 2);
}

void placeAcross(QWidget *widget, TwipsSpan span, int dpi)
{
    widget->setGeometry(twipsToPixels(span.left, dpi), widget->y(), twipsToPixels(span.width, dpi), widget->height());
}

// Twips enough for `pixels`, rounded up.
int twipsHolding(int pixels, int dpi)
{
    return int(std::ceil(pixels * 1440.0 / dpi));
}

int widestText(const QWidget *widget, const QStringList &texts)
{
    int widest = 0;
    for (const QString &text : texts)
        widest = std::max(widest, widget->fontMetrics().size(Qt::TextShowMnemonic, text).width());
    return widest;
}

// A check box's caption starts after its box.
int checkBoxNeeds(const QCheckBox *box)
{
    QStyleOptionButton option;
    option.initFrom(box);
    return box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).left()
           + widestText(box, {box->text()});
}

// The widest of `captions` between the button's margins (the style's
// smallest width for a button with a caption left out).
int pushButtonNeeds(const QPushButton *button, const QStringList &captions)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const QSize text(widestText(button, captions), button->fontMetrics().height());
    return button->style()->sizeFromContents(QStyle::CT_PushButton, &option, text, button).width();
}

// The smallest outer size as a hint to the window system, so a drag stops
// there instead of snapping back. The frame is known only once the window is
// up, hence renewed on every resize.
void hintMinimumSize(QWidget *window, const QSize &frameExtra)
{
    const int dpi = widgetDpi(window);
    const QSize client(twipsToPixels(MainLayout::kMinimumWidth, dpi) - frameExtra.width(),
                       twipsToPixels(MainLayout::kMinimumHeight, dpi) - frameExtra.height());
    if (window->minimumSize() != client)
        window->setMinimumSize(client);
}

} // namespace

int frmMain::frameOverheadTwips() const
{
    // Everything of the outer height that is not the client area: title bar,
    // menu bar, borders. The window system tells only once the window is up.
    const int menuAndFrame = frameGeometry().height() - geometry().height() + menuBar()->height();
    return pixelsToTwips(menuAndFrame, widgetDpi(this));
}

MainLayoutInput frmMain::layoutInput() const
{
    const int dpi = widgetDpi(this);
    MainLayoutInput input;
    input.windowWidth = pixelsToTwips(frameGeometry().width(), dpi);
    input.windowHeight = pixelsToTwips(frameGeometry().height(), dpi);
    input.frameOverhead = frameOverheadTwips();
    input.statusBarHeight = pixelsToTwips(sbGeneral->height(), dpi);
    input.panelShown = !fmeAdvancedSearchOptions->isHidden();
    // The buttons make room for every caption they show, so a toggle or a
    // search moves nothing.
    MainLayoutCaptions &captions = input.captions;
    captions.addressLabel = twipsHolding(lblAddress->sizeHint().width(), dpi);
    captions.includeSubfolders = twipsHolding(checkBoxNeeds(chkSearchIncSubFlder), dpi);
    captions.showHidden = twipsHolding(checkBoxNeeds(chkShowHidden), dpi);
    captions.searchButton = twipsHolding(
        pushButtonNeeds(cmdSearch, {SearchBar::searchCaption(), SearchBar::cancelCaption()}), dpi);
    captions.exportButton = twipsHolding(pushButtonNeeds(cmdExport, {cmdExport->text()}), dpi);
    captions.toggleButton = twipsHolding(
        pushButtonNeeds(cmdShowHideAdvanceSearch, SearchBar::panelCaptions()), dpi);
    return input;
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void frmMain::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

void frmMain::Form_Resize()
{
    if (isMinimized() || m_inResize)
        return;
    const QSize frameExtra = frameGeometry().size() - geometry().size();
    m_inResize = true;
    hintMinimumSize(this, frameExtra);
    const MainLayoutInput input = layoutInput();
    const MainLayoutResult layout = MainLayout::resize(input);
    if (layout.windowWidth != input.windowWidth || layout.windowHeight != input.windowHeight) {
        // Snap back to the smallest size (for a window system that ignored the hint).
        const int dpi = widgetDpi(this);
        resize(std::max(width(), twipsToPixels(layout.windowWidth, dpi) - frameExtra.width()),
               std::max(height(), twipsToPixels(layout.windowHeight, dpi) - frameExtra.height()));
    }
    m_inResize = false;
    // Read afresh: the snap may have changed the size already.
    applyLayout(MainLayout::resize(layoutInput()));
}

void frmMain::applyLayout(const MainLayoutResult &layout)
{
    m_layout = layout;
    const int dpi = widgetDpi(this);
    placeRule(Line1, 0, layout.line1X2, MainLayout::kLine1Y, dpi);
    placeRule(Line2, -30, layout.line2X2, MainLayout::kLine2Y, dpi);
    fmeAddressBar->setGeometry(twipsToRect(layout.addressBar, dpi));
    lblAddress->setGeometry(twipsToRect(layout.addressLabel, dpi));
    txtAddress->setGeometry(twipsToRect(layout.addressText, dpi));
    spSplitter->setGeometry(twipsToRect(layout.splitter, dpi));
    lblPageCount->setGeometry(twipsToRect(layout.pageCount, dpi));
    lblSelectionTotal->setGeometry(twipsToRect(layout.selectionTotal, dpi));
    fmeAdvancedSearchOptions->setGeometry(twipsToRect(layout.panel, dpi));
    fmeSearch->setGeometry(twipsToRect(layout.searchBar, dpi));
    placeAcross(chkSearchIncSubFlder, layout.includeSubfolders, dpi);
    placeAcross(chkShowHidden, layout.showHidden, dpi);
    placeAcross(cmdSearch, layout.searchButton, dpi);
    placeAcross(cmdExport, layout.exportButton, dpi);
    placeAcross(cmdShowHideAdvanceSearch, layout.toggleButton, dpi);
}

void frmMain::cmdShowHideAdvanceSearch_Click()
{
    const bool hide = cmdShowHideAdvanceSearch->property(kTagProperty).toString() != kTagShow;
    fmeAdvancedSearchOptions->setHidden(hide);
    cmdShowHideAdvanceSearch->setProperty(kTagProperty, hide ? kTagShow : kTagHide);
    cmdShowHideAdvanceSearch->setText(hide ? SearchBar::showPanelCaption()
                                           : SearchBar::hidePanelCaption());
    // The toggle's own vertical rule, from the widths the window has now.
    const MainLayoutInput input = layoutInput();
    applyLayout(MainLayout::afterToggle(MainLayout::resize(input), input));
}
