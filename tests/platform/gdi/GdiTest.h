// Fixture for drawing tests: memory contexts with tiny bitmaps, and a check that every test
// leaves as many drawing objects alive as it found.
#pragma once

#include "HeadlessTest.h"
#include "core/gdi/GdiObjects.h"

namespace platform {
inline void PrintTo(const GdiCounts& c, std::ostream* out) {
    *out << "{contexts " << c.contexts << ", bitmaps " << c.bitmaps << ", pens " << c.pens << ", brushes " << c.brushes
         << ", fonts " << c.fonts << "}";
}
}  // namespace platform

class GdiTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        before_ = platform::CountGdiObjects();
    }
    void TearDown() override {
        for (auto& [dc, bitmap] : surfaces_) {
            DeleteDC(dc);
            DeleteObject(bitmap);
        }
        ReleaseMore();
        EXPECT_EQ(platform::CountGdiObjects(), before_) << "a drawing object leaked";
        HeadlessTest::TearDown();
    }

    // Runs once the fixture's contexts are gone, before the leak check: for objects a test keeps
    // selected until the end.
    virtual void ReleaseMore() {}

    // A memory context holding a new bitmap of the given size, filled with `fill`.
    HDC Surface(int width, int height, bool monochrome = false, COLORREF fill = 0) {
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateBitmap(width, height, 1, monochrome ? 1 : 32, nullptr);
        SelectObject(dc, bitmap);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) SetPixel(dc, x, y, fill);
        surfaces_.emplace_back(dc, bitmap);
        return dc;
    }

private:
    platform::GdiCounts before_;
    std::vector<std::pair<HDC, HBITMAP>> surfaces_;
};
