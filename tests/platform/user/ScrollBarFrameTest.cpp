// A window's scroll bars in its frame: where a point on them lands, and how they are drawn (the
// thumb sized by the page and placed by the position exactly where the reference platform puts
// it, disabled arrows grey, a bar drawn again after whatever painted over it).
#include <optional>

#include "HeadlessTest.h"
#include "Screenshot.h"

namespace {

constexpr std::uint32_t kTrough = 0xF0F0F0;
constexpr std::uint32_t kThumb = 0xCDCDCD;
constexpr std::uint32_t kGlyph = 0x606060;
constexpr std::uint32_t kGlyphDisabled = 0xBFBFBF;

class ScrollBarFrameTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
        wc.lpszClassName = L"ScrollBarFrameTest";
        RegisterClassW(&wc);
        parent_ = CreateWindowExW(0, L"ScrollBarFrameTest", L"", WS_POPUP | WS_VISIBLE, 50, 50, 400, 300, nullptr,
                                  nullptr, nullptr, nullptr);
        screenshot_.emplace(parent_);
    }
    void TearDown() override {
        screenshot_.reset();
        HeadlessTest::TearDown();
    }

    HWND Child(DWORD style, int width, int height) {
        return CreateWindowExW(0, L"ScrollBarFrameTest", L"", WS_CHILD | WS_VISIBLE | style, 10, 10, width, height,
                               parent_, nullptr, nullptr, nullptr);
    }

    // The pixels of the column `x` of the window, from its outer top-left corner, as the screen
    // shows them.
    std::vector<std::uint32_t> Column(HWND window, int x) {
        int width = 0, height = 0;
        std::vector<std::uint32_t> pixels;
        RECT outer{}, top{};
        GetWindowRect(window, &outer);
        GetWindowRect(parent_, &top);
        std::vector<std::uint32_t> column;
        if (!Backend().WindowImage(parent_, width, height, pixels)) return column;
        const int ix = outer.left - top.left + x;
        for (int y = outer.top - top.top; y < outer.bottom - top.top; ++y)
            column.push_back(pixels[static_cast<std::size_t>(y) * width + ix]);
        return column;
    }
    std::uint32_t Pixel(HWND window, int x, int y) { return Column(window, x).at(static_cast<std::size_t>(y)); }

    // The rows of the column `x` the thumb covers: [first, last + 1); nothing without a thumb.
    std::optional<std::pair<int, int>> ThumbRows(HWND window, int x) {
        std::optional<std::pair<int, int>> rows;
        const std::vector<std::uint32_t> column = Column(window, x);
        for (int y = 0; y < static_cast<int>(column.size()); ++y) {
            if (column[static_cast<std::size_t>(y)] != kThumb) continue;
            if (!rows) rows = {y, y + 1};
            else rows->second = y + 1;
        }
        return rows;
    }

    HWND parent_ = nullptr;
    std::optional<ScreenshotOnFailure> screenshot_;
};

TEST_F(ScrollBarFrameTest, APointOnABarOrTheBoxBetweenThemSaysWhichPartOfTheFrameItIs) {
    struct Style {
        const char* name;
        DWORD style;
    };
    struct Point {
        const char* name;
        int dx, dy;  // from the client area's right or bottom edge when the sign says so
        bool fromRight, fromBottom;
        LRESULT hit;
    };
    const Point points[] = {
        {"top arrow", 5, 5, true, false, HTVSCROLL},        {"vertical trough", 5, 80, true, false, HTVSCROLL},
        {"bottom arrow", 5, -3, true, true, HTVSCROLL},     {"the bar's first column", 0, 5, true, false, HTVSCROLL},
        {"the bar's last column", 16, 5, true, false, HTVSCROLL}, {"left arrow", 5, 5, false, true, HTHSCROLL},
        {"horizontal trough", 120, 5, false, true, HTHSCROLL}, {"the box between", 5, 5, true, true, HTSIZE},
        {"the box's far corner", 16, 16, true, true, HTSIZE},  {"inside the client area", -5, -5, true, true, HTCLIENT},
    };
    const Style styles[] = {
        {"overlapped", WS_OVERLAPPEDWINDOW}, {"pop-up with a border", WS_POPUP | WS_BORDER}, {"child", WS_CHILD}};
    for (const Style& s : styles) {
        SCOPED_TRACE(s.name);
        HWND hwnd = CreateWindowExW(0, L"ScrollBarFrameTest", L"", s.style | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL,
                                    20, 20, 300, 200, (s.style & WS_CHILD) ? parent_ : nullptr, nullptr, nullptr,
                                    nullptr);
        RECT client{};
        GetClientRect(hwnd, &client);
        for (const Point& p : points) {
            POINT at{(p.fromRight ? client.right : 0) + p.dx, (p.fromBottom ? client.bottom : 0) + p.dy};
            ClientToScreen(hwnd, &at);
            EXPECT_EQ(SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)), p.hit) << p.name;
        }
        DestroyWindow(hwnd);
    }
}

