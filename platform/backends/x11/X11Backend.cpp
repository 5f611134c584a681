#include "backends/x11/X11Backend.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "DesktopWindows.h"
#include "backends/LocalTime.h"
#include "backends/sdl/SdlMedia.h"

#include "backends/x11/Errors.h"
#include "backends/x11/NativeWindows.h"
#include "backends/x11/WindowHints.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

namespace platform {

namespace {

// The platform keeps 0x00RRGGBB pixels, 32 bits each: the screen must take them as they are.
bool TakesOurPixels(Display* display, std::string& reason) {
    const int screen = DefaultScreen(display);
    Visual* visual = DefaultVisual(display, screen);
    const int depth = DefaultDepth(display, screen);
    const bool layout = visual->red_mask == 0xFF0000 && visual->green_mask == 0xFF00 && visual->blue_mask == 0xFF;
    int count = 0;
    bool thirtyTwoBits = false;
    if (XPixmapFormatValues* formats = XListPixmapFormats(display, &count)) {
        for (int i = 0; i < count; ++i)
            if (formats[i].depth == depth) thirtyTwoBits = formats[i].bits_per_pixel == 32;
        XFree(formats);
    }
    if ((depth == 24 || depth == 32) && layout && thirtyTwoBits) return true;
    reason = "the X screen is not a 24-bit true-colour screen";
    return false;
}

// Shared images work only when the server runs on this machine; over a network the pixels go
// through the connection.
bool LocalSharedMemory(Display* display) {
    const char* name = DisplayString(display);
    const bool local = name && (name[0] == ':' || std::strncmp(name, "unix:", 5) == 0);
    return local && XShmQueryExtension(display);
}

// Where the native window goes on the screen: the window manager draws the border and caption
// around it, so it covers the part of the window inside them, menu bar and client area.
RECT NativeRectOf(const desktop::TopLevel& w) {
    const RECT& shown = w.shown;
    return {shown.left, shown.top, std::max(shown.right, shown.left + 1), std::max(shown.bottom, shown.top + 1)};
}

}  // namespace

X11Backend::X11Backend(Display* display)
    : display_(display), start_(std::chrono::steady_clock::now()), startLocalTime_(RealLocalTime()) {
    media_ = std::make_unique<sdl::SdlMedia>();
    sharedMemory_ = LocalSharedMemory(display);
    x11::InternAtomsUsed(display);
    gc_ = XCreateGC(display, DefaultRootWindow(display), 0, nullptr);
    // Held keys repeat as presses alone, not as a release and a press each time.
    XkbSetDetectableAutoRepeat(display, True, nullptr);
}

std::unique_ptr<X11Backend> X11Backend::Open(std::string& reason) {
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name) {
        reason = "DISPLAY is not set";
        return nullptr;
    }
    x11::KeepRunningOnErrors();
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        reason = std::string("no X display answers at \"") + name + "\"";
        return nullptr;
    }
    if (!TakesOurPixels(display, reason)) {
        XCloseDisplay(display);
        return nullptr;
    }
    return std::unique_ptr<X11Backend>(new X11Backend(display));
}

X11Backend::~X11Backend() {
    for (auto& [hwnd, native] : windows_) {
        ReleaseImage(native);
        XDestroyWindow(display_, native.id);
    }
    for (auto& [shape, cursor] : cursors_) XFreeCursor(display_, cursor);
    XFreeGC(display_, gc_);
    XCloseDisplay(display_);
}

std::uint64_t X11Backend::MonotonicMs() const {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(duration_cast<milliseconds>(steady_clock::now() - start_).count());
}

SIZE X11Backend::ScreenSize() const {
    const int screen = DefaultScreen(display_);
    return {DisplayWidth(display_, screen), DisplayHeight(display_, screen)};
}

void X11Backend::PollEvents() {
    MapPendingWindows();
    while (XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
        Handle(event);
    }
    focus_.DeactivateIfLeft(MonotonicMs());
}

// Shows what changed, then sleeps on the connection until an event arrives or the deadline
// passes.
bool X11Backend::WaitForEvents(std::optional<std::uint64_t> deadlineMs) {
    Present();
    const int timeout = WaitTimeoutMs(deadlineMs, focus_.DueAt(), MonotonicMs());
    if (XPending(display_) == 0) {
        pollfd connection{ConnectionNumber(display_), POLLIN, 0};
        while (poll(&connection, 1, timeout) < 0 && errno == EINTR) {
        }
    }
    PollEvents();
    return true;
}

HWND X11Backend::WindowOf(unsigned long id) const {
    for (const auto& [hwnd, native] : windows_)
        if (native.id == id) return hwnd;
    return nullptr;
}

X11Backend::Native* X11Backend::NativeOf(HWND window) {
    auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : &it->second;
}

unsigned long X11Backend::NativeWindowOf(HWND window) const {
    auto it = windows_.find(window);
    return it == windows_.end() ? 0 : it->second.id;
}

SoundOutput& X11Backend::Sound() { return media_->sound; }

JoystickSource& X11Backend::Joysticks() { return media_->joysticks; }

std::vector<unsigned long> X11Backend::ProgramWindows() const {
    std::vector<unsigned long> ids;
    for (const auto& [hwnd, native] : windows_) ids.push_back(native.id);
    return ids;
}

