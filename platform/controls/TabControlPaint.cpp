// Drawing a tab control in the platform's classic look: tabs with raised 3D edges standing on
// the page's raised border, the selected one two pixels larger on each side and open at the
// bottom so it joins the page; buttons (TCS_BUTTONS) raised, the selected ones sunken on a
// checkered face, flat buttons (TCS_FLATBUTTONS) bare with a groove between them. The text in
// the control's font, grey when the control is disabled, and a focus rectangle in the focused
// tab while the control has the focus.
#include "controls/Look.h"
#include "controls/TabControlLayout.h"
#include "controls/TabControlState.h"

namespace platform::tabcontrol {

namespace {

constexpr int kSelectedGrowth = 2;  // each side but the bottom, which reaches over the page's edge
constexpr int kFocusInset = 3;

struct Painter {
    HWND hwnd;
    HDC dc;
    const State& state;
    const Layout& layout;
};

COLORREF Sys(int index) { return GetSysColor(index); }

// The selected tab as drawn: larger, and down over the page's top edge.
RECT DrawnRect(const Painter& p, int index, const RECT& rect) {
    if (IsButtons(p.hwnd) || index != p.state.selected) return rect;
    return {rect.left - kSelectedGrowth, rect.top - kSelectedGrowth, rect.right + kSelectedGrowth,
            rect.bottom + kSelectedGrowth};
}

bool Pressed(const Painter& p, int index) {
    return index == p.state.selected ||
           (p.state.items[static_cast<std::size_t>(index)].state & TCIS_BUTTONPRESSED) != 0;
}

bool Highlighted(const Painter& p, int index) {
    return (p.state.items[static_cast<std::size_t>(index)].state & TCIS_HIGHLIGHTED) != 0;
}

// A tab: face, raised edges on three sides, its top corners cut by a diagonal pixel.
void DrawTab(const Painter& p, const RECT& r, bool highlighted) {
    const COLORREF face = Sys(COLOR_BTNFACE);
    look::Fill(p.dc, r, highlighted ? Sys(COLOR_HIGHLIGHT) : face);
    look::RaisedEdge(p.dc, r, look::kLeft | look::kTop | look::kRight);
    look::Fill(p.dc, {r.left, r.top, r.left + 2, r.top + 1}, face);
    look::Fill(p.dc, {r.left, r.top + 1, r.left + 1, r.top + 2}, face);
    look::Fill(p.dc, {r.left + 1, r.top + 1, r.left + 2, r.top + 2}, Sys(COLOR_BTNHIGHLIGHT));
    look::Fill(p.dc, {r.right - 2, r.top, r.right, r.top + 1}, face);
    look::Fill(p.dc, {r.right - 1, r.top + 1, r.right, r.top + 2}, face);
    look::Fill(p.dc, {r.right - 2, r.top + 1, r.right - 1, r.top + 2}, Sys(COLOR_3DDKSHADOW));
}

// A pressed button's face: the face and the highlight in a checkerboard, as the platform's.
void DitherFace(const Painter& p, const RECT& r) {
    look::Fill(p.dc, r, Sys(COLOR_BTNFACE));
    const COLORREF light = Sys(COLOR_BTNHIGHLIGHT);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left + ((r.left + y + 1) & 1); x < r.right; x += 2) SetPixel(p.dc, x, y, light);
}

void DrawButton(const Painter& p, int index, const RECT& r) {
    const bool flat = (StyleOf(p.hwnd) & TCS_FLATBUTTONS) != 0;
    if (Pressed(p, index)) {
        DitherFace(p, r);
        look::SunkenEdge(p.dc, r);
        return;
    }
    look::Fill(p.dc, r, Sys(Highlighted(p, index) ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
    if (!flat) look::RaisedEdge(p.dc, r);
}

// Flat buttons are parted by a groove in the middle of the gap after each.
void DrawGroove(const Painter& p, const RECT& r) {
    const int x = r.right + (Gap(p.hwnd) - 2) / 2;
    look::Fill(p.dc, {x, r.top, x + 1, r.bottom}, Sys(COLOR_BTNSHADOW));
    look::Fill(p.dc, {x + 1, r.top, x + 2, r.bottom}, Sys(COLOR_BTNHIGHLIGHT));
}

COLORREF TextColour(const Painter& p, int index) {
    if (!IsWindowEnabled(p.hwnd)) return Sys(COLOR_GRAYTEXT);
    if (Highlighted(p, index) && !(IsButtons(p.hwnd) && Pressed(p, index))) return Sys(COLOR_HIGHLIGHTTEXT);
    return Sys(COLOR_BTNTEXT);
}

// Centred in the tab; a pressed button's text sinks a pixel with it.
void DrawLabel(const Painter& p, int index, RECT r) {
    if (IsButtons(p.hwnd) && Pressed(p, index)) OffsetRect(&r, 1, 1);
    SetTextColor(p.dc, TextColour(p, index));
    const std::wstring& text = p.state.items[static_cast<std::size_t>(index)].text;
    DrawTextW(p.dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void DrawOne(const Painter& p, int index, const RECT& rect) {
    const RECT drawn = DrawnRect(p, index, rect);
    if (IsButtons(p.hwnd)) DrawButton(p, index, drawn);
    else DrawTab(p, drawn, Highlighted(p, index));
    DrawLabel(p, index, rect);
    if ((StyleOf(p.hwnd) & TCS_FLATBUTTONS) && IsButtons(p.hwnd)) DrawGroove(p, rect);
    if (index != p.state.focus || GetFocus() != p.hwnd) return;
    RECT focus = drawn;
    InflateRect(&focus, -kFocusInset, -kFocusInset);
    DrawFocusRect(p.dc, &focus);
}

void DrawTabs(const Painter& p, bool selectedOnly) {
    for (int i = 0; i < Count(p.state); ++i) {
        RECT rect;
        if ((i == p.state.selected) != selectedOnly || !TabRect(p.hwnd, p.state, p.layout, i, rect)) continue;
        DrawOne(p, i, rect);
    }
}

}  // namespace

void Paint(HWND hwnd, const State& state) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!dc) return;
    const Layout layout = LayOut(hwnd, state);
    const Painter p{hwnd, dc, state, layout};
    look::Fill(dc, {0, 0, layout.width, layout.height}, Sys(COLOR_BTNFACE));
    if (!IsButtons(hwnd)) look::RaisedEdge(dc, PageRect(layout));
    const HGDIOBJ oldFont = SelectObject(dc, FontOf(state));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    DrawTabs(p, false);
    DrawTabs(p, true);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

}  // namespace platform::tabcontrol
