// The messages that move an edit field's view or ask about it: the window's own bars
// (WM_VSCROLL, WM_HSCROLL), the program's EM_SCROLL, EM_LINESCROLL and EM_SCROLLCARET, the
// wheel, and the questions EM_GETFIRSTVISIBLELINE and EM_GETLINECOUNT. Only a multi-line field
// scrolls; a single-line one answers as the platform's does and keeps its line where it is.
#include <algorithm>
#include <optional>

#include "controls/EditLayout.h"
#include "controls/EditScroll.h"

namespace platform {

namespace {

// Lines a notch of the wheel scrolls: the platform's default, never more than the field has.
constexpr int kWheelLines = 3;
// A sideways page is a third of the box, in whole average characters.
constexpr int kSidewaysPage = 3;
// A field without a bar of its own reads a thumb position as a share of 0..100.
constexpr int kDefaultRange = 100;

// The line (or pixel) a dragged or released thumb stands for; nothing for a share of a bar the
// field does not have that lies outside 0..100.
std::optional<int> ThumbTarget(bool ownBar, int pos, int scrollable) {
    if (ownBar) return pos;
    if (pos < 0 || pos > kDefaultRange) return std::nullopt;
    return pos * scrollable / kDefaultRange;
}

// EM_SCROLL's steps, and the bar's arrows and trough: the answer tells how many lines it asked
// for, or FALSE when it asked for none.
LRESULT ScrollByCode(HWND hwnd, EditState& state, WORD code) {
    if (!state.lines.multiLine) return FALSE;
    EditView view = MeasureView(hwnd, state);
    const int first = state.firstLine, count = view.LineCount(), page = view.PageLines();
    int dy = 0;
    switch (code) {
    case SB_LINEUP: dy = first > 0 ? -1 : 0; break;
    case SB_LINEDOWN: dy = first < count - 1 ? 1 : 0; break;
    case SB_PAGEUP: dy = first > 0 ? -page : 0; break;
    case SB_PAGEDOWN: dy = first < count - 1 ? page : 0; break;
    default: return FALSE;
    }
    if (first + dy > count - page) dy = std::max(count - page, 0) - first;
    if (dy == 0) return FALSE;
    ScrollView(hwnd, state, view, 0, dy);
    return MAKELRESULT(static_cast<WORD>(dy), TRUE);
}

// Letting go of a thumb where the view already is still sets the bar and tells the parent.
void ThumbLetGoInPlace(HWND hwnd, EditState& state, const EditView& view, UINT notice) {
    UpdateScrollBars(hwnd, state, view);
    Notify(hwnd, notice);
}

LRESULT OnVScroll(HWND hwnd, EditState& state, WORD code, short pos) {
    if (!state.lines.multiLine || !state.lines.autoVScroll) return 0;
    if (code == SB_LINEUP || code == SB_LINEDOWN || code == SB_PAGEUP || code == SB_PAGEDOWN) {
        ScrollByCode(hwnd, state, code);
        return 0;
    }
    EditView view = MeasureView(hwnd, state);
    const std::optional<int> thumb = ThumbTarget(state.lines.verticalBar, pos, view.LineCount() - view.PageLines());
    int dy = 0;
    switch (code) {
    case SB_TOP: dy = -state.firstLine; break;
    case SB_BOTTOM: dy = view.LineCount() - 1 - state.firstLine; break;
    case SB_THUMBTRACK:
        state.trackingV = true;
        if (!thumb) return 0;
        dy = *thumb - state.firstLine;
        break;
    case SB_THUMBPOSITION:
        state.trackingV = false;
        if (!thumb) return 0;
        dy = *thumb - state.firstLine;
        if (dy == 0) ThumbLetGoInPlace(hwnd, state, view, EN_VSCROLL);
        break;
    default: return 0;  // SB_ENDSCROLL
    }
    if (dy) ScrollView(hwnd, state, view, 0, dy);
    return 0;
}

// How far a sideways code moves the view, in pixels.
int SidewaysStep(const EditView& view, int x, WORD code) {
    const int cw = view.CharWidth(), page = view.BoxWidth() / kSidewaysPage / cw * cw, width = view.TextWidth();
    switch (code) {
    case SB_LINELEFT: return x ? -cw : 0;
    case SB_LINERIGHT: return x < width ? cw : 0;
    case SB_PAGELEFT: return x ? -page : 0;
    case SB_PAGERIGHT: return x < width ? page : 0;
    case SB_LEFT: return -x;
    case SB_RIGHT: return x < width ? width - x : 0;
    default: return 0;
    }
}

LRESULT OnHScroll(HWND hwnd, EditState& state, WORD code, short pos) {
    if (!state.lines.multiLine || !state.lines.autoHScroll) return 0;
    EditView view = MeasureView(hwnd, state);
    const int x = state.scroll;
    const std::optional<int> thumb = ThumbTarget(state.lines.horizontalBar, pos, view.TextWidth() - view.BoxWidth());
    int dx = SidewaysStep(view, x, code);
    if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) {
        state.trackingH = code == SB_THUMBTRACK;
        if (!thumb) return 0;
        dx = *thumb - x;
        if (code == SB_THUMBPOSITION && dx == 0) ThumbLetGoInPlace(hwnd, state, view, EN_HSCROLL);
    }
    // Never past the widest line's end, which may pull a view already past it back.
    if (dx && x + dx + view.BoxWidth() > view.TextWidth()) dx = view.TextWidth() - view.BoxWidth() - x;
    if (dx) ScrollView(hwnd, state, view, dx, 0);
    return 0;
}

// EM_LINESCROLL: whole average characters sideways, lines down.
LRESULT LineScroll(HWND hwnd, EditState& state, int characters, int lines) {
    if (!state.lines.multiLine) return FALSE;
    EditView view = MeasureView(hwnd, state);
    ScrollView(hwnd, state, view, characters * view.CharWidth(), lines);
    return TRUE;
}

// Turns smaller than a line add up; turning back starts afresh. Shift or Ctrl leave the turn to
// the parent, as the platform does.
LRESULT OnWheel(HWND hwnd, EditState& state, WPARAM wParam, LPARAM lParam) {
    if (GET_KEYSTATE_WPARAM(wParam) & (MK_SHIFT | MK_CONTROL)) return DefWindowProcW(hwnd, WM_MOUSEWHEEL, wParam, lParam);
    const int delta = GET_WHEEL_DELTA_WPARAM(wParam);
    const bool sameWay = (delta < 0 && state.wheelRest < 0) || (delta > 0 && state.wheelRest > 0);
    state.wheelRest = sameWay ? state.wheelRest + delta : delta;
    if (state.wheelRest == 0 || !state.lines.multiLine) return FALSE;
    EditView view = MeasureView(hwnd, state);
    const int lines = std::min(view.LineCount(), kWheelLines);
    const int steps = state.wheelRest * lines / WHEEL_DELTA;
    state.wheelRest -= WHEEL_DELTA * steps / lines;
    ScrollView(hwnd, state, view, 0, -steps);
    return TRUE;
}

LRESULT FirstVisibleLine(HWND hwnd, const EditState& state) {
    if (state.lines.multiLine) return state.firstLine;
    return static_cast<LRESULT>(MeasureEdit(hwnd, state).VisibleRange().first);
}

}  // namespace

