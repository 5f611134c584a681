#include "controls/DatePickerLayout.h"

#include <algorithm>

#include "controls/Look.h"

namespace platform::datepick {

bool HasUpDown(LONG style) { return (style & DTS_UPDOWN) != 0; }

Layout LayoutOf(HWND hwnd) {
    Layout layout;
    GetClientRect(hwnd, &layout.inner);
    InflateRect(&layout.inner, -kEdge, -kEdge);
    layout.inner.right = std::max(layout.inner.left, layout.inner.right);
    layout.inner.bottom = std::max(layout.inner.top, layout.inner.bottom);
    const LONG style = StyleOf(hwnd);
    const RECT& in = layout.inner;
    layout.button = {std::max(in.left, in.right - kButtonWidth), in.top, in.right, in.bottom};
    int textLeft = in.left + kTextIndent;
    if (style & DTS_SHOWNONE) {
        layout.check = {in.left + 2, in.top + 2, in.left + 2 + kCheckSize, in.top + 2 + kCheckSize};
        textLeft = layout.check.right + kTextIndent;
    }
    layout.text = {textLeft, in.top, std::max(textLeft, static_cast<int>(layout.button.left)), in.bottom};
    return layout;
}

std::wstring ShownText(const State& state, std::size_t index) {
    if (static_cast<int>(index) == state.selected && !state.typed.empty()) return state.typed;
    return FieldText(state.fields[index], state.date);
}

std::vector<RECT> FieldRects(HDC dc, const Layout& layout, const State& state) {
    std::vector<RECT> rects;
    int x = layout.text.left;
    for (std::size_t i = 0; i < state.fields.size(); ++i) {
        const std::wstring text = ShownText(state, i);
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        rects.push_back({x, layout.text.top, x + size.cx, layout.text.bottom});
        x += size.cx;
    }
    return rects;
}

int FieldAt(HWND hwnd, const State& state, POINT point) {
    HDC dc = GetDC(hwnd);
    if (!dc) return -1;
    HGDIOBJ old = SelectObject(dc, look::FontOf(hwnd, state.font));
    const std::vector<RECT> rects = FieldRects(dc, LayoutOf(hwnd), state);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    for (std::size_t i = 0; i < rects.size(); ++i)
        if (IsEditable(state.fields[i]) && point.x >= rects[i].left && point.x < rects[i].right) return static_cast<int>(i);
    return -1;
}

}  // namespace platform::datepick
