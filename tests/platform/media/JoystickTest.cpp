// The multimedia joystick calls over SDL's virtual joysticks, which run through SDL's device
// list and updates as real devices do.
#include <gtest/gtest.h>
#include <SDL.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "PlatformApi.h"
#include "backends/sdl/SdlLibrary.h"

namespace {

// SDL's centre, 0, is halfway up a scale of 0..65535 that has no middle value.
constexpr UINT kCentre = 32768;
constexpr UINT kCentreTolerance = 1;

struct VirtualDevice {
    SDL_JoystickID instance;
    SDL_Joystick* handle;  // ours, to set the device's axes and buttons
};

class JoystickTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(platform::sdl::Load());  // as the platform loads SDL before opening its subsystems
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
        if (SDL_NumJoysticks() > 0) GTEST_SKIP() << "real joysticks are attached and would take the ids";
    }

    void TearDown() override {
        while (!devices_.empty()) Detach(devices_.front());
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }

    VirtualDevice Attach(SDL_JoystickType type, int axes, int buttons, int hats = 0, const char* name = nullptr) {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = static_cast<Uint16>(type);
        desc.naxes = static_cast<Uint16>(axes);
        desc.nbuttons = static_cast<Uint16>(buttons);
        desc.nhats = static_cast<Uint16>(hats);
        desc.name = name;
        const int index = SDL_JoystickAttachVirtualEx(&desc);
        EXPECT_GE(index, 0) << SDL_GetError();
        VirtualDevice device{SDL_JoystickGetDeviceInstanceID(index), SDL_JoystickOpen(index)};
        EXPECT_NE(device.handle, nullptr) << SDL_GetError();
        devices_.push_back(device);
        return device;
    }

    VirtualDevice AttachStick(const char* name, int axes = 3, int buttons = 4) {
        return Attach(SDL_JOYSTICK_TYPE_FLIGHT_STICK, axes, buttons, 0, name);
    }

    void Detach(VirtualDevice device) {
        SDL_JoystickClose(device.handle);
        for (int index = 0; index < SDL_NumJoysticks(); ++index)
            if (SDL_JoystickGetDeviceInstanceID(index) == device.instance) SDL_JoystickDetachVirtual(index);
        std::erase_if(devices_, [&](const VirtualDevice& d) { return d.instance == device.instance; });
    }

    static JOYINFO Position(UINT id) {
        JOYINFO info{};
        EXPECT_EQ(joyGetPos(id, &info), JOYERR_NOERROR) << "id " << id;
        return info;
    }

    static std::wstring NameOf(UINT id) {
        JOYCAPSW caps{};
        if (joyGetDevCapsW(id, &caps, sizeof caps) != JOYERR_NOERROR) return L"(none)";
        return caps.szPname;
    }

private:
    std::vector<VirtualDevice> devices_;
};

TEST_F(JoystickTest, TheDriverOffersSixteenIds) { EXPECT_EQ(joyGetNumDevs(), 16u); }

TEST_F(JoystickTest, AxesSpanTheWholeScale) {
    struct Case {
        Sint16 sdl;
        UINT position;
    };
    const Case cases[] = {{-32768, 0}, {0, kCentre}, {32767, 65535}, {-16384, 16384}};
    const VirtualDevice stick = AttachStick("Stick");
    for (const Case& c : cases) {
        for (int axis = 0; axis < 3; ++axis) SDL_JoystickSetVirtualAxis(stick.handle, axis, c.sdl);
        const JOYINFO info = Position(JOYSTICKID1);
        for (UINT value : {info.wXpos, info.wYpos, info.wZpos})
            EXPECT_NEAR(value, c.position, kCentreTolerance) << "SDL value " << c.sdl;
    }
}

TEST_F(JoystickTest, AnAxisTheDeviceLacksReadsZero) {
    const VirtualDevice pad = AttachStick("Two axes", 2);
    SDL_JoystickSetVirtualAxis(pad.handle, 0, 32767);
    const JOYINFO info = Position(JOYSTICKID1);
    EXPECT_EQ(info.wXpos, 65535u);
    EXPECT_EQ(info.wZpos, 0u);
}

