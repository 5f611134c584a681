#include "media/JoystickReports.h"

#include <algorithm>
#include <string>

#include "Utf8.h"

namespace platform {

namespace {

constexpr UINT kMaxButtons = 32;  // the bits of JOYINFO's wButtons
constexpr int kPositionMax = 65535;
// The polling periods, in milliseconds, Windows' joystick driver reports.
constexpr UINT kPeriodMin = 10;
constexpr UINT kPeriodMax = 1000;

// -32768..32767 moved to the platform's 0..65535; an axis the device lacks reads 0.
UINT PositionOf(std::optional<int> value) {
    return value ? static_cast<UINT>(std::clamp(*value - kJoystickAxisMin, 0, kPositionMax)) : 0;
}

UINT ButtonCount(const JoystickState& state) {
    return std::min(static_cast<UINT>(state.buttons.size()), kMaxButtons);
}

UINT ButtonBits(const JoystickState& state) {
    UINT bits = 0;
    for (UINT i = 0; i < ButtonCount(state); ++i)
        if (state.buttons[i]) bits |= 1u << i;
    return bits;
}

// As much of the name as fits, NUL-terminated; a name that is not UTF-8 is left out.
void CopyName(const std::string& utf8, WCHAR (&name)[MAXPNAMELEN]) {
    const std::wstring wide = WideOfUtf8(utf8.c_str()).value_or(std::wstring());
    const std::size_t length = std::min<std::size_t>(wide.size(), MAXPNAMELEN - 1);
    std::copy_n(wide.begin(), length, name);
    name[length] = L'\0';
}

// Each axis the device has spans the whole scale; one it lacks has an empty range.
void DescribeAxes(const JoystickState& state, JOYCAPSW& caps) {
    struct AxisFields {
        UINT JOYCAPSW::*min;
        UINT JOYCAPSW::*max;
        UINT flag;
    };
    constexpr AxisFields kFields[kJoystickAxisCount] = {
        {&JOYCAPSW::wXmin, &JOYCAPSW::wXmax, 0},
        {&JOYCAPSW::wYmin, &JOYCAPSW::wYmax, 0},
        {&JOYCAPSW::wZmin, &JOYCAPSW::wZmax, JOYCAPS_HASZ},
        {&JOYCAPSW::wRmin, &JOYCAPSW::wRmax, JOYCAPS_HASR},
        {&JOYCAPSW::wUmin, &JOYCAPSW::wUmax, JOYCAPS_HASU},
        {&JOYCAPSW::wVmin, &JOYCAPSW::wVmax, JOYCAPS_HASV},
    };
    for (int axis = kJoystickX; axis < kJoystickAxisCount; ++axis) {
        const AxisFields& fields = kFields[axis];
        const bool present = state.axes[static_cast<std::size_t>(axis)].has_value();
        caps.*fields.min = 0;
        caps.*fields.max = present ? kPositionMax : 0;
        if (!present) continue;
        caps.wCaps |= fields.flag;
        ++caps.wNumAxes;
    }
}

}  // namespace

JOYINFO PositionOf(const JoystickState& state) {
    return {PositionOf(state.axes[kJoystickX]), PositionOf(state.axes[kJoystickY]), PositionOf(state.axes[kJoystickZ]),
            ButtonBits(state)};
}

JOYCAPSW CapabilitiesOf(const JoystickDescription& description, const JoystickState& state) {
    JOYCAPSW caps{};
    caps.wMid = description.vendor;
    caps.wPid = description.product;
    CopyName(description.name, caps.szPname);
    DescribeAxes(state, caps);
    if (description.hasPointOfView) caps.wCaps |= JOYCAPS_HASPOV | JOYCAPS_POV4DIR;
    caps.wNumButtons = ButtonCount(state);
    caps.wPeriodMin = kPeriodMin;
    caps.wPeriodMax = kPeriodMax;
    caps.wMaxAxes = kJoystickAxisCount;
    caps.wMaxButtons = kMaxButtons;
    return caps;
}

}  // namespace platform
