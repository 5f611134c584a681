// The multimedia joystick calls over the platform's joystick slots and the backend's devices.
#include "PlatformApi.h"
#include "PlatformState.h"
#include "media/JoystickReports.h"
#include "media/JoystickSlots.h"

namespace {

using platform::JoystickSlots;

// What the device with this id reads after a fresh look at the devices, or the call's error.
struct Found {
    MMRESULT error = JOYERR_NOERROR;
    std::optional<platform::JoystickDescription> description;
    std::optional<platform::JoystickState> state;
};

Found Failure(MMRESULT error) {
    Found found;
    found.error = error;
    return found;
}

Found FindDevice(UINT_PTR id, MMRESULT unplugged) {
    JoystickSlots& slots = platform::State().joysticks;
    platform::JoystickSource& source = platform::CurrentBackend().Joysticks();
    if (!slots.Open(source)) return Failure(MMSYSERR_NODRIVER);
    if (id >= JoystickSlots::kSlotCount) return Failure(JOYERR_PARMS);
    slots.Refresh(source);
    const std::optional<platform::JoystickId> device = slots.Find(static_cast<UINT>(id));
    Found found;
    if (device) {
        found.description = source.Describe(*device);
        found.state = source.Read(*device);
    }
    if (!found.description || !found.state) found.error = unplugged;
    return found;
}

}  // namespace

UINT WINAPI joyGetNumDevs(void) {
    return platform::State().joysticks.Open(platform::CurrentBackend().Joysticks()) ? JoystickSlots::kSlotCount : 0;
}

MMRESULT WINAPI joyGetPos(UINT uJoyID, LPJOYINFO pji) {
    if (!pji) return MMSYSERR_INVALPARAM;
    const Found found = FindDevice(uJoyID, JOYERR_UNPLUGGED);
    if (found.error) return found.error;
    *pji = platform::PositionOf(*found.state);
    return JOYERR_NOERROR;
}

// Windows answers JOYERR_PARMS for an id with no device here, where joyGetPos says unplugged.
MMRESULT WINAPI joyGetDevCapsW(UINT_PTR uJoyID, LPJOYCAPSW pjc, UINT cbjc) {
    if (!pjc || cbjc < sizeof(JOYCAPSW)) return MMSYSERR_INVALPARAM;
    const Found found = FindDevice(uJoyID, JOYERR_PARMS);
    if (found.error) return found.error;
    *pjc = platform::CapabilitiesOf(*found.description, *found.state);
    return JOYERR_NOERROR;
}
