// What an up-down control ("msctls_updown32") remembers between messages: its range and
// position, the base its buddy shows the position in, the buddy itself, the acceleration table
// and what the mouse and keys are doing to its arrows. The state lives on the heap, its pointer
// in the window's extra bytes, so a handle that is gone reads as no state at all.
#pragma once

#include <vector>

#include "PlatformApi.h"

namespace platform::updown {

// Up is the arrow that moves toward the maximum: the top one, or the right one with UDS_HORZ.
enum class Arrow { None, Up, Down };

struct State {
    // The platform's default range runs from 100 down to 0, so Up counts down until the
    // program sets a range.
    int min = 100;
    int max = 0;
    int pos = 0;
    int base = 10;
    HWND buddy = nullptr;
    std::vector<UDACCEL> accels;
    int accelIndex = -1;  // the table's entry the held arrow repeats with; -1: one a time, 50 ms apart
    Arrow arrow = Arrow::None;  // the arrow under the pointer
    bool pressed = false;       // the mouse holds an arrow down
    Arrow keyPressed = Arrow::None;  // shown pressed for a moment after a key stepped it
};

// Null once the window is gone (or before WM_NCCREATE made the state).
State* StateOf(HWND hwnd);

inline LONG StyleOf(HWND hwnd) { return GetWindowLongW(hwnd, GWL_STYLE); }

// The control takes no input while it, or its buddy, is disabled.
bool IsEnabled(HWND hwnd, const State& state);

}  // namespace platform::updown
