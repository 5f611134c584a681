// PlaySoundW on SDL's dummy sound driver, which takes samples at the pace of a real device
// without making a sound, and on a driver that cannot be opened.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <thread>

#include "PlatformApi.h"
#include "WaveFiles.h"
#include "core/media/SoundDevice.h"

namespace {

using media_test::TempFolder;
using media_test::Wide;
using media_test::WriteText;
using media_test::WriteWave;

// Far longer than the few buffers the dummy device takes for the sounds here.
constexpr auto kPatience = std::chrono::seconds(5);
constexpr int kShortFrames = 110;   // 5 ms
constexpr int kLongFrames = 22050;  // 1 s
constexpr DWORD kAsync = SND_FILENAME | SND_ASYNC | SND_NODEFAULT;

class PlaySoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(folder_.Path().empty());
        if (const char* driver = std::getenv("SDL_AUDIODRIVER")) savedDriver_ = driver;
        UseDriver("dummy");
        shot_ = folder_.File("shot.wav");
        boom_ = folder_.File("boom.wav");
        WriteWave(shot_, kShortFrames);
        WriteWave(boom_, kLongFrames);
    }

    void TearDown() override {
        platform::Sounds().Close();
        if (savedDriver_) {
            setenv("SDL_AUDIODRIVER", savedDriver_->c_str(), 1);
        } else {
            unsetenv("SDL_AUDIODRIVER");
        }
    }

    // Closes the device, so that the next sound opens it on this driver.
    void UseDriver(const char* driver) {
        platform::Sounds().Close();
        setenv("SDL_AUDIODRIVER", driver, 1);
    }

    static BOOL Play(const std::string& path, DWORD flags = kAsync) { return PlaySoundW(Wide(path).c_str(), nullptr, flags); }
    static platform::SoundPlayback Playback() { return platform::Sounds().Playback(); }

    // Waits, within kPatience, until the device's playback satisfies `done`.
    static bool WaitFor(const std::function<bool(const platform::SoundPlayback&)>& done) {
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        while (!done(Playback())) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    }

    TempFolder folder_;
    std::string shot_;
    std::string boom_;

private:
    std::optional<std::string> savedDriver_;
};

TEST_F(PlaySoundTest, AnAsynchronousSoundReturnsAtOnceAndReachesTheDevice) {
    ASSERT_TRUE(Play(boom_));
    const platform::SoundPlayback started = Playback();
    EXPECT_EQ(started.source, boom_);
    EXPECT_FALSE(started.looping);
    EXPECT_GT(started.soundBytes, 0u);
    EXPECT_TRUE(WaitFor([](const auto& p) { return p.bytesPlayed > 0; })) << "the device took no samples";
    EXPECT_TRUE(WaitFor([](const auto& p) { return p.source.empty(); })) << "the sound never ended";
}

TEST_F(PlaySoundTest, ASynchronousSoundReturnsWhenAllOfItWasPlayed) {
    ASSERT_TRUE(Play(shot_));
    const std::size_t soundBytes = Playback().soundBytes;
    ASSERT_TRUE(Play(shot_, SND_FILENAME | SND_SYNC | SND_NODEFAULT));
    const platform::SoundPlayback after = Playback();
    EXPECT_TRUE(after.source.empty());
    EXPECT_EQ(after.bytesPlayed, soundBytes);
}

TEST_F(PlaySoundTest, ALoopRepeatsUntilStopped) {
    ASSERT_TRUE(Play(shot_, kAsync | SND_LOOP));
    const std::size_t soundBytes = Playback().soundBytes;
    EXPECT_TRUE(WaitFor([&](const auto& p) { return p.bytesPlayed > 2 * soundBytes; })) << "it did not come round";
    EXPECT_EQ(Playback().source, shot_);
    EXPECT_TRUE(Playback().looping);
}

TEST_F(PlaySoundTest, ALoopPlaysAsynchronouslyEvenWhenAskedToWait) {
    ASSERT_TRUE(Play(shot_, SND_FILENAME | SND_SYNC | SND_LOOP));
    EXPECT_EQ(Playback().source, shot_);
}

