// The MCM_* messages of a month calendar, each answered as the platform answers it.
#pragma once

#include "controls/MonthCalState.h"

namespace platform::monthcal {

// DefWindowProcW's answer for a message that is not an MCM_* one.
LRESULT OnCalendarMessage(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam);
// The locale's first day of the week, 0 Monday .. 6 Sunday.
int LocaleFirstDay();

}  // namespace platform::monthcal
