#include "controls/ComboDropDown.h"

#include <algorithm>

#include "controls/ComboEdit.h"
#include "controls/ComboBoxLayout.h"

namespace platform::combo {

namespace {

// Widths this large are refused, as the platform refuses them.
constexpr int kWidestDropped = 0x8000;
// The list's border, top and bottom, counted when the list shrinks to few items.
constexpr int kListBorders = 2;

int WidthOf(const RECT& r) { return r.right - r.left; }

// The room the list takes: all its items when they are fewer than the room holds.
int ListHeight(const State& state) {
    const auto count = static_cast<int>(SendMessageW(state.list, LB_GETCOUNT, 0, 0));
    const auto itemHeight = static_cast<int>(SendMessageW(state.list, LB_GETITEMHEIGHT, 0, 0));
    const int all = count * itemHeight;
    if (count > 0 && all < state.droppedHeight - kListBorders) return all + kListBorders;
    return state.droppedHeight;
}

// Below the box; above it when the list would pass the bottom of the screen.
RECT ListRect(HWND hwnd, const State& state) {
    RECT box{};
    GetWindowRect(hwnd, &box);
    const int height = ListHeight(state);
    const int width = std::max(WidthOf(box), state.droppedWidth);
    RECT list{box.left, box.bottom, box.left + width, box.bottom + height};
    const int screenBottom = GetSystemMetrics(SM_CYSCREEN);
    if (list.bottom > screenBottom) {
        list.top = std::max(0, static_cast<int>(box.top) - height);
        list.bottom = std::min(screenBottom, static_cast<int>(list.top) + height);
    }
    return list;
}

// The list scrolls to show the selection at its top; CBS_DROPDOWN first selects what its
// text begins.
void PrepareList(HWND hwnd, State& state) {
    if (state.edit) {
        const int match = MatchEditText(hwnd, state, true);
        if (match >= 0) ShowItemInEdit(hwnd, state, match);
        return;
    }
    const int selected = Selected(state);
    SendMessageW(state.list, LB_SETTOPINDEX, static_cast<WPARAM>(std::max(selected, 0)), 0);
}

void ShowList(HWND hwnd, const State& state) {
    const RECT rect = ListRect(hwnd, state);
    SetWindowPos(state.list, HWND_TOPMOST, rect.left, rect.top, WidthOf(rect), rect.bottom - rect.top, SWP_NOACTIVATE);
    ShowWindow(state.list, SW_SHOWNA);
}

}  // namespace

void Open(HWND hwnd) {
    State* state = StateOf(hwnd);
    if (!state || state->dropped || !Notify(hwnd, CBN_DROPDOWN)) return;
    state = StateOf(hwnd);
    if (state->dropped) return;  // the parent opened it meanwhile
    state->dropped = true;
    PrepareList(hwnd, *state);
    ShowList(hwnd, *state);
    if (!state->pressed) SetCapture(state->list);
    RepaintField(hwnd);
}

bool Close(HWND hwnd, bool chosen) {
    if (!Notify(hwnd, chosen ? CBN_SELENDOK : CBN_SELENDCANCEL)) return false;
    State* state = StateOf(hwnd);
    if (!state->dropped) return true;
    state->dropped = false;
    ShowWindow(state->list, SW_HIDE);
    if (GetCapture() == state->list) ReleaseCapture();
    RepaintField(hwnd);
    return Notify(hwnd, CBN_CLOSEUP);
}

void Toggle(HWND hwnd) {
    State* state = StateOf(hwnd);
    if (!state) return;
    if (state->dropped) Close(hwnd, false);
    else Open(hwnd);
}

int DroppedWidth(HWND hwnd, const State& state) {
    if (state.droppedWidth > 0) return state.droppedWidth;
    RECT box{};
    GetWindowRect(hwnd, &box);
    return WidthOf(box);
}

LRESULT SetDroppedWidth(HWND hwnd, State& state, WPARAM wParam) {
    const auto width = static_cast<int>(wParam);
    if (width >= kWidestDropped) return CB_ERR;
    RECT box{};
    GetWindowRect(hwnd, &box);
    state.droppedWidth = width >= WidthOf(box) ? width : 0;
    return DroppedWidth(hwnd, state);
}

RECT DroppedControlRect(HWND hwnd, const State& state) {
    RECT box{};
    GetWindowRect(hwnd, &box);
    return {box.left, box.top, box.left + std::max(WidthOf(box), state.droppedWidth), box.top + state.droppedHeight};
}

}  // namespace platform::combo
