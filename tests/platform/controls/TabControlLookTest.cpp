// How the tab control looks, in the platform's classic 3D style: the page's raised border, the
// tabs' edges, the selected tab larger and open into the page, buttons raised or sunk, flat
// buttons bare with a groove between them, the text grey when disabled, and the focus rectangle.
// Read back pixel by pixel, where the edges lie as the platform's classic (unthemed) drawing puts
// them under Wine; every drawing object is given back (the fixture counts them).
#include "TabControlFixture.h"

namespace {

using namespace tabtest;

COLORREF Sys(int index) { return GetSysColor(index); }

class TabControlLookTest : public TabControlTest {
protected:
    COLORREF At(int x, int y) {
        Backend().PumpUntilIdle();
        return Backend().WindowPixel(Tab(), x, y);
    }
    // How many pixels of `colour` lie in the rectangle.
    int CountIn(const RECT& r, COLORREF colour) {
        Backend().PumpUntilIdle();
        int count = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) count += Backend().WindowPixel(Tab(), x, y) == colour;
        return count;
    }
};

TEST_F(TabControlLookTest, ThePageHasARaisedBorderThatTheSelectedTabOpens) {
    Make(0, 3, 300, 120);  // tabs at {2, 2, 56, 23}, ...; the first selected; the page from y 23
    struct Probe {
        const char* what;
        POINT at;
        int colour;
    };
    const Probe probes[] = {
        {"the page's left edge, outside", {0, 80}, COLOR_BTNHIGHLIGHT},
        {"the page's left edge, inside", {1, 80}, COLOR_3DLIGHT},
        {"the page's right edge, outside", {299, 80}, COLOR_3DDKSHADOW},
        {"the page's right edge, inside", {298, 80}, COLOR_BTNSHADOW},
        {"the page's bottom edge", {150, 119}, COLOR_3DDKSHADOW},
        {"the page's top edge beside the tabs", {250, 23}, COLOR_BTNHIGHLIGHT},
        {"the page's top edge under a tab at rest", {80, 23}, COLOR_BTNHIGHLIGHT},
        {"open under the selected tab", {20, 23}, COLOR_BTNFACE},
        {"open under the selected tab, inner line", {20, 24}, COLOR_BTNFACE},
        {"the page inside", {150, 80}, COLOR_BTNFACE},
        {"the selected tab's top, two pixels higher", {20, 0}, COLOR_BTNHIGHLIGHT},
        {"the selected tab's left, two pixels out", {0, 12}, COLOR_BTNHIGHLIGHT},
        {"the selected tab's right, two pixels out", {57, 12}, COLOR_3DDKSHADOW},
        {"the selected tab's top left corner cut", {0, 1}, COLOR_BTNFACE},
        {"by a lit diagonal pixel", {1, 1}, COLOR_BTNHIGHLIGHT},
        {"its top right corner cut", {57, 1}, COLOR_BTNFACE},
        {"by a dark diagonal pixel", {56, 1}, COLOR_3DDKSHADOW},
        {"above a tab at rest", {80, 1}, COLOR_BTNFACE},
        {"a tab at rest's top", {80, 2}, COLOR_BTNHIGHLIGHT},
        {"the cut corner of the next", {110, 2}, COLOR_BTNFACE},
        {"and its diagonal pixel", {111, 3}, COLOR_BTNHIGHLIGHT},
        {"beside the tabs", {250, 10}, COLOR_BTNFACE},
    };
    for (const Probe& p : probes) EXPECT_EQ(At(p.at.x, p.at.y), Sys(p.colour)) << p.what;
}

TEST_F(TabControlLookTest, TheTextIsInTheTabsAndGreyWhenDisabled) {
    Make(0, 3, 300, 120);
    const RECT label{8, 4, 50, 22};
    EXPECT_GT(CountIn(label, Sys(COLOR_BTNTEXT)), 5);
    EnableWindow(Tab(), FALSE);
    EXPECT_EQ(CountIn(label, Sys(COLOR_BTNTEXT)), 0);
    EXPECT_GT(CountIn(label, Sys(COLOR_GRAYTEXT)), 5);
}