void X11Backend::OnWindowCreated(HWND window) {
    const std::optional<desktop::TopLevel> w = desktop::TopLevelOf(window);
    if (!w) return;
    const x11::NativeKind kind = x11::KindOf(*w);
    Native native;
    native.id = x11::CreateNativeWindow(display_, NativeRectOf(*w), kind);
    if (!native.id) return;
    if (cursor_) XDefineCursor(display_, native.id, cursor_);
    windows_[window] = native;
    SetTitle(native.id, w->title);
    if (kind.framed) Describe(*w, native);
    if (kind.borderless) x11::SetUndecorated(display_, native.id);
}

// A framed window's kind, as the window manager needs to know it before the window first shows:
// the frame's buttons its styles allow, the owner it stays with, and whether it is a dialog.
void X11Backend::Describe(const desktop::TopLevel& w, const Native& native) {
    x11::SetFrameFunctions(display_, native.id, {(w.style & WS_MINIMIZEBOX) != 0, (w.style & WS_MAXIMIZEBOX) != 0,
                                                 (w.style & WS_THICKFRAME) != 0});
    if (Native* owner = NativeOf(w.owner)) x11::SetTransientFor(display_, native.id, owner->id);
}

void X11Backend::OnWindowDestroyed(HWND window) {
    if (Native* native = NativeOf(window)) {
        ReleaseImage(*native);
        XDestroyWindow(display_, native->id);
        XFlush(display_);
    }
    windows_.erase(window);
    focus_.Forget(window);
    std::erase(pendingMaps_, window);
}

void X11Backend::OnWindowShown(HWND window, bool visible) {
    Native* native = NativeOf(window);
    if (!native) return;
    std::erase(pendingMaps_, window);
    if (visible) {
        pendingMaps_.push_back(window);
        return;
    }
    native->activateWhenMapped = false;
    native->mapRequested = false;
    XWithdrawWindow(display_, native->id, DefaultScreen(display_));
    XFlush(display_);
}

void X11Backend::MapPendingWindows() {
    if (pendingMaps_.empty()) return;
    std::vector<HWND> pending;
    pending.swap(pendingMaps_);
    for (HWND window : pending) {
        Native* native = NativeOf(window);
        const std::optional<desktop::TopLevel> w = desktop::TopLevelOf(window);
        if (!native || !w || !w->visible) continue;
        XMapRaised(display_, native->id);
        native->mapRequested = true;
        // Activated while still hidden: the desktop learns it once the window is there.
        if (GetActiveWindow() == window && focus_.Window() != window) native->activateWhenMapped = true;
    }
    XFlush(display_);
}

void X11Backend::OnWindowActivated(HWND window) {
    if (window == focus_.Window()) return;  // the desktop's own activation, or already shown so
    if (Native* native = NativeOf(window)) ShowAsActive(window, *native);
}

// Raises the window and asks for the keyboard for it, directly while the program has the
// keyboard and through the window manager, stamped with the person's last input, otherwise. A
// window not on the screen (still being mapped, or minimized by the desktop) is first brought
// there and activated when it arrives.
void X11Backend::ShowAsActive(HWND window, Native& native) {
    const std::optional<desktop::TopLevel> w = desktop::TopLevelOf(window);
    if (!w || !w->visible || desktop::IsFloatingPopup(*w)) return;
    if (std::find(pendingMaps_.begin(), pendingMaps_.end(), window) != pendingMaps_.end()) return;
    if (!native.mapped) {
        native.activateWhenMapped = true;
        if (!native.mapRequested) XMapRaised(display_, native.id);
        native.mapRequested = true;
        XFlush(display_);
        return;
    }
    native.activateWhenMapped = false;
    XRaiseWindow(display_, native.id);
    if (focus_.Window()) XSetInputFocus(display_, native.id, RevertToParent, CurrentTime);
    x11::RequestActivation(display_, native.id, ProgramWindows());
}

void X11Backend::OnWindowMoved(HWND window) {
    Native* native = NativeOf(window);
    const std::optional<desktop::TopLevel> w = desktop::TopLevelOf(window);
    if (!native || !w || mirroring_) return;
    const RECT rect = NativeRectOf(*w);
    x11::FixSize(display_, native->id, rect);
    XMoveResizeWindow(display_, native->id, rect.left, rect.top, std::max(1, int(rect.right - rect.left)),
                      std::max(1, int(rect.bottom - rect.top)));
    XFlush(display_);
}

void X11Backend::OnWindowTextChanged(HWND window) {
    Native* native = NativeOf(window);
    const std::optional<desktop::TopLevel> w = desktop::TopLevelOf(window);
    if (native && w) SetTitle(native->id, w->title);
}

void X11Backend::SetTitle(unsigned long id, const std::wstring& text) {
    x11::SetTitle(display_, id, text);
    XFlush(display_);
}

void X11Backend::OnWindowIconChanged(HWND window) {
    Native* native = NativeOf(window);
    const std::optional<desktop::Picture> icon = desktop::IconOf(window);
    if (!native || !icon) return;
    x11::SetIcon(display_, native->id, icon->pixels, icon->size);
    XFlush(display_);
}

void X11Backend::OnCursorChanged(HCURSOR cursor) {
    const unsigned shape = x11::CursorShapeOf(desktop::SystemCursorOf(cursor));
    auto it = cursors_.find(shape);
    if (it == cursors_.end()) it = cursors_.emplace(shape, XCreateFontCursor(display_, shape)).first;
    cursor_ = it->second;
    for (auto& [hwnd, native] : windows_) XDefineCursor(display_, native.id, cursor_);
    XFlush(display_);
}

bool InstallX11Backend(std::string& reason) {
    std::unique_ptr<X11Backend> backend = X11Backend::Open(reason);
    if (!backend) return false;
    InstallBackend(std::move(backend));
    return true;
}

}  // namespace platform
