// System-wide hot keys: a registered key combination is delivered as WM_HOTKEY to the window
// that registered it, instead of as a key press to the focus window.
#pragma once

#include <optional>
#include <vector>

#include "PlatformApi.h"

namespace platform {

class HotKeys {
public:
    // ERROR_SUCCESS, or why the registration was refused.
    DWORD Register(HWND window, int id, UINT modifiers, UINT vk);
    bool Unregister(HWND window, int id);
    void UnregisterAllOf(HWND window);

    struct Match {
        HWND window;
        int id;
    };
    // The hot key a key press with these modifiers makes, if any.
    std::optional<Match> Find(UINT modifiers, UINT vk, bool isRepeat) const;

private:
    struct Entry {
        HWND window;
        int id;
        UINT modifiers;
        UINT vk;
    };
    std::vector<Entry> entries_;
};

}  // namespace platform
