// Drawing a month calendar.
#pragma once

#include "controls/MonthCalLayout.h"

namespace platform::monthcal {

void Paint(HWND hwnd, const State& state);

}  // namespace platform::monthcal
