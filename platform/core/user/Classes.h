// Window classes: the application's own and the system's.
#pragma once

#include "Window.h"

namespace platform {

// Registers a class every module finds, as the standard controls' classes are.
ATOM RegisterSystemClass(const WNDCLASSW& wc);
// The class a CreateWindowExW call with this name (or atom) and instance means.
WindowClass* FindClass(LPCWSTR name, HINSTANCE instance);

}  // namespace platform
