// Wave files converted to a sound device's format, and the cache of the last file played.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string_view>

#include "WaveFiles.h"
#include "core/media/SoundCache.h"
#include "core/media/WaveLoader.h"

namespace {

using namespace std::string_view_literals;
using media_test::kWaveFrameBytes;
using media_test::kWaveRate;
using media_test::TempFolder;
using media_test::WriteText;
using media_test::WriteWave;

// Resampling may add or drop a few frames where the filter meets the sound's ends.
constexpr long kResamplingSlackFrames = 8;
constexpr int kFrames = 2205;  // 100 ms

SDL_AudioSpec DeviceFormat(int rate, SDL_AudioFormat format, Uint8 channels) {
    SDL_AudioSpec device{};
    device.freq = rate;
    device.format = format;
    device.channels = channels;
    return device;
}

class WaveLoaderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(folder_.Path().empty()); }
    TempFolder folder_;
};

TEST_F(WaveLoaderTest, ConvertsToTheDevicesRateFormatAndChannels) {
    const std::string path = folder_.File("ramp.wav");
    WriteWave(path, kFrames);
    const SDL_AudioSpec devices[] = {
        DeviceFormat(kWaveRate, AUDIO_S16LSB, 1),
        DeviceFormat(44100, AUDIO_S16SYS, 2),
        DeviceFormat(48000, AUDIO_F32SYS, 2),
        DeviceFormat(11025, AUDIO_U8, 1),
    };
    for (const SDL_AudioSpec& device : devices) {
        SCOPED_TRACE(testing::Message() << device.freq << " Hz, format 0x" << std::hex << device.format << std::dec
                                        << ", " << int(device.channels) << " channels");
        const auto sound = platform::LoadWave(path, device);
        ASSERT_NE(sound, nullptr);
        const long frameBytes = SDL_AUDIO_BITSIZE(device.format) / 8 * device.channels;
        ASSERT_EQ(static_cast<long>(sound->size()) % frameBytes, 0) << "a torn frame";
        const long expectedFrames = std::lround(double(kFrames) * device.freq / kWaveRate);
        EXPECT_NEAR(static_cast<long>(sound->size()) / frameBytes, expectedFrames, kResamplingSlackFrames);
    }
}

TEST_F(WaveLoaderTest, TheDevicesOwnFormatIsCopiedUnchanged) {
    const std::string path = folder_.File("ramp.wav");
    WriteWave(path, kFrames);
    const auto sound = platform::LoadWave(path, DeviceFormat(kWaveRate, AUDIO_S16LSB, 1));
    ASSERT_NE(sound, nullptr);
    ASSERT_EQ(sound->size(), std::size_t{kFrames * kWaveFrameBytes});
    for (int i = 0; i < kFrames; ++i) {
        const int sample = (*sound)[2 * i] | ((*sound)[2 * i + 1] << 8);
        ASSERT_EQ(sample, (i * 64) & 0xFFFF) << "frame " << i;
    }
}

TEST_F(WaveLoaderTest, FilesThatAreNoWaveSoundsGiveNothing) {
    struct Case {
        const char* name;
        bool written;
        std::string_view contents;
    };
    const Case cases[] = {
        {"missing.wav", false, ""},
        {"empty.wav", true, ""},
        {"text.wav", true, "this is not a sound"},
        {"header-only.wav", true, "RIFF\x04\x00\x00\x00WAVE"sv},
    };
    const SDL_AudioSpec device = DeviceFormat(44100, AUDIO_S16SYS, 2);
    for (const Case& c : cases) {
        const std::string path = folder_.File(c.name);
        if (c.written) WriteText(path, std::string(c.contents));
        EXPECT_EQ(platform::LoadWave(path, device), nullptr) << c.name;
    }
}

TEST_F(WaveLoaderTest, TheCacheDecodesAgainOnlyWhenFileOrDeviceChange) {
    const std::string path = folder_.File("shot.wav");
    WriteWave(path, kFrames);
    const SDL_AudioSpec stereo = DeviceFormat(44100, AUDIO_S16SYS, 2);
    platform::SoundCache cache;

    const auto first = cache.Get(path, stereo);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(cache.Get(path, stereo), first) << "the same file for the same device";

    const auto mono = cache.Get(path, DeviceFormat(44100, AUDIO_S16SYS, 1));
    ASSERT_NE(mono, nullptr);
    EXPECT_EQ(mono->size() * 2, first->size()) << "another device format";

    WriteWave(path, 2 * kFrames);
    const auto rewritten = cache.Get(path, stereo);
    ASSERT_NE(rewritten, nullptr);
    EXPECT_GT(rewritten->size(), first->size()) << "the file changed";

    std::filesystem::remove(path);
    EXPECT_EQ(cache.Get(path, stereo), nullptr) << "the file is gone";
}

}  // namespace
