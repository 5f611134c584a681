// PNG files written by hand: the signature, an IHDR for 8-bit RGB, one IDAT holding a zlib
// stream of stored (uncompressed) blocks, and IEND. Pictures of test windows are small, so
// compression is not worth a library.
#include "Screenshot.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <vector>

#include <gtest/gtest.h>

#include "backends/headless/HeadlessBackend.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::array<std::uint8_t, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
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

std::uint32_t Adler32(const Bytes& bytes) {
    constexpr std::uint32_t kModulus = 65521;
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : bytes) {
        a = (a + byte) % kModulus;
        b = (b + a) % kModulus;
    }
    return (b << 16) | a;
}

void PutBigEndian(Bytes& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// A chunk's CRC covers its type and data, not its length.
void PutChunk(Bytes& out, const char (&type)[5], const Bytes& data) {
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBigEndian(out, Crc32(out, typeAt));
}

// Each row: filter type 0 (none), then red, green, blue.
Bytes Scanlines(int width, int height, const std::vector<std::uint32_t>& pixels) {
    Bytes raw;
    raw.reserve(static_cast<std::size_t>(height) * (1 + 3 * static_cast<std::size_t>(width)));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        for (int x = 0; x < width; ++x) {
            std::uint32_t p = pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + x];
            raw.insert(raw.end(), {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                                   static_cast<std::uint8_t>(p)});
        }
    }
    return raw;
}

// A zlib stream of stored blocks: each block has its length and the length's complement,
// little-endian; the last block is marked final.
Bytes StoredZlib(const Bytes& raw) {
    Bytes out{0x78, 0x01};
    std::size_t at = 0;
    do {
        const std::size_t length = std::min(kMaxStoredBlock, raw.size() - at);
        const bool final = at + length == raw.size();
        const auto len = static_cast<std::uint16_t>(length);
        out.insert(out.end(), {static_cast<std::uint8_t>(final ? 1 : 0), static_cast<std::uint8_t>(len),
                               static_cast<std::uint8_t>(len >> 8), static_cast<std::uint8_t>(~len),
                               static_cast<std::uint8_t>(~len >> 8)});
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                   raw.begin() + static_cast<std::ptrdiff_t>(at + length));
        at += length;
    } while (at < raw.size());
    PutBigEndian(out, Adler32(raw));
    return out;
}

Bytes EncodePng(int width, int height, const std::vector<std::uint32_t>& pixels) {
    Bytes header;
    PutBigEndian(header, static_cast<std::uint32_t>(width));
    PutBigEndian(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter choice, no interlace
    Bytes png(kSignature.begin(), kSignature.end());
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", StoredZlib(Scanlines(width, height, pixels)));
    PutChunk(png, "IEND", {});
    return png;
}

std::filesystem::path BuildDirectory() {
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    for (std::filesystem::path dir = program.parent_path(); !error && !dir.empty(); dir = dir.parent_path()) {
        if (std::filesystem::exists(dir / "CMakeCache.txt", error)) return dir;
        if (dir == dir.root_path()) break;
    }
    return std::filesystem::current_path(error);
}

// Parameterised tests have slashes in their names.
std::string FileNameOf(const ::testing::TestInfo& test) {
    std::string name = std::string(test.test_suite_name()) + "." + test.name() + ".png";
    for (char& c : name)
        if (c == '/') c = '_';
    return name;
}

}  // namespace

bool WritePng(const std::string& path, HWND window) {
    auto* backend = dynamic_cast<platform::HeadlessBackend*>(&platform::CurrentBackend());
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
    if (!backend || !backend->WindowImage(window, width, height, pixels)) return false;
    const Bytes png = EncodePng(width, height, pixels);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    return file.good();
}

std::string ScreenshotDirectory() {
    const std::filesystem::path dir = BuildDirectory() / "screenshots";
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    return dir.string();
}

ScreenshotOnFailure::~ScreenshotOnFailure() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    if (!test || !::testing::Test::HasFailure()) return;
    const std::string path = ScreenshotDirectory() + "/" + FileNameOf(*test);
    if (WritePng(path, window_)) std::cerr << "Screenshot of the failing test: " << path << "\n";
}
