// One attached joystick opened through SDL. A device SDL knows as a game controller reads as
// Windows shows such a pad (sticks, the triggers on one axis, buttons in A, B, X, Y,
// shoulders, Back, Start, stick-press order); any other device reads its own axes and buttons
// in order.
#pragma once

#include <SDL.h>

#include <memory>
#include <optional>

#include "JoystickSource.h"

namespace platform::sdl {

class SdlJoystickDevice {
public:
    // Nothing when SDL cannot open the device at this index.
    static std::unique_ptr<SdlJoystickDevice> Open(int deviceIndex);
    ~SdlJoystickDevice();
    SdlJoystickDevice(const SdlJoystickDevice&) = delete;
    SdlJoystickDevice& operator=(const SdlJoystickDevice&) = delete;

    JoystickId InstanceId() const;
    bool IsAttached() const;
    // As of SDL's last joystick update.
    JoystickDescription Describe() const;
    JoystickState Read() const;

private:
    SdlJoystickDevice(SDL_Joystick* joystick, SDL_GameController* controller)
        : joystick_(joystick), controller_(controller) {}
    std::optional<int> AxisValue(JoystickAxis axis) const;
    std::optional<int> ControllerAxisValue(JoystickAxis axis) const;
    bool ButtonDown(int button) const;
    int ButtonCount() const;
    bool HasPointOfView() const;

    SDL_Joystick* joystick_;           // the controller's own joystick when there is a controller
    SDL_GameController* controller_;  // null for a device that is no known controller
};

}  // namespace platform::sdl
