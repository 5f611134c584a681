#include "backends/sdl/SdlJoystickDevice.h"
#include "backends/sdl/SdlLibrary.h"

#include <iterator>

namespace platform::sdl {

namespace {

// A pad's buttons in the order Windows numbers them: this one's bit is JOY_BUTTON1.
constexpr SDL_GameControllerButton kControllerButtons[] = {
    SDL_CONTROLLER_BUTTON_A,          SDL_CONTROLLER_BUTTON_B,           SDL_CONTROLLER_BUTTON_X,
    SDL_CONTROLLER_BUTTON_Y,          SDL_CONTROLLER_BUTTON_LEFTSHOULDER, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER,
    SDL_CONTROLLER_BUTTON_BACK,       SDL_CONTROLLER_BUTTON_START,       SDL_CONTROLLER_BUTTON_LEFTSTICK,
    SDL_CONTROLLER_BUTTON_RIGHTSTICK,
};

}  // namespace

std::unique_ptr<SdlJoystickDevice> SdlJoystickDevice::Open(int deviceIndex) {
    if (Sdl().IsGameController(deviceIndex)) {
        if (SDL_GameController* controller = Sdl().GameControllerOpen(deviceIndex))
            return std::unique_ptr<SdlJoystickDevice>(
                new SdlJoystickDevice(Sdl().GameControllerGetJoystick(controller), controller));
    }
    SDL_Joystick* joystick = Sdl().JoystickOpen(deviceIndex);
    if (!joystick) return nullptr;
    return std::unique_ptr<SdlJoystickDevice>(new SdlJoystickDevice(joystick, nullptr));
}

SdlJoystickDevice::~SdlJoystickDevice() {
    if (controller_) {
        Sdl().GameControllerClose(controller_);
    } else {
        Sdl().JoystickClose(joystick_);
    }
}

JoystickId SdlJoystickDevice::InstanceId() const { return Sdl().JoystickInstanceID(joystick_); }

bool SdlJoystickDevice::IsAttached() const { return Sdl().JoystickGetAttached(joystick_); }

JoystickDescription SdlJoystickDevice::Describe() const {
    const char* name = Sdl().JoystickName(joystick_);
    return {name ? name : "", Sdl().JoystickGetVendor(joystick_), Sdl().JoystickGetProduct(joystick_),
            HasPointOfView()};
}

JoystickState SdlJoystickDevice::Read() const {
    JoystickState state;
    for (int axis = kJoystickX; axis < kJoystickAxisCount; ++axis)
        state.axes[static_cast<std::size_t>(axis)] = AxisValue(static_cast<JoystickAxis>(axis));
    for (int button = 0; button < ButtonCount(); ++button) state.buttons.push_back(ButtonDown(button));
    return state;
}

std::optional<int> SdlJoystickDevice::AxisValue(JoystickAxis axis) const {
    if (controller_) return ControllerAxisValue(axis);
    if (axis >= Sdl().JoystickNumAxes(joystick_)) return std::nullopt;
    return Sdl().JoystickGetAxis(joystick_, axis);
}

// The left stick is X and Y; both triggers share Z, the left one moving it up from the centre
// and the right one down; the right stick is U (across) and R (up and down).
std::optional<int> SdlJoystickDevice::ControllerAxisValue(JoystickAxis axis) const {
    auto value = [this](SDL_GameControllerAxis sdlAxis) -> std::optional<int> {
        if (!Sdl().GameControllerHasAxis(controller_, sdlAxis)) return std::nullopt;
        return Sdl().GameControllerGetAxis(controller_, sdlAxis);
    };
    switch (axis) {
    case kJoystickX: return value(SDL_CONTROLLER_AXIS_LEFTX);
    case kJoystickY: return value(SDL_CONTROLLER_AXIS_LEFTY);
    case kJoystickR: return value(SDL_CONTROLLER_AXIS_RIGHTY);
    case kJoystickU: return value(SDL_CONTROLLER_AXIS_RIGHTX);
    case kJoystickZ: {
        const std::optional<int> left = value(SDL_CONTROLLER_AXIS_TRIGGERLEFT);
        const std::optional<int> right = value(SDL_CONTROLLER_AXIS_TRIGGERRIGHT);
        if (!left && !right) return std::nullopt;
        return left.value_or(0) - right.value_or(0);
    }
    default: return std::nullopt;
    }
}

bool SdlJoystickDevice::ButtonDown(int button) const {
    if (controller_) return Sdl().GameControllerGetButton(controller_, kControllerButtons[button]);
    return Sdl().JoystickGetButton(joystick_, button);
}

int SdlJoystickDevice::ButtonCount() const {
    if (controller_) return static_cast<int>(std::size(kControllerButtons));
    return std::max(Sdl().JoystickNumButtons(joystick_), 0);
}

bool SdlJoystickDevice::HasPointOfView() const {
    if (controller_) return Sdl().GameControllerHasButton(controller_, SDL_CONTROLLER_BUTTON_DPAD_UP);
    return Sdl().JoystickNumHats(joystick_) > 0;
}

}  // namespace platform::sdl