TEST_F(PlaySoundTest, ADeviceGoneQuietClosesAndTheNextSoundOpensItAgain) {
    using std::chrono::milliseconds;
    platform::SoundDevice& device = platform::Sounds();
    ASSERT_TRUE(Play(shot_, kAsync | SND_LOOP));
    device.CloseIfQuietFor(milliseconds(0));
    EXPECT_TRUE(device.IsOpen()) << "a loop never goes quiet";
    ASSERT_TRUE(Play(shot_, SND_FILENAME | SND_SYNC | SND_NODEFAULT));
    device.CloseIfQuietFor(std::chrono::hours(1));
    EXPECT_TRUE(device.IsOpen()) << "quiet for less than asked";
    device.CloseIfQuietFor(milliseconds(0));
    EXPECT_FALSE(device.IsOpen());
    ASSERT_TRUE(Play(boom_));
    EXPECT_TRUE(device.IsOpen());
    EXPECT_TRUE(WaitFor([](const auto& p) { return p.bytesPlayed > 0; })) << "the device opened again takes no samples";
}

TEST_F(PlaySoundTest, ANewSoundCutsOffTheOnePlaying) {
    ASSERT_TRUE(Play(shot_, kAsync | SND_LOOP));
    ASSERT_TRUE(Play(boom_));
    const platform::SoundPlayback now = Playback();
    EXPECT_EQ(now.source, boom_);
    EXPECT_FALSE(now.looping);
}

TEST_F(PlaySoundTest, NoStopYieldsToTheSoundPlaying) {
    ASSERT_TRUE(Play(boom_, kAsync | SND_LOOP));
    EXPECT_FALSE(Play(shot_, kAsync | SND_NOSTOP));
    EXPECT_EQ(Playback().source, boom_);
    PlaySoundW(nullptr, nullptr, 0);
    EXPECT_TRUE(Play(shot_, kAsync | SND_NOSTOP | SND_LOOP)) << "nothing playing to yield to";
}

TEST_F(PlaySoundTest, StoppingEndsTheSound) {
    struct Case {
        const char* what;
        std::function<BOOL(const std::string& playing, const std::string& other)> call;
        bool stops;
    };
    const Case cases[] = {
        {"a null sound", [](auto&, auto&) { return PlaySoundW(nullptr, nullptr, 0); }, true},
        {"a null sound, purging", [](auto&, auto&) { return PlaySoundW(nullptr, nullptr, SND_PURGE); }, true},
        {"purging the sound playing", [](auto& playing, auto&) { return Play(playing, SND_FILENAME | SND_PURGE); }, true},
        {"purging another sound", [](auto&, auto& other) { return Play(other, SND_FILENAME | SND_PURGE); }, false},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(Play(boom_, kAsync | SND_LOOP)) << c.what;
        EXPECT_TRUE(c.call(boom_, shot_)) << c.what;
        EXPECT_EQ(Playback().source.empty(), c.stops) << c.what;
    }
}

TEST_F(PlaySoundTest, PathsWithBackslashesAreFound) {
    const std::string folder = folder_.File("sounds");
    std::filesystem::create_directory(folder);
    WriteWave(folder + "/laser.wav", kLongFrames);
    ASSERT_TRUE(Play(folder_.Path() + "\\sounds\\laser.wav"));
    EXPECT_EQ(Playback().source, folder + "/laser.wav");
}

TEST_F(PlaySoundTest, WhatIsNoWaveFileFailsSilently) {
    WriteText(folder_.File("notes.txt"), "not a sound");
    struct Case {
        std::string path;
        DWORD flags;
    };
    const Case cases[] = {
        {folder_.File("missing.wav"), kAsync},
        {folder_.File("missing.wav"), SND_FILENAME | SND_ASYNC},
        {folder_.File("missing.wav"), SND_FILENAME | SND_SYNC},
        {folder_.File("notes.txt"), kAsync},
        {folder_.File("notes.txt"), SND_FILENAME},
        {folder_.Path(), kAsync},
        {shot_, SND_MEMORY | SND_ASYNC | SND_NODEFAULT},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(Play(c.path, c.flags)) << c.path << " with flags 0x" << std::hex << c.flags;
        EXPECT_TRUE(Playback().source.empty()) << c.path;
    }
}

TEST_F(PlaySoundTest, WithoutADeviceNothingPlays) {
    UseDriver("none-such");
    EXPECT_FALSE(Play(shot_));
    EXPECT_FALSE(Play(shot_, SND_FILENAME | SND_SYNC));
    EXPECT_TRUE(Playback().source.empty());
    EXPECT_TRUE(PlaySoundW(nullptr, nullptr, 0)) << "stopping needs no device";
}

}  // namespace
