// The four message-box icons, drawn as anti-aliased shapes: a red disc with a cross (error), a
// yellow triangle with "!" (warning), a blue disc with "i" (information) and with "?" (question).
#pragma once

#include "PlatformApi.h"

namespace platform::messagebox {

inline constexpr int kIconSize = 32;

// Draws the icon of an MB_ICON flag with its top-left corner at (x, y); nothing for 0.
void DrawIcon(HDC dc, int x, int y, UINT iconFlag);

}  // namespace platform::messagebox
