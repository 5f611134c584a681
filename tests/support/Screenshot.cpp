// Pictures of test windows, as PNG files written by the shared PNG writer.
#include "Screenshot.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <vector>

#include <gtest/gtest.h>

#include "PngEncoder.h"
#include "backends/headless/HeadlessBackend.h"

namespace {

// 0x00RRGGBB pixels, rows top-down, as red, green, blue bytes.
std::vector<std::uint8_t> RgbSamples(const std::vector<std::uint32_t>& pixels) {
    std::vector<std::uint8_t> samples;
    samples.reserve(pixels.size() * 3);
    for (std::uint32_t p : pixels)
        samples.insert(samples.end(), {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                                       static_cast<std::uint8_t>(p)});
    return samples;
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
    const std::vector<std::uint8_t> png = pngfile::EncodePng(width, height, 3, RgbSamples(pixels));
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
