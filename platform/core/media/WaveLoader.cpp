#include "media/WaveLoader.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include "kernel/RegularFiles.h"

namespace platform {

namespace {

// A wave file is far smaller; the cap only keeps a huge file from being read whole.
constexpr std::uint64_t kMaxWaveBytes = 256 * 1024 * 1024;
constexpr int kMaxChannels = 8;
constexpr std::uint32_t kMaxFramesPerSecond = 384000;
constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;
constexpr std::size_t kPlainFormatBytes = 16;
constexpr std::size_t kExtensibleFormatBytes = 40;
// What follows the format tag in an extensible format's sub-format GUID.
constexpr std::array<std::uint8_t, 14> kSubFormatTail = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                                         0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

// Reads little-endian fields from a span, never past its end.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::size_t Left() const { return bytes_.size() - at_; }
    std::optional<std::uint32_t> Field(std::size_t size) {
        if (Left() < size) return std::nullopt;
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < size; ++i) value |= std::uint32_t{bytes_[at_ + i]} << (8 * i);
        at_ += size;
        return value;
    }
    bool Tag(const char (&tag)[5]) {
        if (Left() < 4 || std::memcmp(bytes_.data() + at_, tag, 4) != 0) return false;
        at_ += 4;
        return true;
    }
    // The next `size` bytes, or as many as there are.
    std::span<const std::uint8_t> Take(std::size_t size) {
        const std::span<const std::uint8_t> taken = bytes_.subspan(at_, std::min(size, Left()));
        at_ += taken.size();
        return taken;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

struct WaveFormat {
    std::uint16_t tag = 0;
    std::uint16_t channels = 0;
    std::uint32_t framesPerSecond = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bits = 0;
};

// The extensible format names the real tag in its sub-format, and the sample's valid bits.
std::optional<std::uint16_t> ExtensibleTag(Reader& chunk, std::uint16_t bits) {
    const auto extraBytes = chunk.Field(2);
    const auto validBits = chunk.Field(2);
    const auto channelMask = chunk.Field(4);
    const auto tag = chunk.Field(2);
    const std::span<const std::uint8_t> tail = chunk.Take(kSubFormatTail.size());
    if (!extraBytes || *extraBytes < kExtensibleFormatBytes - kPlainFormatBytes - 2 || !validBits || !channelMask ||
        !tag)
        return std::nullopt;
    if (*validBits == 0 || *validBits > bits) return std::nullopt;
    if (!std::equal(tail.begin(), tail.end(), kSubFormatTail.begin(), kSubFormatTail.end())) return std::nullopt;
    return static_cast<std::uint16_t>(*tag);
}

std::optional<WaveFormat> ReadFormat(std::span<const std::uint8_t> bytes) {
    Reader chunk(bytes);
    if (bytes.size() < kPlainFormatBytes) return std::nullopt;
    WaveFormat format;
    format.tag = static_cast<std::uint16_t>(*chunk.Field(2));
    format.channels = static_cast<std::uint16_t>(*chunk.Field(2));
    format.framesPerSecond = *chunk.Field(4);
    chunk.Field(4);  // bytes per second: the rest fixes it, and players ignore it
    format.blockAlign = static_cast<std::uint16_t>(*chunk.Field(2));
    format.bits = static_cast<std::uint16_t>(*chunk.Field(2));
    if (format.tag == kFormatExtensible) {
        const std::optional<std::uint16_t> tag = ExtensibleTag(chunk, format.bits);
        if (!tag) return std::nullopt;
        format.tag = *tag;
    }
    return format;
}

// How the samples are stored, once every field agrees with every other.
std::optional<PcmSample> SampleOf(const WaveFormat& format) {
    if (format.channels == 0 || format.channels > kMaxChannels) return std::nullopt;
    if (format.framesPerSecond == 0 || format.framesPerSecond > kMaxFramesPerSecond) return std::nullopt;
    if (format.blockAlign != format.channels * (format.bits / 8) || format.bits % 8 != 0) return std::nullopt;
    if (format.tag == kFormatFloat) return format.bits == 32 ? std::optional(PcmSample::F32) : std::nullopt;
    if (format.tag != kFormatPcm) return std::nullopt;
    switch (format.bits) {
    case 8: return PcmSample::U8;
    case 16: return PcmSample::S16;
    case 24:
    case 32: return PcmSample::S32;
    default: return std::nullopt;
    }
}

// Whole frames only; 24-bit samples become the top three bytes of 32-bit ones.
std::vector<std::uint8_t> SamplesOf(std::span<const std::uint8_t> data, const WaveFormat& format) {
    const std::size_t frames = data.size() / format.blockAlign;
    const std::span<const std::uint8_t> whole = data.first(frames * format.blockAlign);
    if (format.bits != 24) return {whole.begin(), whole.end()};
    std::vector<std::uint8_t> widened;
    widened.reserve(whole.size() / 3 * 4);
    for (std::size_t at = 0; at + 3 <= whole.size(); at += 3) {
        widened.push_back(0);
        widened.insert(widened.end(), whole.begin() + static_cast<std::ptrdiff_t>(at),
                       whole.begin() + static_cast<std::ptrdiff_t>(at + 3));
    }
    return widened;
}

}  // namespace

// The chunks follow each other, each padded to an even size; the format comes before the data.
// A RIFF size that disagrees with the file's is common and harmless: the file's end is believed.
std::optional<PcmSound> ParseWave(std::span<const std::uint8_t> file) {
    Reader riff(file);
    if (!riff.Tag("RIFF") || !riff.Field(4) || !riff.Tag("WAVE")) return std::nullopt;
    std::optional<WaveFormat> format;
    while (riff.Left() >= 8) {
        const bool isFormat = riff.Tag("fmt ");
        const bool isData = !isFormat && riff.Tag("data");
        if (!isFormat && !isData) riff.Take(4);
        const std::uint32_t size = *riff.Field(4);
        const std::span<const std::uint8_t> body = riff.Take(size);
        if (isData) {
            if (!format) return std::nullopt;
            const std::optional<PcmSample> sample = SampleOf(*format);
            if (!sample) return std::nullopt;
            return PcmSound{{static_cast<int>(format->framesPerSecond), *sample, format->channels},
                            SamplesOf(body, *format)};
        }
        if (isFormat && !format && !(format = ReadFormat(body))) return std::nullopt;
        riff.Take(size % 2);
    }
    return std::nullopt;
}

std::optional<PcmSound> LoadWave(const std::string& path) {
    struct stat info;
    const int fd = OpenRegularNative(path, kMaxWaveBytes, info);
    if (fd < 0) return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.st_size));
    std::size_t read = 0;
    while (read < bytes.size()) {
        const ssize_t count = ::read(fd, bytes.data() + read, bytes.size() - read);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) break;
        read += static_cast<std::size_t>(count);
    }
    close(fd);
    bytes.resize(read);
    return ParseWave(bytes);
}

}  // namespace platform
