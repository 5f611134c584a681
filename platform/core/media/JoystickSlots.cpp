#include "media/JoystickSlots.h"

#include <algorithm>

#include "backends/sdl/SdlSignals.h"

namespace platform {

namespace {

constexpr Uint32 kSubsystems = SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER;

}  // namespace

bool JoystickSlots::Open() {
    if (state_ == OpenState::NotTried) state_ = OpenSubsystems() ? OpenState::Open : OpenState::Failed;
    return state_ == OpenState::Open;
}

bool JoystickSlots::OpenSubsystems() {
    // The platform reads joysticks whichever window has the focus, or none; SDL would otherwise
    // hold their state still while a window of the program is open without the focus.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    sdl::LeaveSignalsAlone();
    if (SDL_InitSubSystem(kSubsystems) != 0) return false;
    // Every query updates the devices itself; events nobody takes would only fill SDL's queue.
    SDL_JoystickEventState(SDL_IGNORE);
    SDL_GameControllerEventState(SDL_IGNORE);
    return true;
}

void JoystickSlots::Close() {
    for (auto& slot : slots_) slot.reset();
    if (state_ == OpenState::Open) SDL_QuitSubSystem(kSubsystems);
    state_ = OpenState::NotTried;
}

void JoystickSlots::Refresh() {
    SDL_JoystickUpdate();
    DropDetached();
    // A device just opened has no state until SDL's next update.
    if (TakeNewDevices()) SDL_JoystickUpdate();
}

void JoystickSlots::DropDetached() {
    for (auto& slot : slots_)
        if (slot && !slot->IsAttached()) slot.reset();
}

// SDL lists devices in the order they came, so the first free slots go to the earliest.
bool JoystickSlots::TakeNewDevices() {
    bool took = false;
    const int count = SDL_NumJoysticks();
    for (int index = 0; index < count; ++index) {
        if (Holds(SDL_JoystickGetDeviceInstanceID(index))) continue;
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
