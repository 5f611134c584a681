// The trackbar's parts laid out as the platform lays them out: the thumb is 21 pixels across
// the channel (23 with TBS_ENABLESELRANGE) and 11 along it; the channel stops 8 pixels short of
// each end, so the thumb at either end of the range just covers the channel's end.
#include <algorithm>
#include <cmath>
#include <utility>

#include "controls/TrackbarGeometry.h"

namespace platform::trackbar {

namespace {

constexpr int kTickRoom = 10;      // across: the gap left for marks before the thumb or channel
constexpr int kNoTickInset = 2;    // across: the thumb's inset where no marks come before it

int ThumbLength(LONG style) { return (style & TBS_ENABLESELRANGE) ? 23 : 21; }

bool MarksBefore(LONG style) { return (style & (TBS_BOTH | TBS_TOP)) && !(style & TBS_NOTICKS); }

// A rectangle given along and across the channel, turned the trackbar's way.
RECT Oriented(bool vertical, int alongStart, int alongEnd, int acrossStart, int acrossEnd) {
    if (vertical) return {acrossStart, alongStart, acrossEnd, alongEnd};
    return {alongStart, acrossStart, alongEnd, acrossEnd};
}

std::pair<int, int> Along(bool vertical, const RECT& r) {
    return vertical ? std::pair{static_cast<int>(r.top), static_cast<int>(r.bottom)}
                    : std::pair{static_cast<int>(r.left), static_cast<int>(r.right)};
}

// Across the channel: where it starts, measured from the client's edge.
int ChannelAcross(LONG style, int thickness) {
    const int length = ThumbLength(style);
    int start = (style & TBS_ENABLESELRANGE) ? (length - thickness + 2) / 2 : length / 2 - 1;
    if (style & TBS_BOTH) start += (style & TBS_NOTICKS) ? 1 : kTickRoom - 1;
    else if (style & TBS_TOP) start += (style & TBS_NOTICKS) ? 2 : kTickRoom;
    return start;
}

}  // namespace

int ThumbBreadth(HWND hwnd) { return (ThumbLength(StyleOf(hwnd)) / 2) | 1; }

RECT ChannelRect(HWND hwnd) {
    const LONG style = StyleOf(hwnd);
    const bool vertical = (style & TBS_VERT) != 0;
    RECT client{};
    GetClientRect(hwnd, &client);
    const int edge = ThumbLength(style) / 4 + 3;
    const int thickness = (style & TBS_ENABLESELRANGE) ? (ThumbLength(style) / 4) * 3 : 4;
    auto [start, end] = Along(vertical, client);
    const int across = ChannelAcross(style, thickness);
    return Oriented(vertical, start + edge, end - edge, across, across + thickness);
}

RECT ThumbRect(HWND hwnd, const State& state, LONG position) {
    const LONG style = StyleOf(hwnd);
    const bool vertical = (style & TBS_VERT) != 0;
    auto [start, end] = Along(vertical, ChannelRect(hwnd));
    const int breadth = ThumbBreadth(hwnd);
    long long range = static_cast<long long>(state.max) - state.min;
    if (range == 0) range = 1;
    const long long travel = end - start - breadth;
    const int offset = static_cast<int>(travel * (static_cast<long long>(position) - state.min) / range);
    const int across = MarksBefore(style) ? kTickRoom : kNoTickInset;
    return Oriented(vertical, start + offset, start + offset + breadth, across, across + ThumbLength(style));
}

LONG PositionAt(HWND hwnd, const State& state, int place) {
    auto [start, end] = Along(IsVertical(hwnd), ChannelRect(hwnd));
    const int halfThumb = ThumbBreadth(hwnd) / 2;
    const double travel = std::max(1, end - start - 2 * halfThumb - 1);
    const double range = static_cast<double>(state.max) - state.min;
    double position = range * (place - start - halfThumb) / travel + state.min;
    if (position > state.max) position = state.max;
    else if (position < state.min) position = state.min;
    return static_cast<LONG>(std::floor(position + 0.5));
}

int PagingDirection(HWND hwnd, const State& state, POINT at) {
    const bool vertical = IsVertical(hwnd);
    const RECT channel = ChannelRect(hwnd), thumb = ThumbRect(hwnd, state);
    const RECT band = vertical ? RECT{thumb.left, channel.top, thumb.right, channel.bottom}
                               : RECT{channel.left, thumb.top, channel.right, thumb.bottom};
    if (!PtInRect(&band, at)) return 0;
    const LONG under = PositionAt(hwnd, state, vertical ? at.y : at.x);
    return under > state.pos ? 1 : (under < state.pos ? -1 : 0);
}

}  // namespace platform::trackbar
