// Drawing a combo box in the controls' look. A drop-down list's field is a button face showing
// the selected item as the list draws its items, in the selection colours with a focus
// rectangle while the box has the focus and the list is closed. CBS_DROPDOWN's field is the
// edit's, inside a thin border that shows the focus. Both end in the arrow, at the right.
//
// The parent is asked for colours as on the platform, with WM_CTLCOLOREDIT, or
// WM_CTLCOLORSTATIC while the box is disabled. A drop-down list keeps its own face, as a push
// button does, and the parent's brush fills only round its rounded corners; CBS_DROPDOWN's
// field takes the brush round the edit, which asks for the same colours.
#include <algorithm>

#include "controls/ComboBoxHandlers.h"
#include "controls/ComboBoxLayout.h"
#include "controls/ListBoxPaint.h"
#include "controls/Look.h"

namespace platform::combo {

namespace {

// The arrow: a triangle this many rows tall, each a pixel narrower on both sides.
constexpr int kArrowRows = 4;

struct Face {
    COLORREF face;
    COLORREF border;
    COLORREF ink;
};

Face FaceOf(HWND hwnd, const State& state) {
    if (!IsWindowEnabled(hwnd)) return {look::kDisabledFace, look::kDisabledBorder, look::kDisabledText};
    const COLORREF ink = GetSysColor(COLOR_BTNTEXT);
    if (state.dropped || state.pressed) return {look::kFacePressed, look::kBorderPressed, ink};
    return {look::kFace, state.focused ? look::kBorderFocus : look::kBorder, ink};
}

HBRUSH AskColours(HWND hwnd, HDC dc) {
    const bool enabled = IsWindowEnabled(hwnd) != FALSE;
    if (HBRUSH brush = look::ParentColours(hwnd, dc, enabled ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC)) return brush;
    return GetSysColorBrush(enabled ? COLOR_WINDOW : COLOR_BTNFACE);
}

// Row by row, each row whole pixels, so the arrow stays crisp.
void DrawArrow(HDC dc, const RECT& box, COLORREF ink) {
    const int middle = (box.left + box.right - 1) / 2;
    const int top = (box.top + box.bottom - kArrowRows) / 2;
    for (int row = 0; row < kArrowRows; ++row) {
        const int half = kArrowRows - 1 - row;
        look::Fill(dc, {middle - half, top + row, middle + half + 1, top + row + 1}, ink);
    }
}

int LineHeight(HDC dc) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    return static_cast<int>(metrics.tmHeight);
}

// The selected item, its line in the middle of the field.
void DrawSelectedItem(HWND hwnd, HDC dc, const State& state, const RECT& field) {
    const bool enabled = IsWindowEnabled(hwnd) != FALSE;
    const bool highlighted = enabled && state.focused && !state.dropped;
    if (highlighted) look::Fill(dc, field, look::kSelection);
    if (const int selected = Selected(state); selected >= 0) {
        RECT line = field;
        line.top += (field.bottom - field.top - LineHeight(dc)) / 2;
        const listbox::ItemLook itemLook{highlighted, false, enabled, GetSysColor(COLOR_BTNTEXT)};
        listbox::DrawItem(dc, line, field, ItemText(state, selected), itemLook);
    }
    if (highlighted) DrawFocusRect(dc, &field);
}

void PaintListField(HWND hwnd, HDC dc, const State& state, const RECT& client, HBRUSH surroundings) {
    const Layout layout = LayoutOf(hwnd, state);
    const Face face = FaceOf(hwnd, state);
    FillRect(dc, &client, surroundings);
    look::RoundedBox(dc, client, face.face, face.border, 1);
    DrawSelectedItem(hwnd, dc, state, layout.field);
    DrawArrow(dc, layout.arrow, face.ink);
}

void PaintEditField(HWND hwnd, HDC dc, const State& state, const RECT& client, HBRUSH background) {
    const Layout layout = LayoutOf(hwnd, state);
    const Face face = FaceOf(hwnd, state);
    FillRect(dc, &client, background);
    look::Outline(dc, client, face.border);
    // The arrow's button reaches the border, leaving no strip of the field round it.
    RECT button = layout.arrow;
    button.top = 1;
    button.right = std::max(button.left, client.right - 1);
    button.bottom = std::max(button.top, client.bottom - 1);
    look::Fill(dc, button, face.face);
    DrawArrow(dc, layout.arrow, face.ink);
}

}  // namespace

void Paint(HWND hwnd, const State& state) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!dc) return;
    RECT client{};
    GetClientRect(hwnd, &client);
    HGDIOBJ oldFont = SelectObject(dc, look::FontOf(hwnd, state.font));
    HBRUSH brush = AskColours(hwnd, dc);
    if (state.edit) PaintEditField(hwnd, dc, state, client, brush);
    else PaintListField(hwnd, dc, state, client, brush);
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

}  // namespace platform::combo
