// X's events become the platform's input and the desktop's say over the program's windows.
#include "DesktopInput.h"
#include "DesktopWindows.h"
#include "backends/sdl/SdlLibrary.h"
#include "backends/x11/Keys.h"
#include "backends/x11/WindowHints.h"
#include "backends/x11/X11Backend.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace platform {

namespace {

UINT ButtonMessage(unsigned int button, bool down) {
    UINT message = button == Button3 ? WM_RBUTTONDOWN : button == Button2 ? WM_MBUTTONDOWN : WM_LBUTTONDOWN;
    return down ? message : message + 1;
}

// The wheel comes as presses of buttons 4 and 5 (away from and toward the person) and 6 and 7
// (left and right), one a notch; their releases say nothing more.
constexpr unsigned int kWheelLeft = 6;
constexpr unsigned int kWheelRight = 7;

bool IsWheelButton(unsigned int button) { return button >= Button4 && button <= kWheelRight; }

int WheelDeltaOf(unsigned int button) {
    return button == Button4 || button == kWheelRight ? WHEEL_DELTA : -WHEEL_DELTA;
}

// Focus moving because a grab started or ended, or into a child of the window, is no change of
// the window that has the keyboard.
bool IsFocusChange(const XFocusChangeEvent& focus) {
    return focus.mode != NotifyGrab && focus.mode != NotifyUngrab && focus.detail != NotifyInferior &&
           focus.detail != NotifyPointer;
}

}  // namespace

void X11Backend::Handle(XEvent& event) {
    // The keyboard's layout changed: Xlib must read it again to name keys right.
    if (event.type == MappingNotify) {
        XRefreshKeyboardMapping(&event.xmapping);
        return;
    }
    HWND window = WindowOf(event.xany.window);
    Native* native = NativeOf(window);
    if (!native) return;
    switch (event.type) {
    case KeyPress: HandleKey(event, true); break;
    case KeyRelease: HandleKey(event, false); break;
    case ButtonPress: case ButtonRelease:
        if (event.type == ButtonPress) x11::SetUserTime(display_, native->id, event.xbutton.time);
        if (event.xbutton.button >= Button1 && event.xbutton.button <= Button3)
            HandleMouse(window, event.xbutton.x, event.xbutton.y, ButtonMessage(event.xbutton.button, event.type == ButtonPress));
        else if (event.type == ButtonPress && IsWheelButton(event.xbutton.button))
            HandleWheel(window, event.xbutton.x, event.xbutton.y, event.xbutton.button);
        break;
    case MotionNotify: HandleMouse(window, event.xmotion.x, event.xmotion.y, WM_MOUSEMOVE); break;
    case EnterNotify: case LeaveNotify:
        if (event.xcrossing.mode == NotifyNormal) HandleMouse(window, event.xcrossing.x, event.xcrossing.y, WM_MOUSEMOVE);
        break;
    case Expose:
        if (event.xexpose.count == 0) PresentWindow(window, *native, true);
        break;
    case FocusIn:
        if (IsFocusChange(event.xfocus)) focus_.Gained(window, AnyButtonDown());
        break;
    case FocusOut:
        if (!IsFocusChange(event.xfocus)) break;
        // The keys' releases will go to whoever has the keyboard now.
        desktop::KeyboardLeft();
        focus_.Lost(window, MonotonicMs());
        break;
    case MapNotify:
        native->mapped = true;
        PresentWindow(window, *native, true);
        if (native->activateWhenMapped) ShowAsActive(window, *native);
        // The program is on the screen: SDL, for its sounds, can load meanwhile on the other
        // core rather than inside the frame that plays the first one.
        sdl::LoadInBackground();
        break;
    case UnmapNotify:
        native->mapped = false;
        native->mapRequested = false;
        break;
    case ConfigureNotify: OnDesktopConfigured(window); break;
    case ClientMessage: HandleClientMessage(window, event); break;
    default: break;
    }
}

// A key goes by its position; the text it types, by the layout's symbol for it.
void X11Backend::HandleKey(XEvent& event, bool down) {
    if (UINT vk = x11::VirtualKeyOfKeycode(event.xkey.keycode)) desktop::KeyChanged(vk, down, true);
    if (!down) return;
    x11::SetUserTime(display_, event.xkey.window, event.xkey.time);
    char bytes[16] = {};
    KeySym keysym = NoSymbol;
    const int count = XLookupString(&event.xkey, bytes, sizeof bytes, &keysym, nullptr);
    // Xlib spells a Latin-1 symbol as its byte, Ctrl+letter as its control character; a symbol
    // beyond Latin-1 it leaves to the caller.
    const std::wstring text = count == 1 ? x11::TextOfKeysym(static_cast<unsigned char>(bytes[0]))
                              : count == 0 && !(event.xkey.state & ControlMask) ? x11::TextOfKeysym(keysym)
                                                                                 : std::wstring();
    if (!text.empty()) desktop::TextTyped(text);
}

void X11Backend::HandleMouse(HWND window, int x, int y, UINT message) {
    // Per pointer move: the shown rectangle alone, not the window's whole description.
    const std::optional<RECT> shown = desktop::ShownOnScreen(window);
    if (shown) desktop::PointerEvent(message, {shown->left + x, shown->top + y}, window);
}

void X11Backend::HandleWheel(HWND window, int x, int y, unsigned int button) {
    const std::optional<RECT> shown = desktop::ShownOnScreen(window);
    const bool horizontal = button == kWheelLeft || button == kWheelRight;
    if (shown) desktop::WheelTurned(WheelDeltaOf(button), horizontal, {shown->left + x, shown->top + y}, window);
}

void X11Backend::HandleClientMessage(HWND window, XEvent& event) {
    XClientMessageEvent& message = event.xclient;
    if (message.message_type != XInternAtom(display_, "WM_PROTOCOLS", False) || message.format != 32) return;
    const Atom protocol = static_cast<Atom>(message.data.l[0]);
    if (protocol == XInternAtom(display_, "WM_DELETE_WINDOW", False)) {
        desktop::CloseRequested(window);
    } else if (protocol == XInternAtom(display_, "_NET_WM_PING", False)) {
        // The manager asks whether the program still answers: it does, by handing the ping back.
        message.window = DefaultRootWindow(display_);
        XSendEvent(display_, message.window, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
        XFlush(display_);
    }
}

bool X11Backend::AnyButtonDown() const {
    ::Window root = 0, child = 0;
    int rootX = 0, rootY = 0, x = 0, y = 0;
    unsigned int mask = 0;
    XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, &rootX, &rootY, &x, &y, &mask);
    return (mask & (Button1Mask | Button2Mask | Button3Mask | Button4Mask | Button5Mask)) != 0;
}

// The window manager moved the native window: the window's outer rectangle goes with it.
void X11Backend::OnDesktopConfigured(HWND window) {
    const std::optional<desktop::TopLevel> facts = desktop::TopLevelOf(window);
    Native* native = NativeOf(window);
    if (!facts || !native || mirroring_) return;
    int x = 0, y = 0;
    ::Window child = 0;
    if (!XTranslateCoordinates(display_, native->id, DefaultRootWindow(display_), 0, 0, &x, &y, &child)) return;
    if (x == facts->shown.left && y == facts->shown.top) return;
    mirroring_ = true;
    desktop::MovedBy(window, {facts->outer.left + x - facts->shown.left, facts->outer.top + y - facts->shown.top});
    mirroring_ = false;
}

}  // namespace platform
