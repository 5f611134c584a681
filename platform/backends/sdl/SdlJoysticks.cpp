#include "backends/sdl/SdlJoysticks.h"
#include "backends/sdl/SdlLibrary.h"

#include <algorithm>

namespace platform::sdl {

namespace {

constexpr Uint32 kSubsystems = SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER;

}  // namespace

bool SdlJoysticks::Open() {
    if (open_) return true;
    if (!Load()) return false;
    // The platform reads joysticks whichever window has the focus, or none; SDL would otherwise
    // hold their state still while a window of the program is open without the focus.
    Sdl().SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (Sdl().InitSubSystem(kSubsystems) != 0) return false;
    // Every update reads the devices itself; events nobody takes would only fill SDL's queue.
    Sdl().JoystickEventState(SDL_IGNORE);
    Sdl().GameControllerEventState(SDL_IGNORE);
    open_ = true;
    return true;
}

void SdlJoysticks::Close() {
    devices_.clear();
    if (open_) Sdl().QuitSubSystem(kSubsystems);
    open_ = false;
}

std::vector<JoystickId> SdlJoysticks::Update() {
    if (!open_) return {};
    Sdl().JoystickUpdate();
    DropDetached();
    // A device just opened has no state until SDL's next update.
    if (OpenNewDevices()) Sdl().JoystickUpdate();
    std::vector<JoystickId> ids;
    for (const auto& device : devices_) ids.push_back(device->InstanceId());
    return ids;
}

void SdlJoysticks::DropDetached() {
    std::erase_if(devices_, [](const auto& device) { return !device->IsAttached(); });
}

// SDL lists devices in the order they came; one it cannot open is tried again next time.
bool SdlJoysticks::OpenNewDevices() {
    bool opened = false;
    const int count = Sdl().NumJoysticks();
    for (int index = 0; index < count; ++index) {
        if (Find(Sdl().JoystickGetDeviceInstanceID(index))) continue;
        if (auto device = SdlJoystickDevice::Open(index)) {
            devices_.push_back(std::move(device));
            opened = true;
        }
    }
    return opened;
}

const SdlJoystickDevice* SdlJoysticks::Find(JoystickId id) const {
    auto found = std::find_if(devices_.begin(), devices_.end(), [id](const auto& d) { return d->InstanceId() == id; });
    return found != devices_.end() ? found->get() : nullptr;
}

std::optional<JoystickDescription> SdlJoysticks::Describe(JoystickId id) const {
    const SdlJoystickDevice* device = Find(id);
    return device ? std::optional(device->Describe()) : std::nullopt;
}

std::optional<JoystickState> SdlJoysticks::Read(JoystickId id) const {
    const SdlJoystickDevice* device = Find(id);
    return device ? std::optional(device->Read()) : std::nullopt;
}

}  // namespace platform::sdl
