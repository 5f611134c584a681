// The multimedia joystick calls over the process's joystick slots.
#include "PlatformApi.h"
#include "media/JoystickSlots.h"

namespace {

using platform::JoystickSlots;

// The device with this id after a fresh look at the devices, or the call's error.
MMRESULT FindDevice(UINT_PTR id, MMRESULT unplugged, const platform::JoystickDevice*& device) {
    JoystickSlots& slots = platform::Joysticks();
    if (!slots.Open()) return MMSYSERR_NODRIVER;
    if (id >= JoystickSlots::kSlotCount) return JOYERR_PARMS;
    slots.Refresh();
    device = slots.Find(static_cast<UINT>(id));
    return device ? JOYERR_NOERROR : unplugged;
}

}  // namespace

UINT WINAPI joyGetNumDevs(void) { return platform::Joysticks().Open() ? JoystickSlots::kSlotCount : 0; }

MMRESULT WINAPI joyGetPos(UINT uJoyID, LPJOYINFO pji) {
    if (!pji) return MMSYSERR_INVALPARAM;
    const platform::JoystickDevice* device = nullptr;
    if (MMRESULT error = FindDevice(uJoyID, JOYERR_UNPLUGGED, device)) return error;
    *pji = device->Position();
    return JOYERR_NOERROR;
}

// Windows answers JOYERR_PARMS for an id with no device here, where joyGetPos says unplugged.
MMRESULT WINAPI joyGetDevCapsW(UINT_PTR uJoyID, LPJOYCAPSW pjc, UINT cbjc) {
    if (!pjc || cbjc < sizeof(JOYCAPSW)) return MMSYSERR_INVALPARAM;
    const platform::JoystickDevice* device = nullptr;
    if (MMRESULT error = FindDevice(uJoyID, JOYERR_PARMS, device)) return error;
    *pjc = device->Capabilities();
    return JOYERR_NOERROR;
}
