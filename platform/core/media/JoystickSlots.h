// The joystick ids: sixteen slots, each holding one attached device or none. A device keeps
// its slot while it stays attached, so a player's pad does not change id when another one is
// unplugged, and a device plugged in takes the lowest free slot.
//
// Devices coming and going are found by looking at the backend's devices on every query
// rather than by events: a program asks for its joysticks' state when it wants it.
#pragma once

#include <array>
#include <optional>

#include "PlatformApi.h"
#include "backend/JoystickSource.h"

namespace platform {

class JoystickSlots {
public:
    static constexpr UINT kSlotCount = 16;

    // Opens the backend's joysticks on the first call; false when they cannot be read, and then
    // on every later call.
    bool Open(JoystickSource& source);
    // Reads the devices' state and brings the slots up to date with the devices attached now.
    void Refresh(JoystickSource& source);
    // The device in the slot; none when the slot is empty or past the last one.
    std::optional<JoystickId> Find(UINT slot) const;

private:
    enum class OpenState { NotTried, Open, Failed };

    bool Holds(JoystickId id) const;

    OpenState state_ = OpenState::NotTried;
    std::array<std::optional<JoystickId>, kSlotCount> slots_;
};

}  // namespace platform
