// The TB_* messages that add, remove, describe and change a toolbar's buttons. A message naming a
// button the toolbar does not have answers FALSE, or -1 where the answer is a state or an index,
// as the platform's toolbar answers.
#include <algorithm>
#include <span>

#include "controls/ToolbarState.h"

namespace platform::toolbar {

namespace {

Button* ByCommand(State& state, WPARAM command) {
    const int index = IndexOfCommand(state, static_cast<int>(command));
    return index < 0 ? nullptr : &state.buttons[static_cast<std::size_t>(index)];
}

Button* ByIndex(State& state, WPARAM index) {
    return index < state.buttons.size() ? &state.buttons[index] : nullptr;
}

void InvalidateButton(HWND hwnd, const Button& b) { InvalidateRect(hwnd, &b.rect, FALSE); }

// iString holds a label's address, an index into a list of strings this toolbar does not keep,
// or -1 for none; the platform tells an address by its being above the first 64K.
std::wstring LabelOf(const TBBUTTON& b) {
    if (b.iString == -1 || static_cast<std::uintptr_t>(b.iString) <= 0xFFFF) return {};
    return reinterpret_cast<const wchar_t*>(b.iString);
}

LRESULT Insert(HWND hwnd, State& state, std::size_t at, std::span<const TBBUTTON> added) {
    at = std::min(at, state.buttons.size());
    std::vector<Button> made(added.size());
    for (std::size_t i = 0; i < added.size(); ++i) made[i] = {added[i], {}, LabelOf(added[i])};
    state.buttons.insert(state.buttons.begin() + static_cast<std::ptrdiff_t>(at), made.begin(), made.end());
    if (state.hot >= static_cast<int>(at)) state.hot += static_cast<int>(added.size());
    if (state.pressed >= static_cast<int>(at)) state.pressed += static_cast<int>(added.size());
    LayOut(hwnd, state);
    return TRUE;
}

LRESULT AddButtons(HWND hwnd, State& state, WPARAM count, LPARAM list) {
    if (count == 0) return TRUE;
    if (!list) return FALSE;
    return Insert(hwnd, state, state.buttons.size(), {reinterpret_cast<const TBBUTTON*>(list), count});
}

// An index left of the buttons or past them appends.
LRESULT InsertButton(HWND hwnd, State& state, WPARAM at, LPARAM button) {
    if (!button) return FALSE;
    return Insert(hwnd, state, at, {reinterpret_cast<const TBBUTTON*>(button), 1});
}

int Shifted(int index, int removed) { return index == removed ? -1 : index > removed ? index - 1 : index; }

LRESULT DeleteButton(HWND hwnd, State& state, WPARAM at) {
    if (at >= state.buttons.size()) return FALSE;
    const int index = static_cast<int>(at);
    NotifyButton(hwnd, TBN_DELETINGBUTTON, state, index);
    if (!Alive(hwnd, state) || at >= state.buttons.size()) return FALSE;
    state.buttons.erase(state.buttons.begin() + index);
    state.hot = Shifted(state.hot, index);
    state.pressed = Shifted(state.pressed, index);
    if (state.pressed < 0 && state.mouse == MouseMode::Pressing) {
        // The button the mouse held is gone: so is the press.
        state.mouse = MouseMode::Idle;
        if (GetCapture() == hwnd) ReleaseCapture();
    }
    LayOut(hwnd, state);
    return TRUE;
}

// Checking the group's checked button again changes nothing and answers FALSE.
LRESULT CheckButton(HWND hwnd, State& state, WPARAM command, bool check) {
    const int index = IndexOfCommand(state, static_cast<int>(command));
    if (index < 0) return FALSE;
    Button& b = state.buttons[static_cast<std::size_t>(index)];
    const bool group = (b.info.fsStyle & BTNS_GROUP) != 0;
    if (check && group && (b.info.fsState & TBSTATE_CHECKED)) return FALSE;
    if (check && group) CheckInGroup(hwnd, state, index);
    else if (check) b.info.fsState |= TBSTATE_CHECKED;
    else b.info.fsState &= ~TBSTATE_CHECKED;
    InvalidateButton(hwnd, b);
    return TRUE;
}

LRESULT SetFlag(HWND hwnd, State& state, WPARAM command, BYTE flag, bool on) {
    Button* b = ByCommand(state, command);
    if (!b) return FALSE;
    const BYTE before = b->info.fsState;
    b->info.fsState = on ? (before | flag) : (before & ~flag);
    if ((before ^ b->info.fsState) & TBSTATE_HIDDEN) LayOut(hwnd, state);
    else InvalidateButton(hwnd, *b);
    return TRUE;
}

LRESULT FlagOf(State& state, WPARAM command, BYTE flag) {
    const Button* b = ByCommand(state, command);
    return b ? (b->info.fsState & flag) : -1;
}

LRESULT SetStateOf(HWND hwnd, State& state, WPARAM command, BYTE value) {
    Button* b = ByCommand(state, command);
    if (!b) return FALSE;
    const bool relayout = ((b->info.fsState ^ value) & TBSTATE_HIDDEN) != 0;
    b->info.fsState = value;
    if (relayout) LayOut(hwnd, state);
    else InvalidateButton(hwnd, *b);
    return TRUE;
}

LRESULT GetButton(State& state, WPARAM index, LPARAM out) {
    const Button* b = ByIndex(state, index);
    if (!b || !out) return FALSE;
    *reinterpret_cast<TBBUTTON*>(out) = b->info;
    return TRUE;
}

// The label's length; copied too when there is room given.
LRESULT GetText(State& state, WPARAM command, LPARAM out) {
    const Button* b = ByCommand(state, command);
    if (!b) return -1;
    if (auto* buffer = reinterpret_cast<wchar_t*>(out)) {
        b->text.copy(buffer, b->text.size());
        buffer[b->text.size()] = L'\0';
    }
    return static_cast<LRESULT>(b->text.size());
}

// By index a hidden button has no rectangle; by command it has an empty one.
LRESULT CopyRect(const Button* b, LPARAM out, bool hiddenToo) {
    if (!b || (IsHidden(*b) && !hiddenToo) || !out) return FALSE;
    *reinterpret_cast<RECT*>(out) = b->rect;
    return TRUE;
}

LRESULT OnStateMessage(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool on = LOWORD(lParam) != 0;
    switch (message) {
    case TB_CHECKBUTTON: return CheckButton(hwnd, state, wParam, on);
    case TB_ENABLEBUTTON: return SetFlag(hwnd, state, wParam, TBSTATE_ENABLED, on);
    case TB_PRESSBUTTON: return SetFlag(hwnd, state, wParam, TBSTATE_PRESSED, on);
    case TB_HIDEBUTTON: return SetFlag(hwnd, state, wParam, TBSTATE_HIDDEN, on);
    case TB_ISBUTTONCHECKED: {
        const LRESULT checked = FlagOf(state, wParam, TBSTATE_CHECKED);
        return checked < 0 ? -1 : checked != 0;
    }
    case TB_ISBUTTONENABLED: return FlagOf(state, wParam, TBSTATE_ENABLED);
    case TB_ISBUTTONPRESSED: return FlagOf(state, wParam, TBSTATE_PRESSED);
    case TB_ISBUTTONHIDDEN: return FlagOf(state, wParam, TBSTATE_HIDDEN);
    case TB_GETSTATE: return FlagOf(state, wParam, 0xFF);
    case TB_SETSTATE: return SetStateOf(hwnd, state, wParam, static_cast<BYTE>(LOWORD(lParam)));
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

void CheckInGroup(HWND hwnd, State& state, int index) {
    const auto inGroup = [&](int i) {
        return i >= 0 && i < static_cast<int>(state.buttons.size()) &&
               (state.buttons[static_cast<std::size_t>(i)].info.fsStyle & BTNS_GROUP);
    };
    int first = index, last = index;
    while (inGroup(first - 1)) --first;
    while (inGroup(last + 1)) ++last;
    for (int i = first; i <= last; ++i) {
        Button& b = state.buttons[static_cast<std::size_t>(i)];
        const BYTE before = b.info.fsState;
        if (i == index) b.info.fsState |= TBSTATE_CHECKED;
        else b.info.fsState &= ~TBSTATE_CHECKED;
        if (before != b.info.fsState) InvalidateButton(hwnd, b);
    }
}

LRESULT OnButtonMessage(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case TB_ADDBUTTONSW: return AddButtons(hwnd, state, wParam, lParam);
    case TB_INSERTBUTTONW: return InsertButton(hwnd, state, wParam, lParam);
    case TB_DELETEBUTTON: return DeleteButton(hwnd, state, wParam);
    case TB_BUTTONCOUNT: return static_cast<LRESULT>(state.buttons.size());
    case TB_GETBUTTON: return GetButton(state, wParam, lParam);
    case TB_COMMANDTOINDEX: return IndexOfCommand(state, static_cast<int>(wParam));
    case TB_GETITEMRECT: return CopyRect(ByIndex(state, wParam), lParam, false);
    case TB_GETRECT: return CopyRect(ByCommand(state, wParam), lParam, true);
    case TB_GETBUTTONTEXTW: return GetText(state, wParam, lParam);
    default: return OnStateMessage(hwnd, state, message, wParam, lParam);
    }
}

}  // namespace platform::toolbar
