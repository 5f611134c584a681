// The marks a check box and a radio button show beside their text, drawn crisp at any size as
// rows of whole pixels.
#pragma once

#include "PlatformApi.h"

namespace platform::button {

// The side of the square or circle at the system's usual size.
inline constexpr int kMarkSize = 13;

struct MarkColours {
    COLORREF face;    // inside the mark
    COLORREF border;  // its outline
    COLORREF ink;     // what shows the check
};

// A square: empty, filled with the ink and a check mark in the face colour when checked, or
// holding a smaller square of ink when indeterminate.
void DrawCheckBoxMark(HDC dc, const RECT& box, LRESULT check, const MarkColours& colours);
// A circle, its outline in the ink and a dot of ink inside when checked.
void DrawRadioMark(HDC dc, const RECT& box, bool checked, const MarkColours& colours);

}  // namespace platform::button
