// Loading bitmap files: the picture arrives pixel for pixel, black-and-white files become
// monochrome bitmaps, broken files give nothing.
#include "GdiTest.h"
#include "TempFolder.h"

#include <filesystem>
#include <fstream>

namespace {

class LoadImageTest : public GdiTest {
protected:
    // A 2x2 bottom-up file: 24-bit colours, or 1-bit with the given two palette colours.
    std::wstring Write(const std::string& name, int bits, std::uint32_t palette0 = 0, std::uint32_t palette1 = 0xFFFFFF) {
        std::vector<std::uint8_t> pixels;
        if (bits == 24) {
            // Bottom row first: blue, white; then the top row: red, green (B, G, R bytes, padded to 8).
            pixels = {0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0xFF, 0, 0xFF, 0, 0, 0};
        } else {
            pixels = {0x40, 0, 0, 0, 0x80, 0, 0, 0};  // bottom row 0 1, top row 1 0
        }
        int paletteBytes = bits == 1 ? 8 : 0;
        std::uint32_t offset = 14 + 40 + paletteBytes;
        std::vector<std::uint8_t> file{'B', 'M'};
        auto put32 = [&](std::uint32_t v) { for (int i = 0; i < 4; ++i) file.push_back(static_cast<std::uint8_t>(v >> (8 * i))); };
        auto put16 = [&](std::uint16_t v) { file.push_back(v & 0xFF); file.push_back(v >> 8); };
        put32(offset + static_cast<std::uint32_t>(pixels.size()));
        put32(0);
        put32(offset);
        put32(40); put32(2); put32(2); put16(1); put16(static_cast<std::uint16_t>(bits));
        put32(0); put32(static_cast<std::uint32_t>(pixels.size())); put32(0); put32(0); put32(0); put32(0);
        if (bits == 1) { put32(palette0); put32(palette1); }
        file.insert(file.end(), pixels.begin(), pixels.end());
        std::filesystem::path path = folder_ / name;
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
        return path.wstring();
    }

    COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, bitmap);
        COLORREF color = GetPixel(dc, x, y);
        SelectObject(dc, old);
        DeleteDC(dc);
        return color;
    }

    TempFolder temp_{"astrovex-loadimage"};
    const std::filesystem::path folder_ = temp_.Path();
};

TEST_F(LoadImageTest, ColourFileLoadsPixelForPixel) {
    auto bitmap = static_cast<HBITMAP>(LoadImageW(nullptr, Write("c.bmp", 24).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    ASSERT_TRUE(bitmap);
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 2);
    EXPECT_EQ(info.bmBitsPixel, 32);
    EXPECT_EQ(PixelOf(bitmap, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(PixelOf(bitmap, 1, 0), RGB(0, 255, 0));
    EXPECT_EQ(PixelOf(bitmap, 0, 1), RGB(0, 0, 255));
    EXPECT_EQ(PixelOf(bitmap, 1, 1), RGB(255, 255, 255));
    DeleteObject(bitmap);
}

TEST_F(LoadImageTest, OnlyABlackAndWhiteOneBitFileBecomesMonochrome) {
    struct Case {
        std::uint32_t palette0, palette1;
        int expectedBits;
    };
    for (Case c : {Case{0, 0xFFFFFF, 1}, Case{0xFFFFFF, 0, 32}, Case{0xFF0000, 0x0000FF, 32}}) {
        auto bitmap = static_cast<HBITMAP>(
            LoadImageW(nullptr, Write("m.bmp", 1, c.palette0, c.palette1).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
        ASSERT_TRUE(bitmap);
        BITMAP info{};
        GetObjectW(bitmap, sizeof info, &info);
        EXPECT_EQ(info.bmBitsPixel, c.expectedBits) << std::hex << c.palette0;
        DeleteObject(bitmap);
    }
}

TEST_F(LoadImageTest, RequestedSizeStretchesThePicture) {
    auto bitmap = static_cast<HBITMAP>(LoadImageW(nullptr, Write("s.bmp", 24).c_str(), IMAGE_BITMAP, 4, 4, LR_LOADFROMFILE));
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 4);
    EXPECT_EQ(PixelOf(bitmap, 1, 1), RGB(255, 0, 0));
    EXPECT_EQ(PixelOf(bitmap, 3, 3), RGB(255, 255, 255));
    DeleteObject(bitmap);
}

TEST_F(LoadImageTest, MissingBrokenOrUnsupportedRequestsGiveNothing) {
    SetLastError(0xdeadbeef);
    EXPECT_EQ(LoadImageW(nullptr, (folder_ / "none.bmp").wstring().c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    std::ofstream(folder_ / "text.bmp") << "not a picture";
    EXPECT_EQ(LoadImageW(nullptr, (folder_ / "text.bmp").wstring().c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE), nullptr);
    std::wstring good = Write("g.bmp", 24);
    EXPECT_EQ(LoadImageW(nullptr, good.c_str(), IMAGE_BITMAP, 0, 0, 0), nullptr) << "resources are not files";
    EXPECT_EQ(LoadImageW(nullptr, good.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE), nullptr);
    EXPECT_EQ(LoadImageW(nullptr, nullptr, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE), nullptr);
}

TEST_F(LoadImageTest, BackslashPathsAreAccepted) {
    std::wstring path = Write("b.bmp", 24);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    HANDLE bitmap = LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
    EXPECT_TRUE(bitmap);
    DeleteObject(bitmap);
}

}  // namespace
