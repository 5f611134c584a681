// Wave files read into samples, every field of an untrusted file checked, and the cache of the
// last file played.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "WaveFiles.h"
#include "backends/headless/VirtualSound.h"
#include "core/media/SoundCache.h"
#include "core/media/WaveLoader.h"

namespace {

using namespace std::string_view_literals;
using media_test::kWaveFrameBytes;
using media_test::kWaveRate;
using media_test::TempFolder;
using media_test::WriteText;
using media_test::WriteWave;
using platform::PcmFormat;
using platform::PcmSample;
using Bytes = std::vector<std::uint8_t>;

constexpr int kFrames = 2205;  // 100 ms
constexpr std::uint16_t kPcm = 1;
constexpr std::uint16_t kFloat = 3;
constexpr std::uint16_t kExtensible = 0xFFFE;

void Put(Bytes& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void Put(Bytes& out, std::string_view text) { out.insert(out.end(), text.begin(), text.end()); }

Bytes Chunk(std::string_view id, const Bytes& body) {
    Bytes chunk;
    Put(chunk, id);
    Put(chunk, static_cast<std::uint32_t>(body.size()), 4);
    chunk.insert(chunk.end(), body.begin(), body.end());
    if (body.size() % 2) chunk.push_back(0);
    return chunk;
}

struct Fmt {
    std::uint16_t tag = kPcm;
    std::uint16_t channels = 1;
    std::uint32_t rate = kWaveRate;
    std::uint16_t bits = 16;
    std::uint16_t blockAlign = 0;  // 0: as the channels and bits make it
};

Bytes FmtBody(const Fmt& f) {
    Bytes body;
    Put(body, f.tag, 2);
    Put(body, f.channels, 2);
    Put(body, f.rate, 4);
    const std::uint16_t align = f.blockAlign ? f.blockAlign : static_cast<std::uint16_t>(f.channels * f.bits / 8);
    Put(body, f.rate * align, 4);
    Put(body, align, 2);
    Put(body, f.bits, 2);
    return body;
}

// The extensible format's tail: extra size, valid bits, channel mask, sub-format GUID.
Bytes ExtensibleBody(const Fmt& f, std::uint16_t subTag, std::uint16_t validBits, std::uint8_t guidEnd = 0x71) {
    Bytes body = FmtBody({kExtensible, f.channels, f.rate, f.bits, f.blockAlign});
    Put(body, 22, 2);
    Put(body, validBits, 2);
    Put(body, 0x3, 4);
    Put(body, subTag, 2);
    for (std::uint8_t b : {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B}) body.push_back(b);
    body.push_back(guidEnd);
    return body;
}

Bytes Riff(const std::vector<Bytes>& chunks) {
    Bytes inner;
    Put(inner, "WAVE");
    for (const Bytes& chunk : chunks) inner.insert(inner.end(), chunk.begin(), chunk.end());
    Bytes file;
    Put(file, "RIFF");
    Put(file, static_cast<std::uint32_t>(inner.size()), 4);
    file.insert(file.end(), inner.begin(), inner.end());
    return file;
}

Bytes Samples(std::size_t count) {
    Bytes bytes(count);
    for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
    return bytes;
}

TEST(WaveParseTest, ReadsThePlatformsSampleKinds) {
    struct Case {
        const char* what;
        Bytes fmt;
        PcmFormat format;
    };
    const Case cases[] = {
        {"8-bit", FmtBody({.bits = 8}), {kWaveRate, PcmSample::U8, 1}},
        {"16-bit stereo", FmtBody({.channels = 2}), {kWaveRate, PcmSample::S16, 2}},
        {"32-bit at 48 kHz", FmtBody({.rate = 48000, .bits = 32}), {48000, PcmSample::S32, 1}},
        {"float", FmtBody({.tag = kFloat, .bits = 32}), {kWaveRate, PcmSample::F32, 1}},
        {"extensible 16-bit", ExtensibleBody({.channels = 2}, kPcm, 16), {kWaveRate, PcmSample::S16, 2}},
        {"extensible float", ExtensibleBody({.bits = 32}, kFloat, 32), {kWaveRate, PcmSample::F32, 1}},
        {"eight channels", FmtBody({.channels = 8}), {kWaveRate, PcmSample::S16, 8}},
    };
    for (const Case& c : cases) {
        const Bytes samples = Samples(c.format.FrameBytes() * 10);
        const auto sound = platform::ParseWave(Riff({Chunk("fmt ", c.fmt), Chunk("data", samples)}));
        ASSERT_TRUE(sound) << c.what;
        EXPECT_EQ(sound->format, c.format) << c.what;
        EXPECT_EQ(sound->bytes, samples) << c.what;
    }
}

TEST(WaveParseTest, WidensTwentyFourBitSamples) {
    const Bytes samples = {0x11, 0x22, 0x33, 0x44, 0x55, 0x66};
    const auto sound = platform::ParseWave(Riff({Chunk("fmt ", FmtBody({.bits = 24})), Chunk("data", samples)}));
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->format, (PcmFormat{kWaveRate, PcmSample::S32, 1}));
    EXPECT_EQ(sound->bytes, (Bytes{0, 0x11, 0x22, 0x33, 0, 0x44, 0x55, 0x66}));
}

// What a file holds around its sound, and how it ends, within reason.
TEST(WaveParseTest, KeepsWholeFramesWhereverTheDataLies) {
    const Bytes fmt = Chunk("fmt ", FmtBody({.channels = 2}));  // four bytes a frame
    const Bytes samples = Samples(40);
    Bytes cutShort = Riff({fmt, Chunk("data", samples)});
    cutShort.resize(cutShort.size() - 6);  // the declared size now runs past the file's end
    struct Case {
        const char* what;
        Bytes file;
        std::size_t bytes;
    };
    const Case cases[] = {
        {"chunks of odd size before", Riff({Chunk("LIST", Samples(3)), fmt, Chunk("junk", Samples(5)), Chunk("data", samples)}), 40},
        {"a torn last frame", Riff({fmt, Chunk("data", Samples(42))}), 40},
        {"a file cut short", cutShort, 32},
        {"no samples", Riff({fmt, Chunk("data", {})}), 0},
        {"a second format ignored", Riff({fmt, Chunk("fmt ", FmtBody({.bits = 8})), Chunk("data", samples)}), 40},
    };
    for (const Case& c : cases) {
        const auto sound = platform::ParseWave(c.file);
        ASSERT_TRUE(sound) << c.what;
        EXPECT_EQ(sound->bytes.size(), c.bytes) << c.what;
        EXPECT_EQ(sound->format.channels, 2) << c.what;
    }
}

TEST(WaveParseTest, RefusesWhatIsNoSoundItCanPlay) {
    const Bytes data = Chunk("data", Samples(16));
    Bytes shortFmt = FmtBody({});
    shortFmt.resize(14);
    Bytes shortExtensible = ExtensibleBody({}, kPcm, 16);
    shortExtensible.resize(30);
    Bytes badExtraSize = ExtensibleBody({}, kPcm, 16);
    badExtraSize[16] = 10;
    struct Case {
        const char* what;
        Bytes file;
    };
    const Case cases[] = {
        {"nothing", {}},
        {"text", Bytes{'n', 'o', 't', ' ', 'a', ' ', 's', 'o', 'u', 'n', 'd'}},
        {"a header only", Riff({})},
        {"not WAVE", [&] { Bytes b = Riff({Chunk("fmt ", FmtBody({})), data}); b[8] = 'X'; return b; }()},
        {"no format", Riff({data})},
        {"the data before the format", Riff({data, Chunk("fmt ", FmtBody({}))})},
        {"no data", Riff({Chunk("fmt ", FmtBody({}))})},
        {"a format too short", Riff({Chunk("fmt ", shortFmt), data})},
        {"no channels", Riff({Chunk("fmt ", FmtBody({.channels = 0})), data})},
        {"nine channels", Riff({Chunk("fmt ", FmtBody({.channels = 9})), data})},
        {"no rate", Riff({Chunk("fmt ", FmtBody({.rate = 0})), data})},
        {"a rate beyond any device", Riff({Chunk("fmt ", FmtBody({.rate = 10'000'000})), data})},
        {"a frame size that disagrees", Riff({Chunk("fmt ", FmtBody({.bits = 16, .blockAlign = 3})), data})},
        {"12-bit samples", Riff({Chunk("fmt ", FmtBody({.bits = 12, .blockAlign = 2})), data})},
        {"64-bit floats", Riff({Chunk("fmt ", FmtBody({.tag = kFloat, .bits = 64})), data})},
        {"16-bit floats", Riff({Chunk("fmt ", FmtBody({.tag = kFloat, .bits = 16})), data})},
        {"compressed (ADPCM)", Riff({Chunk("fmt ", FmtBody({.tag = 2})), data})},
        {"an extensible format cut short", Riff({Chunk("fmt ", shortExtensible), data})},
        {"an extensible format's extra size too small", Riff({Chunk("fmt ", badExtraSize), data})},
        {"an unknown sub-format", Riff({Chunk("fmt ", ExtensibleBody({}, kPcm, 16, 0x72)), data})},
        {"more valid bits than stored", Riff({Chunk("fmt ", ExtensibleBody({}, kPcm, 17)), data})},
        {"no valid bits", Riff({Chunk("fmt ", ExtensibleBody({}, kPcm, 0)), data})},
        {"an extensible format within one", Riff({Chunk("fmt ", ExtensibleBody({}, kExtensible, 16)), data})},
    };
    for (const Case& c : cases) EXPECT_FALSE(platform::ParseWave(c.file)) << c.what;
}

class WaveLoaderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(folder_.Path().empty()); }
    TempFolder folder_;
};

