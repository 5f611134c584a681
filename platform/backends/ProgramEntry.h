// How a program starts on the real display. On Windows the system opens the display and calls
// the program's entry itself; here the program's `main` hands its entry to RunOnDisplay, which
// opens the display first and tells the person plainly when there is none.
#pragma once

#include <cstdio>

#include "PlatformApi.h"

namespace platform {

// A program's own entry, shaped like the system's: the program's module (never null) and how
// its main window is first shown (an SW_ value). Returns the program's exit code.
using ProgramEntryPoint = int (*)(HINSTANCE instance, int showCommand);

// RunOnDisplay's exit code when no display can be opened.
inline constexpr int kNoDisplayExitCode = 2;

// The module handle the program is given: a fixed non-null value, since no loaded image stands
// behind it here. Window classes and icon resources are registered under it.
HINSTANCE ProgramInstance();

// Opens the real display, runs `entry` with the program's module and SW_SHOWDEFAULT, closes
// the display again and returns what the entry returned. When no display can be opened it
// writes one line to `errors` ("<programName>: cannot open a display (<reason>): ..."), leaves
// the headless platform in place, and returns kNoDisplayExitCode without running the entry.
int RunOnDisplay(const char* programName, ProgramEntryPoint entry, std::FILE* errors = stderr);

}  // namespace platform
