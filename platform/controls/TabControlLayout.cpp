#include "controls/TabControlLayout.h"

#include <algorithm>

namespace platform::tabcontrol {

namespace {

constexpr int kEdge = 2;             // tabs start this far in from the control's edge
constexpr int kPageInset = 4;        // the page's border and padding, each side
constexpr int kButtonRowGap = 3;     // between rows of buttons
constexpr int kButtonGap = 3;        // between buttons, as they are first put in rows
constexpr int kButtonGapInRows = 1;  // between buttons in rows shared out evenly, before stretching
constexpr int kFlatGap = 8;          // TCS_FLATBUTTONS' room for the separator, added to the gap
constexpr int kDefaultPadding = 6;
constexpr int kDefaultMinWidth = 54;  // at the default padding; it follows the padding

bool Has(HWND hwnd, LONG style) { return (StyleOf(hwnd) & style) != 0; }

int DefaultMinWidth(const State& state) { return kDefaultMinWidth - (kDefaultPadding - state.hPadding) * 2; }

// What the font gives: the text's height and each tab's text width.
struct Measures {
    int textHeight = 0;
    std::vector<int> textWidths;
};

Measures Measure(HWND hwnd, const State& state) {
    Measures m;
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, FontOf(state));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    m.textHeight = metrics.tmHeight;
    for (const Item& item : state.items) {
        SIZE size{};
        GetTextExtentPoint32W(dc, item.text.c_str(), static_cast<int>(item.text.size()), &size);
        m.textWidths.push_back(size.cx);
    }
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return m;
}

int TabHeight(HWND hwnd, const State& state, const Measures& m) {
    if (state.givenHeight) return state.givenHeight;
    return m.textHeight + 2 + (Has(hwnd, TCS_BUTTONS) ? 2 : 1) * state.vPadding;
}

int TabWidth(HWND hwnd, const State& state, int textWidth) {
    if (Has(hwnd, TCS_FIXEDWIDTH)) return std::max(state.fixedWidth, state.minWidth);
    const int minimum = state.minWidth < 0 ? DefaultMinWidth(state) : state.minWidth;
    return std::max(textWidth + 2 * state.hPadding, minimum);
}

// Each row given the row's whole width, shared out evenly, the odd pixels to its last tab.
void Stretch(std::vector<Span>& spans, int rowWidth) {
    for (std::size_t first = 0; first < spans.size();) {
        std::size_t end = first;
        while (end < spans.size() && spans[end].row == spans[first].row) ++end;
        const int count = static_cast<int>(end - first);
        const int spare = rowWidth - spans[end - 1].right;
        const int share = spare / count, rest = spare % count;
        for (int k = 0; k < count; ++k) {
            spans[first + k].left += k * share;
            spans[first + k].right += (k + 1) * share;
        }
        spans[end - 1].right += rest;
        first = end;
    }
}

// Tabs along rows, a new row for a tab that would pass the end (even the first tab of a row,
// which leaves that row empty, as the platform does when the control is narrower than a tab).
int PlaceGreedily(HWND hwnd, const State& state, const Measures& m, int rowWidth, Layout& layout) {
    const bool multiline = Has(hwnd, TCS_MULTILINE);
    const int gap = Gap(hwnd);
    int x = 0, row = 0;
    for (int width : m.textWidths) {
        const int tab = TabWidth(hwnd, state, width);
        if (multiline && x + tab > rowWidth) ++row, x = 0;
        layout.spans.push_back({row, x, x + tab});
        x += tab + gap;
    }
    return layout.spans.empty() ? 0 : row + 1;
}

// The same number of rows shared out evenly, the first rows taking one tab more when the tabs
// do not divide; buttons closer together than on a single line.
void Balance(HWND hwnd, Layout& layout) {
    const int count = static_cast<int>(layout.spans.size());
    const int perRow = count / layout.rows, extra = count % layout.rows;
    const int gap = Has(hwnd, TCS_BUTTONS) ? kButtonGapInRows + (Has(hwnd, TCS_FLATBUTTONS) ? kFlatGap : 0) : 0;
    int row = 0, inRow = 0, x = 0;
    for (Span& span : layout.spans) {
        if (inRow >= perRow + (row < extra ? 1 : 0)) ++row, inRow = 0, x = 0;
        const int width = span.right - span.left;
        span = {row, x, x + width};
        x += width + gap;
        ++inRow;
    }
}

void PlaceSpans(HWND hwnd, const State& state, const Measures& m, Layout& layout) {
    const int rowWidth = layout.width - 2 * kEdge;
    layout.rows = PlaceGreedily(hwnd, state, m, rowWidth, layout);
    const bool multiline = Has(hwnd, TCS_MULTILINE);
    if (multiline && !Has(hwnd, TCS_RAGGEDRIGHT) && layout.rows > 1) {
        Balance(hwnd, layout);
        Stretch(layout.spans, rowWidth);
    }
    layout.scrolls = !multiline && !layout.spans.empty() && layout.spans.back().right > layout.width;
}

// The screen row of a row of tabs: buttons keep their order; tabs keep the order the state
// holds, which brings the selected row next to the page.
int SlotOf(HWND hwnd, const State& state, const Layout& layout, int row) {
    if (Has(hwnd, TCS_BUTTONS) || state.rowSlots.size() != static_cast<std::size_t>(layout.rows)) return row;
    return state.rowSlots[static_cast<std::size_t>(row)];
}

}  // namespace

