// Frames: the caption, borders and menu bar a top-level window has by its styles, measured as the
// reference platform measures them (values read from it with a probe), the system metrics they
// come from, and where a click on each part lands.
#include "HeadlessTest.h"

namespace {

class NonClientTest : public HeadlessTest {
protected:
    HWND Make(DWORD style, DWORD exStyle, bool withMenu, int width = 300, int height = 200) {
        HMENU menu = nullptr;
        if (withMenu) {
            menu = CreateMenu();
            AppendMenuW(menu, MF_STRING, 1, L"&File");
        }
        return CreateWindowExW(exStyle, RegisterLoggingClass(), L"t", style, 100, 100, width, height, nullptr, menu,
                               nullptr, nullptr);
    }
};

TEST_F(NonClientTest, TheClientAreaOfEachKindOfFrameIsWhereTheReferencePlatformPutsIt) {
    struct Case {
        const char* name;
        DWORD style;
        DWORD exStyle;
        bool menu;
        SIZE client;   // of a 300 by 200 window
        POINT origin;  // of the client area, from the window's top-left corner
    };
    const Case cases[] = {
        {"overlapped window", WS_OVERLAPPEDWINDOW, 0, false, {292, 173}, {4, 23}},
        {"overlapped window, menu", WS_OVERLAPPEDWINDOW, 0, true, {292, 154}, {4, 42}},
        {"fixed caption", WS_CAPTION | WS_SYSMENU, 0, false, {294, 175}, {3, 22}},
        {"the game's window, menu", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, true, {294, 156}, {3, 41}},
        {"plain pop-up", WS_POPUP, 0, false, {300, 200}, {0, 0}},
        {"pop-up, menu", WS_POPUP, 0, true, {300, 181}, {0, 19}},
        {"pop-up, thin border", WS_POPUP | WS_BORDER, 0, false, {298, 198}, {1, 1}},
        {"pop-up, dialog frame", WS_POPUP | WS_DLGFRAME, 0, false, {294, 194}, {3, 3}},
        {"pop-up, sizing frame", WS_POPUP | WS_THICKFRAME, 0, false, {294, 194}, {3, 3}},
        {"pop-up, static edge", WS_POPUP, WS_EX_STATICEDGE, false, {298, 198}, {1, 1}},
        {"pop-up, border, modal frame", WS_POPUP | WS_BORDER, WS_EX_DLGMODALFRAME, false, {294, 194}, {3, 3}},
        {"message box", WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, false, {294, 175}, {3, 22}},
        {"name form (tool window)", WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX, WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME,
         false, {294, 178}, {3, 19}},
        {"tool window, menu", WS_CAPTION, WS_EX_TOOLWINDOW, true, {294, 159}, {3, 38}},
        {"sizable tool window", WS_CAPTION | WS_THICKFRAME, WS_EX_TOOLWINDOW, false, {292, 176}, {4, 20}},
        {"client edge", WS_OVERLAPPEDWINDOW, WS_EX_CLIENTEDGE, false, {288, 169}, {6, 25}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND hwnd = Make(c.style, c.exStyle, c.menu);
        ASSERT_TRUE(hwnd);
        RECT outer{}, client{};
        GetWindowRect(hwnd, &outer);
        GetClientRect(hwnd, &client);
        POINT origin{0, 0};
        ClientToScreen(hwnd, &origin);
        EXPECT_EQ(outer.right - outer.left, 300);
        EXPECT_EQ(client.right, c.client.cx);
        EXPECT_EQ(client.bottom, c.client.cy);
        EXPECT_EQ(origin.x - outer.left, c.origin.x);
        EXPECT_EQ(origin.y - outer.top, c.origin.y);
        // AdjustWindowRectEx is the same measure taken the other way round.
        RECT adjusted = client;
        EXPECT_TRUE(AdjustWindowRectEx(&adjusted, static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)), c.menu,
                                       static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE))));
        EXPECT_EQ(adjusted.right - adjusted.left, 300);
        EXPECT_EQ(adjusted.bottom - adjusted.top, 200);
        EXPECT_EQ(-adjusted.left, c.origin.x);
        EXPECT_EQ(-adjusted.top, c.origin.y);
        DestroyWindow(hwnd);
    }
    EXPECT_FALSE(AdjustWindowRectEx(nullptr, WS_OVERLAPPEDWINDOW, FALSE, 0));
}

TEST_F(NonClientTest, SystemMetricsAreTheDefaultThemesAtNinetySixDotsPerInch) {
    struct Case {
        int index;
        int value;
    };
    const Case cases[] = {
        {SM_CYCAPTION, 19},  {SM_CXBORDER, 1},    {SM_CYBORDER, 1},      {SM_CXDLGFRAME, 3},   {SM_CYDLGFRAME, 3},
        {SM_CXFRAME, 4},     {SM_CYFRAME, 4},     {SM_CYMENU, 19},       {SM_CYSMCAPTION, 16}, {SM_CXSIZE, 18},
        {SM_CYSIZE, 18},     {SM_CXSMSIZE, 15},   {SM_CXEDGE, 2},        {SM_CXICON, 32},      {SM_CXSMICON, 16},
        {SM_CXMINTRACK, 112}, {SM_CYMINTRACK, 27}, {SM_CXPADDEDBORDER, 0}, {SM_CXVSCROLL, 17},  {SM_CXMAXTRACK, 1292},
        {SM_CXFIXEDFRAME, 3}, {SM_CXSIZEFRAME, 4}, {SM_CXSCREEN, 1280},  {SM_CYSCREEN, 1024},  {9999, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(GetSystemMetrics(c.index), c.value) << "metric " << c.index;
}

TEST_F(NonClientTest, TheMenuBarFillsTheRowsSmCyMenuSaysAndClicksFindEachPart) {
    HWND hwnd = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, true);
    Backend().PumpUntilIdle();
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
    ASSERT_TRUE(Backend().WindowImage(hwnd, width, height, pixels));
    POINT client{0, 0};
    ClientToScreen(hwnd, &client);
    RECT outer{};
    GetWindowRect(hwnd, &outer);
    const int barBottom = client.y - outer.top;  // the bar ends where the client area starts
    const int barTop = barBottom - GetSystemMetrics(SM_CYMENU);
    const int x = width - 10;  // right of the titles: the bar's own face
    auto at = [&](int y) { return pixels[static_cast<std::size_t>(y) * width + x]; };
    const std::uint32_t face = at(barTop);
    EXPECT_EQ(at(barBottom - 1), face) << "one colour from the bar's first row to its last";
    EXPECT_NE(at(barTop - 1), face) << "the caption is above the bar";

    struct Case {
        POINT at;
        LRESULT hit;
    };
    const Case hits[] = {
        {{outer.left + 50, outer.top + 10}, HTCAPTION},  {{outer.left + 20, outer.top + barTop + 5}, HTMENU},
        {{client.x + 5, client.y + 5}, HTCLIENT},         {{outer.left + 1, outer.top + 100}, HTBORDER},
        {{outer.left - 5, outer.top + 100}, HTNOWHERE},
    };
    for (const Case& c : hits)
        EXPECT_EQ(SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(c.at.x, c.at.y)), c.hit) << c.at.x << "," << c.at.y;
}

}  // namespace
