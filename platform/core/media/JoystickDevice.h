// One attached joystick as the platform's joystick calls see it. A device SDL knows as a game
// controller reads as Windows shows such a pad (sticks, the triggers on one axis, buttons in
// A, B, X, Y, shoulders, Back, Start, stick-press order); any other device reads its own axes
// and buttons in order.
#pragma once

#include <SDL.h>

#include <memory>
#include <optional>

#include "PlatformApi.h"
#include "backends/sdl/SdlLibrary.h"

namespace platform {

class JoystickDevice {
public:
    // Nothing when SDL cannot open the device at this index.
    static std::unique_ptr<JoystickDevice> Open(int deviceIndex);
    ~JoystickDevice();
    JoystickDevice(const JoystickDevice&) = delete;
    JoystickDevice& operator=(const JoystickDevice&) = delete;

    SDL_JoystickID InstanceId() const { return sdl::Sdl().JoystickInstanceID(joystick_); }
    bool IsAttached() const { return sdl::Sdl().JoystickGetAttached(joystick_); }
    // As of SDL's last joystick update.
    JOYINFO Position() const;
    JOYCAPSW Capabilities() const;

private:
    // The platform's axes, in the order of its structures.
    enum Axis { kX, kY, kZ, kR, kU, kV, kAxisCount };

    JoystickDevice(SDL_Joystick* joystick, SDL_GameController* controller)
        : joystick_(joystick), controller_(controller) {}
    // The axis on SDL's scale (-32768..32767); none when the device lacks it.
    std::optional<int> AxisValue(Axis axis) const;
    std::optional<int> ControllerAxisValue(Axis axis) const;
    void DescribeAxes(JOYCAPSW& caps) const;
    UINT ButtonBits() const;
    UINT ButtonCount() const;
    bool HasPointOfView() const;

    SDL_Joystick* joystick_;           // the controller's own joystick when there is a controller
    SDL_GameController* controller_;  // null for a device that is no known controller
};

}  // namespace platform
