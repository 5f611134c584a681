// The platform's virtual-key code of an X key, by the key's position: the codes do not depend
// on the keyboard's layout, as the program's keys (arrows, Space, letters for shortcuts) are
// where the person expects them on any layout. X servers number keys as the kernel does, plus 8.
#pragma once

#include <string>

#include "PlatformApi.h"

namespace platform::x11 {

// 0 for a key the platform has no code for.
UINT VirtualKeyOfKeycode(unsigned int keycode);

// The text a key press types: the characters of the keysym Xlib chose for the key and its
// modifiers. Control characters (Enter, Tab, Backspace, Escape, Ctrl+letter) are left to the
// key itself; a keysym that types nothing gives nothing.
std::wstring TextOfKeysym(unsigned long keysym);

}  // namespace platform::x11
