// The joysticks of the real displays: SDL's joysticks and game controllers, opened on first
// use. Devices coming and going are found in SDL's device list on every update rather than by
// SDL's device events: the SDL display backend takes events off SDL's queue for itself.
#pragma once

#include <memory>
#include <vector>

#include "JoystickSource.h"
#include "backends/sdl/SdlJoystickDevice.h"

namespace platform::sdl {

class SdlJoysticks final : public JoystickSource {
public:
    SdlJoysticks() = default;
    ~SdlJoysticks() override { Close(); }
    SdlJoysticks(const SdlJoysticks&) = delete;
    SdlJoysticks& operator=(const SdlJoysticks&) = delete;

    bool Open() override;
    void Close() override;
    std::vector<JoystickId> Update() override;
    std::optional<JoystickDescription> Describe(JoystickId id) const override;
    std::optional<JoystickState> Read(JoystickId id) const override;

private:
    void DropDetached();
    // True when it opened a device.
    bool OpenNewDevices();
    const SdlJoystickDevice* Find(JoystickId id) const;

    bool open_ = false;
    std::vector<std::unique_ptr<SdlJoystickDevice>> devices_;  // in the order they came
};

}  // namespace platform::sdl