TEST_F(JoystickTest, ButtonsAreBits) {
    struct Case {
        std::vector<int> pressed;
        UINT bits;
    };
    const Case cases[] = {
        {{}, 0},
        {{0}, JOY_BUTTON1},
        {{1, 3}, JOY_BUTTON2 | JOY_BUTTON4},
        {{2, 31}, JOY_BUTTON3 | 0x80000000u},
        {{32, 39}, 0},  // past the 32 a JOYINFO holds
    };
    const VirtualDevice stick = AttachStick("Many buttons", 2, 40);
    for (const Case& c : cases) {
        for (int button = 0; button < 40; ++button) SDL_JoystickSetVirtualButton(stick.handle, button, SDL_RELEASED);
        for (int button : c.pressed) SDL_JoystickSetVirtualButton(stick.handle, button, SDL_PRESSED);
        EXPECT_EQ(Position(JOYSTICKID1).wButtons, c.bits) << ::testing::PrintToString(c.pressed);
    }
}

// A controller reads as Windows shows a pad: the left stick on X and Y, the triggers sharing Z,
// A, B, X, Y, then the shoulders as buttons 1 to 6. The virtual controller's mapping puts the
// left stick on its axes 0 and 1, the triggers on 4 and 5, A on button 0 and the left
// shoulder on button 9.
TEST_F(JoystickTest, AControllerReadsAsAPad) {
    const VirtualDevice pad = Attach(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 6, 15, 1);
    struct Case {
        const char* what;
        int axis;
        Sint16 value;
        UINT JOYINFO::*field;
        UINT expected;
    };
    const Case cases[] = {
        {"left stick left", 0, -32768, &JOYINFO::wXpos, 0},
        {"left stick down", 1, 32767, &JOYINFO::wYpos, 65535},
        {"left trigger pressed", 4, 32767, &JOYINFO::wZpos, kCentre + 32767},
        {"right trigger pressed", 5, 32767, &JOYINFO::wZpos, kCentre - 32767},
    };
    for (const Case& c : cases) {
        for (int axis : {4, 5}) SDL_JoystickSetVirtualAxis(pad.handle, axis, -32768);  // triggers released
        SDL_JoystickSetVirtualAxis(pad.handle, c.axis, c.value);
        EXPECT_EQ(Position(JOYSTICKID1).*c.field, c.expected) << c.what;
    }
    SDL_JoystickSetVirtualButton(pad.handle, 0, SDL_PRESSED);
    SDL_JoystickSetVirtualButton(pad.handle, 9, SDL_PRESSED);
    EXPECT_EQ(Position(JOYSTICKID1).wButtons, UINT{JOY_BUTTON1 | (JOY_BUTTON1 << 4)});
}

TEST_F(JoystickTest, CapabilitiesDescribeTheDevice) {
    struct Case {
        const char* name;
        int axes, buttons, hats;
        UINT caps;
    };
    const Case cases[] = {
        {"Two axes", 2, 3, 0, 0},
        {"Three axes", 3, 8, 0, JOYCAPS_HASZ},
        {"Six axes and a hat", 6, 40, 1, JOYCAPS_HASZ | JOYCAPS_HASR | JOYCAPS_HASU | JOYCAPS_HASV | JOYCAPS_HASPOV | JOYCAPS_POV4DIR},
        {"A name far too long to fit the thirty-one characters", 2, 2, 0, 0},
    };
    for (const Case& c : cases) {
        const VirtualDevice device = Attach(SDL_JOYSTICK_TYPE_FLIGHT_STICK, c.axes, c.buttons, c.hats, c.name);
        JOYCAPSW caps{};
        ASSERT_EQ(joyGetDevCapsW(JOYSTICKID1, &caps, sizeof caps), JOYERR_NOERROR) << c.name;
        const std::string name(c.name);
        EXPECT_EQ(std::wstring(caps.szPname), std::wstring(name.begin(), name.begin() + std::min<std::size_t>(name.size(), MAXPNAMELEN - 1)));
        EXPECT_EQ(caps.wNumAxes, UINT(std::min(c.axes, 6))) << c.name;
        EXPECT_EQ(caps.wNumButtons, UINT(std::min(c.buttons, 32))) << c.name;
        EXPECT_EQ(caps.wCaps, c.caps) << c.name;
        EXPECT_EQ(caps.wXmax, 65535u) << c.name;
        EXPECT_EQ(caps.wZmax, c.axes > 2 ? 65535u : 0u) << c.name;
        EXPECT_EQ(caps.wMaxAxes, 6u);
        EXPECT_EQ(caps.wMaxButtons, 32u);
        Detach(device);
    }
}

