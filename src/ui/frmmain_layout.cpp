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

#include <algorithm>

namespace {

const QString kTagShow = QStringLiteral("Show");
const QString kTagHide = QStringLiteral("Hide");
const char *const kTagProperty = "tag";

void placeRule(QFrame *line, int x1, int x2, int y, int dpi)
{
    const int top = twipsToPixels(y, dpi);
    line->setGeometry(twipsToPixels(x1, dpi), top - 1, twipsToPixels(x2 - x1, dpi), 2);
}

void setLeft(QWidget *widget, int leftTwips, int dpi)
{
    widget->move(twipsToPixels(leftTwips, dpi), widget->y());
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
    txtAddress->setGeometry(twipsToRect(layout.addressText, dpi));
    spSplitter->setGeometry(twipsToRect(layout.splitter, dpi));
    lblPageCount->setGeometry(twipsToRect(layout.pageCount, dpi));
    lblSelectionTotal->setGeometry(twipsToRect(layout.selectionTotal, dpi));
    fmeAdvancedSearchOptions->setGeometry(twipsToRect(layout.panel, dpi));
    fmeSearch->setGeometry(twipsToRect(layout.searchBar, dpi));
    setLeft(chkSearchIncSubFlder, layout.includeSubfoldersLeft, dpi);
    setLeft(chkShowHidden, layout.showHiddenLeft, dpi);
    setLeft(cmdSearch, layout.searchButtonLeft, dpi);
    setLeft(cmdExport, layout.exportButtonLeft, dpi);
    setLeft(cmdShowHideAdvanceSearch, layout.toggleButtonLeft, dpi);
}

void frmMain::cmdShowHideAdvanceSearch_Click()
{
    const bool hide = cmdShowHideAdvanceSearch->property(kTagProperty).toString() != kTagShow;
    fmeAdvancedSearchOptions->setHidden(hide);
    cmdShowHideAdvanceSearch->setProperty(kTagProperty, hide ? kTagShow : kTagHide);
    cmdShowHideAdvanceSearch->setText(hide ? QStringLiteral("Show Advance Option")
                                           : QStringLiteral("Hide Advance Option"));
    // The toggle's own vertical rule, from the widths the window has now.
    const MainLayoutInput input = layoutInput();
    applyLayout(MainLayout::afterToggle(MainLayout::resize(input), input));
}
