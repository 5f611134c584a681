// What lies under a point of a month calendar, as MCM_HITTEST reports it: the MCHT_* code, the
// date there, and, for the larger MCHITTESTINFO, the part's rectangle, the month's index and the
// day's row and column. Which of those last fields a part sets follows the platform: the others
// keep what the caller put there.
#pragma once

#include "controls/MonthCalLayout.h"

namespace platform::monthcal {

struct Hit {
    UINT what = MCHT_NOWHERE;
    SYSTEMTIME date{};
    RECT rect{};
    int month = 0;
    int row = 0;
    int column = 0;
    bool setsRect = false;
    bool setsMonth = false;
    bool setsCell = false;
};

Hit HitTest(HWND hwnd, const State& state, POINT at);
Hit HitTest(HWND hwnd, const State& state, const Layout& layout, POINT at);

// Where the title's month name and year lie, centred in the title of month `index`.
void TitleParts(HWND hwnd, const State& state, const Layout& layout, int index, RECT& monthPart, RECT& yearPart);

}  // namespace platform::monthcal
