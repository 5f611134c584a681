// The X display driven through Xlib, on a virtual X server of the test's own: windows become
// X windows with the properties a window manager reads, their pixels reach the screen from
// shared memory, and X's key and window events become messages.
#include <gtest/gtest.h>

#include <linux/input-event-codes.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <string>
#include <vector>

#include "HeadlessTest.h"
#include "backends/x11/Errors.h"
#include "backends/x11/Keys.h"
#include "backends/x11/X11Backend.h"
#include "gdi/WindowSurfaces.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

using platform::x11::TextOfKeysym;
using platform::x11::VirtualKeyOfKeycode;

constexpr unsigned kOffset = 8;  // X numbers keys as the kernel does, plus 8

TEST(X11KeysTest, KeysGoByTheirPosition) {
    struct Case {
        unsigned code;
        UINT vk;
    };
    const Case cases[] = {
        {KEY_LEFT, VK_LEFT},   {KEY_UP, VK_UP},         {KEY_RIGHT, VK_RIGHT},  {KEY_DOWN, VK_DOWN},
        {KEY_SPACE, VK_SPACE}, {KEY_A, 'A'},            {KEY_Z, 'Z'},           {KEY_Q, 'Q'},
        {KEY_M, 'M'},          {KEY_ENTER, VK_RETURN},  {KEY_TAB, VK_TAB},      {KEY_ESC, VK_ESCAPE},
        {KEY_BACKSPACE, VK_BACK}, {KEY_0, '0'},         {KEY_9, '9'},           {KEY_F1, VK_F1},
        {KEY_F10, VK_F10},     {KEY_F12, VK_F12},       {KEY_LEFTALT, VK_LMENU}, {KEY_RIGHTALT, VK_RMENU},
        {KEY_LEFTSHIFT, VK_LSHIFT}, {KEY_RIGHTCTRL, VK_RCONTROL}, {KEY_DELETE, VK_DELETE}, {KEY_KP5, VK_NUMPAD0 + 5},
        {KEY_SEMICOLON, VK_OEM_1}, {KEY_102ND, VK_OEM_102},
    };
    for (const Case& c : cases) EXPECT_EQ(VirtualKeyOfKeycode(c.code + kOffset), c.vk) << "kernel key " << c.code;
    EXPECT_EQ(VirtualKeyOfKeycode(KEY_PLAYPAUSE + kOffset), 0u);
    EXPECT_EQ(VirtualKeyOfKeycode(3), 0u);
}

TEST(X11KeysTest, KeysTypeTheirSymbolsButNeverControlCharacters) {
    struct Case {
        unsigned long keysym;
        std::wstring text;
    };
    const Case cases[] = {
        {'a', L"a"},           {'A', L"A"},          {' ', L" "},       {0xE8, L"\u00E8"},  // è
        {0x20AC, L"\u20AC"},   {0x01000439, L"\u0439"},  // Euro sign; a Unicode keysym (й)
        {0x0D, L""},           {0x1B, L""},          {0x7F, L""},       {0x01, L""},  // Enter, Escape, Delete, Ctrl+A
        {0xFF51, L""},         {0, L""},             // the Left arrow types nothing
    };
    for (const Case& c : cases) EXPECT_EQ(TextOfKeysym(c.keysym), c.text) << std::hex << c.keysym;
}

