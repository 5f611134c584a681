#include "controls/ListBoxState.h"

#include <algorithm>

#include "controls/ListBoxHandlers.h"
#include "controls/ListBoxLayout.h"
#include "controls/Look.h"

namespace platform::listbox {

namespace {

// The state's pointer, in the window's extra bytes.
constexpr int kStateSlot = 0;

}  // namespace

State* StateOf(HWND hwnd) { return reinterpret_cast<State*>(GetWindowLongPtrW(hwnd, kStateSlot)); }

void SetStateOf(HWND hwnd, State* state) { SetWindowLongPtrW(hwnd, kStateSlot, reinterpret_cast<LONG_PTR>(state)); }

LONG StyleOf(HWND hwnd) { return GetWindowLongW(hwnd, GWL_STYLE); }

bool IsSelected(HWND hwnd, const State& state, int index) {
    if (!state.items.Has(index)) return false;
    return IsMultiple(hwnd) ? state.items.Selected(index) : index == state.current;
}

int CurrentOf(HWND hwnd, const State& state) {
    if (!IsMultiple(hwnd)) return state.current;
    return state.items.Count() > 0 ? state.caret : LB_ERR;
}

HWND OwnerOf(HWND hwnd) {
    const State* state = StateOf(hwnd);
    return state && state->combo ? state->combo : GetParent(hwnd);
}

bool Notify(HWND hwnd, UINT code) {
    const bool focusNotice = code == LBN_SETFOCUS || code == LBN_KILLFOCUS;
    HWND owner = OwnerOf(hwnd);
    if (owner && (focusNotice || HasStyle(hwnd, LBS_NOTIFY)))
        SendMessageW(owner, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), code), reinterpret_cast<LPARAM>(hwnd));
    return StateOf(hwnd) != nullptr;
}

int FontHeight(HWND hwnd, HFONT font) {
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, look::FontOf(hwnd, font));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return std::max(1, static_cast<int>(metrics.tmHeight));
}

void RepaintItem(HWND hwnd, const State& state, int index) {
    if (!state.items.Has(index)) return;
    const Layout layout = LayoutOf(hwnd, state);
    RECT rect = layout.ItemRect(index, state.top);
    if (IntersectRect(&rect, &rect, &layout.area)) InvalidateRect(hwnd, &rect, FALSE);
}

void RepaintAll(HWND hwnd) { InvalidateRect(hwnd, nullptr, FALSE); }

void SetTop(HWND hwnd, State& state, int top) {
    const int kept = std::clamp(top, 0, LayoutOf(hwnd, state).MaxTop(state.items.Count()));
    if (kept == state.top) return;
    state.top = kept;
    RepaintAll(hwnd);
    UpdateScrollBar(hwnd, state);
}

bool ScrollToShow(HWND hwnd, State& state, int index) {
    if (!state.items.Has(index)) return false;
    const int page = LayoutOf(hwnd, state).Page();
    const int before = state.top;
    if (index < state.top) SetTop(hwnd, state, index);
    else if (index >= state.top + page) SetTop(hwnd, state, index - page + 1);
    return state.top != before;
}

}  // namespace platform::listbox
