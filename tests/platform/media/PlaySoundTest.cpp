// PlaySoundW on the headless backend's virtual sound device, whose sounds last their length on
// the virtual clock: which sound plays, whether it loops, when it ends, and the device closing
// once it has been quiet for ten seconds.
#include <filesystem>
#include <functional>

#include "HeadlessTest.h"
#include "PlatformApi.h"
#include "WaveFiles.h"
#include "core/IdleTidying.h"
#include "core/media/SoundDevice.h"
#include "core/media/WaveLoader.h"

namespace {

using media_test::kWaveRate;
using media_test::TempFolder;
using media_test::Wide;
using media_test::WriteText;
using media_test::WriteWave;

constexpr std::uint64_t kShotMs = 100;
constexpr std::uint64_t kBoomMs = 1000;
constexpr DWORD kAsync = SND_FILENAME | SND_ASYNC | SND_NODEFAULT;
constexpr DWORD kSync = SND_FILENAME | SND_SYNC | SND_NODEFAULT;

int FramesOf(std::uint64_t ms) { return static_cast<int>(ms * kWaveRate / 1000); }

class PlaySoundTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        ASSERT_FALSE(folder_.Path().empty());
        shot_ = folder_.File("shot.wav");
        boom_ = folder_.File("boom.wav");
        WriteWave(shot_, FramesOf(kShotMs));
        WriteWave(boom_, FramesOf(kBoomMs));
    }

    static BOOL Play(const std::string& path, DWORD flags = kAsync) { return PlaySoundW(Wide(path).c_str(), nullptr, flags); }
    static platform::SoundPlayback Playback() { return platform::Sounds().Playback(); }
    std::uint64_t Now() { return Backend().MonotonicMs(); }
    platform::VirtualSound& Device() { return Backend().Sound(); }

    TempFolder folder_;
    std::string shot_;
    std::string boom_;
};

TEST_F(PlaySoundTest, AnAsynchronousSoundReturnsAtOnceAndPlaysForItsLength) {
    ASSERT_TRUE(Play(boom_));
    EXPECT_EQ(Now(), 0u);
    const platform::SoundPlayback started = Playback();
    EXPECT_EQ(started.source, boom_);
    EXPECT_FALSE(started.looping);
    ASSERT_TRUE(Device().NowPlaying());
    EXPECT_EQ(Device().NowPlaying()->sound->DurationMs(), kBoomMs);

    Backend().AdvanceClock(kBoomMs - 1);
    EXPECT_EQ(Playback().source, boom_) << "a millisecond before its end";
    EXPECT_GT(Playback().bytesPlayed, 0u);
    Backend().AdvanceClock(1);
    EXPECT_TRUE(Playback().source.empty()) << "at its end";
    EXPECT_FALSE(Device().NowPlaying());
}

TEST_F(PlaySoundTest, ASynchronousSoundReturnsWhenAllOfItWasPlayed) {
    ASSERT_TRUE(Play(shot_, kSync));
    EXPECT_EQ(Now(), kShotMs) << "the call lasts as long as the sound";
    EXPECT_TRUE(Playback().source.empty());
    EXPECT_EQ(Device().BytesPlayed(), Device().Convert(*platform::LoadWave(shot_))->bytes.size());
}

TEST_F(PlaySoundTest, ASynchronousSoundOnADeviceThatStoppedReturnsAtOnce) {
    ASSERT_TRUE(Play(boom_));
    Device().Unplug();
    ASSERT_TRUE(Play(shot_, kSync));
    EXPECT_EQ(Now(), 0u);
}

TEST_F(PlaySoundTest, TheDeviceTakesTheFilesSamplesInItsOwnFormat) {
    Device().SetFormat({kWaveRate, platform::PcmSample::S16, 1});
    ASSERT_TRUE(Play(shot_));
    ASSERT_TRUE(Device().NowPlaying());
    EXPECT_EQ(Device().NowPlaying()->sound->bytes, platform::LoadWave(shot_)->bytes);
}

TEST_F(PlaySoundTest, ALoopRepeatsUntilStopped) {
    ASSERT_TRUE(Play(shot_, kAsync | SND_LOOP));
    const std::size_t soundBytes = Playback().soundBytes;
    Backend().AdvanceClock(10 * kShotMs + 1);
    EXPECT_EQ(Playback().source, shot_);
    EXPECT_TRUE(Playback().looping);
    EXPECT_GT(Playback().bytesPlayed, 10 * soundBytes) << "it came round";
    PlaySoundW(nullptr, nullptr, 0);
    EXPECT_FALSE(Device().NowPlaying());
}

TEST_F(PlaySoundTest, ALoopPlaysAsynchronouslyEvenWhenAskedToWait) {
    ASSERT_TRUE(Play(shot_, kSync | SND_LOOP));
    EXPECT_EQ(Now(), 0u);
    EXPECT_EQ(Playback().source, shot_);
    EXPECT_TRUE(Device().NowPlaying()->looping);
}

