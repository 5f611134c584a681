// Where a toolbar's buttons lie, and where the toolbar itself lies along its parent. Buttons sit
// in one row from the left, all of the button size (separators of their own width), a hidden
// button taking no room; the toolbar spans its parent's width at the top, or the bottom with
// CCS_BOTTOM, as high as a button and its margins.
#include <algorithm>

#include "controls/Look.h"
#include "controls/ToolbarState.h"

namespace platform::toolbar {

namespace {

int WidthOf(const State& state, const Button& button, SIZE size) {
    if (IsSeparator(button)) return button.info.iBitmap > 0 ? button.info.iBitmap : kSeparatorWidth;
    return size.cx + (HasArrow(state, button) ? kArrowWidth : 0);
}

int DividerOf(HWND hwnd) { return (StyleOf(hwnd) & CCS_NODIVIDER) ? 0 : kDividerHeight; }

// The widest label and the height of a line, in the toolbar's font; zero without labels.
SIZE MeasureLabels(HWND hwnd, const State& state) {
    SIZE labels{};
    const HFONT font = look::FontOf(hwnd, state.font);
    for (const Button& b : state.buttons)
        if (!b.text.empty()) labels.cx = std::max(labels.cx, look::MeasureText(b.text, font).cx);
    if (std::none_of(state.buttons.begin(), state.buttons.end(), [](const Button& b) { return !b.text.empty(); }))
        return {};
    labels.cy = look::MeasureText(L"Ag", font).cy;
    return labels;
}

}  // namespace

int ImageAreaHeight(const State& state) {
    return std::max<LONG>(state.buttonSize.cy, state.bitmapSize.cy + kImagePadding.cy);
}

SIZE ButtonSize(const State& state) {
    const LONG width = std::max<LONG>(state.buttonSize.cx, state.bitmapSize.cx + kImagePadding.cx);
    if (!state.labels.cy) return {width, ImageAreaHeight(state)};
    return {std::max<LONG>(width, state.labels.cx + kLabelPadding), ImageAreaHeight(state) + state.labels.cy};
}

bool HasArrow(const State& state, const Button& button) {
    const BYTE style = button.info.fsStyle;
    if (style & BTNS_SEP) return false;
    if (style & BTNS_WHOLEDROPDOWN) return true;
    return (style & BTNS_DROPDOWN) && (state.extendedStyle & TBSTYLE_EX_DRAWDDARROWS);
}

RECT ArrowRect(const State& state, const Button& button) {
    if (!HasArrow(state, button)) return {};
    RECT r = button.rect;
    r.left = std::max(r.left, r.right - kArrowWidth);
    return r;
}

void LayOut(HWND hwnd, State& state) {
    state.labels = MeasureLabels(hwnd, state);
    const SIZE size = ButtonSize(state);
    int x = 0;
    for (Button& b : state.buttons) {
        if (IsHidden(b)) {
            b.rect = {};
            continue;
        }
        const int width = WidthOf(state, b, size);
        b.rect = {x, kRowMargin, x + width, kRowMargin + size.cy};
        x += width;
    }
    SyncTools(hwnd, state);
    InvalidateRect(hwnd, nullptr, FALSE);
}

namespace {

// The toolbar's rectangle in its parent's client coordinates.
RECT PlaceIn(HWND hwnd, HWND parent) {
    RECT now{};
    GetWindowRect(hwnd, &now);
    POINT corners[2] = {{now.left, now.top}, {now.right, now.bottom}};
    for (POINT& p : corners) ScreenToClient(parent, &p);
    return {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

}  // namespace

void AutoSize(HWND hwnd, const State& state) {
    const LONG style = StyleOf(hwnd);
    HWND parent = GetParent(hwnd);
    RECT area{};
    if (!parent || !GetClientRect(parent, &area)) return;
    const RECT now = PlaceIn(hwnd, parent);
    const int height = ButtonSize(state).cy + 2 * kRowMargin + DividerOf(hwnd);
    RECT want{0, 0, area.right, height};
    // CCS_BOTTOM is CCS_TOP and CCS_NOMOVEY together.
    const LONG align = style & CCS_BOTTOM;
    if (align == CCS_BOTTOM) OffsetRect(&want, 0, area.bottom - height);
    if (align == CCS_NOMOVEY || (style & CCS_NOPARENTALIGN)) OffsetRect(&want, 0, now.top - want.top);
    if (style & CCS_NOPARENTALIGN) OffsetRect(&want, now.left, 0);
    if (style & CCS_NORESIZE) want = {want.left, want.top, want.left + now.right - now.left, want.top + now.bottom - now.top};
    if (EqualRect(&want, &now)) return;
    SetWindowPos(hwnd, nullptr, want.left, want.top, want.right - want.left, want.bottom - want.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace platform::toolbar