// Devices keep their ids while attached; a device plugged in takes the lowest free one.
TEST_F(JoystickTest, IdsStayWithTheirDevicesAcrossPlugging) {
    const VirtualDevice first = AttachStick("First");
    AttachStick("Second");
    EXPECT_EQ(NameOf(JOYSTICKID1), L"First");
    EXPECT_EQ(NameOf(JOYSTICKID2), L"Second");

    Detach(first);
    JOYINFO info{};
    EXPECT_EQ(joyGetPos(JOYSTICKID1, &info), JOYERR_UNPLUGGED);
    EXPECT_EQ(NameOf(JOYSTICKID2), L"Second");

    AttachStick("Third");
    AttachStick("Fourth");
    EXPECT_EQ(NameOf(JOYSTICKID1), L"Third");
    EXPECT_EQ(NameOf(JOYSTICKID2), L"Second");
    EXPECT_EQ(NameOf(2), L"Fourth");
}

TEST_F(JoystickTest, BadRequestsAreRefused) {
    AttachStick("Only");
    JOYINFO info{};
    JOYCAPSW caps{};
    struct Case {
        const char* what;
        MMRESULT result;
        MMRESULT expected;
    };
    const Case cases[] = {
        {"position of an empty id", joyGetPos(1, &info), JOYERR_UNPLUGGED},
        {"position past the ids", joyGetPos(16, &info), JOYERR_PARMS},
        {"position into nothing", joyGetPos(0, nullptr), MMSYSERR_INVALPARAM},
        {"capabilities of an empty id", joyGetDevCapsW(1, &caps, sizeof caps), JOYERR_PARMS},
        {"capabilities past the ids", joyGetDevCapsW(16, &caps, sizeof caps), JOYERR_PARMS},
        {"capabilities into nothing", joyGetDevCapsW(0, nullptr, sizeof caps), MMSYSERR_INVALPARAM},
        {"capabilities into too small a buffer", joyGetDevCapsW(0, &caps, sizeof caps - 1), MMSYSERR_INVALPARAM},
    };
    for (const Case& c : cases) EXPECT_EQ(c.result, c.expected) << c.what;
}

// The fields lie where Windows has them, with WCHAR four bytes wide here instead of two.
TEST(JoystickLayoutTest, StructuresHaveThePlatformsLayout) {
    constexpr std::size_t wchar = sizeof(WCHAR);
    EXPECT_EQ(sizeof(JOYINFO), 16u);
    EXPECT_EQ(offsetof(JOYCAPSW, szPname), 4u);
    EXPECT_EQ(offsetof(JOYCAPSW, wXmin), 4 + 32 * wchar);
    EXPECT_EQ(offsetof(JOYCAPSW, wMaxButtons), 4 + 32 * wchar + 18 * 4);
    EXPECT_EQ(offsetof(JOYCAPSW, szOEMVxD), 4 + 64 * wchar + 19 * 4);
    EXPECT_EQ(sizeof(JOYCAPSW), 4 + 324 * wchar + 19 * 4) << "728 bytes with a two-byte WCHAR";
}

}  // namespace
