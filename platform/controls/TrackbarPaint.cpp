// Drawing a trackbar in the controls' look: the parent's background (it is asked with
// WM_CTLCOLORSTATIC, as the platform's trackbar asks), a thin white channel, a tick mark at each
// end of the range and at each mark between them, on the side or sides the style names, the
// thumb as a small rounded box, and the focus rectangle around the whole control. Disabled, the
// channel, marks and thumb are grey.
#include "controls/Look.h"
#include "controls/TrackbarGeometry.h"
#include "controls/TrackbarState.h"

namespace platform::trackbar {

namespace {

constexpr COLORREF kTickColour = 0x7A7A7A;
constexpr int kTickGap = 2;      // between the thumb and its marks
constexpr int kTickLength = 3;
constexpr int kEndTickLength = 4;

struct Colours {
    COLORREF channel, channelBorder, thumb, thumbBorder, tick;
};

Colours ColoursOf(HWND hwnd, const State& state) {
    if (!IsWindowEnabled(hwnd))
        return {look::kDisabledFace, look::kDisabledBorder, look::kDisabledFace, look::kDisabledBorder,
                look::kDisabledBorder};
    if (state.mouse == MouseMode::Dragging)
        return {look::kField, look::kBorder, look::kFacePressed, look::kBorderPressed, kTickColour};
    const COLORREF border = GetFocus() == hwnd ? look::kBorderFocus : look::kBorder;
    return {look::kField, look::kBorder, look::kFace, border, kTickColour};
}

// Where the thumb's centre lies along the channel at `value`.
int PlaceOf(HWND hwnd, const State& state, LONG value) {
    const RECT thumb = ThumbRect(hwnd, state, value);
    return (IsVertical(hwnd) ? thumb.top : thumb.left) + ThumbBreadth(hwnd) / 2;
}

// One mark at `place`, `length` long, leaving the thumb's side `before` (above or left) or
// after it.
void DrawTick(HWND hwnd, HDC dc, const RECT& thumb, int place, int length, bool before, COLORREF colour) {
    if (IsVertical(hwnd)) {
        const int x = before ? thumb.left - kTickGap - length : thumb.right + kTickGap;
        look::Fill(dc, {x, place, x + length, place + 1}, colour);
        return;
    }
    const int y = before ? thumb.top - kTickGap - length : thumb.bottom + kTickGap;
    look::Fill(dc, {place, y, place + 1, y + length}, colour);
}

// The marks are sorted, so a mark on the pixel of the one before adds nothing and is passed
// over: however many marks there are, the drawing stays within the channel's length.
void DrawTicks(HWND hwnd, HDC dc, const State& state, COLORREF colour) {
    const LONG style = StyleOf(hwnd);
    const bool both = (style & TBS_BOTH) != 0, top = (style & TBS_TOP) != 0;
    const RECT thumb = ThumbRect(hwnd, state);
    for (bool before : {true, false}) {
        if (!both && before != top) continue;
        DrawTick(hwnd, dc, thumb, PlaceOf(hwnd, state, state.min), kEndTickLength, before, colour);
        DrawTick(hwnd, dc, thumb, PlaceOf(hwnd, state, state.max), kEndTickLength, before, colour);
        int drawn = PlaceOf(hwnd, state, state.min);
        for (LONG value : state.tics) {
            const int place = PlaceOf(hwnd, state, value);
            if (place == drawn) continue;
            DrawTick(hwnd, dc, thumb, place, kTickLength, before, colour);
            drawn = place;
        }
    }
}

}  // namespace

void Paint(HWND hwnd, const State& state) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!dc) return;
    RECT client{};
    GetClientRect(hwnd, &client);
    HBRUSH brush = look::ParentColours(hwnd, dc, WM_CTLCOLORSTATIC);
    FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    const Colours colours = ColoursOf(hwnd, state);
    look::RoundedBox(dc, ChannelRect(hwnd), colours.channel, colours.channelBorder, 1);
    const LONG style = StyleOf(hwnd);
    if (!(style & TBS_NOTICKS)) DrawTicks(hwnd, dc, state, colours.tick);
    if (!(style & TBS_NOTHUMB)) look::RoundedBox(dc, ThumbRect(hwnd, state), colours.thumb, colours.thumbBorder, 1);
    if (GetFocus() == hwnd) DrawFocusRect(dc, &client);
    EndPaint(hwnd, &ps);
}

}  // namespace platform::trackbar
