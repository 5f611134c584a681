// Drawing an edit field: the parent's background, the visible part of the line, the
// selection while the field has the focus, and a thin border.
#include <string>

#include "controls/EditHandlers.h"
#include "controls/EditLayout.h"
#include "controls/Look.h"

namespace platform {

namespace {

// The parent picks the colours. A field a person cannot type into asks as static text does,
// which gives it the dialog's face colour, as on the platform.
HBRUSH AskColours(HWND hwnd, HDC dc) {
    bool typable = !IsReadOnly(hwnd) && IsWindowEnabled(hwnd);
    UINT message = typable ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC;
    HBRUSH brush = look::ParentColours(hwnd, dc, message);
    return brush ? brush : GetSysColorBrush(typable ? COLOR_WINDOW : COLOR_BTNFACE);
}

bool ShowsSelection(HWND hwnd, const EditState& state) {
    if (!state.text.HasSelection()) return false;
    return GetFocus() == hwnd || (GetWindowLongW(hwnd, GWL_STYLE) & ES_NOHIDESEL);
}

// Only the characters in view are drawn, at the place they have in the whole line.
void DrawLine(HDC dc, const EditLayout& layout, const std::wstring& shown, const RECT& clip) {
    auto [first, end] = layout.VisibleRange();
    ExtTextOutW(dc, layout.X(first), layout.LineTop(), ETO_CLIPPED, &clip, shown.c_str() + first,
                static_cast<UINT>(end - first), nullptr);
}

void DrawSelection(HDC dc, const EditLayout& layout, const EditState& state, const std::wstring& shown) {
    int top = layout.LineTop();
    RECT band{layout.X(state.text.SelectionStart()), top, layout.X(state.text.SelectionEnd()), top + layout.LineHeight()};
    if (!IntersectRect(&band, &band, &layout.Box())) return;
    look::Fill(dc, band, look::kSelection);
    COLORREF oldColour = SetTextColor(dc, look::kSelectionText);
    DrawLine(dc, layout, shown, band);
    SetTextColor(dc, oldColour);
}

}  // namespace

void PaintEdit(HWND hwnd, const EditState& state) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!dc) return;
    RECT client{};
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, AskColours(hwnd, dc));
    if (!IsWindowEnabled(hwnd)) SetTextColor(dc, look::kDisabledText);
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(dc, look::FontOf(hwnd, state.font));
    EditLayout layout(dc, hwnd, state);
    std::wstring shown = DisplayedText(state.text.Text(), state.passwordChar);
    DrawLine(dc, layout, shown, layout.Box());
    if (ShowsSelection(hwnd, state)) DrawSelection(dc, layout, state, shown);
    if (HasEditBorder(hwnd)) look::Outline(dc, client, GetFocus() == hwnd ? look::kBorderFocus : look::kBorder);
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

}  // namespace platform
