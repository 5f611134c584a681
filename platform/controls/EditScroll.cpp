#include "controls/EditScroll.h"

#include <algorithm>


namespace platform {

namespace {

// A caret leaving the box sideways brings the view round it so that it stands a third of the
// box from the edge it came in by, in whole average characters, as on the platform.
constexpr int kSidewaysFraction = 3;

void Repaint(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
}

void SetBar(HWND hwnd, int bar, int max, int page, int pos) {
    const SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL, 0, max,
                          static_cast<UINT>(page), pos, 0};
    SetScrollInfo(hwnd, bar, &info, TRUE);
}

int SidewaysStep(const EditView& view, int thirds) {
    const int cw = view.CharWidth();
    return thirds * view.BoxWidth() / kSidewaysFraction / cw * cw;
}

// How far the view must move for the caret to show. The platform also closes up blank lines
// below the last one, and never scrolls sideways past the widest line's end.
bool ScrollCaretIntoView(HWND hwnd, EditState& state, EditView& view) {
    const std::size_t caret = state.text.Caret();
    const int line = view.LineOf(caret, state.afterWrap);
    const int x = view.X(line, caret);
    const int first = state.firstLine, page = view.PageLines();
    int dy = 0;
    if (line >= first + page) dy = line - page + 1 - first;
    if (line < first) dy = line - first;
    int dx = 0;
    if (x < view.Box().left) dx = x - view.Box().left - SidewaysStep(view, 1);
    if (x > view.Box().right) dx = x - view.Box().left - SidewaysStep(view, kSidewaysFraction - 1);
    const bool blankBelow = first > 0 && view.LineCount() - first < page;
    if (!dx && !dy && !blankBelow) return true;
    if (state.scroll + dx + view.BoxWidth() > view.TextWidth()) dx = view.TextWidth() - view.BoxWidth() - state.scroll;
    return ScrollView(hwnd, state, view, dx, dy);
}

}  // namespace

bool ScrollView(HWND hwnd, EditState& state, EditView& view, int dx, int dy) {
    dx = std::clamp(dx, -state.scroll, view.TextWidth() - state.scroll);
    const int first = std::min(std::max(0, state.firstLine + dy), view.MaxFirstLine());
    dy = first - state.firstLine;
    if (dx || dy) {
        state.firstLine = first;
        state.scroll += dx;
        view.ScrollTo(state.firstLine, state.scroll);
        InvalidateRect(hwnd, nullptr, FALSE);
        UpdateScrollBars(hwnd, state, view);
        PlaceCaret(hwnd, state, view);
    }
    // While the person drags a thumb the parent hears of it once, when the thumb is let go.
    if (dx && !state.trackingH && !Notify(hwnd, EN_HSCROLL)) return false;
    if (dy && !state.trackingV && !Notify(hwnd, EN_VSCROLL)) return false;
    return true;
}

void UpdateScrollBars(HWND hwnd, const EditState& state, const EditView& view) {
    const int boxLines = (view.Box().bottom - view.Box().top) / view.LineHeight();
    if (state.lines.verticalBar && !state.trackingV)
        SetBar(hwnd, SB_VERT, view.LineCount() - 1, boxLines, state.firstLine);
    if (state.lines.horizontalBar && !state.trackingH)
        SetBar(hwnd, SB_HORZ, view.TextWidth() - 1, view.BoxWidth(), state.scroll);
}

void PlaceCaret(HWND hwnd, const EditState& state, const EditView& view) {
    if (GetFocus() != hwnd) return;
    const std::size_t caret = state.text.Caret();
    const int line = view.LineOf(caret, state.afterWrap);
    SetCaretPos(view.X(line, caret), view.LineTop(line));
}

void ShowMultiLineSelection(HWND hwnd, EditState& state) {
    EditView view = MeasureView(hwnd, state);
    if (!ScrollCaretIntoView(hwnd, state, view)) return;
    PlaceCaret(hwnd, state, view);
    UpdateScrollBars(hwnd, state, view);
    Repaint(hwnd);
}

void ShowMultiLineLayout(HWND hwnd, EditState& state) {
    EditView view = MeasureView(hwnd, state);
    state.scroll = std::min(state.scroll, std::max(0, view.TextWidth() - view.BoxWidth()));
    state.firstLine = std::min(state.firstLine, view.MaxFirstLine());
    view.ScrollTo(state.firstLine, state.scroll);
    UpdateScrollBars(hwnd, state, view);
    PlaceCaret(hwnd, state, view);
    Repaint(hwnd);
}

}  // namespace platform
