// Small wave files written by the tests themselves, in a temporary folder of their own.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace media_test {

constexpr int kWaveRate = 22050;
constexpr int kWaveFrameBytes = 2;  // 16-bit mono

// A folder removed with everything in it when the test ends.
class TempFolder {
public:
    TempFolder() {
        char pattern[] = "/tmp/astrovex-media-XXXXXX";
        if (mkdtemp(pattern)) path_ = pattern;
    }
    ~TempFolder() {
        if (!path_.empty()) std::filesystem::remove_all(path_);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string File(const std::string& name) const { return path_ + "/" + name; }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

inline void PutLittleEndian(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// 16-bit PCM mono at kWaveRate: a rising ramp, so that a conversion has something to carry.
inline void WriteWave(const std::string& path, int frames) {
    std::ofstream out(path, std::ios::binary);
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(frames * kWaveFrameBytes);
    out.write("RIFF", 4);
    PutLittleEndian(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    PutLittleEndian(out, 16, 4);                              // format chunk size
    PutLittleEndian(out, 1, 2);                               // PCM
    PutLittleEndian(out, 1, 2);                               // channels
    PutLittleEndian(out, kWaveRate, 4);                       // frames per second
    PutLittleEndian(out, kWaveRate * kWaveFrameBytes, 4);     // bytes per second
    PutLittleEndian(out, kWaveFrameBytes, 2);                 // bytes per frame
    PutLittleEndian(out, 16, 2);                              // bits per sample
    out.write("data", 4);
    PutLittleEndian(out, dataBytes, 4);
    for (int i = 0; i < frames; ++i) PutLittleEndian(out, static_cast<std::uint32_t>(i * 64), 2);
    ASSERT_TRUE(out.good()) << path;
}

inline void WriteText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    ASSERT_TRUE(out.good()) << path;
}

inline std::wstring Wide(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

}  // namespace media_test