HFONT FontOf(const State& state) {
    return state.font ? state.font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

int Gap(HWND hwnd) {
    if (!Has(hwnd, TCS_BUTTONS)) return 0;
    return kButtonGap + (Has(hwnd, TCS_FLATBUTTONS) ? kFlatGap : 0);
}

int ReportedMinWidth(int minWidth) { return minWidth < 0 ? kDefaultMinWidth : minWidth; }

Layout LayOut(HWND hwnd, const State& state) {
    Layout layout;
    RECT client{};
    GetClientRect(hwnd, &client);
    layout.width = client.right;
    layout.height = client.bottom;
    const Measures m = Measure(hwnd, state);
    layout.tabHeight = TabHeight(hwnd, state, m);
    PlaceSpans(hwnd, state, m, layout);
    return layout;
}

bool TabRect(HWND hwnd, const State& state, const Layout& layout, int index, RECT& rect) {
    rect = {0, 0, 0, layout.tabHeight};
    if (!IsIndex(state, index)) return false;
    const Span& span = layout.spans[static_cast<std::size_t>(index)];
    const int first = layout.scrolls && IsIndex(state, state.leftmost) ? state.leftmost : 0;
    if (index < first) return false;
    const int slot = SlotOf(hwnd, state, layout, span.row);
    const int top = Has(hwnd, TCS_BUTTONS) ? slot * (layout.tabHeight + kButtonRowGap) : kEdge + slot * layout.tabHeight;
    const int shift = kEdge - layout.spans[static_cast<std::size_t>(first)].left;
    rect = {span.left + shift, top, span.right + shift, top + layout.tabHeight};
    return rect.left < layout.width;
}

int HitTest(HWND hwnd, const State& state, const Layout& layout, POINT at) {
    for (int i = 0; i < Count(state); ++i) {
        RECT rect;
        if (TabRect(hwnd, state, layout, i, rect) && PtInRect(&rect, at)) return i;
    }
    return -1;
}

// The rows' height above the page; with buttons, the gaps between rows too (taken away once
// for no row at all, as the platform does).
void AdjustRect(HWND hwnd, const Layout& layout, bool larger, RECT& rect) {
    int tabs = layout.tabHeight * layout.rows;
    if (Has(hwnd, TCS_BUTTONS)) tabs += kButtonRowGap * (layout.rows - 1);
    if (larger) {
        rect.top -= tabs;
        InflateRect(&rect, kPageInset, kPageInset);
        return;
    }
    InflateRect(&rect, -kPageInset, -kPageInset);
    rect.top += tabs;
}

RECT PageRect(const Layout& layout) {
    return {0, kEdge + layout.rows * layout.tabHeight, layout.width, layout.height};
}

}  // namespace platform::tabcontrol
