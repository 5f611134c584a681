#include "controls/EditState.h"

#include "controls/EditLayout.h"
#include "controls/EditScroll.h"

namespace platform {

namespace {

// The state's pointer, in the window's extra bytes.
constexpr int kStateSlot = 0;

void Repaint(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
}

// How many of the first `most` characters of `insert` fit the box's width.
std::size_t CountThatFits(HWND hwnd, const EditState& state, std::wstring_view insert, std::size_t most) {
    EditMeasuringDc dc(hwnd, state);
    EditLayout layout(dc.Get(), hwnd, state);
    auto fits = [&](std::size_t count) {
        std::wstring line = state.text.WithSelectionReplaced(insert.substr(0, count));
        return layout.Fits(TextWidth(dc.Get(), DisplayedText(line, state.passwordChar)));
    };
    // Widths grow with every character, so the answer is found by halving.
    std::size_t low = 0, high = most;
    while (low < high) {
        std::size_t middle = (low + high + 1) / 2;
        if (fits(middle)) low = middle;
        else high = middle - 1;
    }
    return low;
}

}  // namespace

EditState* StateOf(HWND hwnd) { return reinterpret_cast<EditState*>(GetWindowLongPtrW(hwnd, kStateSlot)); }

void SetStateOf(HWND hwnd, EditState* state) { SetWindowLongPtrW(hwnd, kStateSlot, reinterpret_cast<LONG_PTR>(state)); }

EditLineStyle LineStyleOf(LONG style) {
    EditLineStyle lines;
    lines.multiLine = (style & ES_MULTILINE) != 0;
    if (!lines.multiLine) return lines;
    lines.verticalBar = (style & WS_VSCROLL) != 0;
    lines.horizontalBar = (style & WS_HSCROLL) != 0;
    lines.autoVScroll = (style & ES_AUTOVSCROLL) || lines.verticalBar;
    lines.autoHScroll = (style & ES_AUTOHSCROLL) || lines.horizontalBar;
    if (style & (ES_CENTER | ES_RIGHT)) lines.autoHScroll = lines.horizontalBar = false;
    return lines;
}

bool IsReadOnly(HWND hwnd) { return (GetWindowLongW(hwnd, GWL_STYLE) & ES_READONLY) != 0; }

LetterCase CaseOf(LONG style) {
    if (style & ES_UPPERCASE) return LetterCase::Upper;
    if (style & ES_LOWERCASE) return LetterCase::Lower;
    return LetterCase::AsTyped;
}

bool Notify(HWND hwnd, UINT code) {
    HWND parent = GetParent(hwnd);
    if (parent) SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), code), reinterpret_cast<LPARAM>(hwnd));
    return StateOf(hwnd) != nullptr;
}

void ShowSelection(HWND hwnd, EditState& state) {
    if (state.lines.multiLine) return ShowMultiLineSelection(hwnd, state);
    EditLayout layout = MeasureEdit(hwnd, state);
    layout.ScrollToShow(state.text.Caret());
    state.scroll = layout.Scroll();
    if (GetFocus() == hwnd) SetCaretPos(layout.X(state.text.Caret()), layout.LineTop());
    Repaint(hwnd);
}

void ShowNewLayout(HWND hwnd, EditState& state) {
    if (state.lines.multiLine) return ShowMultiLineLayout(hwnd, state);
    ShowSelection(hwnd, state);
}

void ShowChange(HWND hwnd, EditState& state) {
    if (!Notify(hwnd, EN_UPDATE)) return;
    ShowSelection(hwnd, state);
    Notify(hwnd, EN_CHANGE);
}

void InsertText(HWND hwnd, EditState& state, std::wstring_view insert) {
    std::wstring converted = WithCase(insert, CaseOf(GetWindowLongW(hwnd, GWL_STYLE)));
    std::size_t accepted = std::min(converted.size(), state.text.Room());
    // A multi-line field without ES_AUTOHSCROLL wraps what does not fit.
    const bool fitsWidth = !state.lines.multiLine && !(GetWindowLongW(hwnd, GWL_STYLE) & ES_AUTOHSCROLL);
    if (fitsWidth) accepted = CountThatFits(hwnd, state, converted, accepted);
    bool refused = accepted < converted.size();
    if (refused && !Notify(hwnd, EN_MAXTEXT)) return;
    if (accepted == 0 && (refused || !state.text.HasSelection())) return;
    state.text.ReplaceSelection(std::wstring_view(converted).substr(0, accepted));
    state.afterWrap = false;
    ShowChange(hwnd, state);
}

}  // namespace platform
