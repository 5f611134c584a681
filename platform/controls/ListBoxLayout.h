// Where a list box's items sit: the area inside its border, the height of an item, how many
// whole items fit, and which item lies under a point.
#pragma once

#include "PlatformApi.h"
#include "controls/ListBoxState.h"

namespace platform::listbox {

// The border the list box draws itself for WS_BORDER or a drop-down list (one pixel) or
// WS_EX_CLIENTEDGE (two, as the platform's sunken edge), when the window manager has not put
// one around it.
int BorderWidth(HWND hwnd);

struct Layout {
    RECT area{};          // the items' area, in client coordinates
    int itemHeight = 1;

    // Whole items in view; at least one.
    int Page() const;
    int MaxTop(int count) const { return count > Page() ? count - Page() : 0; }
    RECT ItemRect(int index, int top) const;
    // The item under a point inside the area; -1 outside the area or past the last item.
    int ItemAt(POINT at, int top, int count) const;
    // Where the caret goes while the pointer drags to `at`: the item under it, or past the
    // edge it has crossed the first item beyond that edge.
    int DragTarget(POINT at, int top, int count) const;
    bool IsAbove(POINT at) const { return at.y < area.top; }
    bool IsBelow(POINT at) const { return at.y >= area.bottom; }
};

Layout LayoutOf(HWND hwnd, const State& state);

// LB_ITEMFROMPOINT's answer: the nearest item in the low word, and in the high word whether
// the point lies outside the items.
LRESULT ItemFromPoint(const Layout& layout, const State& state, POINT at);

// Without LBS_NOINTEGRALHEIGHT the platform shortens the box to a whole number of items (a box
// lower than one item keeps its height).
void FitToWholeItems(HWND hwnd, const State& state);

}  // namespace platform::listbox
