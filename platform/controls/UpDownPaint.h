// Drawing the up-down control.
#pragma once

#include "controls/UpDownState.h"

namespace platform::updown {

void Paint(HWND hwnd, const State& state);

}  // namespace platform::updown