// A virtual X server for the tests of this file, on a display number it picks itself.
class VirtualDisplay {
public:
    bool Start() {
        int fds[2];
        if (pipe(fds) != 0) return false;
        pid_ = fork();
        if (pid_ == 0) {
            close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "640x480x24", "-nolisten", "tcp",
                   "-noreset", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        // The server writes the number, then a newline: it ends if the pipe closes between them.
        std::string number;
        char c = 0;
        while (read(fds[0], &c, 1) == 1 && c != '\n') number.push_back(c);
        close(fds[0]);
        if (number.empty() || c != '\n') return false;
        name_ = ":" + number;
        return true;
    }
    ~VirtualDisplay() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    const std::string& Name() const { return name_; }

private:
    pid_t pid_ = -1;
    std::string name_;
};

class X11BackendTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        display_ = new VirtualDisplay();
        if (!display_->Start()) {
            delete display_;
            display_ = nullptr;
        }
    }
    static void TearDownTestSuite() {
        delete display_;
        display_ = nullptr;
    }

    void SetUp() override {
        if (!display_) GTEST_SKIP() << "no Xvfb to run an X server on";
        const char* before = std::getenv("DISPLAY");
        savedDisplay_ = before ? before : "";
        setenv("DISPLAY", display_->Name().c_str(), 1);
        std::string reason;
        ASSERT_TRUE(platform::InstallX11Backend(reason)) << reason;
        backend_ = static_cast<platform::X11Backend*>(&platform::CurrentBackend());
        x_ = backend_->NativeDisplay();
        Log().Clear();
        window_ = CreateWindowExW(0, RegisterLoggingClass(), L"Astrovex", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 60,
                                  200, 100, nullptr, nullptr, nullptr, nullptr);
        WaitUntilMapped(window_);
    }
    void TearDown() override {
        platform::InstallHeadlessBackend();
        if (display_) setenv("DISPLAY", savedDisplay_.c_str(), 1);
    }

    static void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

    bool IsMapped(HWND window) const {
        XWindowAttributes attributes{};
        return XGetWindowAttributes(x_, backend_->NativeWindowOf(window), &attributes) &&
               attributes.map_state == IsViewable;
    }

    // With no window manager the server maps at once; the backend learns it from its events.
    void WaitUntilMapped(HWND window) {
        for (int i = 0; i < 200 && !IsMapped(window); ++i) {
            Pump();
            usleep(5000);
        }
        XSync(x_, False);
        Pump();
    }

    std::string Property(HWND window, const char* name, Atom* type = nullptr) const {
        Atom actual = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        std::string value;
        if (XGetWindowProperty(x_, backend_->NativeWindowOf(window), XInternAtom(x_, name, False), 0, 1024, False,
                               AnyPropertyType, &actual, &format, &count, &after, &data) == Success && data) {
            // Xlib hands 32-bit values over as longs.
            const std::size_t unit = format == 32 ? sizeof(long) : static_cast<std::size_t>(format / 8);
            value.assign(reinterpret_cast<char*>(data), count * unit);
            XFree(data);
        }
        if (type) *type = actual;
        return value;
    }

    std::vector<Atom> Atoms(HWND window, const char* name) const {
        const std::string bytes = Property(window, name);
        std::vector<Atom> atoms(bytes.size() / sizeof(long));
        for (std::size_t i = 0; i < atoms.size(); ++i) atoms[i] = reinterpret_cast<const long*>(bytes.data())[i];
        return atoms;
    }

    void SendKey(unsigned kernelCode, bool down, unsigned state = 0) {
        XEvent event{};
        event.xkey.type = down ? KeyPress : KeyRelease;
        event.xkey.display = x_;
        event.xkey.window = backend_->NativeWindowOf(window_);
        event.xkey.root = DefaultRootWindow(x_);
        event.xkey.keycode = kernelCode + kOffset;
        event.xkey.state = state;
        event.xkey.same_screen = True;
        XSendEvent(x_, event.xkey.window, False, 0, &event);
        XSync(x_, False);
    }

    std::vector<WPARAM> Characters() {
        std::vector<WPARAM> chars;
        for (const auto& m : Log().Messages())
            if (m.message == WM_CHAR) chars.push_back(m.wParam);
        return chars;
    }

    static VirtualDisplay* display_;
    std::string savedDisplay_;
    platform::X11Backend* backend_ = nullptr;
    Display* x_ = nullptr;
    HWND window_ = nullptr;
};

VirtualDisplay* X11BackendTest::display_ = nullptr;

