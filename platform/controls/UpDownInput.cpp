#include "controls/UpDownInput.h"

#include <algorithm>

#include "controls/UpDownBuddy.h"
#include "controls/UpDownGeometry.h"
#include "controls/UpDownValue.h"

namespace platform::updown {

namespace {

constexpr UINT_PTR kFirstRepeatTimer = 1;
constexpr UINT_PTR kRepeatTimer = 2;
constexpr UINT_PTR kKeyPressTimer = 3;
constexpr UINT kFirstRepeatMs = 500;
constexpr UINT kRepeatMs = 50;  // without an acceleration table
constexpr UINT kKeyPressShownMs = 250;

UINT ScrollMessage(HWND hwnd) { return (StyleOf(hwnd) & UDS_HORZ) ? WM_HSCROLL : WM_VSCROLL; }

void TellParent(HWND hwnd, WORD code, int position) {
    SendMessageW(GetParent(hwnd), ScrollMessage(hwnd), MAKEWPARAM(code, static_cast<WORD>(position)),
                 reinterpret_cast<LPARAM>(hwnd));
}

int FirstIncrement(const State& state) { return state.accels.empty() ? 1 : static_cast<int>(state.accels[0].nInc); }

// An entry of the table holds for its seconds, then the next one's increment applies.
UINT DelayOfEntry(const State& state, int index) {
    const unsigned long long ms = static_cast<unsigned long long>(state.accels[static_cast<std::size_t>(index)].nSec) * 1000 + 1;
    return static_cast<UINT>(std::min<unsigned long long>(ms, 0x7FFFFFFF));
}

// One step of `increment` in the arrow's direction, which a crossed range turns round. The
// parent answers UDN_DELTAPOS first: non-zero refuses the step, and it may change iDelta.
// Whatever it answers, it then hears the position. False when the control did not survive.
bool Step(HWND hwnd, int increment, Arrow arrow) {
    State* state = StateOf(hwnd);
    if (!state) return false;
    const bool crossed = state->max < state->min;
    const long long delta = static_cast<long long>(increment) * ((arrow == Arrow::Up) != crossed ? 1 : -1);
    const int id = GetDlgCtrlID(hwnd);
    NMUPDOWN change{{hwnd, static_cast<UINT_PTR>(id), UDN_DELTAPOS}, state->pos, static_cast<int>(delta)};
    const LRESULT refused = SendMessageW(GetParent(hwnd), WM_NOTIFY, static_cast<WPARAM>(id),
                                         reinterpret_cast<LPARAM>(&change));
    if (!(state = StateOf(hwnd))) return false;
    if (!refused && OffsetBy(*state, change.iDelta, StyleOf(hwnd) & UDS_WRAP)) {
        InvalidateRect(hwnd, nullptr, FALSE);
        WriteBuddy(hwnd, *state);
        if (!(state = StateOf(hwnd))) return false;
    }
    TellParent(hwnd, SB_THUMBPOSITION, state->pos);
    return StateOf(hwnd) != nullptr;
}

// While held over an arrow: a step, then on to the next entry of the acceleration table.
void Repeat(HWND hwnd) {
    State* state = StateOf(hwnd);
    if (!state || state->arrow == Arrow::None) return;
    const int count = static_cast<int>(state->accels.size());
    state->accelIndex = std::min(state->accelIndex, count - 1);
    const int increment = state->accelIndex < 0 ? 1 : static_cast<int>(state->accels[static_cast<std::size_t>(state->accelIndex)].nInc);
    if (!Step(hwnd, increment, state->arrow) || !(state = StateOf(hwnd))) return;
    if (state->accelIndex < 0 || state->accelIndex >= count - 1) return;
    ++state->accelIndex;
    SetTimer(hwnd, kRepeatTimer, DelayOfEntry(*state, state->accelIndex), nullptr);
}

// After the first half second the repeats start: 50 ms apart without a table, else as its
// first entry says.
void StartRepeating(HWND hwnd, State& state) {
    KillTimer(hwnd, kFirstRepeatTimer);
    state.accelIndex = state.accels.empty() ? -1 : 0;
    SetTimer(hwnd, kRepeatTimer, state.accels.empty() ? kRepeatMs : DelayOfEntry(state, 0), nullptr);
    Repeat(hwnd);
}

void Track(HWND hwnd, State& state, POINT at) {
    state.arrow = ArrowAt(hwnd, state, at);
    if (state.arrow == Arrow::None && state.accelIndex != -1) state.accelIndex = 0;
}

}  // namespace

bool IsEnabled(HWND hwnd, const State& state) {
    return IsWindowEnabled(hwnd) && (!state.buddy || IsWindowEnabled(state.buddy));
}

// A press gives an edit buddy the focus, wherever it lands.
void OnButtonDown(HWND hwnd, POINT at) {
    State* state = StateOf(hwnd);
    if (!state || !IsEnabled(hwnd, *state)) return;
    if (IsBuddyEdit(*state)) SetFocus(state->buddy);
    if (!(state = StateOf(hwnd))) return;
    Track(hwnd, *state, at);
    if (state->arrow == Arrow::None) return;
    ReadBuddy(hwnd, *state);
    state->pressed = true;
    InvalidateRect(hwnd, nullptr, FALSE);
    if (!Step(hwnd, FirstIncrement(*state), state->arrow)) return;
    SetCapture(hwnd);
    SetTimer(hwnd, kFirstRepeatTimer, kFirstRepeatMs, nullptr);
}

// The held arrow is whichever one the pointer is over now.
void OnMouseMove(HWND hwnd, State& state, POINT at) {
    if (!IsEnabled(hwnd, state)) return;
    const Arrow before = state.arrow;
    Track(hwnd, state, at);
    if (state.arrow != before) InvalidateRect(hwnd, nullptr, FALSE);
    if (state.arrow == Arrow::None) return;
    TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, hwnd, HOVER_DEFAULT};
    TrackMouseEvent(&leave);
}

