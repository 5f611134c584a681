#include "backends/sdl/X11WindowHints.h"

#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <optional>
#include <vector>

namespace platform::x11 {

namespace {

struct X11Window {
    Display* display = nullptr;
    Window window = 0;
};

std::optional<X11Window> NativeOf(SDL_Window* window) {
    if (!window) return std::nullopt;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return std::nullopt;
    return X11Window{info.info.x11.display, info.info.x11.window};
}

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

// The newest time the person pressed a key or a button in one of the program's windows, which
// SDL records on each window; CurrentTime when there is none.
Time LastUserTime(Display* display, Window window) {
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
    Window window = None;
};

NewestInput NewestInputAmong(Display* display, const std::vector<SDL_Window*>& programWindows) {
    NewestInput newest;
    for (SDL_Window* sdl : programWindows) {
        std::optional<X11Window> x = NativeOf(sdl);
        if (!x) continue;
        const Time time = LastUserTime(display, x->window);
        if (time != CurrentTime && (newest.time == CurrentTime || time > newest.time)) newest = {time, x->window};
    }
    return newest;
}

}  // namespace

void SetTransientFor(SDL_Window* window, SDL_Window* owner) {
    std::optional<X11Window> self = NativeOf(window);
    std::optional<X11Window> parent = NativeOf(owner);
    if (!self || !parent) return;
    XSetTransientForHint(self->display, self->window, parent->window);
}

void SetFrameFunctions(SDL_Window* window, FrameFunctions functions) {
    std::optional<X11Window> x = NativeOf(window);
    if (!x) return;
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
    const Atom motif = AtomOf(x->display, "_MOTIF_WM_HINTS");
    XChangeProperty(x->display, x->window, motif, motif, 32, PropModeReplace, reinterpret_cast<unsigned char*>(&hints),
                    sizeof hints / sizeof(long));
}

void SetDialogType(SDL_Window* window) {
    std::optional<X11Window> x = NativeOf(window);
    if (!x) return;
    Atom dialog = AtomOf(x->display, "_NET_WM_WINDOW_TYPE_DIALOG");
    XChangeProperty(x->display, x->window, AtomOf(x->display, "_NET_WM_WINDOW_TYPE"), XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&dialog), 1);
}

void RequestActivation(SDL_Window* window, const std::vector<SDL_Window*>& programWindows) {
    std::optional<X11Window> x = NativeOf(window);
    if (!x) return;
    const NewestInput newest = NewestInputAmong(x->display, programWindows);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = x->window;
    event.xclient.message_type = AtomOf(x->display, "_NET_ACTIVE_WINDOW");
    event.xclient.format = 32;
    event.xclient.data.l[0] = 1;  // a request from an application
    event.xclient.data.l[1] = static_cast<long>(newest.time);
    event.xclient.data.l[2] = static_cast<long>(newest.window);
    XSendEvent(x->display, DefaultRootWindow(x->display), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &event);
    XFlush(x->display);
}

}  // namespace platform::x11
