// Where a tab control's tabs lie, worked out from its tabs, font, sizes, style and width each
// time it is asked, so a new style or size shows at once. The numbers are the platform's: tabs
// two pixels in from the control's edge, a row as tall as the font plus padding, a tab as wide
// as its text plus padding and never narrower than the minimum; TCS_MULTILINE rows, unless
// TCS_RAGGEDRIGHT, holding as many tabs each as the rows allow and stretched to the control's
// width; buttons spaced apart.
#pragma once

#include <vector>

#include "PlatformApi.h"
#include "controls/TabControlState.h"

namespace platform::tabcontrol {

// One tab along its row, from the row's start.
struct Span {
    int row = 0;
    int left = 0;
    int right = 0;
};

struct Layout {
    int width = 0;  // the client area's
    int height = 0;
    int tabHeight = 0;
    int rows = 0;
    std::vector<Span> spans;  // one per tab
    bool scrolls = false;     // a single line wider than the control
};

Layout LayOut(HWND hwnd, const State& state);
// Where tab `index` is shown; false (and an empty rectangle where it starts) when it is not:
// scrolled away to the left, or starting past the right edge.
bool TabRect(HWND hwnd, const State& state, const Layout& layout, int index, RECT& rect);
// The tab under `at`, or -1.
int HitTest(HWND hwnd, const State& state, const Layout& layout, POINT at);
// TCM_ADJUSTRECT: `larger` turns a page's rectangle into the control's, else the other way.
void AdjustRect(HWND hwnd, const Layout& layout, bool larger, RECT& rect);
// The page below the tabs, its border included.
RECT PageRect(const Layout& layout);
// TCM_SETMINTABWIDTH's answer for a minimum: a default one reads as the default's base.
int ReportedMinWidth(int minWidth);
// The font the tabs are measured and written in.
HFONT FontOf(const State& state);
// How far apart neighbouring tabs are along a single line.
int Gap(HWND hwnd);

}  // namespace platform::tabcontrol
