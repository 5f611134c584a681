#include "backends/x11/WindowHints.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

namespace platform::x11 {

namespace {

Atom AtomOf(Display* display, const char* name) { return XInternAtom(display, name, False); }

// The layout of the Motif window manager hints, which every current X11 manager still reads.
struct MotifHints {
    unsigned long flags;
    unsigned long functions;
    unsigned long decorations;
    long inputMode;
    unsigned long status;
};
constexpr unsigned long kMotifFunctions = 1L << 0;
constexpr unsigned long kMotifDecorations = 1L << 1;
constexpr unsigned long kFunctionResize = 1L << 1;
constexpr unsigned long kFunctionMove = 1L << 2;
constexpr unsigned long kFunctionMinimize = 1L << 3;
constexpr unsigned long kFunctionMaximize = 1L << 4;
constexpr unsigned long kFunctionClose = 1L << 5;
constexpr unsigned long kDecorBorder = 1L << 1;
constexpr unsigned long kDecorResizeHandle = 1L << 2;
constexpr unsigned long kDecorTitle = 1L << 3;
constexpr unsigned long kDecorMenu = 1L << 4;
constexpr unsigned long kDecorMinimize = 1L << 5;
constexpr unsigned long kDecorMaximize = 1L << 6;

// The newest time the person pressed a key or a button in the window; CurrentTime when none.
Time LastUserTime(Display* display, ::Window window) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    Time time = CurrentTime;
    if (XGetWindowProperty(display, window, AtomOf(display, "_NET_WM_USER_TIME"), 0, 1, False, XA_CARDINAL, &type,
                           &format, &count, &after, &data) == Success &&
        data && format == 32 && count == 1) {
        time = static_cast<Time>(*reinterpret_cast<unsigned long*>(data));
    }
    if (data) XFree(data);
    return time;
}

// The program's newest user time, and which of its windows had it: the one it calls active.
struct NewestInput {
    Time time = CurrentTime;
    ::Window window = None;
};

NewestInput NewestInputAmong(Display* display, const std::vector<::Window>& programWindows) {
    NewestInput newest;
    for (::Window window : programWindows) {
        const Time time = LastUserTime(display, window);
        if (time != CurrentTime && (newest.time == CurrentTime || time > newest.time)) newest = {time, window};
    }
    return newest;
}

}  // namespace

void SetTransientFor(Display* display, ::Window window, ::Window owner) {
    if (display && window && owner) XSetTransientForHint(display, window, owner);
}

void SetFrameFunctions(Display* display, ::Window window, FrameFunctions functions) {
    if (!display || !window) return;
    MotifHints hints{kMotifFunctions | kMotifDecorations, kFunctionMove | kFunctionClose,
                     kDecorBorder | kDecorTitle | kDecorMenu, 0, 0};
    if (functions.minimize) {
        hints.functions |= kFunctionMinimize;
        hints.decorations |= kDecorMinimize;
    }
    if (functions.maximize) {
        hints.functions |= kFunctionMaximize;
        hints.decorations |= kDecorMaximize;
    }
    if (functions.resize) {
        hints.functions |= kFunctionResize;
        hints.decorations |= kDecorResizeHandle;
    }
    const Atom motif = AtomOf(display, "_MOTIF_WM_HINTS");
    XChangeProperty(display, window, motif, motif, 32, PropModeReplace, reinterpret_cast<unsigned char*>(&hints),
                    sizeof hints / sizeof(long));
}

void SetUndecorated(Display* display, ::Window window) {
    if (!display || !window) return;
    MotifHints hints{kMotifDecorations, 0, 0, 0, 0};
    const Atom motif = AtomOf(display, "_MOTIF_WM_HINTS");
    XChangeProperty(display, window, motif, motif, 32, PropModeReplace, reinterpret_cast<unsigned char*>(&hints),
                    sizeof hints / sizeof(long));
}

void SetWindowType(Display* display, ::Window window, const char* type) {
    if (!display || !window) return;
    Atom kind = AtomOf(display, type);
    XChangeProperty(display, window, AtomOf(display, "_NET_WM_WINDOW_TYPE"), XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&kind), 1);
}

void RequestActivation(Display* display, ::Window window, const std::vector<::Window>& programWindows) {
    if (!display || !window) return;
    const NewestInput newest = NewestInputAmong(display, programWindows);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = AtomOf(display, "_NET_ACTIVE_WINDOW");
    event.xclient.format = 32;
    event.xclient.data.l[0] = 1;  // a request from an application
    event.xclient.data.l[1] = static_cast<long>(newest.time);
    event.xclient.data.l[2] = static_cast<long>(newest.window);
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(display);
}

void SetUserTime(Display* display, ::Window window, Time time) {
    if (!display || !window) return;
    unsigned long value = time;
    XChangeProperty(display, window, AtomOf(display, "_NET_WM_USER_TIME"), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&value), 1);
}

}  // namespace platform::x11
