// The "ListBox" control: a column of strings a person picks from with the mouse or the keys.
// One item may be selected, or with LBS_MULTIPLESEL or LBS_EXTENDEDSEL any number; the caret
// (the focus rectangle) and the anchor of a range move with them. The program fills and reads
// the list with the LB_* messages, which never notify; what a person does is told to the parent
// as LBN_SELCHANGE and LBN_DBLCLK with LBS_NOTIFY, and the focus as LBN_SETFOCUS and
// LBN_KILLFOCUS always. WM_SETTEXT and WM_GETTEXT keep the window's own text, as for any window.
// With LBS_COMBOBOX it is a combo box's drop-down list ("ComboLBox"): it tells the combo box
// rather than its parent, follows the pointer while the button is up, and a click outside it
// puts back the selection it was shown with and tells LBN_SELCANCEL.
#include "controls/ListBoxHandlers.h"
#include "controls/ListBoxLayout.h"
#include "controls/SystemClasses.h"

namespace platform {

namespace listbox {

namespace {

POINT PointOf(LPARAM lParam) { return {static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))}; }

// A drop-down list is made by its combo box, which passes itself as the creation parameter.
LRESULT OnNcCreate(HWND hwnd, LPARAM lParam) {
    auto* state = new State;
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    if (create && (create->style & LBS_COMBOBOX)) state->combo = static_cast<HWND>(create->lpCreateParams);
    SetStateOf(hwnd, state);
    return DefWindowProcW(hwnd, WM_NCCREATE, 0, lParam);
}

// The bar follows the view only when the list box was made with it, as on the platform: a
// program may take the style's bar for its own use by adding it later.
void OnCreate(HWND hwnd, State& state) {
    state.itemHeight = FontHeight(hwnd, nullptr);
    state.keepsBar = HasStyle(hwnd, WS_VSCROLL);
    FitToWholeItems(hwnd, state);
    UpdateScrollBar(hwnd, state);
}

void OnNcDestroy(HWND hwnd) {
    delete StateOf(hwnd);
    SetStateOf(hwnd, nullptr);
}

// A new font sets the item height to its line; the box keeps its size until it is next sized.
void OnSetFont(HWND hwnd, State& state, HFONT font, bool redraw) {
    state.font = font;
    state.itemHeight = FontHeight(hwnd, font);
    SetTop(hwnd, state, state.top);
    UpdateScrollBar(hwnd, state);
    if (redraw) RepaintAll(hwnd);
}

void OnSize(HWND hwnd, State& state) {
    FitToWholeItems(hwnd, state);
    SetTop(hwnd, state, state.top);
    UpdateScrollBar(hwnd, state);
    RepaintAll(hwnd);
}

void OnFocus(HWND hwnd, State& state, bool gained) {
    // Losing the focus mid-drag ends the drag; the button coming up still counts as the click.
    if (!gained && state.tracking) EndDrag(hwnd, state);
    RepaintAll(hwnd);  // the focus rectangle, and the border, which shows the focus too
    Notify(hwnd, gained ? LBN_SETFOCUS : LBN_KILLFOCUS);
}

LRESULT OnInput(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN: OnKeyDown(hwnd, static_cast<UINT>(wParam)); return 0;
    case WM_CHAR: OnChar(hwnd, static_cast<WCHAR>(wParam)); return 0;
    case WM_LBUTTONDOWN: OnButtonDown(hwnd, PointOf(lParam), wParam); return 0;
    case WM_MOUSEMOVE: OnMouseMove(hwnd, state, PointOf(lParam)); return 0;
    case WM_LBUTTONUP: OnButtonUp(hwnd, state, PointOf(lParam)); return 0;
    case WM_LBUTTONDBLCLK: OnDoubleClick(hwnd); return 0;
    case WM_CAPTURECHANGED: EndDrag(hwnd, state); return 0;
    case WM_TIMER: OnDragTimer(hwnd, state); return 0;
    case WM_MOUSEWHEEL: OnWheel(hwnd, state, GET_WHEEL_DELTA_WPARAM(wParam)); return 0;
    case WM_VSCROLL: OnVScroll(hwnd, state, LOWORD(wParam), HIWORD(wParam)); return 0;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

LRESULT OnMessage(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsContentMessage(message)) return OnContentMessage(hwnd, state, message, wParam, lParam);
    if (IsSelectionMessage(message)) return OnSelectionMessage(hwnd, state, message, wParam, lParam);
    return OnInput(hwnd, state, message, wParam, lParam);
}

}  // namespace

}  // namespace listbox

using namespace listbox;

LRESULT CALLBACK ListBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) return OnNcCreate(hwnd, lParam);
    State* state = StateOf(hwnd);
    if (!state) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_CREATE: OnCreate(hwnd, *state); return 0;
    case WM_NCDESTROY: OnNcDestroy(hwnd); return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_PAINT: Paint(hwnd, *state); return 0;
    case WM_ERASEBKGND: return 1;  // painted whole in WM_PAINT
    case WM_SIZE: OnSize(hwnd, *state); return 0;
    case WM_SETFONT: OnSetFont(hwnd, *state, reinterpret_cast<HFONT>(wParam), LOWORD(lParam) != 0); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(state->font);
    case WM_SETFOCUS: OnFocus(hwnd, *state, true); return 0;
    case WM_KILLFOCUS: OnFocus(hwnd, *state, false); return 0;
    case WM_ENABLE: case WM_STYLECHANGED: RepaintAll(hwnd); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SHOWWINDOW:
        if (wParam) state->openedWith = state->current;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_MOUSEACTIVATE:
        // The combo box keeps the focus and its window stays active while its list is used.
        if (IsDropDown(hwnd)) return MA_NOACTIVATE;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    default: return OnMessage(hwnd, *state, message, wParam, lParam);
    }
}

}  // namespace platform