TEST_F(ScrollBarFrameTest, TheThumbIsSizedByThePageAndPlacedByThePositionAsTheReferencePlatformPlacesIt) {
    struct Case {
        int height;  // of a 40-pixel-wide child: its vertical bar is as long
        int min, max;
        UINT page;
        int pos;
        std::optional<std::pair<int, int>> thumb;  // rows from the bar's top; none: no thumb
    };
    using Rows = std::pair<int, int>;
    const Case cases[] = {
        {200, 0, 100, 0, 0, Rows{17, 34}},    {200, 0, 100, 0, 50, Rows{92, 109}},
        {200, 0, 100, 0, 100, Rows{166, 183}}, {200, 0, 100, 10, 45, Rows{91, 107}},
        {200, 0, 100, 10, 91, Rows{167, 183}}, {200, 0, 9, 5, 5, Rows{100, 183}},
        {200, 0, 1000, 1, 500, Rows{96, 104}}, {200, -50, 50, 20, 0, Rows{99, 132}},
        {200, 0, 100, 101, 0, std::nullopt},  // nothing to scroll, kept disabled: no thumb
        {100, 0, 100, 10, 0, Rows{17, 25}},    {100, 0, 9, 5, 0, Rows{17, 50}},
        {60, 0, 100, 0, 50, Rows{22, 39}},     {60, -50, 50, 20, 0, Rows{28, 36}},
        {51, 0, 100, 0, 100, Rows{17, 34}},    {51, 0, 9, 5, 5, Rows{25, 34}},
        {50, 0, 100, 0, 0, std::nullopt},      {50, 0, 100, 10, 91, Rows{25, 33}},
        {42, 0, 100, 10, 45, Rows{17, 25}},    {40, 0, 100, 10, 45, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "height " << c.height << ", " << c.min << ".." << c.max << " page "
                                          << c.page << " pos " << c.pos);
        HWND child = Child(WS_VSCROLL, 40, c.height);
        SCROLLINFO info{sizeof(info), SIF_ALL | SIF_DISABLENOSCROLL, c.min, c.max, c.page, c.pos, 0};
        SetScrollInfo(child, SB_VERT, &info, TRUE);
        EXPECT_EQ(ThumbRows(child, 23 + 8), c.thumb);
        DestroyWindow(child);
    }
}

TEST_F(ScrollBarFrameTest, DisabledArrowsAreGreyAndABarWithBothDisabledHasNoThumb) {
    HWND child = Child(WS_VSCROLL, 40, 200);
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 100, 10, 0, 0};
    SetScrollInfo(child, SB_VERT, &info, TRUE);
    const int x = 23 + 8, upGlyph = 8, downGlyph = 200 - 17 + 8;
    struct Case {
        UINT disabled;
        std::uint32_t up, down;
        bool thumb;
    };
    const Case cases[] = {
        {ESB_ENABLE_BOTH, kGlyph, kGlyph, true},
        {ESB_DISABLE_UP, kGlyphDisabled, kGlyph, true},
        {ESB_DISABLE_DOWN, kGlyph, kGlyphDisabled, true},
        {ESB_DISABLE_BOTH, kGlyphDisabled, kGlyphDisabled, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.disabled);
        EnableScrollBar(child, SB_VERT, c.disabled);
        EXPECT_EQ(Pixel(child, x, upGlyph), c.up);
        EXPECT_EQ(Pixel(child, x, downGlyph), c.down);
        EXPECT_EQ(ThumbRows(child, x).has_value(), c.thumb);
    }
}

TEST_F(ScrollBarFrameTest, TheThumbMovesOnTheScreenWhenTheCallAsksToRedrawAndAtTheNextPaintOtherwise) {
    HWND child = Child(WS_VSCROLL, 40, 200);
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 100, 10, 0, 0};
    SetScrollInfo(child, SB_VERT, &info, TRUE);
    const int x = 23 + 8;
    EXPECT_EQ(ThumbRows(child, x), std::make_pair(17, 33));
    SetScrollPos(child, SB_VERT, 45, FALSE);
    EXPECT_EQ(ThumbRows(child, x), std::make_pair(17, 33)) << "not redrawn yet";
    InvalidateRect(child, nullptr, TRUE);
    Backend().PumpUntilIdle();
    EXPECT_EQ(ThumbRows(child, x), std::make_pair(91, 107));
    SetScrollPos(child, SB_VERT, 91, TRUE);
    EXPECT_EQ(ThumbRows(child, x), std::make_pair(167, 183));
}

TEST_F(ScrollBarFrameTest, ABarIsDrawnWhenShownAndAgainAfterItsParentPaintsOverIt) {
    HWND child = Child(0, 100, 120);
    Backend().PumpUntilIdle();
    EXPECT_NE(Pixel(child, 99, 60), kTrough);
    ShowScrollBar(child, SB_VERT, TRUE);
    EXPECT_EQ(Pixel(child, 99, 60), kTrough);
    EXPECT_EQ(Pixel(child, 91, 8), kGlyph);

    // The parent repaints only the strip where the bar is, erasing it with its background.
    RECT strip{10 + 83, 10, 10 + 100, 10 + 120};
    InvalidateRect(parent_, &strip, TRUE);
    Backend().PumpUntilIdle();
    EXPECT_EQ(Pixel(child, 99, 60), kTrough);
    EXPECT_EQ(Pixel(child, 91, 8), kGlyph);

    ShowScrollBar(child, SB_VERT, FALSE);
    Backend().PumpUntilIdle();
    EXPECT_NE(Pixel(child, 99, 60), kTrough) << "the client area took the bar's place and painted it";
}

}  // namespace
