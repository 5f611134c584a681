// The "edit" control: a box a person types a line of text into, or with ES_MULTILINE several
// lines, which wrap unless the field scrolls sideways. The program reads and sets the text with
// WM_GETTEXT and WM_SETTEXT, and shapes what may be typed with the ES_* styles and EM_*
// messages; every change is told to the parent as EN_UPDATE, then EN_CHANGE. A multi-line field
// made with WS_VSCROLL or WS_HSCROLL keeps the window's own bars in step with its lines.
//
// ES_UPPERCASE and ES_LOWERCASE apply to all text the field is given, WM_SETTEXT included, so
// its text always has the case its style promises. ES_NUMBER and the read-only state stop only
// what a person types: the program can still put anything in with WM_SETTEXT or EM_REPLACESEL.
#include <algorithm>
#include <string_view>

#include "controls/EditHandlers.h"
#include "controls/EditLayout.h"
#include "controls/EditScroll.h"
#include "controls/SystemClasses.h"

namespace platform {

namespace {

std::wstring_view StringOf(LPARAM lParam) {
    auto text = reinterpret_cast<LPCWSTR>(lParam);
    return text ? std::wstring_view(text) : std::wstring_view{};
}

POINT PointOf(LPARAM lParam) { return {static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))}; }

LRESULT OnNcCreate(HWND hwnd, LPARAM lParam) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    if (!create) return FALSE;
    auto* state = new EditState;
    SetStateOf(hwnd, state);
    state->lines = LineStyleOf(create->style);
    // The platform shows a multi-line field's text as it is.
    if ((create->style & ES_PASSWORD) && !state->lines.multiLine) state->passwordChar = L'*';
    // The parent does not know the field yet, so the first text is not announced.
    if (create->lpszName && !IS_INTRESOURCE(create->lpszName))
        state->text.SetText(WithCase(create->lpszName, CaseOf(create->style)));
    return DefWindowProcW(hwnd, WM_NCCREATE, 0, lParam);
}

void OnNcDestroy(HWND hwnd) {
    delete StateOf(hwnd);
    SetStateOf(hwnd, nullptr);
}

LRESULT OnSetText(HWND hwnd, EditState& state, LPARAM lParam) {
    state.text.SetText(WithCase(StringOf(lParam), CaseOf(GetWindowLongW(hwnd, GWL_STYLE))));
    state.scroll = state.firstLine = 0;
    state.afterWrap = false;
    ShowChange(hwnd, state);
    return TRUE;
}

LRESULT OnGetText(const EditState& state, WPARAM capacity, LPARAM lParam) {
    auto* buffer = reinterpret_cast<LPWSTR>(lParam);
    if (!buffer || capacity == 0) return 0;
    const std::wstring& text = state.text.Text();
    std::size_t count = std::min<std::size_t>(text.size(), capacity - 1);
    std::copy_n(text.begin(), count, buffer);
    buffer[count] = 0;
    return static_cast<LRESULT>(count);
}

// Both ends in one value when they fit 16 bits, else -1; in full through the pointers.
LRESULT OnGetSel(const EditState& state, WPARAM startOut, LPARAM endOut) {
    std::size_t start = state.text.SelectionStart(), end = state.text.SelectionEnd();
    if (auto* out = reinterpret_cast<DWORD*>(startOut)) *out = static_cast<DWORD>(start);
    if (auto* out = reinterpret_cast<DWORD*>(endOut)) *out = static_cast<DWORD>(end);
    if (end > 0xFFFF) return -1;
    return MAKELRESULT(start, end);
}

// The anchor is wParam, the caret lParam; an end of -1 is the end of the text, and a start of
// -1 takes the selection away, leaving the caret where it is.
void OnSetSel(HWND hwnd, EditState& state, WPARAM wParam, LPARAM lParam) {
    int start = static_cast<int>(wParam), end = static_cast<int>(lParam);
    EditText& text = state.text;
    state.afterWrap = false;
    if (start < 0) text.MoveCaret(text.Caret(), false);
    else text.Select(static_cast<std::size_t>(start), end < 0 ? text.Length() : static_cast<std::size_t>(end));
    ShowSelection(hwnd, state);
}

void SetStyleBit(HWND hwnd, LONG bit, bool on) {
    LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    SetWindowLongW(hwnd, GWL_STYLE, on ? style | bit : style & ~bit);
}

