// The platform's standard toolbar images (TB_ADDBITMAP with HINST_COMMCTRL and
// IDB_STD_SMALL_COLOR or IDB_STD_LARGE_COLOR): cut, copy, paste, undo, redo, delete, new, open,
// save, print preview, properties, help, find, replace and print, in the STD_* order, drawn here
// in simple shapes on the button face colour (which the toolbar makes transparent).
#pragma once

#include "PlatformApi.h"

namespace platform::toolbar {

inline constexpr int kStandardImageCount = STD_PRINT + 1;
inline constexpr int kSmallStandardSide = 16;
inline constexpr int kLargeStandardSide = 24;

// A new strip of the fifteen images, each `side` square (16 or 24); the caller deletes it.
HBITMAP MakeStandardStrip(int side);

}  // namespace platform::toolbar
