#include "controls/ComboBoxLayout.h"

#include <algorithm>

#include "controls/Look.h"

namespace platform::combo {

namespace {

// A line of text and this much above and below it.
constexpr int kFieldPadding = 2;

}  // namespace

Layout LayoutOf(HWND hwnd, const State& state) {
    RECT client{};
    GetClientRect(hwnd, &client);
    const int arrowWidth = GetSystemMetrics(SM_CXVSCROLL);
    const int right = std::max(kFrame, static_cast<int>(client.right) - kFrame);
    const int arrowLeft = std::max(kFrame, right - arrowWidth);
    const int bottom = kFrame + state.fieldHeight;
    Layout layout;
    layout.field = {kFrame, kFrame, arrowLeft, bottom};
    layout.arrow = {arrowLeft, kFrame, right, bottom};
    if (!IsDropDownList(hwnd)) {
        // The edit keeps a pixel from the field's edges.
        layout.edit = layout.field;
        InflateRect(&layout.edit, -1, -1);
        layout.edit.right = std::max(layout.edit.left, layout.edit.right);
        layout.edit.bottom = std::max(layout.edit.top, layout.edit.bottom);
    }
    return layout;
}

int FieldHeightFor(HWND hwnd, HFONT font) {
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, look::FontOf(hwnd, font));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return static_cast<int>(metrics.tmHeight) + 2 * kFieldPadding;
}

// The edit's field ends a pixel higher, so its list's room begins a pixel higher too.
int DroppedTop(HWND hwnd, const State& state) { return WindowHeight(state) - (IsDropDownList(hwnd) ? 0 : 1); }

void FitToField(HWND hwnd, const State& state) {
    RECT window{};
    GetWindowRect(hwnd, &window);
    SetWindowPos(hwnd, nullptr, 0, 0, window.right - window.left, WindowHeight(state),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PlaceEdit(hwnd, state);
}

void PlaceEdit(HWND hwnd, const State& state) {
    if (!state.edit) return;
    const RECT edit = LayoutOf(hwnd, state).edit;
    MoveWindow(state.edit, edit.left, edit.top, edit.right - edit.left, edit.bottom - edit.top, TRUE);
}

}  // namespace platform::combo
