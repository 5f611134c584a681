// Drawing a list box: the parent's background (WM_CTLCOLORLISTBOX) or the white field, the items
// in view that the update touches, the selection in the look's colours, the focus rectangle on
// the caret item while the list box has the focus, and the border it draws for itself.
#include "controls/ListBoxPaint.h"

#include <algorithm>

#include "controls/ListBoxHandlers.h"
#include "controls/ListBoxLayout.h"
#include "controls/Look.h"

namespace platform::listbox {

namespace {

// Room between an item's left edge and its text.
constexpr int kTextMargin = 2;

// The owner chooses the colours (a combo box asks its own parent); one that gives no brush gets
// the window's colours.
HBRUSH AskColours(HWND hwnd, HDC dc) {
    HWND owner = OwnerOf(hwnd);
    auto answer = SendMessageW(owner ? owner : hwnd, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc),
                               reinterpret_cast<LPARAM>(hwnd));
    if (HBRUSH brush = reinterpret_cast<HBRUSH>(answer)) return brush;
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    return GetSysColorBrush(COLOR_WINDOW);
}

void DrawItems(HWND hwnd, HDC dc, const State& state, const RECT& update, COLORREF text) {
    const Layout layout = LayoutOf(hwnd, state);
    RECT clip{};
    if (!IntersectRect(&clip, &layout.area, &update)) return;
    const int first = state.top + std::max(0, static_cast<int>(clip.top - layout.area.top) / layout.itemHeight);
    const int end = std::min(state.items.Count(), state.top + (clip.bottom - layout.area.top - 1) / layout.itemHeight + 1);
    const bool focused = GetFocus() == hwnd;
    ItemLook look{false, false, IsWindowEnabled(hwnd) != FALSE, text};
    for (int i = first; i < end; ++i) {
        look.selected = IsSelected(hwnd, state, i);
        look.focused = focused && i == state.caret;
        DrawItem(dc, layout.ItemRect(i, state.top), clip, state.items.Text(i), look);
    }
}

void DrawBorder(HWND hwnd, HDC dc, const RECT& client) {
    if (BorderWidth(hwnd) == 0) return;
    look::Outline(dc, client, GetFocus() == hwnd ? look::kBorderFocus : look::kBorder);
}

}  // namespace

void DrawItem(HDC dc, const RECT& rect, const RECT& clip, std::wstring_view text, const ItemLook& look) {
    RECT shown{};
    if (!IntersectRect(&shown, &rect, &clip)) return;
    COLORREF ink = look.enabled ? look.text : look::kDisabledText;
    if (look.selected) {
        look::Fill(dc, shown, look.enabled ? look::kSelection : look::kDisabledFace);
        if (look.enabled) ink = look::kSelectionText;
    }
    const COLORREF oldInk = SetTextColor(dc, ink);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    ExtTextOutW(dc, rect.left + kTextMargin, rect.top, ETO_CLIPPED, &shown, text.data(),
                static_cast<UINT>(text.size()), nullptr);
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldInk);
    if (look.focused) DrawFocusRect(dc, &shown);
}

void Paint(HWND hwnd, const State& state) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!dc) return;
    RECT client{};
    GetClientRect(hwnd, &client);
    HGDIOBJ oldFont = SelectObject(dc, look::FontOf(hwnd, state.font));
    FillRect(dc, &ps.rcPaint, AskColours(hwnd, dc));
    DrawItems(hwnd, dc, state, ps.rcPaint, GetTextColor(dc));
    DrawBorder(hwnd, dc, client);
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

}  // namespace platform::listbox
