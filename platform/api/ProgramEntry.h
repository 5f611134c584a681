// How a program starts on the real display, and what it carries. On Windows the system opens
// the display and calls the program's entry itself, and the resource compiler puts the
// program's icons in its executable; here the program's `main` hands its entry to
// RunOnDisplay, which opens the display first and tells the person plainly when there is none,
// and hands over the bytes of its icon file, which the build embedded.
#pragma once

#include <cstddef>
#include <cstdint>
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

// Registers the largest 32-bit picture of an icon file (.ico) as the program's icon resource
// `id`. False, and nothing registered, when the bytes are no such file: every size and offset
// in them is checked, as they come from outside the platform.
bool RegisterIconFile(int id, const std::uint8_t* bytes, std::size_t size);

}  // namespace platform
