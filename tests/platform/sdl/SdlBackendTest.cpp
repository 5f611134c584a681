// The real display, run on SDL's dummy video driver: windows are mirrored as SDL windows, their
// pixels reach the SDL window surface, SDL's key, text and window events become messages.
#include <gtest/gtest.h>

#include <array>

#include <csignal>
#include <cstdlib>

#include "HeadlessTest.h"
#include "backends/sdl/SdlBackend.h"
#include "backends/sdl/SdlKeys.h"

namespace {

TEST(SdlKeysTest, KeysMapToThePlatformsVirtualKeys) {
    struct Case {
        SDL_Scancode scancode;
        UINT vk;
    };
    const Case cases[] = {
        {SDL_SCANCODE_LEFT, 37},   {SDL_SCANCODE_UP, 38},      {SDL_SCANCODE_RIGHT, 39},  {SDL_SCANCODE_DOWN, 40},
        {SDL_SCANCODE_SPACE, 32},  {SDL_SCANCODE_A, 65},       {SDL_SCANCODE_Z, 90},      {SDL_SCANCODE_RETURN, 13},
        {SDL_SCANCODE_TAB, 9},     {SDL_SCANCODE_ESCAPE, 27},  {SDL_SCANCODE_BACKSPACE, 8}, {SDL_SCANCODE_0, '0'},
        {SDL_SCANCODE_9, '9'},     {SDL_SCANCODE_F1, VK_F1},   {SDL_SCANCODE_F10, VK_F10}, {SDL_SCANCODE_F12, VK_F12},
        {SDL_SCANCODE_LALT, 164},  {SDL_SCANCODE_RALT, 165},   {SDL_SCANCODE_LSHIFT, VK_LSHIFT},
        {SDL_SCANCODE_RCTRL, VK_RCONTROL}, {SDL_SCANCODE_DELETE, VK_DELETE}, {SDL_SCANCODE_KP_5, VK_NUMPAD0 + 5},
    };
    for (const Case& c : cases) {
        SDL_Keysym key{};
        key.scancode = c.scancode;
        EXPECT_EQ(platform::sdl::VirtualKeyOf(key), c.vk) << SDL_GetScancodeName(c.scancode);
    }
    SDL_Keysym unknown{};
    unknown.scancode = SDL_SCANCODE_AUDIOPLAY;
    EXPECT_EQ(platform::sdl::VirtualKeyOf(unknown), 0u);
}

class SdlBackendTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_TRUE(platform::InstallSdlBackend()) << SDL_GetError();
        backend_ = static_cast<platform::SdlBackend*>(&platform::CurrentBackend());
        Log().Clear();
        window_ = CreateWindowExW(0, RegisterLoggingClass(), L"Astrovex", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 60, 200,
                                  100, nullptr, nullptr, nullptr, nullptr);
        Pump();
    }
    void TearDown() override { platform::InstallHeadlessBackend(); }

    static void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

    static void Push(const SDL_Event& event) { SDL_PushEvent(const_cast<SDL_Event*>(&event)); }

    void PushKey(SDL_Scancode scancode, bool down) {
        SDL_Event event{};
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.windowID = SDL_GetWindowID(backend_->SdlWindowOf(window_));
        event.key.keysym.scancode = scancode;
        Push(event);
    }

    void PushText(const char* utf8) {
        SDL_Event event{};
        event.type = SDL_TEXTINPUT;
        std::snprintf(event.text.text, sizeof event.text.text, "%s", utf8);
        Push(event);
    }

    std::vector<WPARAM> Characters() {
        std::vector<WPARAM> chars;
        for (const auto& m : Log().Messages())
            if (m.message == WM_CHAR) chars.push_back(m.wParam);
        return chars;
    }

    void ExpectSdlWindowIsClientArea(HWND window) const {
        int w = 0, h = 0;
        SDL_GetWindowSize(backend_->SdlWindowOf(window), &w, &h);
        RECT client{};
        GetClientRect(window, &client);
        EXPECT_EQ(w, client.right);
        EXPECT_EQ(h, client.bottom);
    }

    platform::SdlBackend* backend_ = nullptr;
    HWND window_ = nullptr;
};