bool IsScrollMessage(UINT message) {
    switch (message) {
    case WM_VSCROLL: case WM_HSCROLL: case WM_MOUSEWHEEL: case EM_SCROLL: case EM_LINESCROLL: case EM_SCROLLCARET:
    case EM_GETFIRSTVISIBLELINE: case EM_GETLINECOUNT: return true;
    default: return false;
    }
}

LRESULT OnScrollMessage(HWND hwnd, EditState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto code = LOWORD(wParam);
    const auto pos = static_cast<short>(HIWORD(wParam));
    switch (message) {
    case WM_VSCROLL: return OnVScroll(hwnd, state, code, pos);
    case WM_HSCROLL: return OnHScroll(hwnd, state, code, pos);
    case WM_MOUSEWHEEL: return OnWheel(hwnd, state, wParam, lParam);
    case EM_SCROLL: return ScrollByCode(hwnd, state, code);
    case EM_LINESCROLL: return LineScroll(hwnd, state, static_cast<int>(wParam), static_cast<int>(lParam));
    case EM_SCROLLCARET: ShowSelection(hwnd, state); return TRUE;
    case EM_GETFIRSTVISIBLELINE: return FirstVisibleLine(hwnd, state);
    case EM_GETLINECOUNT: return state.lines.multiLine ? MeasureView(hwnd, state).LineCount() : 1;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace platform
