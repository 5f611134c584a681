// Menus: the item model and its states, the bar taking room from the client area, and a person
// using it with the mouse and the keyboard while the program's timers keep running.
#include "HeadlessTest.h"

#include "core/gdi/GdiObjects.h"

namespace {

enum : UINT { kExit = 101, kJoystick = 102, kHome = 103, kGreyed = 104 };

class MenuTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        window_ = CreateWindowExW(0, RegisterLoggingClass(), L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300,
                                  nullptr, nullptr, nullptr, nullptr);
        HMENU bar = CreateMenu();
        file_ = CreatePopupMenu();
        AppendMenuW(file_, MF_STRING, kExit, L"&Esci");
        options_ = CreatePopupMenu();
        AppendMenuW(options_, MF_STRING, kJoystick, L"&Abilita Joystick");
        AppendMenuW(options_, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(options_, MF_STRING | MF_GRAYED, kGreyed, L"&Grigio");
        HMENU help = CreatePopupMenu();
        AppendMenuW(help, MF_STRING, kHome, L"&Home");
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file_), L"&File");
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(options_), L"&Opzioni");
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"&?");
        SetMenu(window_, bar);
        Backend().PumpUntilIdle();
        Log().Clear();
    }

    // Client coordinates of the middle of a bar title (the bar lies above the client area).
    POINT Title(int index) {
        int x = 0;
        HDC dc = GetDC(window_);
        for (const wchar_t* title : {L"File", L"Opzioni", L"?"}) {
            SIZE size{};
            GetTextExtentPoint32W(dc, title, static_cast<int>(wcslen(title)), &size);
            if (index-- == 0) break;
            x += size.cx + 16;
        }
        ReleaseDC(window_, dc);
        return {x + 10, -10};
    }
    // Client coordinates of item `index` of an open drop-down under title `title`.
    POINT Item(int title, int index, int separatorsBefore = 0) {
        POINT t = Title(title);
        return {t.x + 30, 3 + 22 * (index - separatorsBefore) + 9 * separatorsBefore + 11};
    }

    std::vector<UINT> Commands() {
        std::vector<UINT> ids;
        for (const auto& m : Log().Messages())
            if (m.message == WM_COMMAND && m.hwnd == window_) ids.push_back(LOWORD(m.wParam));
        return ids;
    }

    HWND window_ = nullptr;
    HMENU file_ = nullptr, options_ = nullptr;
};

TEST_F(MenuTest, ItemTextsByPositionOrCommandCutToTheBuffer) {
    HMENU bar = GetMenu(window_);
    wchar_t text[16] = {L'?'};
    EXPECT_EQ(GetMenuStringW(bar, 1, text, 16, MF_BYPOSITION), 8);
    EXPECT_STREQ(text, L"&Opzioni");
    EXPECT_EQ(GetMenuStringW(bar, 1, nullptr, 0, MF_BYPOSITION), 8) << "the length alone";
    EXPECT_EQ(GetMenuStringW(bar, 1, text, 4, MF_BYPOSITION), 3);
    EXPECT_STREQ(text, L"&Op");
    EXPECT_EQ(GetMenuStringW(options_, kJoystick, text, 16, MF_BYCOMMAND), 15);
    EXPECT_STREQ(text, L"&Abilita Joysti");
    EXPECT_EQ(GetMenuStringW(bar, 999, text, 16, MF_BYCOMMAND), 0);
    EXPECT_EQ(GetMenuStringW(reinterpret_cast<HMENU>(0x7777), 0, text, 16, MF_BYPOSITION), 0);
}

