// Fixture for tests that draw through the toolkit: a fresh platform, tiny bitmaps given pixel
// by pixel, surfaces over memory contexts, and a check that every test leaves as many drawing
// objects alive as it found, so an operation that leaks a context, bitmap, pen, brush or font
// fails the test that used it.
#pragma once

#include <vector>

#include "HeadlessTest.h"
#include "core/gdi/GdiObjects.h"
#include "toolkit/drawing/GdiHandles.h"

// Rows of pixels, top row first.
using Pixels = std::vector<std::vector<COLORREF>>;

class DrawingTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        before_ = platform::CountGdiObjects();
    }
    void TearDown() override {
        bitmaps_.clear();
        EXPECT_EQ(platform::CountGdiObjects(), before_) << "a drawing object leaked";
        HeadlessTest::TearDown();
    }

    // A colour bitmap holding `pixels`, deleted by the fixture after the test.
    HBITMAP Bitmap(const Pixels& pixels) {
        HBITMAP bitmap = NewBitmap(pixels);
        bitmaps_.emplace_back(bitmap);
        return bitmap;
    }
    // A memory context holding a new colour bitmap with `pixels`, for a private surface that
    // takes both over.
    static HDC PrivateContext(const Pixels& pixels) {
        HDC context = CreateCompatibleDC(nullptr);
        SelectObject(context, NewBitmap(pixels));
        return context;
    }
    static Pixels Filled(int width, int height, COLORREF colour) {
        return Pixels(static_cast<std::size_t>(height), std::vector<COLORREF>(static_cast<std::size_t>(width), colour));
    }
    // Every pixel different, so a pixel moved or copied to the wrong place shows.
    static Pixels Pattern(int width, int height) {
        Pixels pixels = Filled(width, height, 0);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) pixels[y][x] = RGB(40 + 20 * x, 40 + 20 * y, 200);
        return pixels;
    }
    // What a context shows in its top-left width-by-height block.
    static Pixels Read(HDC context, int width, int height) {
        Pixels pixels = Filled(width, height, 0);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) pixels[y][x] = GetPixel(context, x, y);
        return pixels;
    }
    static Pixels Read(HBITMAP bitmap, int width, int height) {
        OrloUtility::OwnedContext context(CreateCompatibleDC(nullptr));
        HGDIOBJ previous = SelectObject(context.get(), bitmap);
        Pixels pixels = Read(context.get(), width, height);
        SelectObject(context.get(), previous);
        return pixels;
    }
    static SIZE SizeOf(HBITMAP bitmap) {
        BITMAP info{};
        GetObjectW(bitmap, sizeof info, &info);
        return SIZE{info.bmWidth, info.bmHeight};
    }

private:
    static HBITMAP NewBitmap(const Pixels& pixels) {
        const int height = static_cast<int>(pixels.size());
        const int width = height ? static_cast<int>(pixels[0].size()) : 0;
        HBITMAP bitmap = CreateBitmap(width, height, 1, 32, nullptr);
        OrloUtility::OwnedContext context(CreateCompatibleDC(nullptr));
        HGDIOBJ previous = SelectObject(context.get(), bitmap);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) SetPixel(context.get(), x, y, pixels[y][x]);
        SelectObject(context.get(), previous);
        return bitmap;
    }

    platform::GdiCounts before_;
    std::vector<OrloUtility::OwnedBitmap> bitmaps_;
};
