// The real displays' sound and joysticks through SDL: conversion to a device's format, a
// sound played on SDL's dummy audio driver, and SDL's virtual joysticks read as the platform's
// devices. Each device is found by its own id, so pads attached to the machine change nothing.
#include <gtest/gtest.h>
#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "backends/sdl/SdlJoysticks.h"
#include "backends/sdl/SdlLibrary.h"
#include "backends/sdl/SdlSound.h"
#include "backends/sdl/SdlSoundFormat.h"

namespace {

using platform::PcmFormat;
using platform::PcmSample;
using platform::PcmSound;

constexpr int kRate = 22050;
constexpr int kFrames = 2205;  // 100 ms
// Resampling may add or drop a few frames where the filter meets the sound's ends.
constexpr long kResamplingSlackFrames = 8;

// 16-bit mono: a rising ramp, so that a conversion has something to carry.
PcmSound Ramp(int frames) {
    PcmSound sound{{kRate, PcmSample::S16, 1}, {}};
    for (int i = 0; i < frames; ++i) {
        sound.bytes.push_back(static_cast<std::uint8_t>(i * 64));
        sound.bytes.push_back(static_cast<std::uint8_t>((i * 64) >> 8));
    }
    return sound;
}

TEST(SdlSoundFormatTest, ConvertsToTheDevicesRateFormatAndChannels) {
    const PcmFormat devices[] = {
        {kRate, PcmSample::S16, 1}, {44100, PcmSample::S16, 2}, {48000, PcmSample::F32, 2},
        {11025, PcmSample::U8, 1},  {96000, PcmSample::S32, 6},
    };
    for (const PcmFormat& device : devices) {
        SCOPED_TRACE(testing::Message() << device.framesPerSecond << " Hz, " << device.channels << " channels");
        const auto sound = platform::sdl::ConvertPcm(Ramp(kFrames), device);
        ASSERT_NE(sound, nullptr);
        EXPECT_EQ(sound->format, device);
        ASSERT_EQ(sound->bytes.size() % device.FrameBytes(), 0u) << "a torn frame";
        const long expectedFrames = std::lround(double(kFrames) * device.framesPerSecond / kRate);
        EXPECT_NEAR(static_cast<long>(sound->Frames()), expectedFrames, kResamplingSlackFrames);
    }
}

TEST(SdlSoundFormatTest, TheDevicesOwnFormatIsCopiedUnchanged) {
    const PcmSound ramp = Ramp(kFrames);
    const auto sound = platform::sdl::ConvertPcm(ramp, ramp.format);
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->bytes, ramp.bytes);
}

TEST(SdlSoundFormatTest, OnlyFormatsThePlatformNamesAreTaken) {
    struct Case {
        SDL_AudioFormat format;
        std::optional<PcmSample> sample;
    };
    const Case cases[] = {
        {AUDIO_U8, PcmSample::U8},   {AUDIO_S16LSB, PcmSample::S16}, {AUDIO_S32LSB, PcmSample::S32},
        {AUDIO_F32LSB, PcmSample::F32}, {AUDIO_S8, std::nullopt},   {AUDIO_S16MSB, std::nullopt},
        {AUDIO_U16LSB, std::nullopt},
    };
    for (const Case& c : cases) {
        SDL_AudioSpec spec{};
        spec.freq = 48000;
        spec.format = c.format;
        spec.channels = 2;
        const std::optional<PcmFormat> format = platform::sdl::PcmFormatOf(spec);
        ASSERT_EQ(format.has_value(), c.sample.has_value()) << std::hex << c.format;
        if (format) {
            EXPECT_EQ(*format, (PcmFormat{48000, *c.sample, 2}));
        }
    }
}

class SdlSoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* driver = std::getenv("SDL_AUDIODRIVER")) savedDriver_ = driver;
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
    void TearDown() override {
        sound_.Close();
        if (savedDriver_) {
            setenv("SDL_AUDIODRIVER", savedDriver_->c_str(), 1);
        } else {
            unsetenv("SDL_AUDIODRIVER");
        }
    }

    platform::sdl::SdlSound sound_;

private:
    std::optional<std::string> savedDriver_;
};

// The dummy driver takes samples at a real device's pace without making a sound; a sound
// played to its end is all taken, from the callback SDL's audio thread calls.
TEST_F(SdlSoundTest, ASoundIsTakenWholeAndTheDeviceOpensAgainAfterClosing) {
    const std::optional<PcmFormat> format = sound_.Open();
    ASSERT_TRUE(format);
    const auto shot = sound_.Convert(Ramp(110));  // 5 ms
    ASSERT_NE(shot, nullptr);
    EXPECT_EQ(shot->format, *format);
    sound_.Play(shot, false);
    sound_.WaitUntilOver();
    EXPECT_FALSE(sound_.IsPlaying());
    EXPECT_EQ(sound_.BytesPlayed(), shot->bytes.size());

    sound_.Play(shot, true);
    EXPECT_TRUE(sound_.IsPlaying());
    sound_.CloseInBackground();
    EXPECT_FALSE(sound_.IsPlaying()) << "nothing plays on a device closing";
    EXPECT_EQ(sound_.Open(), format);
}

TEST_F(SdlSoundTest, WithoutADriverThereIsNoDevice) {
    setenv("SDL_AUDIODRIVER", "none-such", 1);
    EXPECT_FALSE(sound_.Open());
    EXPECT_EQ(sound_.Convert(Ramp(10)), nullptr);
}

class SdlJoysticksTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(source_.Open());  // loads SDL and opens its joysticks, as the platform does
    }
    void TearDown() override {
        for (SDL_Joystick* handle : handles_) SDL_JoystickClose(handle);
        for (SDL_JoystickID id : attached_) Detach(id);
        source_.Close();
    }

    // An SDL virtual device, and ours to move; returns the id the source knows it by.
    SDL_JoystickID Attach(SDL_JoystickType type, int axes, int buttons, int hats, const char* name) {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = static_cast<Uint16>(type);
        desc.naxes = static_cast<Uint16>(axes);
        desc.nbuttons = static_cast<Uint16>(buttons);
        desc.nhats = static_cast<Uint16>(hats);
        desc.name = name;
        const int index = SDL_JoystickAttachVirtualEx(&desc);
        EXPECT_GE(index, 0) << SDL_GetError();
        const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(index);
        handles_.push_back(SDL_JoystickOpen(index));
        attached_.push_back(id);
        return id;
    }
    static void Detach(SDL_JoystickID id) {
        for (int index = 0; index < SDL_NumJoysticks(); ++index)
            if (SDL_JoystickGetDeviceInstanceID(index) == id) SDL_JoystickDetachVirtual(index);
    }
    bool Lists(SDL_JoystickID id) {
        const std::vector<platform::JoystickId> ids = source_.Update();
        return std::find(ids.begin(), ids.end(), id) != ids.end();
    }
    SDL_Joystick* Handle(std::size_t i) const { return handles_[i]; }

    platform::sdl::SdlJoysticks source_;

private:
    std::vector<SDL_Joystick*> handles_;
    std::vector<SDL_JoystickID> attached_;
};

TEST_F(SdlJoysticksTest, AStickReadsItsOwnAxesAndButtonsInOrder) {
    const SDL_JoystickID id = Attach(SDL_JOYSTICK_TYPE_FLIGHT_STICK, 3, 40, 1, "Stick");
    SDL_JoystickSetVirtualAxis(Handle(0), 0, -32768);
    SDL_JoystickSetVirtualAxis(Handle(0), 2, 32767);
    SDL_JoystickSetVirtualButton(Handle(0), 39, SDL_PRESSED);
    ASSERT_TRUE(Lists(id));
    const auto state = source_.Read(id);
    ASSERT_TRUE(state);
    EXPECT_EQ(state->axes[platform::kJoystickX], -32768);
    EXPECT_EQ(state->axes[platform::kJoystickY], 0);
    EXPECT_EQ(state->axes[platform::kJoystickZ], 32767);
    EXPECT_FALSE(state->axes[platform::kJoystickR]) << "an axis it lacks";
    ASSERT_EQ(state->buttons.size(), 40u);
    EXPECT_TRUE(state->buttons[39]);
    EXPECT_FALSE(state->buttons[0]);
    const auto description = source_.Describe(id);
    ASSERT_TRUE(description);
    EXPECT_EQ(description->name, "Stick");
    EXPECT_TRUE(description->hasPointOfView);
}

// A controller reads as Windows shows a pad: the left stick on X and Y, the triggers sharing Z,
// A, B, X, Y, then the shoulders as buttons 1 to 6. The virtual controller's mapping puts the
// left stick on its axes 0 and 1, the triggers on 4 and 5, A on button 0 and the left
// shoulder on button 9.
TEST_F(SdlJoysticksTest, AControllerReadsAsAPad) {
    const SDL_JoystickID id = Attach(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 6, 15, 1, nullptr);
    ASSERT_TRUE(Lists(id));
    struct Case {
        const char* what;
        int axis;
        Sint16 value;
        platform::JoystickAxis reads;
        int expected;
    };
    const Case cases[] = {
        {"left stick left", 0, -32768, platform::kJoystickX, -32768},
        {"left stick down", 1, 32767, platform::kJoystickY, 32767},
        {"left trigger pressed", 4, 32767, platform::kJoystickZ, 32767},
        {"right trigger pressed", 5, 32767, platform::kJoystickZ, -32767},
    };
    for (const Case& c : cases) {
        for (int axis : {4, 5}) SDL_JoystickSetVirtualAxis(Handle(0), axis, -32768);  // triggers released
        SDL_JoystickSetVirtualAxis(Handle(0), c.axis, c.value);
        source_.Update();
        EXPECT_EQ(source_.Read(id)->axes[c.reads], c.expected) << c.what;
    }
    SDL_JoystickSetVirtualButton(Handle(0), 0, SDL_PRESSED);
    SDL_JoystickSetVirtualButton(Handle(0), 9, SDL_PRESSED);
    source_.Update();
    const std::vector<bool> buttons = source_.Read(id)->buttons;
    ASSERT_EQ(buttons.size(), 10u);
    EXPECT_EQ(buttons, (std::vector<bool>{true, false, false, false, true, false, false, false, false, false}));
}

TEST_F(SdlJoysticksTest, ADetachedDeviceIsNoLongerListed) {
    const SDL_JoystickID id = Attach(SDL_JOYSTICK_TYPE_FLIGHT_STICK, 2, 2, 0, "Going");
    ASSERT_TRUE(Lists(id));
    Detach(id);
    EXPECT_FALSE(Lists(id));
    EXPECT_FALSE(source_.Read(id));
    EXPECT_FALSE(source_.Describe(id));
}

}  // namespace
