// Opening and closing surfaces: a private memory surface, a window's surface opened for a
// paint cycle, with and without a back buffer, and a context that belongs to someone else.
#include <functional>
#include <memory>

#include "Colours.h"
#include "DrawingTest.h"
#include "toolkit/drawing/Drawing.h"

namespace OrloUtility {
namespace {

constexpr int kClientWidth = 20;
constexpr int kClientHeight = 10;

class DrawingLifecycleTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        wc.lpszClassName = L"Canvas";
        RegisterClassW(&wc);
        window_ = CreateWindowExW(0, L"Canvas", L"", WS_POPUP | WS_VISIBLE, 0, 0, kClientWidth, kClientHeight,
                                  nullptr, nullptr, nullptr, nullptr);
        Backend().PumpUntilIdle();
        opened_ = platform::CountGdiObjects();
    }
    void TearDown() override {
        DestroyWindow(window_);
        DrawingTest::TearDown();
    }

    // Opens `surface` for a paint cycle of the window, as a form does for each frame.
    void BeginPaintOn(Drawing& surface) {
        InvalidateRect(window_, nullptr, FALSE);
        surface.StoreContext(BeginPaint(window_, surface.PaintRecord()));
    }

    HWND window_ = nullptr;
    // What is alive once the window is up.
    platform::GdiCounts opened_;
};

TEST_F(DrawingLifecycleTest, EndDrawingOnAPrivateSurfaceDeletesItsContextAndEndsNoPaint) {
    Drawing scene(nullptr);
    HDC paint = BeginPaint(window_, scene.PaintRecord());
    const platform::GdiCounts painting = platform::CountGdiObjects();
    scene.StorePrivateContext(PrivateContext(Filled(2, 2, kGrey)));
    scene.EndDrawing();
    EXPECT_FALSE(scene.IsOpen());
    EXPECT_FALSE(scene.IsPrivate());
    EXPECT_EQ(platform::CountGdiObjects(), painting) << "the context and the bitmap it held are deleted";
    EXPECT_EQ(WindowFromDC(paint), window_) << "the paint context is still alive";
    EndPaint(window_, scene.PaintRecord());
}

TEST_F(DrawingLifecycleTest, StoringAContextDeletesTheOneBefore) {
    Drawing scene(nullptr);
    scene.StorePrivateContext(PrivateContext(Filled(2, 2, kGrey)));
    const platform::GdiCounts first = platform::CountGdiObjects();
    scene.StorePrivateContext(PrivateContext(Filled(2, 2, kRed)));
    EXPECT_EQ(platform::CountGdiObjects(), first);
    EXPECT_EQ(GetPixel(scene.Context(), 0, 0), kRed);
}

TEST_F(DrawingLifecycleTest, AWindowSurfaceEndsItsPaintCycleWhenEndedOrDestroyed) {
    const struct {
        const char* what;
        std::function<void(std::unique_ptr<Drawing>&)> end;
    } cases[] = {
        {"EndDrawing", [](std::unique_ptr<Drawing>& screen) { screen->EndDrawing(); }},
        {"destruction", [](std::unique_ptr<Drawing>& screen) { screen.reset(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto screen = std::make_unique<Drawing>(nullptr);
        BeginPaintOn(*screen);
        screen->FillBox(1, kRed, 0, 0, kClientWidth, kClientHeight, kRed);
        EXPECT_EQ(Backend().WindowPixel(window_, 5, 5), kRed) << "drawn straight on the window";
        c.end(screen);
        EXPECT_TRUE(!screen || !screen->IsOpen());
        EXPECT_EQ(platform::CountGdiObjects(), opened_) << "the paint context is released";
        RECT update{};
        EXPECT_FALSE(GetUpdateRect(window_, &update, FALSE)) << "the window is left validated";
    }
}

TEST_F(DrawingLifecycleTest, ABackBufferReachesTheWindowWhenDrawingEnds) {
    Drawing screen(nullptr);
    BeginPaintOn(screen);
    ASSERT_TRUE(screen.BeginBackBuffer());
    EXPECT_FALSE(screen.BeginBackBuffer()) << "one back buffer at a time";
    screen.FillBox(1, kRed, 0, 0, kClientWidth, kClientHeight, kRed);
    EXPECT_EQ(Backend().WindowPixel(window_, 5, 5), kWhite) << "the window waits for the copy";
    screen.EndDrawing();
    EXPECT_FALSE(screen.IsOpen());
    EXPECT_FALSE(screen.HasBackBuffer());
    EXPECT_EQ(Backend().WindowPixel(window_, 0, 0), kRed);
    EXPECT_EQ(Backend().WindowPixel(window_, kClientWidth - 1, kClientHeight - 1), kRed);
    EXPECT_EQ(platform::CountGdiObjects(), opened_) << "buffer, its bitmap and the paint context are freed";
}

TEST_F(DrawingLifecycleTest, BackBuffersAreColourAndAsLargeAsTheWindowOrElseThePaintRectangle) {
    Drawing screen(nullptr);
    BeginPaintOn(screen);
    Drawing memory(nullptr);
    memory.StorePrivateContext(PrivateContext(Filled(1, 1, kGrey)));
    *memory.PaintRecord() = PAINTSTRUCT{};
    memory.PaintRecord()->rcPaint = RECT{1, 1, 4, 3};
    const struct {
        const char* what;
        Drawing* surface;
        int width, height;
    } cases[] = {
        {"window surface: its client area", &screen, kClientWidth, kClientHeight},
        {"memory surface: the paint rectangle", &memory, 3, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Drawing buffered(nullptr);
        buffered.StorePrivateContext(c.surface->CreateBackBuffer());
        ASSERT_TRUE(buffered.IsOpen());
        HBITMAP buffer = static_cast<HBITMAP>(GetCurrentObject(buffered.Context(), OBJ_BITMAP));
        BITMAP info{};
        ASSERT_TRUE(GetObjectW(buffer, sizeof info, &info));
        EXPECT_EQ(info.bmWidth, c.width);
        EXPECT_EQ(info.bmHeight, c.height);
        EXPECT_EQ(info.bmBitsPixel, 32);
    }
}

TEST_F(DrawingLifecycleTest, DetachLetsGoOfAContextWithoutDeletingIt) {
    HDC context = GetDC(window_);
    {
        Drawing item(nullptr);
        item.StoreContext(context);
        item.Detach();
        EXPECT_FALSE(item.IsOpen());
    }
    EXPECT_EQ(ReleaseDC(window_, context), 1);
}

}  // namespace
}  // namespace OrloUtility
