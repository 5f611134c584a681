#include "user/HotKeys.h"

#include "PlatformState.h"

#include <algorithm>

namespace platform {

namespace {
constexpr UINT kModifierMask = MOD_ALT | MOD_CONTROL | MOD_SHIFT | MOD_WIN;
}

DWORD HotKeys::Register(HWND window, int id, UINT modifiers, UINT vk) {
    for (const Entry& entry : entries_) {
        bool sameWindowAndId = entry.window == window && entry.id == id;
        bool sameKeys = (entry.modifiers & kModifierMask) == (modifiers & kModifierMask) && entry.vk == vk;
        if (sameKeys && !sameWindowAndId) return ERROR_HOTKEY_ALREADY_REGISTERED;
    }
    // Registering an id again for the same window replaces its keys.
    Unregister(window, id);
    entries_.push_back({window, id, modifiers, vk});
    return ERROR_SUCCESS;
}

bool HotKeys::Unregister(HWND window, int id) {
    return std::erase_if(entries_, [&](const Entry& e) { return e.window == window && e.id == id; }) > 0;
}

void HotKeys::UnregisterAllOf(HWND window) {
    std::erase_if(entries_, [&](const Entry& e) { return e.window == window; });
}

std::optional<HotKeys::Match> HotKeys::Find(UINT modifiers, UINT vk, bool isRepeat) const {
    for (const Entry& entry : entries_) {
        if (entry.vk != vk || (entry.modifiers & kModifierMask) != modifiers) continue;
        if (isRepeat && (entry.modifiers & MOD_NOREPEAT)) return std::nullopt;
        return Match{entry.window, entry.id};
    }
    return std::nullopt;
}

}  // namespace platform


using namespace platform;

BOOL WINAPI RegisterHotKey(HWND hWnd, int id, UINT fsModifiers, UINT vk) {
    if (hWnd && !CheckWindow(hWnd)) return FALSE;
    DWORD error = State().hotKeys.Register(hWnd, id, fsModifiers, vk);
    if (error == ERROR_SUCCESS) return TRUE;
    SetLastError(error);
    return FALSE;
}

BOOL WINAPI UnregisterHotKey(HWND hWnd, int id) {
    if (hWnd && !CheckWindow(hWnd)) return FALSE;
    if (State().hotKeys.Unregister(hWnd, id)) return TRUE;
    SetLastError(ERROR_HOTKEY_NOT_REGISTERED);
    return FALSE;
}
