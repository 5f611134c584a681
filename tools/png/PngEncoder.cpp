#include "PngEncoder.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace pngfile {

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kMaxStoredBlock = 65535;

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

std::uint32_t Crc32(const Bytes& bytes, std::size_t from) {
    static constexpr std::array<std::uint32_t, 256> kTable = MakeCrcTable();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = from; i < bytes.size(); ++i) crc = kTable[(crc ^ bytes[i]) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

// The sums are reduced once per 5552 bytes, the most that cannot overflow 32 bits.
std::uint32_t Adler32(const Bytes& bytes) {
    constexpr std::uint32_t kModulus = 65521;
    constexpr std::size_t kRun = 5552;
    std::uint32_t a = 1, b = 0;
    const std::uint8_t* at = bytes.data();
    for (std::size_t left = bytes.size(); left > 0;) {
        const std::size_t run = std::min(left, kRun);
        for (std::size_t i = 0; i < run; ++i) {
            a += at[i];
            b += a;
        }
        a %= kModulus;
        b %= kModulus;
        at += run;
        left -= run;
    }
    return (b << 16) | a;
}

void PutBig32(Bytes& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutLittle16(Bytes& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

// A chunk's CRC covers its type and data, not its length.
void PutChunk(Bytes& out, const char (&type)[5], const Bytes& data) {
    PutBig32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBig32(out, Crc32(out, typeAt));
}

// Each row: filter type 0 (none), then the row's samples.
Bytes Scanlines(int width, int height, int channels, const Bytes& samples) {
    const std::size_t rowSamples = static_cast<std::size_t>(channels) * static_cast<std::size_t>(width);
    Bytes raw;
    raw.reserve((rowSamples + 1) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        const auto row = samples.begin() + static_cast<std::ptrdiff_t>(rowSamples * static_cast<std::size_t>(y));
        raw.insert(raw.end(), row, row + static_cast<std::ptrdiff_t>(rowSamples));
    }
    return raw;
}

// A zlib stream of stored blocks: each has its length and the length's complement,
// little-endian; the last is marked final.
Bytes StoredZlib(const Bytes& raw) {
    Bytes out{0x78, 0x01};
    std::size_t at = 0;
    do {
        const std::size_t length = std::min(kMaxStoredBlock, raw.size() - at);
        const bool final = at + length == raw.size();
        const auto len = static_cast<std::uint16_t>(length);
        out.push_back(final ? 1 : 0);
        PutLittle16(out, len);
        PutLittle16(out, static_cast<std::uint16_t>(~len));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                   raw.begin() + static_cast<std::ptrdiff_t>(at + length));
        at += length;
    } while (at < raw.size());
    PutBig32(out, Adler32(raw));
    return out;
}

}  // namespace

std::vector<std::uint8_t> EncodePng(int width, int height, int channels, const std::vector<std::uint8_t>& samples) {
    static constexpr std::array<std::uint8_t, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    PutBig32(header, static_cast<std::uint32_t>(width));
    PutBig32(header, static_cast<std::uint32_t>(height));
    // 8 bits; colour type 6 (RGBA) or 2 (RGB); deflate; adaptive filtering; no interlace.
    header.insert(header.end(), {8, static_cast<std::uint8_t>(channels == 4 ? 6 : 2), 0, 0, 0});
    Bytes png(kSignature.begin(), kSignature.end());
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", StoredZlib(Scanlines(width, height, channels, samples)));
    PutChunk(png, "IEND", {});
    return png;
}

}  // namespace pngfile
