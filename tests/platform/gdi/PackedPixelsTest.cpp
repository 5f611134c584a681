// Large bitmaps left out of every context for a while keep their pixels as runs when they pack
// well, else deflated when that pays, and a context that takes one back finds every pixel as it
// was.
#include "GdiTest.h"
#include "core/gdi/PackedPixels.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;

class PackedPixelsTest : public GdiTest {
protected:
    enum class Look { Bands, Starfield, Noise };
    // A field-sized bitmap: bands 100 rows high, dark blue and amber in turn; a dark field with
    // faint noise and a few stars (no runs, but it deflates well); or every pixel random.
    static std::uint32_t PixelOf(Look look, int x, int y) {
        std::uint32_t h = static_cast<std::uint32_t>(y * kWidth + x) * 2654435761u;
        h ^= h >> 15;
        h *= 2246822519u;
        h ^= h >> 13;
        switch (look) {
        case Look::Bands: return y / 100 % 2 ? 0x00102040u : 0x00FFCC00u;
        case Look::Starfield: return h % 97 == 0 ? 0x00FFFFFFu : 0x00000008u + (h & 3);
        case Look::Noise: return h & 0x00FFFFFFu;
        }
        return 0;
    }
    static HBITMAP Field(Look look) {
        HBITMAP bitmap = CreateBitmap(kWidth, kHeight, 1, 32, nullptr);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ previous = SelectObject(dc, bitmap);
        auto* object = platform::FindGdi<platform::BitmapObject>(bitmap, platform::GdiObject::Kind::Bitmap);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) object->Row(y)[x] = PixelOf(look, x, y);
        SelectObject(dc, previous);
        DeleteDC(dc);
        return bitmap;
    }
    static HBITMAP Field(bool noisy) { return Field(noisy ? Look::Noise : Look::Bands); }
    // The waits of about a second of play, after the bitmaps have sat idle long enough.
    static void WaitsAfterIdle(std::uint64_t from, int waits = 50) {
        for (int i = 0; i < waits; ++i) platform::PackIdleBitmaps(from + platform::kPackAfterIdleMs + i);
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
    WaitsAfterIdle(Backend().MonotonicMs());
    EXPECT_FALSE(Object(noisy).packed);
    EXPECT_FALSE(Object(held).packed);
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(noisy);
    DeleteObject(held);
}

TEST_F(PackedPixelsTest, APictureWithoutRunsIsDeflatedOverSeveralWaitsAndComesBackWhole) {
    HBITMAP stars = Field(Look::Starfield);
    const std::uint64_t left = Backend().MonotonicMs();
    WaitsAfterIdle(left, 3);
    EXPECT_FALSE(Object(stars).packed) << "deflated in one wait: that wait would be long";
    WaitsAfterIdle(left + 3);
    ASSERT_TRUE(Object(stars).packed);
    EXPECT_TRUE(Object(stars).pixels.empty());
    EXPECT_LT(Object(stars).deflated.size(), std::size_t{kWidth * kHeight});  // under a quarter
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, stars);
    EXPECT_FALSE(Object(stars).packed);
    for (POINT at : {POINT{0, 0}, POINT{799, 0}, POINT{123, 456}, POINT{799, 599}}) {
        const std::uint32_t expected = PixelOf(Look::Starfield, at.x, at.y);
        EXPECT_EQ(GetPixel(dc, at.x, at.y), RGB(expected >> 16, (expected >> 8) & 0xFF, expected & 0xFF)) << at.x;
    }
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(stars);
}

// A context that takes the picture while it is being deflated ends the deflating: what is drawn
// meanwhile is kept, and the picture is deflated afresh once it is idle again.
TEST_F(PackedPixelsTest, ABitmapTakenWhileBeingDeflatedKeepsWhatWasDrawnOnIt) {
    HBITMAP stars = Field(Look::Starfield);
    const std::uint64_t left = Backend().MonotonicMs();
    WaitsAfterIdle(left, 3);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, stars);
    const RECT box{0, 0, 800, 10};  // in the part already deflated
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &box, red);
    DeleteObject(red);
    SelectObject(dc, previous);
    // Left again within the same millisecond: only the taking tells the spells apart.
    WaitsAfterIdle(left + 3);
    ASSERT_TRUE(Object(stars).packed);
    SelectObject(dc, stars);
    EXPECT_EQ(GetPixel(dc, 400, 5), RGB(255, 0, 0));
    const std::uint32_t untouched = PixelOf(Look::Starfield, 3, 20);
    EXPECT_EQ(GetPixel(dc, 3, 20), RGB(untouched >> 16, (untouched >> 8) & 0xFF, untouched & 0xFF));
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(stars);
}

}  // namespace
