#include "controls/ListBoxLayout.h"

#include <algorithm>

namespace platform::listbox {

namespace {

constexpr int kBorder = 1;
constexpr int kClientEdge = 2;

// A window the window manager framed has a client area lower than its rectangle by more than
// the strip a horizontal scroll bar takes.
bool FramedBySystem(HWND hwnd) {
    RECT window{}, client{};
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    const int height = window.bottom - window.top;
    const int bar = HasStyle(hwnd, WS_HSCROLL) ? GetSystemMetrics(SM_CYHSCROLL) : 0;
    return client.bottom != height && client.bottom != height - bar;
}

}  // namespace

int BorderWidth(HWND hwnd) {
    if (FramedBySystem(hwnd)) return 0;
    // A drop-down list is a pop-up without a frame of its own, which a desktop's window manager
    // would leave undrawn, so it draws its thin border itself.
    if (IsDropDown(hwnd)) return kBorder;
    if (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) return kClientEdge;
    return HasStyle(hwnd, WS_BORDER) ? kBorder : 0;
}

int Layout::Page() const { return std::max(1, static_cast<int>(area.bottom - area.top) / itemHeight); }

RECT Layout::ItemRect(int index, int top) const {
    const int y = area.top + (index - top) * itemHeight;
    return {area.left, y, area.right, y + itemHeight};
}

int Layout::ItemAt(POINT at, int top, int count) const {
    if (!PtInRect(&area, at)) return -1;
    const int index = top + (at.y - area.top) / itemHeight;
    return index < count ? index : -1;
}

int Layout::DragTarget(POINT at, int top, int count) const {
    int target = top + (at.y - area.top) / itemHeight;
    if (IsAbove(at)) target = top - 1;
    if (IsBelow(at)) target = top + Page();
    return std::clamp(target, 0, count - 1);
}

Layout LayoutOf(HWND hwnd, const State& state) {
    Layout layout;
    GetClientRect(hwnd, &layout.area);
    const int border = BorderWidth(hwnd);
    InflateRect(&layout.area, -border, -border);
    if (layout.area.bottom < layout.area.top) layout.area.bottom = layout.area.top;
    layout.itemHeight = std::max(1, state.itemHeight);
    return layout;
}

LRESULT ItemFromPoint(const Layout& layout, const State& state, POINT at) {
    const int count = state.items.Count();
    if (count == 0) return MAKELRESULT(0xFFFF, 1);
    bool outside = !PtInRect(&layout.area, at);
    const int y = std::clamp(static_cast<int>(at.y), static_cast<int>(layout.area.top),
                             std::max(static_cast<int>(layout.area.top), static_cast<int>(layout.area.bottom) - 1));
    int index = state.top + (y - layout.area.top) / layout.itemHeight;
    if (index >= count) {
        index = count - 1;
        outside = true;
    }
    return MAKELRESULT(index, outside ? 1 : 0);
}

void FitToWholeItems(HWND hwnd, const State& state) {
    if (HasStyle(hwnd, LBS_NOINTEGRALHEIGHT)) return;
    const Layout layout = LayoutOf(hwnd, state);
    const int height = layout.area.bottom - layout.area.top;
    const int extra = height % layout.itemHeight;
    if (height < layout.itemHeight || extra == 0) return;
    RECT window{};
    GetWindowRect(hwnd, &window);
    SetWindowPos(hwnd, nullptr, 0, 0, window.right - window.left, window.bottom - window.top - extra,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace platform::listbox
