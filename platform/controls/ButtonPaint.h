// Drawing of the "Button" control, apart from its behaviour.
#pragma once

#include "PlatformApi.h"

namespace platform::button {

// Answers WM_PAINT: a push button draws itself in the controls' look; an owner-drawn one asks
// its parent to draw it (WM_DRAWITEM).
void Paint(HWND hwnd);

}  // namespace platform::button
