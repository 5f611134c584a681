// Window classes: the application's own and the system's.
#pragma once

#include "Window.h"

namespace platform {

// Registers the system's classes (menus' drop-downs, the controls) once per platform state;
// FindClass calls it before it gives up.
void EnsureSystemClasses();
// The class a CreateWindowExW call with this name (or atom) and instance means.
WindowClass* FindClass(LPCWSTR name, HINSTANCE instance);

}  // namespace platform
