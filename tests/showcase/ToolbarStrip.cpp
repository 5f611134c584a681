#include "tests/showcase/ToolbarStrip.h"

#include "toolkit/drawing/GdiHandles.h"

namespace showcase {

namespace {

using OrloUtility::OwnedBrush;
using OrloUtility::OwnedContext;

void Fill(HDC context, int left, int top, int right, int bottom, COLORREF colour) {
    const RECT area{left, top, right, bottom};
    OwnedBrush brush(CreateSolidBrush(colour));
    FillRect(context, &area, brush.get());
}

// Each picture is drawn from rectangles alone, so that it comes out the same pixel for pixel
// on any platform.
void DrawPadlock(HDC c, int x) {
    Fill(c, x + 5, 2, x + 11, 4, RGB(96, 96, 96));
    Fill(c, x + 4, 3, x + 6, 8, RGB(96, 96, 96));
    Fill(c, x + 10, 3, x + 12, 8, RGB(96, 96, 96));
    Fill(c, x + 3, 8, x + 13, 15, RGB(200, 160, 0));
    Fill(c, x + 7, 10, x + 9, 13, RGB(64, 48, 0));
}

void DrawFeather(HDC c, int x) {
    for (int i = 0; i < 12; ++i) Fill(c, x + 2 + i, 13 - i, x + 4 + i, 15 - i, RGB(0, 128, 192));
}

void DrawWeight(HDC c, int x) {
    Fill(c, x + 6, 3, x + 10, 6, RGB(64, 64, 64));
    Fill(c, x + 3, 6, x + 13, 14, RGB(32, 32, 32));
}

void DrawCalendarPage(HDC c, int x) {
    Fill(c, x + 2, 2, x + 14, 14, RGB(255, 255, 255));
    Fill(c, x + 2, 2, x + 14, 5, RGB(192, 0, 0));
    Fill(c, x + 6, 7, x + 10, 12, RGB(0, 0, 0));
}

void DrawArrow(HDC c, int x) {
    Fill(c, x + 2, 7, x + 10, 9, RGB(0, 128, 0));
    for (int i = 0; i < 5; ++i) Fill(c, x + 9 + i, 3 + i, x + 10 + i, 13 - i, RGB(0, 128, 0));
}

}  // namespace

HBITMAP DrawToolbarStrip() {
    const int width = kToolbarImageSize * kToolbarImageCount;
    HDC screen = GetDC(nullptr);
    HBITMAP strip = CreateCompatibleBitmap(screen, width, kToolbarImageSize);
    OwnedContext context(CreateCompatibleDC(screen));
    ReleaseDC(nullptr, screen);
    if (!strip || !context) return strip;
    HGDIOBJ before = SelectObject(context.get(), strip);
    Fill(context.get(), 0, 0, width, kToolbarImageSize, GetSysColor(COLOR_BTNFACE));
    void (*const pictures[kToolbarImageCount])(HDC, int) = {DrawPadlock, DrawFeather, DrawWeight, DrawCalendarPage,
                                                             DrawArrow};
    for (int i = 0; i < kToolbarImageCount; ++i) pictures[i](context.get(), i * kToolbarImageSize);
    SelectObject(context.get(), before);
    return strip;
}

}  // namespace showcase
