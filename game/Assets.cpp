#include "game/Assets.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "PlatformApi.h"
#include "PlatformRuntime.h"
#include "toolkit/util/Paths.h"
#include "toolkit/util/TextConvert.h"

namespace MyGame {

namespace {

constexpr std::size_t kChecksumBlock = 10240;
constexpr std::size_t kChecksumBytes = 16;

struct CatalogueEntry {
    const char* fileName;
    const char* checksum;
};

// The checksums of the files that ship in the asset folder, made with AssetChecksum.
constexpr CatalogueEntry kCatalogue[] = {
    {"logo.bmp", "CBB409E8A62614F8A0B21AB03ED4ABE1"},
    {"blank.bmp", "CA24FF8A83DBB7FA6BE56DEC332B9862"},
    {"replay.bmp", "D4B33388101315B6D91F88B470C02A4D"},
    {"livello.bmp", "189C90A0B11BEDABF408C053C1B95ACE"},
    {"gameover.bmp", "B2F44238E9FCA851CA040BC39C4D8921"},
    {"player.bmp", "6610DDBC7B13CEB07579E679900ECD34"},
    {"asteroide_notte.bmp", "EE5F1D7B5A873802DC008FB3BABACFBF"},
    {"ufo.bmp", "B4C76215124ED9DE08C335911CF04151"},
    {"bullet.bmp", "FF7B387A3CE4B32F2CDDCA94B832CD84"},
};

std::string Hex(const std::array<std::uint8_t, kChecksumBytes>& sum) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (std::uint8_t byte : sum) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0xF];
    }
    return text;
}

using OpenFile = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// Every full block is a multiple of 16 bytes long, so byte i of a block lands on sum byte
// i mod 16 whatever block it is in.
std::string ChecksumOf(std::FILE* file) {
    // Sixteen bytes at a time as two 64-bit words: the bytes keep their places in the sum.
    std::uint64_t lanes[2] = {0, 0};
    std::array<std::uint8_t, kChecksumBytes> sum{};
    std::vector<char> block(kChecksumBlock);
    while (file) {
        const std::size_t got = std::fread(block.data(), 1, block.size(), file);
        const std::size_t whole = got - got % kChecksumBytes;
        for (std::size_t i = 0; i < whole; i += kChecksumBytes) {
            std::uint64_t words[2];
            std::memcpy(words, block.data() + i, sizeof words);
            lanes[0] ^= words[0];
            lanes[1] ^= words[1];
        }
        for (std::size_t i = whole; i < got; ++i) sum[i % kChecksumBytes] ^= static_cast<std::uint8_t>(block[i]);
        if (got < block.size()) break;
    }
    std::uint8_t laneBytes[kChecksumBytes];
    std::memcpy(laneBytes, lanes, sizeof laneBytes);
    for (std::size_t i = 0; i < kChecksumBytes; ++i) sum[i] ^= laneBytes[i];
    return Hex(sum);
}

}  // namespace

const char* const kExplosionChecksum = "15C8C52F51917A07D9FF6191BAC3C6EE";

std::string ResolveAssetPath(const std::string& path) {
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return path;
    return "images_games\\" + OrloUtility::FileNameOf(path);
}

std::optional<std::string> AssetChecksum(const std::string& path) {
    bool missing = false;
    const RegularFile opened = OpenRegularFile(path, kMaxAssetBytes, &missing);
    if (!opened.file) return missing ? std::optional<std::string>(ChecksumOf(nullptr)) : std::nullopt;
    const OpenFile file(opened.file, &std::fclose);
    return ChecksumOf(file.get());
}

CheckedAsset::CheckedAsset(std::string expectedChecksum) : expected_(std::move(expectedChecksum)) {}

// Opening is cheap and never waits; it is the read that costs.
bool CheckedAsset::Passes(const std::string& path) {
    const RegularFile opened = OpenRegularFile(path, kMaxAssetBytes);
    if (!opened.file) {
        last_.reset();
        return false;
    }
    const OpenFile file(opened.file, &std::fclose);
    const Reading reading{path, opened.size, opened.changed};
    if (last_ != reading) {
        lastPassed_ = ChecksumOf(file.get()) == expected_;
        last_ = reading;
    }
    return lastPassed_;
}

std::string ExpectedChecksum(const std::string& fileName) {
    for (const CatalogueEntry& entry : kCatalogue)
        if (fileName == entry.fileName) return entry.checksum;
    return {};
}

void PlaySoundFile(const std::string& path, bool loop) {
    DWORD flags = SND_FILENAME | SND_ASYNC | SND_NODEFAULT;
    if (loop) flags |= SND_LOOP;
    PlaySoundW(OrloUtility::ToWide(path).c_str(), nullptr, flags);
}

}  // namespace MyGame