TEST_F(X11BackendTest, EveryTopLevelWindowIsAnXWindowTheWindowManagerCanRead) {
    ASSERT_TRUE(backend_->NativeWindowOf(window_));
    EXPECT_EQ(Property(window_, "_NET_WM_NAME"), "Astrovex");
    SetWindowTextW(window_, L"Astrovex \u00E8");
    EXPECT_EQ(Property(window_, "_NET_WM_NAME"), "Astrovex \xC3\xA8");
    Atom type = None;
    EXPECT_EQ(Property(window_, "WM_NAME", &type), "Astrovex \xE8");
    EXPECT_EQ(type, XA_STRING);
    const std::vector<Atom> protocols = Atoms(window_, "WM_PROTOCOLS");
    EXPECT_NE(std::find(protocols.begin(), protocols.end(), XInternAtom(x_, "WM_DELETE_WINDOW", False)), protocols.end());
    // The frame is the manager's: the X window is the part inside it, of a size it must keep.
    XWindowAttributes attributes{};
    ASSERT_TRUE(XGetWindowAttributes(x_, backend_->NativeWindowOf(window_), &attributes));
    RECT client{};
    GetClientRect(window_, &client);
    EXPECT_EQ(attributes.width, client.right);
    EXPECT_EQ(attributes.height, client.bottom);
    XSizeHints hints{};
    long supplied = 0;
    ASSERT_TRUE(XGetWMNormalHints(x_, backend_->NativeWindowOf(window_), &hints, &supplied));
    EXPECT_EQ(hints.min_width, hints.max_width);
    EXPECT_EQ(hints.max_width, client.right);
    DestroyWindow(window_);
    EXPECT_FALSE(backend_->NativeWindowOf(window_));
}

TEST_F(X11BackendTest, AWindowsKindReachesTheWindowManager) {
    struct Case {
        DWORD style;
        DWORD exStyle;
        bool owned;
        const char* type;
        bool overrideRedirect;
    };
    const Case cases[] = {
        {WS_OVERLAPPEDWINDOW, 0, true, "_NET_WM_WINDOW_TYPE_NORMAL", false},
        {WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, true, "_NET_WM_WINDOW_TYPE_DIALOG", false},
        {WS_OVERLAPPEDWINDOW, WS_EX_TOOLWINDOW, true, "_NET_WM_WINDOW_TYPE_UTILITY", false},
        {WS_POPUP | WS_BORDER, WS_EX_TOPMOST, false, "_NET_WM_WINDOW_TYPE_POPUP_MENU", true},  // a drop-down
        {WS_POPUP, 0, true, "_NET_WM_WINDOW_TYPE_POPUP_MENU", true},  // an owned list
        {WS_POPUP, 0, false, "_NET_WM_WINDOW_TYPE_NORMAL", false},    // a program's frameless window
    };
    for (const Case& c : cases) {
        HWND made = CreateWindowExW(c.exStyle, RegisterLoggingClass(), L"kind", c.style, 0, 0, 120, 80,
                                    c.owned ? window_ : nullptr, nullptr, nullptr, nullptr);
        const std::vector<Atom> types = Atoms(made, "_NET_WM_WINDOW_TYPE");
        ASSERT_EQ(types.size(), 1u) << c.type;
        EXPECT_EQ(types[0], XInternAtom(x_, c.type, False)) << c.type << (c.owned ? " owned" : "");
        XWindowAttributes attributes{};
        ASSERT_TRUE(XGetWindowAttributes(x_, backend_->NativeWindowOf(made), &attributes));
        EXPECT_EQ(attributes.override_redirect != 0, c.overrideRedirect) << c.type;
        if (!(c.style & WS_CAPTION) && !c.overrideRedirect) {
            // Motif hints: flags, functions, decorations; a frameless window asks for no decorations.
            const std::vector<Atom> motif = Atoms(made, "_MOTIF_WM_HINTS");
            ASSERT_GE(motif.size(), 3u);
            EXPECT_EQ(motif[2], 0u) << "decorations";
        }
        DestroyWindow(made);
    }
}

