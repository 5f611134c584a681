// Where a date picker's parts lie: the sunken edge, DTS_SHOWNONE's check box, the text and each
// field in it, and the drop-down button or the up-down control at the right.
#pragma once

#include <vector>

#include "controls/DatePickerState.h"

namespace platform::datepick {

// The edge round the field, as wide as the platform's client edge; the calendar hangs from
// its inner corner.
inline constexpr int kEdge = 2;
inline constexpr int kCheckSize = 13;
inline constexpr int kButtonWidth = 16;
inline constexpr int kTextIndent = 2;

struct Layout {
    RECT inner{};   // inside the edge
    RECT check{};   // empty without DTS_SHOWNONE
    RECT button{};  // the drop-down button, or the room of the up-down control
    RECT text{};
};

Layout LayoutOf(HWND hwnd);
// Each field's box, from the left of the text, in the font `dc` holds.
std::vector<RECT> FieldRects(HDC dc, const Layout& layout, const State& state);
// The editable field under `point`; -1 when there is none.
int FieldAt(HWND hwnd, const State& state, POINT point);
// What the selected field shows: the digits typed into it, else its value.
std::wstring ShownText(const State& state, std::size_t index);
bool HasUpDown(LONG style);

}  // namespace platform::datepick
