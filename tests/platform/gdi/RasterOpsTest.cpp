// Block copies: each raster operation pixel by pixel, colour conversion between monochrome and
// colour, and clipping at every edge.
#include "GdiTest.h"

namespace {

class RasterOpsTest : public GdiTest {};

TEST_F(RasterOpsTest, EachOperationCombinesSourceAndDestinationAsTheTableSays) {
    const COLORREF s = 0x00FF8040, d = 0x000F0F0F;
    struct Case {
        DWORD rop;
        const char* name;
        COLORREF expected;
    };
    const Case cases[] = {
        {SRCCOPY, "SRCCOPY", s},           {SRCAND, "SRCAND", s & d},
        {SRCPAINT, "SRCPAINT", s | d},     {SRCINVERT, "SRCINVERT", s ^ d},
        {NOTSRCCOPY, "NOTSRCCOPY", ~s & 0xFFFFFF}, {BLACKNESS, "BLACKNESS", 0},
        {WHITENESS, "WHITENESS", 0xFFFFFF}, {DSTINVERT, "DSTINVERT", ~d & 0xFFFFFF},
    };
    HDC src = Surface(2, 2, false, s);
    for (const Case& c : cases) {
        HDC dst = Surface(2, 2, false, d);
        ASSERT_TRUE(BitBlt(dst, 0, 0, 2, 2, src, 0, 0, c.rop)) << c.name;
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 2; ++x)
                EXPECT_EQ(GetPixel(dst, x, y), c.expected) << c.name << " at " << x << "," << y;
    }
}

TEST_F(RasterOpsTest, ColourToMonochromeMakesOnlyTheSourceBackgroundColourWhite) {
    HDC src = Surface(3, 1);
    SetPixel(src, 0, 0, RGB(10, 20, 30));
    SetPixel(src, 1, 0, RGB(10, 20, 31));  // one step off the background
    SetPixel(src, 2, 0, RGB(255, 255, 255));
    SetBkColor(src, RGB(10, 20, 30));
    HDC mask = Surface(3, 1, true);
    BitBlt(mask, 0, 0, 3, 1, src, 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(mask, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(mask, 1, 0), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(mask, 2, 0), RGB(0, 0, 0));
}

TEST_F(RasterOpsTest, MonochromeToColourTakesTheDestinationsBackgroundForOneAndTextColourForZero) {
    HDC mono = Surface(2, 1, true);
    SetPixel(mono, 0, 0, RGB(255, 255, 255));
    SetPixel(mono, 1, 0, RGB(0, 0, 0));
    HDC dst = Surface(2, 1, false, RGB(1, 2, 3));
    SetBkColor(dst, RGB(200, 100, 50));
    SetTextColor(dst, RGB(5, 6, 7));
    BitBlt(dst, 0, 0, 2, 1, mono, 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(dst, 0, 0), RGB(200, 100, 50));
    EXPECT_EQ(GetPixel(dst, 1, 0), RGB(5, 6, 7));
    // The masked-copy idiom: AND with a mask converted to white/black keeps or clears.
    HDC field = Surface(2, 1, false, RGB(90, 90, 90));
    SetBkColor(field, RGB(255, 255, 255));
    SetTextColor(field, RGB(0, 0, 0));
    BitBlt(field, 0, 0, 2, 1, mono, 0, 0, SRCAND);
    EXPECT_EQ(GetPixel(field, 0, 0), RGB(90, 90, 90));
    EXPECT_EQ(GetPixel(field, 1, 0), RGB(0, 0, 0));
}

TEST_F(RasterOpsTest, BlocksAreClippedToDestinationAndSourceLeavingTheRestUntouched) {
    struct Case {
        const char* name;
        int x, y, cx, cy, sx, sy;
        std::vector<std::string> expected;  // 4x4 destination after the copy: '#' copied, '.' untouched
    };
    const Case cases[] = {
        {"inside", 1, 1, 2, 2, 0, 0, {"....", ".##.", ".##.", "...."}},
        {"negative destination", -1, -1, 3, 3, 0, 0, {"##..", "##..", "....", "...."}},
        {"past the destination", 3, 2, 5, 5, 0, 0, {"....", "....", "...#", "...#"}},
        {"negative source", 0, 0, 3, 3, -2, -1, {"....", "..#.", "..#.", "...."}},
        {"source runs out", 0, 0, 4, 4, 1, 1, {"##..", "##..", "....", "...."}},
        {"nothing left", 0, 0, 2, 2, 5, 5, {"....", "....", "....", "...."}},
    };
    HDC src = Surface(3, 3, false, RGB(255, 0, 0));
    for (const Case& c : cases) {
        HDC dst = Surface(4, 4, false, RGB(0, 0, 255));
        EXPECT_TRUE(BitBlt(dst, c.x, c.y, c.cx, c.cy, src, c.sx, c.sy, SRCCOPY)) << c.name;
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) {
                COLORREF expected = c.expected[y][x] == '#' ? RGB(255, 0, 0) : RGB(0, 0, 255);
                EXPECT_EQ(GetPixel(dst, x, y), expected) << c.name << " at " << x << "," << y;
            }
    }
}

TEST_F(RasterOpsTest, PixelsOutsideTheBitmapAreInvalid) {
    HDC dc = Surface(2, 2);
    EXPECT_EQ(SetPixel(dc, 1, 1, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(GetPixel(dc, 1, 1), RGB(1, 2, 3));
    for (POINT p : {POINT{-1, 0}, POINT{0, -1}, POINT{2, 0}, POINT{0, 2}}) {
        EXPECT_EQ(GetPixel(dc, p.x, p.y), CLR_INVALID);
        EXPECT_EQ(SetPixel(dc, p.x, p.y, 0), CLR_INVALID);
    }
}

TEST_F(RasterOpsTest, BadContextsFailCleanly) {
    HDC dc = Surface(1, 1);
    HDC gone = CreateCompatibleDC(nullptr);
    DeleteDC(gone);
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(BitBlt(dc, 0, 0, 1, 1, gone, 0, 0, SRCCOPY));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_FALSE(BitBlt(gone, 0, 0, 1, 1, dc, 0, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(dc, 0, 0, 1, 1, nullptr, 0, 0, WHITENESS)) << "no source needed";
    EXPECT_EQ(GetPixel(gone, 0, 0), CLR_INVALID);
    EXPECT_EQ(SelectObject(gone, GetStockObject(BLACK_PEN)), nullptr);
    EXPECT_FALSE(DeleteDC(gone));
}

}  // namespace

namespace {

class OverlapTest : public GdiTest {};

// A block moved within one bitmap lands as if copied through a buffer, whichever way it moves.
TEST_F(OverlapTest, MovingABlockWithinOneBitmapKeepsItWhole) {
    struct Case {
        const char* name;
        int dx, dy;
    };
    for (Case c : {Case{"right", 1, 0}, Case{"left", -1, 0}, Case{"down", 0, 1}, Case{"up", 0, -1}}) {
        HDC dc = Surface(6, 6);
        for (int y = 1; y < 5; ++y)
            for (int x = 1; x < 5; ++x) SetPixel(dc, x, y, RGB(x * 10, y * 10, 0));
        ASSERT_TRUE(BitBlt(dc, 1 + c.dx, 1 + c.dy, 4, 4, dc, 1, 1, SRCCOPY));
        for (int y = 1; y < 5; ++y)
            for (int x = 1; x < 5; ++x)
                EXPECT_EQ(GetPixel(dc, x + c.dx, y + c.dy), RGB(x * 10, y * 10, 0)) << c.name << " " << x << "," << y;
    }
}

}  // namespace
