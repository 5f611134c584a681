// What a toolbar tells its parent: WM_NOTIFY with the toolbar's control id, and WM_COMMAND
// with a clicked button's command id, as the platform sends them.
#include "controls/ToolbarState.h"

namespace platform::toolbar {

LRESULT Notify(HWND hwnd, NMHDR& header, UINT code) {
    const int id = GetDlgCtrlID(hwnd);
    header = {hwnd, static_cast<UINT_PTR>(id), code};
    return SendMessageW(GetParent(hwnd), WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&header));
}

namespace {

bool Valid(const State& state, int index) { return index >= 0 && index < static_cast<int>(state.buttons.size()); }

}  // namespace

void NotifyButton(HWND hwnd, UINT code, const State& state, int index) {
    NMTOOLBARW info{};
    if (Valid(state, index)) {
        const Button& b = state.buttons[static_cast<std::size_t>(index)];
        info.iItem = b.info.idCommand;
        info.tbButton = b.info;
        info.rcButton = b.rect;
    }
    Notify(hwnd, info.hdr, code);
}

void NotifyMouse(HWND hwnd, UINT code, const State& state, int index, POINT at) {
    NMMOUSE info{};
    info.dwItemSpec = static_cast<DWORD_PTR>(-1);
    if (Valid(state, index)) {
        const Button& b = state.buttons[static_cast<std::size_t>(index)];
        info.dwItemSpec = static_cast<DWORD_PTR>(b.info.idCommand);
        info.dwItemData = b.info.dwData;
    }
    info.pt = at;
    info.dwHitInfo = 0;
    Notify(hwnd, info.hdr, code);
}

// The platform names the button by its command id and its rectangle, and leaves the rest of the
// button's description empty.
LRESULT NotifyDropDown(HWND hwnd, const State& state, int index) {
    NMTOOLBARW info{};
    const Button& b = state.buttons[static_cast<std::size_t>(index)];
    info.iItem = b.info.idCommand;
    info.rcButton = b.rect;
    return Notify(hwnd, info.hdr, TBN_DROPDOWN);
}

void SendCommand(HWND hwnd, int command) {
    SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), reinterpret_cast<LPARAM>(hwnd));
}

namespace {

void InvalidateButton(HWND hwnd, const State& state, int index) {
    if (Valid(state, index))
        InvalidateRect(hwnd, &state.buttons[static_cast<std::size_t>(index)].rect, FALSE);
}

}  // namespace

void SetHot(HWND hwnd, State& state, int index, DWORD reason) {
    if (state.hot == index) return;
    NMTBHOTITEM info{};
    info.dwFlags = reason;
    if (state.hot >= 0) info.idOld = state.buttons[static_cast<std::size_t>(state.hot)].info.idCommand;
    else info.dwFlags |= HICF_ENTERING;
    if (index >= 0) info.idNew = state.buttons[static_cast<std::size_t>(index)].info.idCommand;
    else info.dwFlags |= HICF_LEAVING;
    if (Notify(hwnd, info.hdr, TBN_HOTITEMCHANGE) || StateOf(hwnd) != &state) return;
    InvalidateButton(hwnd, state, state.hot);
    const bool canBeHot = index >= 0 && IsEnabled(state.buttons[static_cast<std::size_t>(index)]);
    state.hot = canBeHot ? index : -1;
    InvalidateButton(hwnd, state, state.hot);
}

}  // namespace platform::toolbar
