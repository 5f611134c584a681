// Drawing an edit field: the parent's background, the visible part of each line in view, the
// selection while the field has the focus, and a thin border.
#include <algorithm>
#include <string>

#include "controls/EditHandlers.h"
#include "controls/EditLayout.h"
#include "controls/EditView.h"
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

void PaintLine(HDC dc, HWND hwnd, const EditState& state, const std::wstring& shown) {
    EditLayout layout(dc, hwnd, state);
    DrawLine(dc, layout, shown, layout.Box());
    if (ShowsSelection(hwnd, state)) DrawSelection(dc, layout, state, shown);
}

// A multi-line field's line `line`: only its characters in view are drawn.
void DrawViewLine(HDC dc, const EditView& view, const std::wstring& text, int line, const RECT& clip) {
    auto [first, end] = view.VisibleRange(line);
    ExtTextOutW(dc, view.X(line, first), view.LineTop(line), ETO_CLIPPED, &clip, text.c_str() + first,
                static_cast<UINT>(end - first), nullptr);
}

void DrawViewSelection(HDC dc, const EditView& view, const EditState& state, int line) {
    const EditLine& l = view.Line(line);
    const std::size_t start = std::max(state.text.SelectionStart(), l.start);
    const std::size_t end = std::min(state.text.SelectionEnd(), l.end);
    if (start >= end) return;
    const int top = view.LineTop(line);
    RECT band{view.X(line, start), top, view.X(line, end), top + view.LineHeight()};
    if (!IntersectRect(&band, &band, &view.Box())) return;
    look::Fill(dc, band, look::kSelection);
    const COLORREF oldColour = SetTextColor(dc, look::kSelectionText);
    DrawViewLine(dc, view, state.text.Text(), line, band);
    SetTextColor(dc, oldColour);
}

void PaintLines(HDC dc, HWND hwnd, const EditState& state) {
    const EditView view(dc, hwnd, state);
    const int end = std::min(view.LineCount(), view.FirstLine() + view.PageLines());
    const bool selection = ShowsSelection(hwnd, state);
    for (int line = view.FirstLine(); line < end; ++line) {
        DrawViewLine(dc, view, state.text.Text(), line, view.Box());
        if (selection) DrawViewSelection(dc, view, state, line);
    }
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
    if (state.lines.multiLine) PaintLines(dc, hwnd, state);
    else PaintLine(dc, hwnd, state, DisplayedText(state.text.Text(), state.passwordChar));
    if (HasEditBorder(hwnd)) look::Outline(dc, client, GetFocus() == hwnd ? look::kBorderFocus : look::kBorder);
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

}  // namespace platform