TEST_F(SdlBackendTest, EveryTopLevelWindowIsAnSdlWindowWithItsTitle) {
    SDL_Window* sdl = backend_->SdlWindowOf(window_);
    ASSERT_TRUE(sdl);
    EXPECT_STREQ(SDL_GetWindowTitle(sdl), "Astrovex");
    SetWindowTextW(window_, L"Astrovex \u00E8");
    EXPECT_STREQ(SDL_GetWindowTitle(sdl), "Astrovex \xC3\xA8");
    // The window manager draws the frame: the SDL window is the client area.
    ExpectSdlWindowIsClientArea(window_);
    DestroyWindow(window_);
    EXPECT_FALSE(backend_->SdlWindowOf(window_));
}

TEST_F(SdlBackendTest, DrawnPixelsReachTheWindowSurface) {
    // Two areas far apart, each shown; the ground between them is not drawn on.
    HDC dc = GetDC(window_);
    const RECT areas[] = {{10, 10, 30, 20}, {150, 60, 170, 70}};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    for (const RECT& area : areas) FillRect(dc, &area, red);
    DeleteObject(red);
    ReleaseDC(window_, dc);
    backend_->Present();
    SDL_Surface* surface = SDL_GetWindowSurface(backend_->SdlWindowOf(window_));
    ASSERT_TRUE(surface);
    auto rgbAt = [surface](int x, int y) {
        SDL_LockSurface(surface);
        auto* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
        Uint32 pixel = *reinterpret_cast<const Uint32*>(row + x * surface->format->BytesPerPixel);
        SDL_UnlockSurface(surface);
        Uint8 r = 0, g = 0, b = 0;
        SDL_GetRGB(pixel, surface->format, &r, &g, &b);
        return std::array<int, 3>{r, g, b};
    };
    EXPECT_EQ(rgbAt(20, 15), (std::array<int, 3>{255, 0, 0}));
    EXPECT_EQ(rgbAt(160, 65), (std::array<int, 3>{255, 0, 0}));
    EXPECT_NE(rgbAt(90, 40), (std::array<int, 3>{255, 0, 0}));
}