TEST_F(MenuTest, ItemStatesCheckMarksAndMissingItems) {
    EXPECT_EQ(CheckMenuItem(options_, kJoystick, MF_BYCOMMAND | MF_CHECKED), static_cast<DWORD>(MF_UNCHECKED));
    EXPECT_EQ(GetMenuState(options_, kJoystick, MF_BYCOMMAND), static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(CheckMenuItem(options_, kJoystick, MF_UNCHECKED), static_cast<DWORD>(MF_CHECKED));
    CheckMenuItem(options_, kGreyed, MF_CHECKED);
    EXPECT_EQ(GetMenuState(options_, kGreyed, MF_BYCOMMAND), static_cast<UINT>(MF_CHECKED | MF_GRAYED));
    EXPECT_EQ(GetMenuState(options_, 1, MF_BYPOSITION), static_cast<UINT>(MF_SEPARATOR));
    HMENU bar = GetMenu(window_);
    EXPECT_EQ(GetMenuState(bar, kJoystick, MF_BYCOMMAND), 0u) << "found in a drop-down of the bar";
    EXPECT_EQ(GetMenuState(bar, 1, MF_BYPOSITION), static_cast<UINT>(MF_POPUP | (3 << 8))) << "three items below";
    EXPECT_EQ(GetMenuState(bar, 999, MF_BYCOMMAND), 0xFFFFFFFFu);
    EXPECT_EQ(CheckMenuItem(bar, 999, MF_CHECKED), 0xFFFFFFFFu);
    EXPECT_EQ(GetMenuItemCount(bar), 3);
    EXPECT_EQ(GetSubMenu(bar, 0), file_);
}

TEST_F(MenuTest, TheBarTakesRoomFromTheClientAreaAndGoesWithTheWindow) {
    RECT outer, client;
    GetWindowRect(window_, &outer);
    GetClientRect(window_, &client);
    // As a sizable window's frame and caption around the client area, plus the bar's own row.
    RECT expected = client;
    AdjustWindowRectEx(&expected, WS_OVERLAPPEDWINDOW, TRUE, 0);
    EXPECT_EQ(expected.bottom - expected.top, outer.bottom - outer.top);
    EXPECT_EQ(expected.right - expected.left, outer.right - outer.left);
    EXPECT_EQ((outer.bottom - outer.top) - client.bottom, 4 + 19 + GetSystemMetrics(SM_CYMENU) + 4);
    HMENU bar = GetMenu(window_);
    DestroyWindow(window_);
    EXPECT_EQ(GetMenuItemCount(bar), -1) << "destroyed with its window";
    EXPECT_EQ(GetMenuItemCount(file_), -1) << "with its drop-downs";
}

TEST_F(MenuTest, ClickingATitleThenAnItemSendsItsCommandAfterTheMenuCloses) {
    POINT title = Title(0), item = Item(0, 0);
    Backend().Click(window_, title.x, title.y);
    Backend().Click(window_, item.x, item.y);
    Backend().PumpUntilIdle();
    EXPECT_EQ(Commands(), std::vector<UINT>{kExit});
    auto messages = Log().Without(kHitTestNoise);
    auto exitLoop = std::find_if(messages.begin(), messages.end(), [](auto& m) { return m.message == WM_EXITMENULOOP; });
    auto command = std::find_if(messages.begin(), messages.end(), [](auto& m) { return m.message == WM_COMMAND; });
    EXPECT_LT(exitLoop, command);
    EXPECT_EQ(command->lParam, 0);
}

TEST_F(MenuTest, GreyedItemsAreInertAndAClickElsewhereCloses) {
    POINT title = Title(1), greyed = Item(1, 2, 1);
    Backend().Click(window_, title.x, title.y);
    Backend().Click(window_, greyed.x, greyed.y);
    Backend().Click(window_, 390, 250);  // outside the drop-down: closes
    Backend().PumpUntilIdle();
    EXPECT_TRUE(Commands().empty());
    EXPECT_EQ(Log().Count(WM_EXITMENULOOP), 1);
}

TEST_F(MenuTest, AltWithAnAccessKeyOpensATitleAndALetterChoosesAnItem) {
    SetFocus(window_);
    Backend().KeyDown(VK_MENU);
    Backend().PressKey('O');
    Backend().KeyUp(VK_MENU);
    Backend().PressKey('A');
    Backend().PumpUntilIdle();
    EXPECT_EQ(Commands(), std::vector<UINT>{kJoystick});
}

TEST_F(MenuTest, AltAloneSelectsTheBarThenArrowsAndEnterChoose) {
    SetFocus(window_);
    Backend().PressKey(VK_MENU);
    Backend().PressKey(VK_RIGHT);
    Backend().PressKey(VK_RIGHT);
    Backend().PressKey(VK_DOWN);   // opens "&?" with its first item hot
    Backend().PressKey(VK_RETURN);
    Backend().PumpUntilIdle();
    EXPECT_EQ(Commands(), std::vector<UINT>{kHome});
}

TEST_F(MenuTest, EscapeClosesWithoutACommandAndTimersKeepTickingMeanwhile) {
    SetTimer(window_, 1, 20, nullptr);
    POINT title = Title(0);
    Backend().Click(window_, title.x, title.y);
    Backend().At(200, [&] { Backend().PressKey(VK_ESCAPE); });
    Backend().RunFor(300);
    EXPECT_TRUE(Commands().empty());
    EXPECT_GE(Log().Count(WM_TIMER), 14) << "the frame timer ran while the menu was open";
}

TEST_F(MenuTest, AnotherProgramComingToTheFrontClosesAnOpenMenu) {
    SetTimer(window_, 1, 20, nullptr);
    POINT title = Title(0);
    bool openBefore = false, openAfter = true;
    Backend().Click(window_, title.x, title.y);
    Backend().At(100, [&] {
        openBefore = FindWindowW(L"#32768", nullptr) != nullptr;
        Backend().SwitchToAnotherProgram();
    });
    Backend().At(200, [&] { openAfter = FindWindowW(L"#32768", nullptr) != nullptr; });
    Backend().RunFor(300);
    EXPECT_TRUE(openBefore);
    EXPECT_FALSE(openAfter) << "no drop-down left over the other program";
    EXPECT_EQ(Log().Count(WM_EXITMENULOOP), 1);
    EXPECT_TRUE(Commands().empty());
}

TEST_F(MenuTest, ADropDownOpensBelowItsTitleWithCheckMarksAndLeaksNoDrawingObjects) {
    platform::GdiCounts before = platform::CountGdiObjects();
    CheckMenuItem(options_, kJoystick, MF_CHECKED);
    POINT title = Title(1);
    Backend().Click(window_, title.x, title.y);
    bool inkInCheckColumn = false;
    RECT dropRect{};
    Backend().At(100, [&] {
        HWND dropDown = FindWindowW(L"#32768", nullptr);
        ASSERT_TRUE(dropDown);
        GetWindowRect(dropDown, &dropRect);
        for (int y = 3; y < 25; ++y)
            for (int x = 2; x < 28; ++x) {
                COLORREF c = Backend().WindowPixel(dropDown, x, y);
                inkInCheckColumn |= GetRValue(c) < 128 && GetGValue(c) < 128 && GetBValue(c) < 128;
            }
        Backend().PressKey(VK_ESCAPE);
    });
    Backend().RunFor(200);
    POINT clientOrigin{0, 0};
    ClientToScreen(window_, &clientOrigin);
    EXPECT_EQ(dropRect.top, clientOrigin.y) << "just below the bar";
    EXPECT_TRUE(inkInCheckColumn) << "the check mark of the checked item";
    EXPECT_FALSE(FindWindowW(L"#32768", nullptr)) << "gone once closed";
    EXPECT_EQ(platform::CountGdiObjects(), before);
}

}  // namespace
