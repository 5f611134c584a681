#include "media/JoystickDevice.h"
#include "backends/sdl/SdlLibrary.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "Utf8.h"

namespace platform {

using sdl::Sdl;

namespace {

// A pad's buttons in the order Windows numbers them: this one's bit is JOY_BUTTON1.
constexpr SDL_GameControllerButton kControllerButtons[] = {
    SDL_CONTROLLER_BUTTON_A,          SDL_CONTROLLER_BUTTON_B,           SDL_CONTROLLER_BUTTON_X,
    SDL_CONTROLLER_BUTTON_Y,          SDL_CONTROLLER_BUTTON_LEFTSHOULDER, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER,
    SDL_CONTROLLER_BUTTON_BACK,       SDL_CONTROLLER_BUTTON_START,       SDL_CONTROLLER_BUTTON_LEFTSTICK,
    SDL_CONTROLLER_BUTTON_RIGHTSTICK,
};

constexpr UINT kMaxAxes = 6;
constexpr UINT kMaxButtons = 32;  // the bits of JOYINFO's wButtons
constexpr int kPositionMax = 65535;
// The polling periods, in milliseconds, Windows' joystick driver reports.
constexpr UINT kPeriodMin = 10;
constexpr UINT kPeriodMax = 1000;

// SDL's -32768..32767 moved to the platform's 0..65535; an axis the device lacks reads 0.
UINT PositionOf(std::optional<int> value) {
    return value ? static_cast<UINT>(std::clamp(*value + 32768, 0, kPositionMax)) : 0;
}

// As much of the name as fits, NUL-terminated; a name that is not UTF-8 is left out.
void CopyName(const char* utf8, WCHAR (&name)[MAXPNAMELEN]) {
    if (!utf8) return;
    const std::wstring wide = WideOfUtf8(utf8).value_or(std::wstring());
    const std::size_t length = std::min<std::size_t>(wide.size(), MAXPNAMELEN - 1);
    std::copy_n(wide.begin(), length, name);
    name[length] = L'\0';
}

}  // namespace

std::unique_ptr<JoystickDevice> JoystickDevice::Open(int deviceIndex) {
    if (Sdl().IsGameController(deviceIndex)) {
        if (SDL_GameController* controller = Sdl().GameControllerOpen(deviceIndex))
            return std::unique_ptr<JoystickDevice>(
                new JoystickDevice(Sdl().GameControllerGetJoystick(controller), controller));
    }
    SDL_Joystick* joystick = Sdl().JoystickOpen(deviceIndex);
    if (!joystick) return nullptr;
    return std::unique_ptr<JoystickDevice>(new JoystickDevice(joystick, nullptr));
}

JoystickDevice::~JoystickDevice() {
    if (controller_) {
        Sdl().GameControllerClose(controller_);
    } else {
        Sdl().JoystickClose(joystick_);
    }
}

JOYINFO JoystickDevice::Position() const {
    return {PositionOf(AxisValue(kX)), PositionOf(AxisValue(kY)), PositionOf(AxisValue(kZ)), ButtonBits()};
}

JOYCAPSW JoystickDevice::Capabilities() const {
    JOYCAPSW caps{};
    caps.wMid = Sdl().JoystickGetVendor(joystick_);
    caps.wPid = Sdl().JoystickGetProduct(joystick_);
    CopyName(Sdl().JoystickName(joystick_), caps.szPname);
    DescribeAxes(caps);
    if (HasPointOfView()) caps.wCaps |= JOYCAPS_HASPOV | JOYCAPS_POV4DIR;
    caps.wNumButtons = ButtonCount();
    caps.wPeriodMin = kPeriodMin;
    caps.wPeriodMax = kPeriodMax;
    caps.wMaxAxes = kMaxAxes;
    caps.wMaxButtons = kMaxButtons;
    return caps;
}

// Each axis the device has spans the whole scale; one it lacks has an empty range.
void JoystickDevice::DescribeAxes(JOYCAPSW& caps) const {
    struct AxisFields {
        UINT JOYCAPSW::*min;
        UINT JOYCAPSW::*max;
        UINT flag;
    };
    constexpr AxisFields kFields[kAxisCount] = {
        {&JOYCAPSW::wXmin, &JOYCAPSW::wXmax, 0},
        {&JOYCAPSW::wYmin, &JOYCAPSW::wYmax, 0},
        {&JOYCAPSW::wZmin, &JOYCAPSW::wZmax, JOYCAPS_HASZ},
        {&JOYCAPSW::wRmin, &JOYCAPSW::wRmax, JOYCAPS_HASR},
        {&JOYCAPSW::wUmin, &JOYCAPSW::wUmax, JOYCAPS_HASU},
        {&JOYCAPSW::wVmin, &JOYCAPSW::wVmax, JOYCAPS_HASV},
    };
    for (int axis = kX; axis < kAxisCount; ++axis) {
        const AxisFields& fields = kFields[axis];
        const bool present = AxisValue(static_cast<Axis>(axis)).has_value();
        caps.*fields.min = 0;
        caps.*fields.max = present ? kPositionMax : 0;
        if (!present) continue;
        caps.wCaps |= fields.flag;
        ++caps.wNumAxes;
    }
}

std::optional<int> JoystickDevice::AxisValue(Axis axis) const {
    if (controller_) return ControllerAxisValue(axis);
    if (axis >= Sdl().JoystickNumAxes(joystick_)) return std::nullopt;
    return Sdl().JoystickGetAxis(joystick_, axis);
}

// The left stick is X and Y; both triggers share Z, the left one moving it up from the centre
// and the right one down; the right stick is U (across) and R (up and down).
std::optional<int> JoystickDevice::ControllerAxisValue(Axis axis) const {
    auto value = [this](SDL_GameControllerAxis sdlAxis) -> std::optional<int> {
        if (!Sdl().GameControllerHasAxis(controller_, sdlAxis)) return std::nullopt;
        return Sdl().GameControllerGetAxis(controller_, sdlAxis);
    };
    switch (axis) {
    case kX: return value(SDL_CONTROLLER_AXIS_LEFTX);
    case kY: return value(SDL_CONTROLLER_AXIS_LEFTY);
    case kR: return value(SDL_CONTROLLER_AXIS_RIGHTY);
    case kU: return value(SDL_CONTROLLER_AXIS_RIGHTX);
    case kZ: {
        const std::optional<int> left = value(SDL_CONTROLLER_AXIS_TRIGGERLEFT);
        const std::optional<int> right = value(SDL_CONTROLLER_AXIS_TRIGGERRIGHT);
        if (!left && !right) return std::nullopt;
        return left.value_or(0) - right.value_or(0);
    }
    default: return std::nullopt;
    }
}

UINT JoystickDevice::ButtonBits() const {
    UINT bits = 0;
    for (UINT i = 0; i < ButtonCount(); ++i) {
        const bool down = controller_ ? Sdl().GameControllerGetButton(controller_, kControllerButtons[i])
                                      : Sdl().JoystickGetButton(joystick_, static_cast<int>(i));
        if (down) bits |= 1u << i;
    }
    return bits;
}

UINT JoystickDevice::ButtonCount() const {
    if (controller_) return static_cast<UINT>(std::size(kControllerButtons));
    return std::min(static_cast<UINT>(std::max(Sdl().JoystickNumButtons(joystick_), 0)), kMaxButtons);
}

bool JoystickDevice::HasPointOfView() const {
    if (controller_) return Sdl().GameControllerHasButton(controller_, SDL_CONTROLLER_BUTTON_DPAD_UP);
    return Sdl().JoystickNumHats(joystick_) > 0;
}

}  // namespace platform