TEST_F(SdlBackendTest, AShownWindowMapsOnceAtItsSettledSizeWhenTheProgramLooksForMessages) {
    HWND shown = CreateWindowExW(0, RegisterLoggingClass(), L"Later", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100,
                                 nullptr, nullptr, nullptr, nullptr);
    SDL_Window* sdl = backend_->SdlWindowOf(shown);
    ASSERT_TRUE(sdl);
    SetWindowPos(shown, nullptr, 0, 0, 260, 180, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_FALSE(SDL_GetWindowFlags(sdl) & SDL_WINDOW_SHOWN) << "mapped while still being made";
    Pump();
    EXPECT_TRUE(SDL_GetWindowFlags(sdl) & SDL_WINDOW_SHOWN);
    ExpectSdlWindowIsClientArea(shown);
    // Hidden again before the program looks for messages: it is never mapped.
    ShowWindow(shown, SW_HIDE);
    ShowWindow(shown, SW_SHOW);
    ShowWindow(shown, SW_HIDE);
    backend_->Present();
    EXPECT_FALSE(SDL_GetWindowFlags(sdl) & SDL_WINDOW_SHOWN);
    DestroyWindow(shown);
}

TEST_F(SdlBackendTest, TypedTextBecomesTheCharactersAndControlKeysKeepTheirCodes) {
    SetFocus(window_);
    PushKey(SDL_SCANCODE_E, true);
    PushText("\xC3\xA8");  // a dead key or an Italian keyboard typed è
    PushKey(SDL_SCANCODE_E, false);
    PushKey(SDL_SCANCODE_RETURN, true);
    PushKey(SDL_SCANCODE_RETURN, false);
    PushText("ab");  // text with no key (an input method)
    Pump();
    EXPECT_EQ(Characters(), (std::vector<WPARAM>{0xE8, 13, 'a', 'b'}));
    EXPECT_EQ(Log().Count(WM_KEYDOWN, window_), 2);
}

// SDL counts notches, positive away from the person and to the right, and says when the desktop
// flipped them; the turn is told at the point the last pointer event told.
TEST_F(SdlBackendTest, WheelNotchesBecomeTurnsOfWheelDeltaEachAtThePointer) {
    const Uint32 id = SDL_GetWindowID(backend_->SdlWindowOf(window_));
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.windowID = id;
    motion.motion.x = 30;
    motion.motion.y = 20;
    Push(motion);
    struct Notches {
        int x, y;
        Uint32 direction;
    };
    for (const Notches& n : {Notches{0, 1, SDL_MOUSEWHEEL_NORMAL}, Notches{0, -2, SDL_MOUSEWHEEL_NORMAL},
                             Notches{1, 0, SDL_MOUSEWHEEL_NORMAL}, Notches{0, 1, SDL_MOUSEWHEEL_FLIPPED}}) {
        SDL_Event wheel{};
        wheel.type = SDL_MOUSEWHEEL;
        wheel.wheel.windowID = id;
        wheel.wheel.x = n.x;
        wheel.wheel.y = n.y;
        wheel.wheel.direction = n.direction;
        Push(wheel);
    }
    Pump();
    std::vector<LoggedMessage> wheels;
    for (const LoggedMessage& m : Log().Messages())
        if (m.message == WM_MOUSEWHEEL || m.message == WM_MOUSEHWHEEL) wheels.push_back(m);
    POINT pointer{30, 20};
    ClientToScreen(window_, &pointer);
    const LPARAM at = MAKELPARAM(pointer.x, pointer.y);
    auto turn = [](int delta) { return MAKEWPARAM(0, static_cast<WORD>(static_cast<SHORT>(delta))); };
    EXPECT_TRUE(SequenceIs(wheels, {{WM_MOUSEWHEEL, window_, turn(WHEEL_DELTA), at},
                                    {WM_MOUSEWHEEL, window_, turn(-2 * WHEEL_DELTA), at},
                                    {WM_MOUSEHWHEEL, window_, turn(WHEEL_DELTA), at},
                                    {WM_MOUSEWHEEL, window_, turn(-WHEEL_DELTA), at}}));
}

TEST_F(SdlBackendTest, TheCloseButtonClosesTheWindow) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_CLOSE;
    event.window.windowID = SDL_GetWindowID(backend_->SdlWindowOf(window_));
    Push(event);
    Pump();
    EXPECT_EQ(Log().Count(WM_CLOSE, window_), 1);
    EXPECT_FALSE(IsWindow(window_));
}

TEST_F(SdlBackendTest, SignalsStillEndTheProgramAndWindowsKeepSdlsPlainSurface) {
    // SDL's own handlers would turn them into a quit event that nothing acts on.
    for (int signal : {SIGINT, SIGTERM}) {
        struct sigaction current {};
        ASSERT_EQ(sigaction(signal, nullptr, &current), 0);
        EXPECT_EQ(current.sa_handler, SIG_DFL) << "signal " << signal;
    }
    // A texture surface would have SDL re-create every window as an OpenGL window on a real
    // display; the dummy display never tries, so the setting is what can be checked here.
    const char* acceleration = SDL_GetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION);
    ASSERT_TRUE(acceleration);
    EXPECT_STREQ(acceleration, "0");
}

TEST_F(SdlBackendTest, GetMessageSleepsUntilTheNextTimer) {
    SetTimer(window_, 7, 20, nullptr);
    MSG msg;
    do {
        ASSERT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
        DispatchMessageW(&msg);
    } while (msg.message != WM_TIMER);
    EXPECT_EQ(msg.wParam, 7u);
}

}  // namespace
