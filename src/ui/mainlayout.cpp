#include "ui/mainlayout.h"

#include <algorithm>

namespace MainLayout {

namespace {

int statusBarTop(const MainLayoutInput &input, int windowHeight)
{
    return windowHeight - input.frameOverhead - input.statusBarHeight;
}

// Split panel from below Line2 down to `bottom`, the label right under it.
void placeSplitterAbove(MainLayoutResult &r, int bottom)
{
    r.splitter.top = kLine2Y + 100;
    r.splitter.height = bottom - r.splitter.top - kPageCountHeight - 100;
    r.pageCount.top = r.splitter.top + r.splitter.height + 50;
    r.selectionTotal.top = r.pageCount.top;
}

} // namespace

MainLayoutResult resize(const MainLayoutInput &input)
{
    MainLayoutResult r;
    const int w = std::max(input.windowWidth, kMinimumWidth);
    const int h = std::max(input.windowHeight, kMinimumHeight);
    r.windowWidth = w;
    r.windowHeight = h;

    r.splitter.left = r.panel.left = r.searchBar.left = kMargin;
    r.line1X2 = w;
    const MainLayoutCaptions &captions = input.captions;
    r.addressBar = {0, kAddressBarTop, w, kAddressBarHeight};
    r.addressLabel = {kAddressLabelLeft, kAddressLabelTop,
                      std::max(kAddressLabelWidth, captions.addressLabel), kAddressLabelHeight};
    // The text box keeps its gap to the label.
    const int addressTextLeft = kAddressTextLeft + r.addressLabel.width - kAddressLabelWidth;
    r.addressText = {addressTextLeft, kAddressTextTop, r.addressBar.width - addressTextLeft - 200,
                     kAddressTextHeight};
    r.line2X2 = w;
    r.splitter.width = w - r.splitter.left - 200;
    r.pageCount.width = kPageCountWidth;
    r.pageCount.height = kPageCountHeight;
    r.pageCount.left = r.splitter.left + r.splitter.width - kPageCountWidth;
    // From the table's left edge to 100 twips short of the page total.
    r.selectionTotal = {r.splitter.left, 0, r.pageCount.left - 100 - r.splitter.left, kPageCountHeight};
    r.panel.width = r.searchBar.width = r.splitter.width;
    r.panel.height = kPanelHeight;
    r.searchBar.height = kSearchBarHeight;

    r.includeSubfolders.width = std::max(kIncludeSubfoldersWidth, captions.includeSubfolders);
    r.showHidden.width = std::max(kShowHiddenWidth, captions.showHidden);
    r.searchButton.width = std::max(kSearchButtonWidth, captions.searchButton);
    r.exportButton.width = std::max(kExportButtonWidth, captions.exportButton);
    r.toggleButton.width = std::max(kToggleButtonWidth, captions.toggleButton);
    r.includeSubfolders.left = r.searchBar.left;
    r.showHidden.left = r.includeSubfolders.left + r.includeSubfolders.width + 200;
    r.searchButton.left = r.showHidden.left + r.showHidden.width + 200;
    r.toggleButton.left = r.searchBar.width - r.toggleButton.width;
    r.exportButton.left = r.toggleButton.left - r.exportButton.width - 50;

    // The search bar sits 50 twips above the status bar, as after a toggle;
    // with the design frame this is exactly the original outer-height rule.
    r.searchBar.top = statusBarTop(input, h) - kSearchBarHeight - 50;
    r.panel.top = r.searchBar.top - kPanelHeight;
    placeSplitterAbove(r, input.panelShown ? r.panel.top : r.searchBar.top);
    return r;
}

MainLayoutResult afterToggle(const MainLayoutResult &current, const MainLayoutInput &input)
{
    MainLayoutResult r = current;
    r.searchBar.top = statusBarTop(input, current.windowHeight) - kSearchBarHeight - 50;
    if (input.panelShown) {
        r.panel.top = r.searchBar.top - kPanelHeight - 50;
        placeSplitterAbove(r, r.panel.top);
    } else {
        placeSplitterAbove(r, r.searchBar.top);
    }
    return r;
}

} // namespace MainLayout
