// A TBSTYLE_TOOLTIPS toolbar's tooltip, as the platform makes it: a "tooltips_class32" window
// owned by the toolbar's parent, holding one tool per button (its command id, its rectangle,
// its text asked for when needed). The toolbar hands the tooltip its mouse messages. When the
// tooltip asks the toolbar for a button's text (TTN_GETDISPINFOW), the toolbar asks its parent
// for an info tip first (TBN_GETINFOTIPW) and passes the tooltip's question on unchanged when
// the parent gives none.
#include <vector>

#include "controls/SystemClasses.h"
#include "controls/ToolbarState.h"

namespace platform::toolbar {

namespace {

TTTOOLINFOW ToolOf(HWND hwnd, int command, const RECT& rect) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = hwnd;
    tool.uId = static_cast<UINT_PTR>(command);
    tool.rect = rect;
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    return tool;
}

// The parent's info tip for the button with `command`; empty when it gives none.
std::wstring InfoTip(HWND hwnd, const State& state, int command) {
    const int index = IndexOfCommand(state, command);
    if (index < 0) return {};
    std::vector<wchar_t> text(INFOTIPSIZE + 1, L'\0');
    NMTBGETINFOTIPW ask{};
    ask.pszText = text.data();
    ask.cchTextMax = INFOTIPSIZE;
    ask.iItem = command;
    ask.lParam = static_cast<LPARAM>(state.buttons[static_cast<std::size_t>(index)].info.dwData);
    Notify(hwnd, ask.hdr, TBN_GETINFOTIPW);
    text.back() = L'\0';
    return text.data();
}

}  // namespace

void CreateTooltip(HWND hwnd, State& state) {
    if (!(StyleOf(hwnd) & TBSTYLE_TOOLTIPS)) return;
    RegisterCommonClasses(ICC_BAR_CLASSES);
    state.tooltip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, GetParent(hwnd),
                                    nullptr, nullptr, nullptr);
    if (!state.tooltip) return;
    NMTOOLTIPSCREATED created{};
    created.hwndToolTips = state.tooltip;
    Notify(hwnd, created.hdr, NM_TOOLTIPSCREATED);
}

void SyncTools(HWND hwnd, State& state) {
    if (!state.tooltip || !IsWindow(state.tooltip)) return;
    for (int command : state.toolIds) {
        TTTOOLINFOW tool = ToolOf(hwnd, command, {});
        SendMessageW(state.tooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    state.toolIds.clear();
    for (const Button& b : state.buttons) {
        if (IsSeparator(b)) continue;
        TTTOOLINFOW tool = ToolOf(hwnd, b.info.idCommand, b.rect);
        SendMessageW(state.tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        state.toolIds.push_back(b.info.idCommand);
    }
}

void RelayToTooltip(HWND hwnd, const State& state, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!state.tooltip) return;
    MSG msg{hwnd, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
    SendMessageW(state.tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

LRESULT OnNotify(HWND hwnd, State& state, WPARAM wParam, NMHDR* header) {
    if (!header || !state.tooltip || header->hwndFrom != state.tooltip || header->code != TTN_GETDISPINFOW) return 0;
    std::wstring tip = InfoTip(hwnd, state, static_cast<int>(header->idFrom));
    if (!Alive(hwnd, state)) return 0;
    if (tip.empty()) return SendMessageW(GetParent(hwnd), WM_NOTIFY, wParam, reinterpret_cast<LPARAM>(header));
    state.infoTip = std::move(tip);
    reinterpret_cast<NMTTDISPINFOW*>(header)->lpszText = state.infoTip.data();
    return 0;
}

// The tooltip given takes the buttons' tools; the one it replaces is left to its owner.
LRESULT SetTooltip(HWND hwnd, State& state, HWND tooltip) {
    state.tooltip = IsWindow(tooltip) ? tooltip : nullptr;
    state.toolIds.clear();
    SyncTools(hwnd, state);
    return 0;
}

}  // namespace platform::toolbar