TEST_F(X11BackendTest, DrawnPixelsReachTheScreenFromSharedMemory) {
    EXPECT_TRUE(backend_->SharesWindowPixels());
    HDC dc = GetDC(window_);
    const RECT areas[] = {{10, 10, 30, 20}, {150, 60, 170, 70}};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    for (const RECT& area : areas) FillRect(dc, &area, red);
    DeleteObject(red);
    ReleaseDC(window_, dc);
    backend_->Present();
    auto pixelAt = [&](int x, int y) {
        XImage* image = XGetImage(x_, backend_->NativeWindowOf(window_), x, y, 1, 1, AllPlanes, ZPixmap);
        const unsigned long pixel = image ? XGetPixel(image, 0, 0) & 0xFFFFFF : 0xDEAD;
        if (image) XDestroyImage(image);
        return pixel;
    };
    EXPECT_EQ(pixelAt(20, 15), 0xFF0000u);
    EXPECT_EQ(pixelAt(160, 65), 0xFF0000u);
    EXPECT_NE(pixelAt(90, 40), 0xFF0000u);
    // A new size makes new pixels; they reach the screen too.
    SetWindowPos(window_, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    dc = GetDC(window_);
    const RECT far{250, 120, 260, 130};
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    FillRect(dc, &far, blue);
    DeleteObject(blue);
    ReleaseDC(window_, dc);
    XSync(x_, False);
    Pump();
    backend_->Present();
    EXPECT_EQ(pixelAt(255, 125), 0x0000FFu);
}

TEST_F(X11BackendTest, AWindowIsMappedOnceItIsSettledAndNotWhileHiddenAgain) {
    HWND shown = CreateWindowExW(0, RegisterLoggingClass(), L"Later", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200,
                                 100, nullptr, nullptr, nullptr, nullptr);
    SetWindowPos(shown, nullptr, 0, 0, 260, 180, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    XSync(x_, False);
    EXPECT_FALSE(IsMapped(shown)) << "mapped while still being made";
    WaitUntilMapped(shown);
    EXPECT_TRUE(IsMapped(shown));
    ShowWindow(shown, SW_HIDE);
    ShowWindow(shown, SW_SHOW);
    ShowWindow(shown, SW_HIDE);
    backend_->Present();
    XSync(x_, False);
    EXPECT_FALSE(IsMapped(shown));
    DestroyWindow(shown);
}

TEST_F(X11BackendTest, KeysBecomeKeyMessagesAndTheTextTheyType) {
    SetFocus(window_);
    SendKey(KEY_A, true);
    SendKey(KEY_A, false);
    SendKey(KEY_A, true, ShiftMask);
    SendKey(KEY_A, false, ShiftMask);
    SendKey(KEY_ENTER, true);
    SendKey(KEY_ENTER, false);
    SendKey(KEY_LEFT, true);
    SendKey(KEY_LEFT, false);
    Pump();
    EXPECT_EQ(Characters(), (std::vector<WPARAM>{'a', 'A', 13}));
    EXPECT_EQ(Log().Count(WM_KEYDOWN, window_), 4);
    EXPECT_EQ(Log().Count(WM_KEYUP, window_), 4);
}

// Keys held when the keyboard goes to another program are released: their releases go there.
TEST_F(X11BackendTest, KeysHeldWhenTheKeyboardLeavesAreReleased) {
    SetFocus(window_);
    SendKey(KEY_LEFT, true);
    SendKey(KEY_LEFTSHIFT, true);
    Pump();
    ASSERT_TRUE(GetAsyncKeyState(VK_LEFT) & 0x8000);
    XEvent event{};
    event.xfocus.type = FocusOut;
    event.xfocus.window = backend_->NativeWindowOf(window_);
    event.xfocus.mode = NotifyNormal;
    event.xfocus.detail = NotifyNonlinear;
    XSendEvent(x_, event.xfocus.window, False, 0, &event);
    XSync(x_, False);
    Pump();
    EXPECT_FALSE(GetAsyncKeyState(VK_LEFT) & 0x8000);
    EXPECT_FALSE(GetAsyncKeyState(VK_SHIFT) & 0x8000);
    EXPECT_EQ(Log().Count(WM_KEYUP, window_), 2);
}

// Buttons 4 and 5 are the wheel turned away from and toward the person, 6 and 7 the horizontal
// wheel pushed left and right; a press is a notch, and its release says nothing more. The turn
// is told at the point a pointer event there tells.
TEST_F(X11BackendTest, WheelButtonsBecomeOneNotchOfTheWheelEach) {
    auto send = [&](int type, unsigned button) {
        XEvent event{};
        event.xbutton.type = type;
        event.xbutton.display = x_;
        event.xbutton.window = backend_->NativeWindowOf(window_);
        event.xbutton.root = DefaultRootWindow(x_);
        event.xbutton.button = button;
        event.xbutton.x = 30;
        event.xbutton.y = 20;
        event.xbutton.same_screen = True;
        if (type == MotionNotify) event.xmotion.is_hint = NotifyNormal;
        XSendEvent(x_, event.xbutton.window, False, 0, &event);
    };
    send(MotionNotify, 0);
    for (unsigned button : {4u, 5u, 6u, 7u}) {
        send(ButtonPress, button);
        send(ButtonRelease, button);
    }
    XSync(x_, False);
    Pump();
    std::vector<LoggedMessage> wheels;
    POINT pointer{};
    for (const LoggedMessage& m : Log().Messages()) {
        if (m.message == WM_MOUSEMOVE) pointer = {LOWORD(m.lParam), HIWORD(m.lParam)};
        if (m.message == WM_MOUSEWHEEL || m.message == WM_MOUSEHWHEEL) wheels.push_back(m);
    }
    ClientToScreen(window_, &pointer);
    const LPARAM at = MAKELPARAM(pointer.x, pointer.y);
    auto turn = [](int delta) { return MAKEWPARAM(0, static_cast<WORD>(static_cast<SHORT>(delta))); };
    EXPECT_TRUE(SequenceIs(wheels, {{WM_MOUSEWHEEL, window_, turn(WHEEL_DELTA), at},
                                    {WM_MOUSEWHEEL, window_, turn(-WHEEL_DELTA), at},
                                    {WM_MOUSEHWHEEL, window_, turn(-WHEEL_DELTA), at},
                                    {WM_MOUSEHWHEEL, window_, turn(WHEEL_DELTA), at}}));
    EXPECT_EQ(Log().Count(WM_LBUTTONDOWN) + Log().Count(WM_RBUTTONDOWN) + Log().Count(WM_MBUTTONDOWN), 0);
}

TEST_F(X11BackendTest, TheCloseButtonClosesTheWindowAndPingsAreAnswered) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = backend_->NativeWindowOf(window_);
    event.xclient.message_type = XInternAtom(x_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(x_, "WM_DELETE_WINDOW", False));
    // The manager's ping comes back to the root window, where a second client sees it.
    Display* manager = XOpenDisplay(display_->Name().c_str());
    ASSERT_TRUE(manager);
    XSelectInput(manager, DefaultRootWindow(manager), SubstructureNotifyMask);
    XSync(manager, False);
    XEvent ping = event;
    ping.xclient.data.l[0] = static_cast<long>(XInternAtom(x_, "_NET_WM_PING", False));
    ping.xclient.data.l[1] = 4242;
    XSendEvent(x_, ping.xclient.window, False, 0, &ping);
    XSync(x_, False);
    Pump();
    bool answered = false;
    for (int i = 0; i < 100 && !answered; ++i) {
        XEvent seen{};
        while (!answered && XCheckTypedEvent(manager, ClientMessage, &seen))
            answered = seen.xclient.data.l[1] == 4242 && seen.xclient.window == DefaultRootWindow(manager);
        if (!answered) usleep(5000);
    }
    XCloseDisplay(manager);
    EXPECT_TRUE(answered);
    XSendEvent(x_, event.xclient.window, False, 0, &event);
    XSync(x_, False);
    Pump();
    EXPECT_EQ(Log().Count(WM_CLOSE, window_), 1);
    EXPECT_FALSE(IsWindow(window_));
}

TEST_F(X11BackendTest, ARefusedRequestIsNotedAndTheProgramGoesOn) {
    platform::x11::ErrorTrap clean;
    XSync(x_, False);
    EXPECT_FALSE(clean.Failed());
    platform::x11::ErrorTrap refused;
    XMapWindow(x_, 0x7FFFFF);  // no such window
    XSync(x_, False);
    EXPECT_TRUE(refused.Failed());
    EXPECT_TRUE(IsWindow(window_));
}

TEST_F(X11BackendTest, TheScreenIsTheServersAndGetMessageSleepsUntilTheNextTimer) {
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 640);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 480);
    SetTimer(window_, 7, 20, nullptr);
    MSG msg;
    do {
        ASSERT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
        DispatchMessageW(&msg);
    } while (msg.message != WM_TIMER);
    EXPECT_EQ(msg.wParam, 7u);
}

TEST(X11BackendOpenTest, ADisplayThatDoesNotAnswerIsRefusedWithTheReason) {
    const char* before = std::getenv("DISPLAY");
    const std::string saved = before ? before : "";
    setenv("DISPLAY", ":9731", 1);
    std::string reason;
    EXPECT_FALSE(platform::InstallX11Backend(reason));
    EXPECT_NE(reason.find(":9731"), std::string::npos) << reason;
    unsetenv("DISPLAY");
    EXPECT_FALSE(platform::InstallX11Backend(reason));
    EXPECT_EQ(reason, "DISPLAY is not set");
    if (before) setenv("DISPLAY", saved.c_str(), 1);
}

}  // namespace
