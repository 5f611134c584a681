// The two drawing steps the system's own windows (menus, controls) use everywhere, written with
// the API's drawing calls alone.
#pragma once

#include "PlatformApi.h"

namespace platform::paint {

// The rectangle filled with one colour.
void Fill(HDC dc, const RECT& rect, COLORREF colour);
// A one-pixel outline just inside the rectangle.
void Outline(HDC dc, const RECT& rect, COLORREF colour);

}  // namespace platform::paint
