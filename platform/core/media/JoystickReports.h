// A joystick's reading as the platform's joystick calls report it: axes on 0..65535, the
// first 32 buttons as bits, and the capabilities that describe the device.
#pragma once

#include "PlatformApi.h"
#include "backend/JoystickSource.h"

namespace platform {

JOYINFO PositionOf(const JoystickState& state);
JOYCAPSW CapabilitiesOf(const JoystickDescription& description, const JoystickState& state);

}  // namespace platform
