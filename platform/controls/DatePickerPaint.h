// Drawing a date picker in the controls' look.
#pragma once

#include "controls/DatePickerState.h"

namespace platform::datepick {

void Paint(HWND hwnd, const State& state);

}  // namespace platform::datepick
