#include "controls/ComboBoxState.h"

namespace platform::combo {

namespace {

// The state's pointer, in the window's extra bytes.
constexpr int kStateSlot = 0;

}  // namespace

State* StateOf(HWND hwnd) { return reinterpret_cast<State*>(GetWindowLongPtrW(hwnd, kStateSlot)); }

void SetStateOf(HWND hwnd, State* state) { SetWindowLongPtrW(hwnd, kStateSlot, reinterpret_cast<LONG_PTR>(state)); }

LONG StyleOf(HWND hwnd) { return GetWindowLongW(hwnd, GWL_STYLE); }

bool Notify(HWND hwnd, UINT code) {
    if (HWND parent = GetParent(hwnd))
        SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), code), reinterpret_cast<LPARAM>(hwnd));
    return StateOf(hwnd) != nullptr;
}

int Selected(const State& state) { return static_cast<int>(SendMessageW(state.list, LB_GETCURSEL, 0, 0)); }

std::wstring ItemText(const State& state, int index) {
    const LRESULT length = SendMessageW(state.list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(state.list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void RepaintField(HWND hwnd) { InvalidateRect(hwnd, nullptr, FALSE); }

}  // namespace platform::combo