void OnSetPasswordChar(HWND hwnd, EditState& state, WCHAR c) {
    state.passwordChar = c;
    SetStyleBit(hwnd, ES_PASSWORD, c != 0);
    ShowSelection(hwnd, state);
}

void OnSetFont(HWND hwnd, EditState& state, HFONT font) {
    state.font = font;
    if (GetFocus() == hwnd) CreateCaret(hwnd, nullptr, kEditCaretWidth, MeasureEdit(hwnd, state).LineHeight());
    ShowNewLayout(hwnd, state);
    if (GetFocus() == hwnd) ShowCaret(hwnd);
}

void OnSetFocus(HWND hwnd, EditState& state) {
    CreateCaret(hwnd, nullptr, kEditCaretWidth, MeasureEdit(hwnd, state).LineHeight());
    ShowSelection(hwnd, state);
    ShowCaret(hwnd);
    Notify(hwnd, EN_SETFOCUS);
}

void OnKillFocus(HWND hwnd) {
    DestroyCaret();
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
    Notify(hwnd, EN_KILLFOCUS);
}

LRESULT OnEditMessage(HWND hwnd, EditState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case EM_GETSEL: return OnGetSel(state, wParam, lParam);
    case EM_SETSEL: OnSetSel(hwnd, state, wParam, lParam); return 0;
    case EM_REPLACESEL: InsertText(hwnd, state, StringOf(lParam)); return 0;
    case EM_LIMITTEXT: state.text.SetLimit(wParam); return 0;
    case EM_GETLIMITTEXT: return static_cast<LRESULT>(state.text.Limit());
    case EM_SETREADONLY:
        SetStyleBit(hwnd, ES_READONLY, wParam != 0);
        InvalidateRect(hwnd, nullptr, FALSE);
        return TRUE;
    case EM_SETPASSWORDCHAR: OnSetPasswordChar(hwnd, state, static_cast<WCHAR>(wParam)); return 0;
    case EM_GETPASSWORDCHAR: return state.passwordChar;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

LRESULT OnInput(HWND hwnd, EditState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CHAR: OnEditChar(hwnd, state, static_cast<WCHAR>(wParam)); return 0;
    case WM_KEYDOWN: OnEditKeyDown(hwnd, state, static_cast<UINT>(wParam)); return 0;
    case WM_LBUTTONDOWN: OnEditButtonDown(hwnd, PointOf(lParam), wParam); return 0;
    case WM_MOUSEMOVE: OnEditMouseMove(hwnd, state, PointOf(lParam)); return 0;
    case WM_LBUTTONUP: OnEditButtonUp(hwnd, state); return 0;
    case WM_LBUTTONDBLCLK: OnEditDoubleClick(hwnd, state, PointOf(lParam)); return 0;
    case WM_CAPTURECHANGED: state.dragging = false; return 0;
    default:
        if (IsScrollMessage(message)) return OnScrollMessage(hwnd, state, message, wParam, lParam);
        return OnEditMessage(hwnd, state, message, wParam, lParam);
    }
}

}  // namespace

LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) return OnNcCreate(hwnd, lParam);
    EditState* state = StateOf(hwnd);
    if (!state) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_NCDESTROY: OnNcDestroy(hwnd); return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_SETTEXT: return OnSetText(hwnd, *state, lParam);
    case WM_GETTEXT: return OnGetText(*state, wParam, lParam);
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(state->text.Length());
    case WM_SETFONT: OnSetFont(hwnd, *state, reinterpret_cast<HFONT>(wParam)); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(state->font);
    case WM_SETFOCUS: OnSetFocus(hwnd, *state); return 0;
    case WM_KILLFOCUS: OnKillFocus(hwnd); return 0;
    case WM_PAINT: PaintEdit(hwnd, *state); return 0;
    case WM_ERASEBKGND: return 1;  // painted whole in WM_PAINT
    case WM_SIZE: ShowNewLayout(hwnd, *state); return 0;
    case WM_ENABLE: case WM_STYLECHANGED: InvalidateRect(hwnd, nullptr, FALSE); return 0;
    case WM_GETDLGCODE: return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    default: return OnInput(hwnd, *state, message, wParam, lParam);
    }
}

}  // namespace platform
