// Putting text on a surface: the glyph coverage of a run blended in the text colour, over the
// background colour in opaque mode.
#pragma once

#include <string_view>

#include "gdi/GdiObjects.h"
#include "gdi/text/Font.h"

namespace platform {

// Draws `text` with its cell's top-left corner at (x, y), inside `clip` (context coordinates).
void DrawTextRun(const DeviceContext& dc, const Surface& surface, const Font& font, int x, int y,
                 std::wstring_view text, RECT clip);

}  // namespace platform