TEST_F(PlaySoundTest, ANewSoundCutsOffTheOnePlaying) {
    ASSERT_TRUE(Play(shot_, kAsync | SND_LOOP));
    Backend().AdvanceClock(10);
    ASSERT_TRUE(Play(boom_));
    const platform::SoundPlayback now = Playback();
    EXPECT_EQ(now.source, boom_);
    EXPECT_FALSE(now.looping);
    EXPECT_EQ(Device().NowPlaying()->startedAtMs, 10u);
}

TEST_F(PlaySoundTest, NoStopYieldsToTheSoundPlaying) {
    ASSERT_TRUE(Play(boom_));
    EXPECT_FALSE(Play(shot_, kAsync | SND_NOSTOP));
    EXPECT_EQ(Playback().source, boom_);
    Backend().AdvanceClock(kBoomMs);
    EXPECT_TRUE(Play(shot_, kAsync | SND_NOSTOP)) << "the sound before has ended";
    PlaySoundW(nullptr, nullptr, 0);
    EXPECT_TRUE(Play(boom_, kAsync | SND_NOSTOP | SND_LOOP)) << "nothing playing to yield to";
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
        EXPECT_EQ(Device().NowPlaying().has_value(), !c.stops) << c.what;
    }
}

TEST_F(PlaySoundTest, PathsWithBackslashesAreFound) {
    const std::string folder = folder_.File("sounds");
    std::filesystem::create_directory(folder);
    WriteWave(folder + "/laser.wav", FramesOf(kShotMs));
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
        EXPECT_FALSE(Device().NowPlaying()) << c.path;
    }
}

TEST_F(PlaySoundTest, WithoutADeviceNothingPlays) {
    Device().RemoveDevice();
    EXPECT_FALSE(Play(shot_));
    EXPECT_FALSE(Play(shot_, kSync));
    EXPECT_TRUE(Playback().source.empty());
    EXPECT_TRUE(PlaySoundW(nullptr, nullptr, 0)) << "stopping needs no device";
}

// The program's thread closes a device nothing has played on for ten seconds, counted from
// the end of the last sound whether or not anyone looked when it ended.
class QuietDeviceTest : public PlaySoundTest {
protected:
    // Tidies as the program does before each wait, at `atMs`; whether the device is open after.
    bool OpenAfterTidyingAt(std::uint64_t atMs) {
        Backend().AdvanceClock(atMs - Now());
        platform::TidyBeforeWaiting(Now());
        return Device().IsOpen();
    }
};

TEST_F(QuietDeviceTest, ASoundPlayedOnceLeavesTheDeviceOpenForTenSecondsAfterItsEnd) {
    constexpr std::uint64_t kQuiet = platform::kCloseQuietSoundAfterMs;
    ASSERT_TRUE(Play(shot_));
    EXPECT_TRUE(OpenAfterTidyingAt(kShotMs + kQuiet - 1));
    EXPECT_FALSE(OpenAfterTidyingAt(kShotMs + kQuiet));
    EXPECT_FALSE(platform::Sounds().IsOpen());
}

TEST_F(QuietDeviceTest, ALoopNeverGoesQuiet) {
    ASSERT_TRUE(Play(shot_, kAsync | SND_LOOP));
    EXPECT_TRUE(OpenAfterTidyingAt(3 * platform::kCloseQuietSoundAfterMs));
}

TEST_F(QuietDeviceTest, AStoppedSoundIsQuietFromItsStop) {
    ASSERT_TRUE(Play(boom_, kAsync | SND_LOOP));
    Backend().AdvanceClock(5000);
    PlaySoundW(nullptr, nullptr, 0);
    EXPECT_TRUE(OpenAfterTidyingAt(5000 + platform::kCloseQuietSoundAfterMs - 1));
    EXPECT_FALSE(OpenAfterTidyingAt(5000 + platform::kCloseQuietSoundAfterMs));
}

TEST_F(QuietDeviceTest, TheNextSoundOpensTheDeviceAgain) {
    ASSERT_TRUE(Play(shot_));
    ASSERT_FALSE(OpenAfterTidyingAt(kShotMs + platform::kCloseQuietSoundAfterMs));
    ASSERT_TRUE(Play(boom_));
    EXPECT_TRUE(Device().IsOpen());
    EXPECT_EQ(Device().TimesOpened(), 2);
    EXPECT_EQ(Playback().source, boom_);
}

// The message loop tidies before every wait: a program whose only event is a timer sees its
// device closed by the first wait ten seconds after its last sound.
TEST_F(QuietDeviceTest, TheMessageLoopClosesTheDeviceWhileItWaits) {
    ASSERT_TRUE(Play(shot_));
    const UINT_PTR timer = SetTimer(nullptr, 0, 1000, nullptr);
    MSG msg;
    while (Device().IsOpen() && Now() < 60000 && GetMessageW(&msg, nullptr, 0, 0)) {
    }
    KillTimer(nullptr, timer);
    EXPECT_FALSE(Device().IsOpen());
    EXPECT_EQ(Now(), 12000u) << "closed by the wait that began at 11 s, the first ten seconds after the sound's end";
}

}  // namespace