TEST_F(TabControlLookTest, TheFocusedTabShowsAFocusRectangleWhileTheControlHasTheFocus) {
    Make(0, 3, 300, 120);
    const RECT topLine{10, 3, 50, 4};  // the selected tab, drawn {0, 0, 58, 25}, less 3 each side
    SetFocus(panel_);
    EXPECT_EQ(CountIn(topLine, Sys(COLOR_BTNFACE)), 40);
    SetFocus(Tab());
    EXPECT_LT(CountIn(topLine, Sys(COLOR_BTNFACE)), 30);
}

TEST_F(TabControlLookTest, ButtonsShowTheFocusOnTheFocusedButtonNotTheSelectedOne) {
    Make(TCS_BUTTONS, 3, 300, 120);  // buttons at {2, 0, 56, 24}, {59, 0, 113, 24}, {116, 0, 170, 24}
    Send(TCM_SETCURFOCUS, 2);
    SetFocus(Tab());
    const RECT onSelected{10, 3, 50, 4}, onFocused{125, 3, 165, 4};
    EXPECT_EQ(CountIn(onSelected, Sys(COLOR_BTNHIGHLIGHT)), 20) << "the pressed button's checkered face, untouched";
    EXPECT_EQ(CountIn(onSelected, Sys(COLOR_BTNFACE)), 20);
    EXPECT_LT(CountIn(onFocused, Sys(COLOR_BTNFACE)), 30);
}

TEST_F(TabControlLookTest, ButtonsAreRaisedOrSunkAndFlatOnesAreBareWithGrooves) {
    struct Probe {
        const char* what;
        DWORD style;
        POINT at;
        int colour;
    };
    // Buttons at {2, 0, 56, 24}, {59, 0, 113, 24}; flat ones at {2, 0, 56, 24}, {67, 0, 121, 24}.
    const Probe probes[] = {
        {"the selected button sunk", TCS_BUTTONS, {2, 10}, COLOR_3DDKSHADOW},
        {"its bottom lit", TCS_BUTTONS, {20, 23}, COLOR_BTNHIGHLIGHT},
        {"its face checkered", TCS_BUTTONS, {5, 4}, COLOR_BTNHIGHLIGHT},
        {"its face checkered, between", TCS_BUTTONS, {6, 4}, COLOR_BTNFACE},
        {"a button at rest raised", TCS_BUTTONS, {59, 10}, COLOR_BTNHIGHLIGHT},
        {"its bottom dark", TCS_BUTTONS, {80, 23}, COLOR_3DDKSHADOW},
        {"no page border", TCS_BUTTONS, {0, 80}, COLOR_BTNFACE},
        {"a flat button at rest bare", TCS_BUTTONS | TCS_FLATBUTTONS, {67, 10}, COLOR_BTNFACE},
        {"the groove's dark side", TCS_BUTTONS | TCS_FLATBUTTONS, {60, 10}, COLOR_BTNSHADOW},
        {"the groove's light side", TCS_BUTTONS | TCS_FLATBUTTONS, {61, 10}, COLOR_BTNHIGHLIGHT},
        {"the selected flat button sunk", TCS_BUTTONS | TCS_FLATBUTTONS, {2, 10}, COLOR_3DDKSHADOW},
    };
    for (const Probe& p : probes) {
        Make(p.style, 3, 300, 120);
        EXPECT_EQ(At(p.at.x, p.at.y), Sys(p.colour)) << p.what;
    }
}

TEST_F(TabControlLookTest, AHighlightedTabIsFilledWithTheHighlight) {
    Make(0, 3, 300, 120);
    TCITEMW item{};
    item.mask = TCIF_STATE;
    item.dwState = item.dwStateMask = TCIS_HIGHLIGHTED;
    Send(TCM_SETITEMW, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(At(60, 20), Sys(COLOR_HIGHLIGHT));
    EXPECT_EQ(At(20, 20), Sys(COLOR_BTNFACE));
}

}  // namespace
