// Drawing of the "Button" control, apart from its behaviour.
#pragma once

#include "PlatformApi.h"

namespace platform::button {

// Answers WM_PAINT: each family draws itself in the controls' look; an owner-drawn button asks
// its parent to draw it (WM_DRAWITEM).
void Paint(HWND hwnd);

}  // namespace platform::button
