// Where a trackbar's parts lie: the channel the thumb slides along, the thumb at a position,
// and the position under a point. Worked out from the style and the client size each time
// they are asked for, so a new size or style shows at once.
#pragma once

#include "PlatformApi.h"
#include "controls/TrackbarState.h"

namespace platform::trackbar {

RECT ChannelRect(HWND hwnd);
RECT ThumbRect(HWND hwnd, const State& state, LONG position);
inline RECT ThumbRect(HWND hwnd, const State& state) { return ThumbRect(hwnd, state, state.pos); }
// The position whose thumb is centred on `place` (an x, or a y for TBS_VERT), within the range.
LONG PositionAt(HWND hwnd, const State& state, int place);
// Which way a press at `at` asks the thumb to go: +1 toward the maximum when the position under
// the point is above the current one, -1 when below; 0 there, or off the band the thumb slides in.
int PagingDirection(HWND hwnd, const State& state, POINT at);
// The thumb's width along the channel.
int ThumbBreadth(HWND hwnd);

}  // namespace platform::trackbar
