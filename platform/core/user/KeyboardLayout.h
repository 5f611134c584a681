// The US keyboard layout: scan codes of virtual keys and the characters they type.
#pragma once

#include <optional>

#include "PlatformApi.h"

namespace platform {

struct Modifiers {
    bool shift = false;
    bool control = false;
    bool alt = false;
    bool capsLock = false;
    bool numLock = true;
};

UINT ScanCodeOf(UINT vk);
// Keys that the real keyboard sends with the extended-key prefix (bit 24 of lParam).
bool IsExtendedKey(UINT vk);
// The character a key types with these modifiers, if it types one.
std::optional<WCHAR> CharacterOf(UINT vk, const Modifiers& modifiers);
// The generic key of a left or right one (VK_LSHIFT gives VK_SHIFT); others unchanged.
UINT GenericKeyOf(UINT vk);

}  // namespace platform
