// Icon files handed over as the program's resources: the largest picture becomes the resource,
// and a damaged file registers nothing.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

#include "HeadlessTest.h"
#include "PlatformState.h"
#include "ProgramEntry.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& out, std::uint32_t value) {
    out.push_back(value & 0xFF);
    out.push_back((value >> 8) & 0xFF);
}
void Put32(Bytes& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// An icon file of square 32-bit pictures of the given sizes, each filled with one colour.
Bytes IconFile(const std::vector<std::pair<int, std::uint32_t>>& pictures) {
    Bytes out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(pictures.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * pictures.size());
    std::vector<Bytes> images;
    for (const auto& [size, colour] : pictures) {
        Bytes image;
        for (std::uint32_t v : {40u, static_cast<std::uint32_t>(size), static_cast<std::uint32_t>(2 * size)}) Put32(image, v);
        Put16(image, 1);
        Put16(image, 32);
        for (int i = 0; i < 6; ++i) Put32(image, 0);
        for (int p = 0; p < size * size; ++p) Put32(image, colour);
        for (int row = 0; row < size; ++row) Put32(image, 0);  // the mask, 32 bits a row here
        out.push_back(static_cast<std::uint8_t>(size));
        out.push_back(static_cast<std::uint8_t>(size));
        out.push_back(0);
        out.push_back(0);
        Put16(out, 1);
        Put16(out, 32);
        Put32(out, static_cast<std::uint32_t>(image.size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(image.size());
        images.push_back(image);
    }
    for (const Bytes& image : images) out.insert(out.end(), image.begin(), image.end());
    return out;
}

class IconFilesTest : public HeadlessTest {};

TEST_F(IconFilesTest, TheLargestPictureBecomesTheResourceItsIdNames) {
    const Bytes file = IconFile({{16, 0xFF0000FFu}, {48, 0xFF00FF00u}, {32, 0xFFFF0000u}});
    const HINSTANCE program = reinterpret_cast<HINSTANCE>(0x400000);
    EXPECT_EQ(LoadIconW(program, MAKEINTRESOURCEW(1005)), nullptr);
    ASSERT_TRUE(platform::RegisterIconFile(1005, file.data(), file.size()));
    HICON icon = LoadIconW(program, MAKEINTRESOURCEW(1005));
    ASSERT_NE(icon, nullptr);
    const platform::IconObject* picture = platform::State().cursors.Find(icon);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->size, 48);
    ASSERT_EQ(picture->pixels.size(), 48u * 48u);
    EXPECT_EQ(picture->pixels[0], 0xFF00FF00u);
}

TEST_F(IconFilesTest, DamagedFilesRegisterNothing) {
    const Bytes good = IconFile({{16, 0xFF0000FFu}});
    Bytes wrongType = good;
    wrongType[2] = 2;  // a cursor file
    Bytes outside = good;
    outside[6 + 12] = 0xF0;  // the picture's offset beyond the file
    Bytes hugeCount = good;
    hugeCount[4] = 0xFF;
    const Bytes cases[] = {Bytes{}, Bytes(good.begin(), good.begin() + 30), wrongType, outside, hugeCount};
    int id = 2000;
    for (const Bytes& file : cases) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(platform::RegisterIconFile(id, file.data(), file.size()));
        EXPECT_EQ(LoadIconW(reinterpret_cast<HINSTANCE>(0x400000), MAKEINTRESOURCEW(id)), nullptr);
        ++id;
    }
}

}  // namespace
