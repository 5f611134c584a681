#include "media/JoystickSlots.h"
#include "backends/sdl/SdlLibrary.h"

#include <algorithm>


namespace platform {

using sdl::Sdl;

namespace {

constexpr Uint32 kSubsystems = SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER;

}  // namespace

bool JoystickSlots::Open() {
    if (state_ == OpenState::NotTried) state_ = OpenSubsystems() ? OpenState::Open : OpenState::Failed;
    return state_ == OpenState::Open;
}

bool JoystickSlots::OpenSubsystems() {
    if (!sdl::Load()) return false;
    // The platform reads joysticks whichever window has the focus, or none; SDL would otherwise
    // hold their state still while a window of the program is open without the focus.
    Sdl().SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (Sdl().InitSubSystem(kSubsystems) != 0) return false;
    // Every query updates the devices itself; events nobody takes would only fill SDL's queue.
    Sdl().JoystickEventState(SDL_IGNORE);
    Sdl().GameControllerEventState(SDL_IGNORE);
    return true;
}

void JoystickSlots::Close() {
    for (auto& slot : slots_) slot.reset();
    if (state_ == OpenState::Open) Sdl().QuitSubSystem(kSubsystems);
    state_ = OpenState::NotTried;
}

void JoystickSlots::Refresh() {
    Sdl().JoystickUpdate();
    DropDetached();
    // A device just opened has no state until SDL's next update.
    if (TakeNewDevices()) Sdl().JoystickUpdate();
}

void JoystickSlots::DropDetached() {
    for (auto& slot : slots_)
        if (slot && !slot->IsAttached()) slot.reset();
}

// SDL lists devices in the order they came, so the first free slots go to the earliest.
bool JoystickSlots::TakeNewDevices() {
    bool took = false;
    const int count = Sdl().NumJoysticks();
    for (int index = 0; index < count; ++index) {
        if (Holds(Sdl().JoystickGetDeviceInstanceID(index))) continue;
        auto freeSlot = std::find(slots_.begin(), slots_.end(), nullptr);
        if (freeSlot == slots_.end()) break;
        *freeSlot = JoystickDevice::Open(index);
        took = took || *freeSlot != nullptr;
    }
    return took;
}

bool JoystickSlots::Holds(SDL_JoystickID instance) const {
    return std::any_of(slots_.begin(), slots_.end(),
                       [instance](const auto& slot) { return slot && slot->InstanceId() == instance; });
}

JoystickSlots& Joysticks() {
    static JoystickSlots slots;
    return slots;
}

}  // namespace platform
