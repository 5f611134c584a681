// The joystick ids: sixteen slots, each holding one attached device or none. A device keeps
// its slot while it stays attached, so a player's pad does not change id when another one is
// unplugged, and a device plugged in takes the lowest free slot.
//
// Devices coming and going are found by looking at SDL's device list on every query rather
// than by SDL's device events: the display backend takes events off SDL's queue for itself.
#pragma once

#include <SDL.h>

#include <array>
#include <memory>

#include "JoystickDevice.h"

namespace platform {

class JoystickSlots {
public:
    static constexpr UINT kSlotCount = 16;

    JoystickSlots() = default;
    ~JoystickSlots() { Close(); }
    JoystickSlots(const JoystickSlots&) = delete;
    JoystickSlots& operator=(const JoystickSlots&) = delete;

    // Opens SDL's joysticks and game controllers on the first call; false when they cannot be
    // read, and then on every later call.
    bool Open();
    void Close();
    // Reads the devices' state and brings the slots up to date with the devices attached now.
    void Refresh();
    // The device in the slot; null when the slot is empty or past the last one.
    const JoystickDevice* Find(UINT id) const { return id < kSlotCount ? slots_[id].get() : nullptr; }

private:
    enum class OpenState { NotTried, Open, Failed };

    bool OpenSubsystems();
    void DropDetached();
    // True when it filled a slot.
    bool TakeNewDevices();
    bool Holds(SDL_JoystickID instance) const;

    OpenState state_ = OpenState::NotTried;
    std::array<std::unique_ptr<JoystickDevice>, kSlotCount> slots_;
};

// The process's joysticks: like sound, SDL's joysticks are the process's own, so they live
// apart from the platform state that tests replace.
JoystickSlots& Joysticks();

}  // namespace platform
