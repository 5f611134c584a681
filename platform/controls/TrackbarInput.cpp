// How a person moves a trackbar. Keys step the position by a line or a page, or send it to an
// end, and their release ends the move (TB_ENDTRACK). A press on the thumb drags it; a press
// beside it pages toward the press, again every half second while held, and every time the
// pointer moves, until the thumb passes the pointer. The parent hears each step as it happens.
#include "controls/TrackbarGeometry.h"
#include "controls/TrackbarState.h"

namespace platform::trackbar {

namespace {

constexpr UINT_PTR kPagingTimer = 1;
constexpr UINT kPagingRepeatMs = 500;

enum class Step { None, LineUp, LineDown, PageUp, PageDown, Top, Bottom };

// TBS_DOWNISLEFT swaps which way Up/Down (horizontal) or Left/Right (vertical) go.
Step StepOfKey(LONG style, UINT key) {
    const bool vertical = (style & TBS_VERT) != 0, downIsLeft = (style & TBS_DOWNISLEFT) != 0;
    const bool swapUpDown = !vertical && downIsLeft, swapLeftRight = vertical && downIsLeft;
    switch (key) {
    case VK_UP: return swapUpDown ? Step::LineDown : Step::LineUp;
    case VK_LEFT: return swapLeftRight ? Step::LineDown : Step::LineUp;
    case VK_DOWN: return swapUpDown ? Step::LineUp : Step::LineDown;
    case VK_RIGHT: return swapLeftRight ? Step::LineUp : Step::LineDown;
    case VK_NEXT: return swapUpDown ? Step::PageUp : Step::PageDown;
    case VK_PRIOR: return swapUpDown ? Step::PageDown : Step::PageUp;
    case VK_HOME: return Step::Top;
    case VK_END: return Step::Bottom;
    default: return Step::None;
    }
}

// A step toward the maximum or the minimum, stopping there; none from the end it goes to. The
// position has moved before the parent hears of it.
void Move(HWND hwnd, State& state, LONG by, bool towardMax, WORD code) {
    const LONG end = towardMax ? state.max : state.min;
    if (state.pos == end) return;
    const long long moved = static_cast<long long>(state.pos) + (towardMax ? by : -static_cast<long long>(by));
    const bool passed = towardMax ? moved > end : moved < end;
    state.pos = passed ? end : static_cast<LONG>(moved);
    InvalidateRect(hwnd, nullptr, FALSE);
    NotifyScroll(hwnd, code);
}

// Home and End answer FALSE when the thumb is already at that end.
LRESULT MoveToEnd(HWND hwnd, State& state, bool toMax) {
    const LONG end = toMax ? state.max : state.min;
    if (state.pos == end) return FALSE;
    state.pos = end;
    InvalidateRect(hwnd, nullptr, FALSE);
    NotifyScroll(hwnd, toMax ? TB_BOTTOM : TB_TOP);
    return TRUE;
}

void PageToward(HWND hwnd, State& state, POINT at) {
    const int direction = PagingDirection(hwnd, state, at);
    if (direction == 0 || direction != state.pagingDirection) return;
    if (direction > 0) Move(hwnd, state, state.pageSize, true, TB_PAGEDOWN);
    else Move(hwnd, state, state.pageSize, false, TB_PAGEUP);
}

void StartPaging(HWND hwnd, State& state, POINT at) {
    const int direction = PagingDirection(hwnd, state, at);
    if (direction == 0) return;
    state.mouse = MouseMode::Paging;
    state.pagingDirection = direction;
    state.pointer = at;
    PageToward(hwnd, state, at);
    if (!StateOf(hwnd)) return;
    SetCapture(hwnd);
    SetTimer(hwnd, kPagingTimer, kPagingRepeatMs, nullptr);
}

void Drag(HWND hwnd, State& state, POINT at) {
    const LONG position = PositionAt(hwnd, state, IsVertical(hwnd) ? at.y : at.x);
    if (position == state.pos) return;
    state.pos = position;
    InvalidateRect(hwnd, nullptr, FALSE);
    NotifyScroll(hwnd, TB_THUMBTRACK, static_cast<WORD>(position));
}

// The end of a press: the parent hears it, the capture goes (which the parent hears as one
// more TB_ENDTRACK), then NM_RELEASEDCAPTURE.
void EndPress(HWND hwnd, State& state) {
    const bool dragged = state.mouse == MouseMode::Dragging;
    KillTimer(hwnd, kPagingTimer);
    state.mouse = MouseMode::Idle;
    InvalidateRect(hwnd, nullptr, FALSE);
    if (dragged && !NotifyScroll(hwnd, TB_THUMBPOSITION, static_cast<WORD>(state.pos))) return;
    if (!NotifyScroll(hwnd, TB_ENDTRACK)) return;
    if (GetCapture() == hwnd) ReleaseCapture();
    if (StateOf(hwnd)) NotifyReleasedCapture(hwnd);
}

}  // namespace

LRESULT OnKeyDown(HWND hwnd, State& state, UINT key) {
    switch (StepOfKey(StyleOf(hwnd), key)) {
    case Step::LineUp: Move(hwnd, state, state.lineSize, false, TB_LINEUP); break;
    case Step::LineDown: Move(hwnd, state, state.lineSize, true, TB_LINEDOWN); break;
    case Step::PageUp: Move(hwnd, state, state.pageSize, false, TB_PAGEUP); break;
    case Step::PageDown: Move(hwnd, state, state.pageSize, true, TB_PAGEDOWN); break;
    case Step::Top: return MoveToEnd(hwnd, state, false);
    case Step::Bottom: return MoveToEnd(hwnd, state, true);
    case Step::None: break;
    }
    return TRUE;
}

// Every key that moves the thumb ends its move when released, moved or not.
LRESULT OnKeyUp(HWND hwnd, UINT key) {
    if (StepOfKey(StyleOf(hwnd), key) != Step::None) NotifyScroll(hwnd, TB_ENDTRACK);
    return TRUE;
}

void OnButtonDown(HWND hwnd, State& state, POINT at) {
    SetFocus(hwnd);
    if (!StateOf(hwnd) || state.mouse != MouseMode::Idle) return;
    const RECT thumb = ThumbRect(hwnd, state);
    if (!PtInRect(&thumb, at)) {
        StartPaging(hwnd, state, at);
        return;
    }
    state.mouse = MouseMode::Dragging;
    SetCapture(hwnd);
    InvalidateRect(hwnd, nullptr, FALSE);
}

void OnMouseMove(HWND hwnd, State& state, POINT at) {
    if (state.mouse == MouseMode::Dragging) {
        Drag(hwnd, state, at);
        return;
    }
    if (state.mouse != MouseMode::Paging) return;
    state.pointer = at;
    PageToward(hwnd, state, at);
}

void OnButtonUp(HWND hwnd, State& state) {
    if (state.mouse != MouseMode::Idle) EndPress(hwnd, state);
}

// The parent hears TB_ENDTRACK whenever the capture goes. A press whose capture another window
// took is over: the button's release, wherever it lands, tells nothing more.
void OnCaptureChanged(HWND hwnd, State& state, HWND taker) {
    if (taker == hwnd) return;
    KillTimer(hwnd, kPagingTimer);
    if (state.mouse != MouseMode::Idle) InvalidateRect(hwnd, nullptr, FALSE);
    state.mouse = MouseMode::Idle;
    NotifyScroll(hwnd, TB_ENDTRACK);
}

void OnTimer(HWND hwnd, State& state, WPARAM id) {
    if (id == kPagingTimer && state.mouse == MouseMode::Paging) PageToward(hwnd, state, state.pointer);
}

}  // namespace platform::trackbar
