// Large bitmaps left out of every context for a while keep their pixels as runs when they pack
// well, and a context that takes one back finds every pixel as it was.
#include "GdiTest.h"
#include "core/gdi/PackedPixels.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;

class PackedPixelsTest : public GdiTest {
protected:
    // A field-sized bitmap: bands 100 rows high, dark blue and amber in turn, or every pixel different.
    static HBITMAP Field(bool noisy) {
        HBITMAP bitmap = CreateBitmap(kWidth, kHeight, 1, 32, nullptr);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ previous = SelectObject(dc, bitmap);
        auto* object = platform::FindGdi<platform::BitmapObject>(bitmap, platform::GdiObject::Kind::Bitmap);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                object->Row(y)[x] = noisy ? static_cast<std::uint32_t>(y * kWidth + x) : (y / 100 % 2 ? 0x00102040u : 0x00FFCC00u);
        SelectObject(dc, previous);
        DeleteDC(dc);
        return bitmap;
    }
    static const platform::BitmapObject& Object(HBITMAP bitmap) {
        return *platform::FindGdi<platform::BitmapObject>(bitmap, platform::GdiObject::Kind::Bitmap);
    }
};

TEST_F(PackedPixelsTest, AFieldLeftIdlePacksAndComesBackWhole) {
    HBITMAP field = Field(false);
    const std::uint64_t left = Backend().MonotonicMs();
    platform::PackIdleBitmaps(left + platform::kPackAfterIdleMs - 1);
    EXPECT_FALSE(Object(field).packed) << "not idle long enough";
    platform::PackIdleBitmaps(left + platform::kPackAfterIdleMs);
    ASSERT_TRUE(Object(field).packed);
    EXPECT_TRUE(Object(field).pixels.empty());
    EXPECT_LT(Object(field).runs.size(), std::size_t{kHeight * 4});

    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, field);
    EXPECT_FALSE(Object(field).packed);
    for (POINT at : {POINT{0, 0}, POINT{799, 99}, POINT{0, 100}, POINT{400, 350}, POINT{799, 599}})
        EXPECT_EQ(GetPixel(dc, at.x, at.y), at.y / 100 % 2 ? RGB(0x10, 0x20, 0x40) : RGB(0xFF, 0xCC, 0x00))
            << at.x << ", " << at.y;
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(field);
    platform::PackIdleBitmaps(left + 10 * platform::kPackAfterIdleMs);  // a deleted bitmap is let go
}

TEST_F(PackedPixelsTest, PicturesThatPackBadlyOrAreInUseStayAsTheyAre) {
    HBITMAP noisy = Field(true);
    HBITMAP held = Field(false);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, held);
    platform::PackIdleBitmaps(Backend().MonotonicMs() + 10 * platform::kPackAfterIdleMs);
    EXPECT_FALSE(Object(noisy).packed);
    EXPECT_FALSE(Object(held).packed);
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(noisy);
    DeleteObject(held);
}

}  // namespace
