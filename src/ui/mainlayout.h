#pragma once

// Placement of the main window's parts, in twips (1440 to the inch). Kept
// free of widgets so the arithmetic can be checked on its own; the window
// converts the results to pixels.

struct TwipsRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A control's place across its row.
struct TwipsSpan
{
    int left = 0;
    int width = 0;
};

namespace MainLayout {

inline constexpr int kMinimumWidth = 12000; // outer size
inline constexpr int kMinimumHeight = 6000;
// The client area the window is designed at (its size when restored).
inline constexpr int kDesignClientWidth = 9480;
inline constexpr int kDesignClientHeight = 8310;
// Title bar, menu bar and borders of the window the original arithmetic
// measured from; the window's real overhead replaces it at run time.
inline constexpr int kDesignFrameOverhead = 750;

inline constexpr int kMargin = 50;
inline constexpr int kLine1Y = 60;
inline constexpr int kLine2Y = 510;
inline constexpr int kAddressBarTop = 120;
inline constexpr int kAddressBarHeight = 345;
inline constexpr int kAddressLabelLeft = 90;
inline constexpr int kAddressLabelTop = 60;
inline constexpr int kAddressLabelWidth = 615;
inline constexpr int kAddressLabelHeight = 165;
inline constexpr int kAddressTextLeft = 780;
inline constexpr int kAddressTextTop = 30;
inline constexpr int kAddressTextHeight = 285;
inline constexpr int kPageCountWidth = 5295;
inline constexpr int kPageCountHeight = 225;
inline constexpr int kPanelHeight = 1545;
inline constexpr int kSearchBarHeight = 465;
inline constexpr int kStatusBarHeight = 315;
inline constexpr int kIncludeSubfoldersWidth = 1575;
inline constexpr int kShowHiddenWidth = 1665;
inline constexpr int kSearchButtonWidth = 945;
inline constexpr int kExportButtonWidth = 1200;
inline constexpr int kToggleButtonWidth = 1845;

} // namespace MainLayout

// The widths the captions of the address label and the search bar's
// controls need; a control narrower than its caption grows to it (to the
// right, the two buttons at the right edge to the left) and moves what
// follows it along.
struct MainLayoutCaptions
{
    int addressLabel = 0;
    int includeSubfolders = 0;
    int showHidden = 0;
    int searchButton = 0;
    int exportButton = 0;
    int toggleButton = 0;
};

// What the window's arrangement depends on.
struct MainLayoutInput
{
    int windowWidth = 0;                                  // outer width
    int windowHeight = 0;                                 // outer height
    int frameOverhead = MainLayout::kDesignFrameOverhead; // outer height minus client height
    int statusBarHeight = MainLayout::kStatusBarHeight;
    bool panelShown = true;
    MainLayoutCaptions captions = {};
};

// Where everything goes. Positions are relative to the client area (below
// the menu bar); the search-bar children are relative to the search bar.
struct MainLayoutResult
{
    int windowWidth = 0; // after the minimum size is enforced
    int windowHeight = 0;
    int line1X2 = 0;
    int line2X2 = 0;
    TwipsRect addressBar;
    TwipsRect addressLabel; // in the address bar, as the text box
    TwipsRect addressText;
    TwipsRect splitter;
    TwipsRect pageCount;
    TwipsRect selectionTotal; // left of the page total, on its line
    TwipsRect panel;
    TwipsRect searchBar;
    // The search bar's controls, in the search bar.
    TwipsSpan includeSubfolders;
    TwipsSpan showHidden;
    TwipsSpan searchButton;
    TwipsSpan exportButton;
    TwipsSpan toggleButton;
};

namespace MainLayout {

// The window's resize rule (minimum size, widths, then the vertical stack).
MainLayoutResult resize(const MainLayoutInput &input);

// The panel toggle's rule: the search bar 50 twips above the status bar, the
// panel 50 above that, the split panel down to whichever is higher. Only the
// vertical positions change; `current` supplies the rest.
MainLayoutResult afterToggle(const MainLayoutResult &current, const MainLayoutInput &input);

} // namespace MainLayout
