// All state of the in-process platform, in one place so that tests can replace it whole.
#pragma once

#include <memory>
#include <vector>

#include "HandleTable.h"
#include "Window.h"
#include "backend/Backend.h"
#include "gdi/GdiState.h"
#include "media/JoystickSlots.h"
#include "media/SoundDevice.h"
#include "user/Caret.h"
#include "user/Cursors.h"
#include "user/HotKeys.h"
#include "user/menus/Menus.h"
#include "user/MouseTracking.h"
#include "user/Input.h"
#include "user/MessageQueue.h"
#include "user/Timers.h"

namespace platform {

struct PlatformState {
    std::unique_ptr<Backend> backend;

    HandleTable<Window> windows;
    std::vector<std::unique_ptr<WindowClass>> classes;
    ATOM nextAtom = 0xC000;
    std::vector<HWND> topLevels;  // z-order, topmost first
    bool systemClassesRegistered = false;
    HFONT menuFont = nullptr;
    bool altAlone = false;  // Alt is down and no other key came since: its release opens the menu bar

    HWND active = nullptr;
    HWND focus = nullptr;
    HWND capture = nullptr;

    MessageQueue queue;
    Timers timers;
    Input input;
    HotKeys hotKeys;
    MouseTracking tracking;
    Caret caret;
    Cursors cursors;
    Menus menus;

    GdiState gdi;

    // What the program plays and which joystick ids its devices hold; the devices themselves
    // are the backend's.
    SoundDevice sound;
    JoystickSlots joysticks;
};

PlatformState& State();
// Replaces all platform state, without sending any message to the windows that go.
void ResetState(std::unique_ptr<Backend> backend);

// Runs what the platform itself does on time (hover notices, the caret's blink) and returns
// when it next needs to, for the wait in GetMessageW.
std::optional<std::uint64_t> RunSystemEvents();

// The window behind a handle, or null for a null, stale or destroyed handle.
Window* FindWindow(HWND hwnd);
// As FindWindow, and sets ERROR_INVALID_WINDOW_HANDLE when there is none.
Window* CheckWindow(HWND hwnd);

}  // namespace platform
