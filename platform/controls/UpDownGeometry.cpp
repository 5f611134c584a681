#include "controls/UpDownGeometry.h"

#include <algorithm>

#include "controls/UpDownBuddy.h"

namespace platform::updown {

namespace {

constexpr int kBuddyOverlap = 2;  // how far the control lies over an edit buddy's border

// The buddy's rectangle in its parent's client coordinates.
RECT BuddyRect(HWND buddy) {
    RECT rect{};
    GetWindowRect(buddy, &rect);
    if (HWND parent = GetParent(buddy)) {
        POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
        for (POINT& corner : corners) ScreenToClient(parent, &corner);
        rect = {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    }
    return rect;
}

}  // namespace

bool BesideEditBuddy(HWND hwnd, const State& state) {
    return (StyleOf(hwnd) & (UDS_ALIGNLEFT | UDS_ALIGNRIGHT)) && IsBuddyEdit(state);
}

RECT ArrowRect(HWND hwnd, const State& state, Arrow arrow) {
    RECT rect{};
    GetClientRect(hwnd, &rect);
    const LONG style = StyleOf(hwnd);
    if (BesideEditBuddy(hwnd, state)) {
        if (style & UDS_ALIGNLEFT) rect.left += 1;
        else rect.right -= 1;
        InflateRect(&rect, 0, -1);
    }
    if (style & UDS_HORZ) {
        const int middle = rect.left + (rect.right - rect.left) / 2;
        (arrow == Arrow::Up ? rect.left : rect.right) = middle;
    } else {
        const int middle = rect.top + (rect.bottom - rect.top) / 2;
        (arrow == Arrow::Up ? rect.bottom : rect.top) = middle;
    }
    return rect;
}

Arrow ArrowAt(HWND hwnd, const State& state, POINT at) {
    for (Arrow arrow : {Arrow::Up, Arrow::Down}) {
        const RECT rect = ArrowRect(hwnd, state, arrow);
        if (PtInRect(&rect, at)) return arrow;
    }
    return Arrow::None;
}

void PlaceBesideBuddy(HWND hwnd, const State& state) {
    const LONG style = StyleOf(hwnd);
    if (!(style & (UDS_ALIGNLEFT | UDS_ALIGNRIGHT))) return;
    RECT buddy = BuddyRect(state.buddy);
    int x = 0;
    if (style & UDS_ALIGNLEFT) {
        x = buddy.left;
        buddy.left += kWidth;
    } else {
        buddy.right -= kWidth;
        x = buddy.right;
    }
    const int height = buddy.bottom - buddy.top;
    SetWindowPos(state.buddy, nullptr, buddy.left, buddy.top, std::max(0, static_cast<int>(buddy.right - buddy.left)),
                 height, SWP_NOZORDER | SWP_NOACTIVATE);
    int width = kWidth;
    if (BesideEditBuddy(hwnd, state)) {
        if (style & UDS_ALIGNLEFT) width += kBuddyOverlap;
        else x -= kBuddyOverlap;
    }
    SetWindowPos(hwnd, nullptr, x, buddy.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace platform::updown