TEST_F(WaveLoaderTest, AFileIsReadWhole) {
    const std::string path = folder_.File("ramp.wav");
    WriteWave(path, kFrames);
    const auto sound = platform::LoadWave(path);
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->format, (PcmFormat{kWaveRate, PcmSample::S16, 1}));
    EXPECT_EQ(sound->DurationMs(), 100u);
    ASSERT_EQ(sound->bytes.size(), std::size_t{kFrames * kWaveFrameBytes});
    for (int i = 0; i < kFrames; ++i) {
        const int sample = sound->bytes[2 * i] | (sound->bytes[2 * i + 1] << 8);
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
    for (const Case& c : cases) {
        const std::string path = folder_.File(c.name);
        if (c.written) WriteText(path, std::string(c.contents));
        EXPECT_FALSE(platform::LoadWave(path)) << c.name;
    }
    EXPECT_FALSE(platform::LoadWave(folder_.Path())) << "a folder";
}

TEST_F(WaveLoaderTest, TheCacheDecodesAgainOnlyWhenFileOrDeviceChange) {
    const std::string path = folder_.File("shot.wav");
    WriteWave(path, kFrames);
    platform::VirtualSound output([] { return std::uint64_t{0}; }, [](std::uint64_t) {});
    const PcmFormat stereo{44100, PcmSample::S16, 2};
    const PcmFormat mono{44100, PcmSample::S16, 1};
    output.SetFormat(stereo);
    ASSERT_TRUE(output.Open());
    platform::SoundCache cache;

    const auto first = cache.Get(path, output, stereo);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->format, stereo);
    EXPECT_EQ(cache.Get(path, output, stereo), first) << "the same file for the same device";

    output.Close();
    output.SetFormat(mono);
    ASSERT_TRUE(output.Open());
    const auto other = cache.Get(path, output, mono);
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->format, mono) << "another device format";

    WriteWave(path, 2 * kFrames);
    const auto rewritten = cache.Get(path, output, mono);
    ASSERT_NE(rewritten, nullptr);
    EXPECT_GT(rewritten->bytes.size(), other->bytes.size()) << "the file changed";

    std::filesystem::remove(path);
    EXPECT_EQ(cache.Get(path, output, mono), nullptr) << "the file is gone";
}

}  // namespace
