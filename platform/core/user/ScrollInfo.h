// What a window keeps of its two standard scroll bars (the range, the page, the position and
// which arrows are disabled), and the platform's rules for changing them, as the reference
// platform applies them: 32-bit arithmetic that wraps, a page cut to the range, a position cut
// to what the page leaves, a bar shown, hidden or disabled only by a call that changed it.
#pragma once

#include <optional>

#include "PlatformApi.h"

namespace platform {

struct ScrollBarData {
    int min = 0;
    int max = 100;
    UINT page = 0;
    int pos = 0;
    UINT disabledArrows = ESB_ENABLE_BOTH;  // ESB_DISABLE_UP, ESB_DISABLE_DOWN or both
    std::optional<int> trackPos;            // while the person drags the thumb
};

// A window has these once it was made with a scroll bar style or a scroll bar call touched it.
struct WindowScrollBars {
    ScrollBarData horz;
    ScrollBarData vert;
    ScrollBarData& Of(int bar) { return bar == SB_HORZ ? horz : vert; }
};

namespace scrollinfo {

// What a change asks of the bar's visibility.
enum class Visibility { Keep, Show, Hide };

// SB_HORZ or SB_VERT: the bars a window has of its own.
bool IsWindowBar(int bar);
// The structure sizes the platform accepts: with or without nTrackPos.
bool IsValidSize(UINT cbSize);
// The highest position the page leaves room for.
int LastPosition(const ScrollBarData& bar);
// The page shows the whole range: there is nothing to scroll.
bool IsEmpty(const ScrollBarData& bar);
// SetScrollInfo's change of the numbers and of the arrows' state; what it asks of the bar's
// visibility comes back. The mask holds only SIF_ bits, at least one of SIF_ALL.
Visibility Apply(ScrollBarData& bar, const SCROLLINFO& info);
// GetScrollInfo's answer, the fields the mask names; nTrackPos only when the structure has it.
void Read(const ScrollBarData& bar, SCROLLINFO& info);

}  // namespace scrollinfo

}  // namespace platform
