// Loading a picture from a bitmap file named in narrow text.
#include <cstdint>
#include <filesystem>
#include <fstream>

#include "Colours.h"
#include "DrawingTest.h"
#include "TempFolder.h"
#include "toolkit/drawing/LoadBitmapFile.h"

namespace OrloUtility {
namespace {

class LoadBitmapFileTest : public DrawingTest {
protected:
    // A 24-bit file two pixels wide and one high: red, then green.
    std::string WriteRedGreen(const std::string& name) {
        std::vector<std::uint8_t> file{'B', 'M'};
        auto put32 = [&](std::uint32_t v) {
            for (int i = 0; i < 4; ++i) file.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        };
        auto put16 = [&](std::uint16_t v) {
            file.push_back(static_cast<std::uint8_t>(v & 0xFF));
            file.push_back(static_cast<std::uint8_t>(v >> 8));
        };
        const std::vector<std::uint8_t> pixels{0, 0, 0xFF, 0, 0xFF, 0, 0, 0};  // B, G, R each, row padded to 8
        put32(14 + 40 + static_cast<std::uint32_t>(pixels.size()));
        put32(0);
        put32(14 + 40);
        put32(40);
        put32(2);
        put32(1);
        put16(1);
        put16(24);
        for (int i = 0; i < 6; ++i) put32(0);
        file.insert(file.end(), pixels.begin(), pixels.end());
        const std::filesystem::path path = folder_ / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
        return path.string();
    }

    TempFolder temp_{"astrovex-loadbitmapfile"};
    const std::filesystem::path folder_ = temp_.Path();
};

TEST_F(LoadBitmapFileTest, LoadsTheFileAtItsOwnSizeForTheCaller) {
    OwnedBitmap bitmap(LoadBitmapFile(WriteRedGreen("ship.bmp")));
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(SizeOf(bitmap.get()).cx, 2);
    EXPECT_EQ(SizeOf(bitmap.get()).cy, 1);
    EXPECT_EQ(Read(bitmap.get(), 2, 1), (Pixels{{kRed, kGreen}}));
}

TEST_F(LoadBitmapFileTest, AMissingOrUnreadableFileGivesNull) {
    std::ofstream(folder_ / "broken.bmp") << "not a bitmap";
    EXPECT_EQ(LoadBitmapFile((folder_ / "missing.bmp").string()), nullptr);
    EXPECT_EQ(LoadBitmapFile((folder_ / "broken.bmp").string()), nullptr);
}

}  // namespace
}  // namespace OrloUtility