void OnMouseLeave(HWND hwnd, State& state) {
    if (state.arrow == Arrow::None) return;
    state.arrow = Arrow::None;
    InvalidateRect(hwnd, nullptr, FALSE);
}

// A release over an arrow ends the scroll and selects all of an edit buddy's text; elsewhere
// it only lets go.
void OnButtonUp(HWND hwnd) {
    State* state = StateOf(hwnd);
    if (!state || GetCapture() != hwnd) return;
    if (state->arrow != Arrow::None) {
        TellParent(hwnd, SB_ENDSCROLL, state->pos);
        if (!(state = StateOf(hwnd))) return;
        if (IsBuddyEdit(*state)) SendMessageW(state->buddy, EM_SETSEL, 0, MAKELPARAM(0, -1));
        if (!(state = StateOf(hwnd))) return;
    }
    CancelPress(hwnd, *state);
}

void OnTimer(HWND hwnd, WPARAM id) {
    State* state = StateOf(hwnd);
    if (!state) return;
    if (id == kFirstRepeatTimer) StartRepeating(hwnd, *state);
    if (id == kRepeatTimer) Repeat(hwnd);
    if (id != kKeyPressTimer) return;
    KillTimer(hwnd, kKeyPressTimer);
    state->keyPressed = Arrow::None;
    InvalidateRect(hwnd, nullptr, FALSE);
}

void CancelPress(HWND hwnd, State& state) {
    if (!state.pressed) return;
    state.pressed = false;
    KillTimer(hwnd, kFirstRepeatTimer);
    KillTimer(hwnd, kRepeatTimer);
    InvalidateRect(hwnd, nullptr, FALSE);
    if (GetCapture() == hwnd) ReleaseCapture();
}

// Only Up and Down step, whatever way the control lies; each press steps once (a held key
// repeats its presses) and shows its arrow pressed for a moment.
LRESULT OnArrowKey(HWND hwnd, UINT key) {
    const Arrow arrow = key == VK_UP ? Arrow::Up : (key == VK_DOWN ? Arrow::Down : Arrow::None);
    State* state = StateOf(hwnd);
    if (!state || arrow == Arrow::None) return 1;
    ReadBuddy(hwnd, *state);
    state->keyPressed = arrow;
    InvalidateRect(hwnd, nullptr, FALSE);
    SetTimer(hwnd, kKeyPressTimer, kKeyPressShownMs, nullptr);
    Step(hwnd, FirstIncrement(*state), arrow);
    return 0;
}

}  // namespace platform::updown
