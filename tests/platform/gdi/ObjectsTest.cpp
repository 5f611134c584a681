// Drawing objects: what a new context holds, selection, description and deletion.
#include "GdiTest.h"

namespace {

class ObjectsTest : public GdiTest {};

TEST_F(ObjectsTest, NewMemoryContextHoldsTheDefaultObjects) {
    HDC dc = CreateCompatibleDC(nullptr);
    BITMAP info{};
    ASSERT_EQ(GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, 1);
    EXPECT_EQ(info.bmHeight, 1);
    EXPECT_EQ(info.bmBitsPixel, 1);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
    EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    DeleteDC(dc);
}

TEST_F(ObjectsTest, SelectReturnsThePreviousObjectOfTheSameKind) {
    HDC dc = CreateCompatibleDC(nullptr);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    HBRUSH brush = CreateSolidBrush(RGB(4, 5, 6));
    EXPECT_EQ(SelectObject(dc, pen), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(dc, brush), GetStockObject(WHITE_BRUSH));
    EXPECT_FALSE(DeleteObject(pen)) << "still selected";
    EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_PEN)), pen);
    EXPECT_EQ(SelectObject(dc, GetStockObject(WHITE_BRUSH)), brush);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_TRUE(DeleteObject(brush));
    DeleteDC(dc);
}

TEST_F(ObjectsTest, ABitmapLivesInOneContextAtATimeAndOutlivesIt) {
    HDC first = CreateCompatibleDC(nullptr);
    HDC second = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(first, 3, 2);
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    EXPECT_EQ(info.bmBitsPixel, 1) << "compatible with a context holding the monochrome default";
    DeleteObject(bitmap);
    bitmap = CreateBitmap(3, 2, 1, 32, nullptr);
    GetObjectW(bitmap, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 3);
    EXPECT_EQ(info.bmHeight, 2);
    EXPECT_EQ(info.bmWidthBytes, 12);
    EXPECT_EQ(info.bmBitsPixel, 32);
    ASSERT_TRUE(SelectObject(first, bitmap));
    EXPECT_EQ(SelectObject(second, bitmap), nullptr);
    EXPECT_FALSE(DeleteObject(bitmap));
    SetPixel(first, 2, 1, RGB(9, 8, 7));
    DeleteDC(first);
    ASSERT_TRUE(SelectObject(second, bitmap)) << "free again once its context is gone";
    EXPECT_EQ(GetPixel(second, 2, 1), RGB(9, 8, 7)) << "the pixels went with the bitmap";
    DeleteDC(second);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_FALSE(DeleteObject(bitmap)) << "already gone";
}

TEST_F(ObjectsTest, DescriptionsOfPensBrushesAndStockObjects) {
    HPEN pen = CreatePen(PS_SOLID, 2, RGB(1, 2, 3));
    LOGPEN lp{};
    EXPECT_EQ(GetObjectW(pen, sizeof lp, &lp), static_cast<int>(sizeof lp));
    EXPECT_EQ(lp.lopnWidth.x, 2);
    EXPECT_EQ(lp.lopnColor, RGB(1, 2, 3));
    LOGBRUSH lb{};
    GetObjectW(GetStockObject(NULL_BRUSH), sizeof lb, &lb);
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_NULL));
    EXPECT_EQ(GetObjectW(pen, 0, nullptr), static_cast<int>(sizeof(LOGPEN))) << "the size it needs";
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_BRUSH))) << "stock objects ignore deletion";
    EXPECT_TRUE(GetStockObject(BLACK_BRUSH));
    EXPECT_EQ(GetObjectType(pen), static_cast<DWORD>(OBJ_PEN));
    DeleteObject(pen);
    EXPECT_EQ(GetObjectType(pen), 0u);
}

}  // namespace

// Rows of initial bits: 32-bit pixels in blue, green, red, unused order; one bit a pixel, each
// row padded to 16 bits, 1 for white.
TEST_F(ObjectsTest, CreateBitmapTakesItsFirstPixelsFromTheBitsGiven) {
    const std::uint8_t colour[] = {0x30, 0x20, 0x10, 0xFF, 0x00, 0x00, 0xFF, 0x00,
                                   0xFF, 0xFF, 0xFF, 0x00, 0x01, 0x02, 0x03, 0x00};
    const std::uint8_t mono[] = {0xA0, 0x00, 0x40, 0x00};  // rows 101 and 010
    HBITMAP colourBitmap = CreateBitmap(2, 2, 1, 32, colour);
    HBITMAP monoBitmap = CreateBitmap(3, 2, 1, 1, mono);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, colourBitmap);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(GetPixel(dc, 1, 0), RGB(0xFF, 0, 0));
    EXPECT_EQ(GetPixel(dc, 0, 1), RGB(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(GetPixel(dc, 1, 1), RGB(3, 2, 1));
    SelectObject(dc, monoBitmap);
    const COLORREF w = RGB(255, 255, 255), k = 0;
    const COLORREF expected[2][3] = {{w, k, w}, {k, w, k}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(GetPixel(dc, x, y), expected[y][x]) << x << ", " << y;
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(colourBitmap);
    DeleteObject(monoBitmap);
}

// The system deletes a class's background brush when the class is unregistered; a system
// colour index given in its place is no object and stays harmless.
TEST_F(ObjectsTest, UnregisteringAClassDeletesItsBackgroundBrush) {
    const auto before = platform::CountGdiObjects();
    WNDCLASSW brushed{};
    brushed.lpfnWndProc = DefWindowProcW;
    brushed.lpszClassName = L"Brushed";
    brushed.hbrBackground = CreateSolidBrush(RGB(1, 2, 3));
    ASSERT_TRUE(RegisterClassW(&brushed));
    WNDCLASSW indexed = brushed;
    indexed.lpszClassName = L"Indexed";
    indexed.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    ASSERT_TRUE(RegisterClassW(&indexed));

    HWND window = CreateWindowExW(0, L"Brushed", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_FALSE(UnregisterClassW(L"Brushed", nullptr)) << "refused while a window of the class exists";
    EXPECT_NE(platform::CountGdiObjects(), before) << "and the brush stays";
    DestroyWindow(window);
    EXPECT_TRUE(UnregisterClassW(L"Brushed", nullptr));
    EXPECT_TRUE(UnregisterClassW(L"Indexed", nullptr));
    EXPECT_EQ(platform::CountGdiObjects(), before);
}
