// The multimedia joystick calls over the headless backend's virtual joysticks, plugged in and
// out and moved by the tests themselves.
#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "HeadlessTest.h"
#include "PlatformApi.h"

namespace {

using platform::JoystickId;
using platform::VirtualJoystickKind;

// The centre, 0, is halfway up a scale of 0..65535 that has no middle value.
constexpr UINT kCentre = 32768;

class JoystickTest : public HeadlessTest {
protected:
    platform::VirtualJoysticks& Devices() { return Backend().Joysticks(); }

    JoystickId PlugIn(const char* name, int axes = 3, int buttons = 4) {
        return Devices().PlugIn({.name = name, .axes = axes, .buttons = buttons});
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
};

TEST_F(JoystickTest, TheDriverOffersSixteenIds) { EXPECT_EQ(joyGetNumDevs(), 16u); }

TEST_F(JoystickTest, AxesSpanTheWholeScale) {
    struct Case {
        int value;
        UINT position;
    };
    const Case cases[] = {{-32768, 0}, {0, kCentre}, {32767, 65535}, {-16384, 16384}, {16384, 49152}};
    const JoystickId stick = PlugIn("Stick");
    for (const Case& c : cases) {
        for (auto axis : {platform::kJoystickX, platform::kJoystickY, platform::kJoystickZ})
            Devices().SetAxis(stick, axis, c.value);
        const JOYINFO info = Position(JOYSTICKID1);
        for (UINT value : {info.wXpos, info.wYpos, info.wZpos}) EXPECT_EQ(value, c.position) << "value " << c.value;
    }
}

TEST_F(JoystickTest, AnAxisTheDeviceLacksReadsZero) {
    const JoystickId pad = PlugIn("Two axes", 2);
    Devices().SetAxis(pad, platform::kJoystickX, 32767);
    Devices().SetAxis(pad, platform::kJoystickZ, 32767);
    const JOYINFO info = Position(JOYSTICKID1);
    EXPECT_EQ(info.wXpos, 65535u);
    EXPECT_EQ(info.wYpos, kCentre);
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
    const JoystickId stick = PlugIn("Many buttons", 2, 40);
    for (const Case& c : cases) {
        for (int button = 0; button < 40; ++button) Devices().SetButton(stick, button, false);
        for (int button : c.pressed) Devices().SetButton(stick, button, true);
        EXPECT_EQ(Position(JOYSTICKID1).wButtons, c.bits) << ::testing::PrintToString(c.pressed);
    }
}

TEST_F(JoystickTest, CapabilitiesDescribeTheDevice) {
    struct Case {
        const char* name;
        int axes, buttons;
        bool pointOfView;
        UINT caps;
    };
    const Case cases[] = {
        {"Two axes", 2, 3, false, 0},
        {"Three axes", 3, 8, false, JOYCAPS_HASZ},
        {"Six axes and a hat", 6, 40, true, JOYCAPS_HASZ | JOYCAPS_HASR | JOYCAPS_HASU | JOYCAPS_HASV | JOYCAPS_HASPOV | JOYCAPS_POV4DIR},
    };
    for (const Case& c : cases) {
        const JoystickId device =
            Devices().PlugIn({.name = c.name, .axes = c.axes, .buttons = c.buttons, .pointOfView = c.pointOfView, .vendor = 0x45E, .product = 0x28E});
        JOYCAPSW caps{};
        ASSERT_EQ(joyGetDevCapsW(JOYSTICKID1, &caps, sizeof caps), JOYERR_NOERROR) << c.name;
        EXPECT_EQ(caps.wMid, 0x45Eu) << c.name;
        EXPECT_EQ(caps.wPid, 0x28Eu) << c.name;
        EXPECT_EQ(caps.wNumAxes, UINT(std::min(c.axes, 6))) << c.name;
        EXPECT_EQ(caps.wNumButtons, UINT(std::min(c.buttons, 32))) << c.name;
        EXPECT_EQ(caps.wCaps, c.caps) << c.name;
        EXPECT_EQ(caps.wXmax, 65535u) << c.name;
        EXPECT_EQ(caps.wZmax, c.axes > 2 ? 65535u : 0u) << c.name;
        EXPECT_EQ(caps.wMaxAxes, 6u);
        EXPECT_EQ(caps.wMaxButtons, 32u);
        Devices().Unplug(device);
    }
}

TEST_F(JoystickTest, NamesAreCutToFitAndOnlyUtf8IsKept) {
    struct Case {
        const char* name;
        std::wstring reads;
    };
    const Case cases[] = {
        {"Pad", L"Pad"},
        {"A name far too long to fit the thirty-one characters", L"A name far too long to fit the "},
        {"Caf\xC3\xA9 pad", L"Caf\u00E9 pad"},
        {"Not UTF-8 \xFF", L""},
    };
    for (const Case& c : cases) {
        const JoystickId device = PlugIn(c.name);
        EXPECT_EQ(NameOf(JOYSTICKID1), c.reads) << c.name;
        Devices().Unplug(device);
    }
}

// Devices keep their ids while attached; a device plugged in takes the lowest free one.
TEST_F(JoystickTest, IdsStayWithTheirDevicesAcrossPlugging) {
    const JoystickId first = PlugIn("First");
    PlugIn("Second");
    EXPECT_EQ(NameOf(JOYSTICKID1), L"First");
    EXPECT_EQ(NameOf(JOYSTICKID2), L"Second");

    Devices().Unplug(first);
    JOYINFO info{};
    EXPECT_EQ(joyGetPos(JOYSTICKID1, &info), JOYERR_UNPLUGGED);
    EXPECT_EQ(NameOf(JOYSTICKID2), L"Second");

    PlugIn("Third");
    PlugIn("Fourth");
    EXPECT_EQ(NameOf(JOYSTICKID1), L"Third");
    EXPECT_EQ(NameOf(JOYSTICKID2), L"Second");
    EXPECT_EQ(NameOf(2), L"Fourth");
}

// A device unplugged and plugged in again between two looks is a new device to the platform.
TEST_F(JoystickTest, ADevicePluggedInAgainTakesTheLowestFreeId) {
    const JoystickId first = PlugIn("First");
    PlugIn("Second");
    ASSERT_EQ(NameOf(JOYSTICKID2), L"Second");
    Devices().Unplug(first);
    EXPECT_EQ(NameOf(JOYSTICKID1), L"(none)");
    PlugIn("First");
    EXPECT_EQ(NameOf(JOYSTICKID1), L"First");
    EXPECT_EQ(NameOf(JOYSTICKID2), L"Second");
}

TEST_F(JoystickTest, ASeventeenthDeviceWaitsForAFreeId) {
    std::vector<JoystickId> devices;
    for (int i = 0; i < 17; ++i) devices.push_back(PlugIn(("Pad " + std::to_string(i)).c_str()));
    EXPECT_EQ(NameOf(15), L"Pad 15");
    Devices().Unplug(devices[4]);
    EXPECT_EQ(NameOf(4), L"Pad 16");
}

TEST_F(JoystickTest, BadRequestsAreRefused) {
    PlugIn("Only");
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

TEST_F(JoystickTest, WithoutADriverThereAreNoIds) {
    Devices().RemoveDriver();
    PlugIn("Unreadable");
    JOYINFO info{};
    JOYCAPSW caps{};
    EXPECT_EQ(joyGetNumDevs(), 0u);
    EXPECT_EQ(joyGetPos(0, &info), MMSYSERR_NODRIVER);
    EXPECT_EQ(joyGetDevCapsW(0, &caps, sizeof caps), MMSYSERR_NODRIVER);
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
