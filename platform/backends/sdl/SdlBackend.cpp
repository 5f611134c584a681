#include "backends/sdl/SdlBackend.h"
#include "backends/sdl/SdlLibrary.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "DesktopInput.h"
#include "DesktopWindows.h"
#include "Utf8.h"
#include "backends/DesktopFocus.h"
#include "backends/LocalTime.h"
#include "backends/sdl/SdlKeys.h"
#include "backends/x11/Errors.h"
#include "backends/sdl/X11WindowHints.h"

namespace platform {

using sdl::Sdl;

namespace {

void SetProgramHints() {
        // Windows keep SDL's plain surface. Given a texture instead, SDL re-creates each window as an
    // OpenGL one when it first shows (a new native window behind the program's back) and draws
    // through OpenGL, in software where there is no graphics card.
    Sdl().SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // The click that activates a window is the person's click on it, as on the classic platform;
    // SDL would otherwise drop a click that comes with the focus.
    Sdl().SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
}

// Where the native window goes on the screen: the window manager draws the border and caption
// around it, so it covers the part of the window inside them, menu bar and client area.
SDL_Rect NativeRectOf(const desktop::TopLevel& w) {
    const RECT& shown = w.shown;
    return {shown.left, shown.top, std::max(1, int(shown.right - shown.left)), std::max(1, int(shown.bottom - shown.top))};
}

// With no display reachable SDL falls back to drivers that show nothing at all; a program started
// on one would run unseen. They count only when asked for by name (tests ask for "dummy"). True,
// with the video closed again and the reason set, when the driver in use is refused.
bool RefusedInvisibleDriver() {
    const char* asked = Sdl().GetHint(SDL_HINT_VIDEODRIVER);
    const std::string driver = Sdl().GetCurrentVideoDriver() ? Sdl().GetCurrentVideoDriver() : "";
    if ((asked && *asked) || (driver != "offscreen" && driver != "dummy")) return false;
    Sdl().QuitSubSystem(SDL_INIT_VIDEO);
    Sdl().SetError("no X11 or Wayland display found; SDL offered only its %s driver, which shows nothing", driver.c_str());
    return true;
}

UINT ButtonMessage(Uint8 button, bool down) {
    UINT message = button == SDL_BUTTON_RIGHT ? WM_RBUTTONDOWN : button == SDL_BUTTON_MIDDLE ? WM_MBUTTONDOWN : WM_LBUTTONDOWN;
    return down ? message : message + 1;
}

}  // namespace

SdlBackend::SdlBackend() : start_(std::chrono::steady_clock::now()), startLocalTime_(RealLocalTime()) {}

namespace {

// With no session bus to talk to, SDL's start-up would have D-Bus fork a helper to launch a
// new one, at every start, for services (the input method, the screen saver's inhibition)
// that a bus made just now would not offer anyway. An address that cannot be reached keeps
// SDL from asking; the program's environment is given back untouched afterwards.
bool InitVideoWithoutLaunchingABus() {
    const char* bus = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    const bool noBus = !bus || !*bus;
    if (noBus) setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/astrovex-no-session-bus", 1);
    const bool started = Sdl().InitSubSystem(SDL_INIT_VIDEO) == 0;
    if (noBus) unsetenv("DBUS_SESSION_BUS_ADDRESS");
    return started;
}

}  // namespace

std::unique_ptr<SdlBackend> SdlBackend::Open() {
    if (!sdl::Load()) return nullptr;
    SetProgramHints();
    x11::IgnoreLateWakeUps();
    if (!InitVideoWithoutLaunchingABus()) return nullptr;
    if (RefusedInvisibleDriver()) return nullptr;
    Sdl().StartTextInput();
    return std::unique_ptr<SdlBackend>(new SdlBackend());
}

SdlBackend::~SdlBackend() {
    for (auto& [hwnd, sdl] : windows_) Sdl().DestroyWindow(sdl);
    // The cursors belong to the video subsystem and would dangle once it is gone.
    for (SDL_Cursor* shape : cursors_)
        if (shape) Sdl().FreeCursor(shape);
    Sdl().QuitSubSystem(SDL_INIT_VIDEO);
}

std::uint64_t SdlBackend::MonotonicMs() const {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(duration_cast<milliseconds>(steady_clock::now() - start_).count());
}

SIZE SdlBackend::ScreenSize() const {
    SDL_Rect bounds{0, 0, 1280, 1024};
    Sdl().GetDisplayBounds(0, &bounds);
    return {bounds.w, bounds.h};
}

void SdlBackend::PollEvents() {
    MapPendingWindows();
    SDL_Event event;
    while (Sdl().PollEvent(&event)) Handle(event);
    focus_.DeactivateIfLeft(MonotonicMs());
}

// Shows what changed, then sleeps in SDL until an event arrives or the deadline passes.
bool SdlBackend::WaitForEvents(std::optional<std::uint64_t> deadlineMs) {
    Present();
    const int timeout = WaitTimeoutMs(deadlineMs, focus_.DueAt(), MonotonicMs());
    SDL_Event event;
    if (timeout < 0 ? Sdl().WaitEvent(&event) : Sdl().WaitEventTimeout(&event, timeout)) Handle(event);
    PollEvents();
    return true;
}

void SdlBackend::Handle(const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN: case SDL_KEYUP:
        if (UINT vk = sdl::VirtualKeyOf(event.key.keysym)) desktop::KeyChanged(vk, event.type == SDL_KEYDOWN, true);
        break;
    case SDL_TEXTINPUT: desktop::TextTyped(WideOfUtf8(event.text.text).value_or(std::wstring())); break;
    case SDL_MOUSEMOTION: HandleMouse(event.motion.windowID, event.motion.x, event.motion.y, WM_MOUSEMOVE); break;
    case SDL_MOUSEBUTTONDOWN: case SDL_MOUSEBUTTONUP:
        HandleMouse(event.button.windowID, event.button.x, event.button.y,
                    ButtonMessage(event.button.button, event.type == SDL_MOUSEBUTTONDOWN));
        break;
    case SDL_MOUSEWHEEL: HandleWheel(event.wheel); break;
    case SDL_WINDOWEVENT: HandleWindowEvent(event.window); break;
    case SDL_QUIT: break;  // each window's close button is handled as a window event
    default: break;
    }
}

void SdlBackend::HandleMouse(Uint32 windowId, int x, int y, UINT message) {
    pointerInWindow_ = {x, y};
    HWND window = WindowOf(windowId);
    // Per pointer move: the shown rectangle alone, not the window's whole description.
    const std::optional<RECT> shown = desktop::ShownOnScreen(window);
    if (shown) desktop::PointerEvent(message, {shown->left + x, shown->top + y}, window);
}

// SDL counts notches, positive away from the person and to the right unless the desktop flips
// them; each axis that turned is a turn of its own.
void SdlBackend::HandleWheel(const SDL_MouseWheelEvent& event) {
    HWND window = WindowOf(event.windowID);
    const std::optional<RECT> shown = desktop::ShownOnScreen(window);
    if (!shown) return;
    const int sign = event.direction == SDL_MOUSEWHEEL_FLIPPED ? -1 : 1;
    const POINT screen{shown->left + pointerInWindow_.x, shown->top + pointerInWindow_.y};
    if (event.y) desktop::WheelTurned(sign * event.y * WHEEL_DELTA, false, screen, window);
    if (event.x) desktop::WheelTurned(sign * event.x * WHEEL_DELTA, true, screen, window);
}

void SdlBackend::HandleWindowEvent(const SDL_WindowEvent& event) {
    HWND window = WindowOf(event.windowID);
    if (!window) return;
    switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE: desktop::CloseRequested(window); break;
    case SDL_WINDOWEVENT_EXPOSED:
        if (SDL_Window* sdl = SdlWindowOf(window)) PresentWindow(window, sdl, true);
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED: focus_.Gained(window, Sdl().GetGlobalMouseState(nullptr, nullptr) != 0); break;
    case SDL_WINDOWEVENT_FOCUS_LOST: focus_.Lost(window, MonotonicMs()); break;
    case SDL_WINDOWEVENT_MOVED: OnDesktopMoved(window, event.data1, event.data2); break;
    default: break;
    }
}

// The window manager moved the native window: the window's outer rectangle goes with it.
void SdlBackend::OnDesktopMoved(HWND window, int x, int y) {
    const std::optional<desktop::TopLevel> w = desktop::TopLevelOf(window);
    if (!w || mirroring_) return;
    mirroring_ = true;
    desktop::MovedBy(window, {w->outer.left + x - w->shown.left, w->outer.top + y - w->shown.top});
    mirroring_ = false;
}

HWND SdlBackend::WindowOf(Uint32 windowId) const {
    for (const auto& [hwnd, sdl] : windows_)
        if (Sdl().GetWindowID(sdl) == windowId) return hwnd;
    return nullptr;
}

SDL_Window* SdlBackend::SdlWindowOf(HWND window) const {
    auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : it->second;
}

void SdlBackend::OnWindowCreated(HWND window) {
    const std::optional<desktop::TopLevel> w = desktop::TopLevelOf(window);
    if (!w) return;
    const SDL_Rect native = NativeRectOf(*w);
    const bool framed = (w->style & WS_CAPTION) == WS_CAPTION;
    Uint32 flags = SDL_WINDOW_HIDDEN;
    // A pop-up (drop-down menu, tooltip) has no frame of the desktop's own, nor has a program's
    // frameless window, which the desktop otherwise manages as any other.
    if (desktop::IsFloatingPopup(*w)) flags |= SDL_WINDOW_BORDERLESS | SDL_WINDOW_POPUP_MENU;
    else if (!framed && (w->style & WS_POPUP)) flags |= SDL_WINDOW_BORDERLESS;
    else if (w->exStyle & WS_EX_TOOLWINDOW) flags |= SDL_WINDOW_UTILITY;
    if ((w->exStyle & WS_EX_TOPMOST)) flags |= SDL_WINDOW_ALWAYS_ON_TOP;
    std::string title = Utf8Of(w->title);
    SDL_Window* sdl = Sdl().CreateWindow(title.c_str(), native.x, native.y, native.w, native.h, flags);
    if (!sdl) return;
    windows_[window] = sdl;
    if (framed) DescribeToWindowManager(*w, sdl);
}

// A framed window's kind, as the window manager needs to know it before the window first shows:
// the frame's buttons its styles allow, the owner it stays with, and whether it is a dialog.
void SdlBackend::DescribeToWindowManager(const desktop::TopLevel& w, SDL_Window* sdl) {
    const bool sizable = (w.style & WS_THICKFRAME) != 0;
    x11::SetFrameFunctions(sdl, {(w.style & WS_MINIMIZEBOX) != 0, (w.style & WS_MAXIMIZEBOX) != 0, sizable});
    if (SDL_Window* owner = SdlWindowOf(w.owner)) x11::SetTransientFor(sdl, owner);
    if ((w.exStyle & WS_EX_DLGMODALFRAME) && !(w.exStyle & WS_EX_TOOLWINDOW)) x11::SetDialogType(sdl);
}

void SdlBackend::OnWindowDestroyed(HWND window) {
    if (SDL_Window* sdl = SdlWindowOf(window)) Sdl().DestroyWindow(sdl);
    windows_.erase(window);
    focus_.Forget(window);
    std::erase(pendingMaps_, window);
}

void SdlBackend::OnWindowShown(HWND window, bool visible) {
    SDL_Window* sdl = SdlWindowOf(window);
    if (!sdl) return;
    std::erase(pendingMaps_, window);
    if (!visible) {
        Sdl().HideWindow(sdl);
        return;
    }
    pendingMaps_.push_back(window);
}

void SdlBackend::MapPendingWindows() {
    std::vector<HWND> pending;
    pending.swap(pendingMaps_);
    for (HWND window : pending) {
        SDL_Window* sdl = SdlWindowOf(window);
        const std::optional<desktop::TopLevel> w = desktop::TopLevelOf(window);
        if (!sdl || !w || !w->visible) continue;
        Sdl().ShowWindow(sdl);
        if (Sdl().GetWindowFlags(sdl) & SDL_WINDOW_MINIMIZED) Sdl().RestoreWindow(sdl);
        PresentWindow(window, sdl, true);
        // Activated while still hidden: the desktop learns it now that the window is there.
        if (GetActiveWindow() == window && focus_.Window() != window) ShowAsActive(window, sdl);
    }
}

void SdlBackend::OnWindowActivated(HWND window) {
    if (window == focus_.Window()) return;  // the desktop's own activation, or already shown so
    if (SDL_Window* sdl = SdlWindowOf(window)) ShowAsActive(window, sdl);
}

// Raises the window and asks for the keyboard for it: SDL's request, and, for a window manager
// that declines one without the person's input behind it, the request stamped with that input's
// time. A window the desktop minimized anyway comes back first.
void SdlBackend::ShowAsActive(HWND window, SDL_Window* sdl) {
    const std::optional<desktop::TopLevel> w = desktop::TopLevelOf(window);
    const bool mapped = (Sdl().GetWindowFlags(sdl) & SDL_WINDOW_SHOWN) != 0;
    if (!w || !w->visible || desktop::IsFloatingPopup(*w) || !mapped) return;
    if (Sdl().GetWindowFlags(sdl) & SDL_WINDOW_MINIMIZED) Sdl().RestoreWindow(sdl);
    Sdl().RaiseWindow(sdl);
    // Within the program the keyboard moves at once; from another program only the window
    // manager may take it, by the request below.
    if (focus_.Window()) Sdl().SetWindowInputFocus(sdl);
    std::vector<SDL_Window*> ours;
    for (const auto& [hwnd, native] : windows_) ours.push_back(native);
    x11::RequestActivation(sdl, ours);
}

void SdlBackend::OnWindowMoved(HWND window) {
    SDL_Window* sdl = SdlWindowOf(window);
    const std::optional<desktop::TopLevel> w = desktop::TopLevelOf(window);
    if (!sdl || !w || mirroring_) return;
    const SDL_Rect native = NativeRectOf(*w);
    mirroring_ = true;
    Sdl().SetWindowPosition(sdl, native.x, native.y);
    Sdl().SetWindowSize(sdl, native.w, native.h);
    mirroring_ = false;
}

void SdlBackend::OnWindowTextChanged(HWND window) {
    SDL_Window* sdl = SdlWindowOf(window);
    const std::optional<desktop::TopLevel> w = desktop::TopLevelOf(window);
    if (sdl && w) Sdl().SetWindowTitle(sdl, Utf8Of(w->title).c_str());
}

void SdlBackend::OnWindowIconChanged(HWND window) {
    SDL_Window* sdl = SdlWindowOf(window);
    const std::optional<desktop::Picture> icon = desktop::IconOf(window);
    if (!sdl || !icon) return;
    SDL_Surface* surface = Sdl().CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(icon->pixels), icon->size,
                                                              icon->size, 32, icon->size * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!surface) return;
    Sdl().SetWindowIcon(sdl, surface);
    Sdl().FreeSurface(surface);
}

void SdlBackend::OnCursorChanged(HCURSOR cursor) {
    SDL_SystemCursor kind = SDL_SYSTEM_CURSOR_ARROW;
    {
        using namespace systemcursor;
        switch (desktop::SystemCursorOf(cursor)) {
        case kIBeam: kind = SDL_SYSTEM_CURSOR_IBEAM; break;
        case kWait: kind = SDL_SYSTEM_CURSOR_WAIT; break;
        case kCross: kind = SDL_SYSTEM_CURSOR_CROSSHAIR; break;
        case kHand: kind = SDL_SYSTEM_CURSOR_HAND; break;
        case kNo: kind = SDL_SYSTEM_CURSOR_NO; break;
        case kSizeAll: kind = SDL_SYSTEM_CURSOR_SIZEALL; break;
        default: break;
        }
    }
    SDL_Cursor*& shape = cursors_[kind];
    if (!shape) shape = Sdl().CreateSystemCursor(kind);
    if (shape) Sdl().SetCursor(shape);
}

void SdlBackend::Present() {
    MapPendingWindows();
    for (auto& [hwnd, sdl] : windows_) PresentWindow(hwnd, sdl, false);
}

void SdlBackend::PresentWindow(HWND window, SDL_Window* sdl, bool whole) {
    if (whole) desktop::Exposed(window);
    const std::optional<desktop::WindowPixels> pixels = desktop::PixelsOf(window);
    if (!pixels || !desktop::HasChanges(window)) return;
    SDL_Surface* target = Sdl().GetWindowSurface(sdl);
    if (!target) return;
    // Only the part inside the window manager's frame is on the screen.
    const RECT& shown = pixels->shown;
    const desktop::Changes changes = desktop::TakeChanges(window);
    std::array<SDL_Rect, desktop::kMaxChanges> updated{};
    int count = 0;
    for (int i = 0; i < changes.count; ++i) {
        const RECT& area = changes.rects[static_cast<std::size_t>(i)];
        // The surface may still have its old size while the desktop catches up with a resize.
        const SDL_Rect wanted{area.left - shown.left, area.top - shown.top, area.right - area.left, area.bottom - area.top};
        const SDL_Rect bounds{0, 0, target->w, target->h};
        SDL_Rect to{};
        if (!Sdl().IntersectRect(&wanted, &bounds, &to)) continue;
        const SDL_Rect from{to.x + shown.left, to.y + shown.top, to.w, to.h};
        if (CopyToSurface(*pixels, from, target, to)) updated[static_cast<std::size_t>(count++)] = to;
    }
    if (count > 0) Sdl().UpdateWindowSurfaceRects(sdl, updated.data(), count);
}

// 0x00RRGGBB rows are the window surface's own format on a 24- or 32-bit X display (SDL's RGB888
// or ARGB8888): copied row by row. Any other format is converted by SDL's blit.
bool SdlBackend::CopyToSurface(const desktop::WindowPixels& w, const SDL_Rect& from, SDL_Surface* target,
                               const SDL_Rect& to) {
    const Uint32 format = target->format->format;
    const bool sameLayout = format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888;
    if (sameLayout && !SDL_MUSTLOCK(target)) {
        const std::uint32_t* source = w.pixels + static_cast<std::ptrdiff_t>(from.y) * w.width + from.x;
        auto* row = static_cast<std::uint8_t*>(target->pixels) + static_cast<std::ptrdiff_t>(to.y) * target->pitch +
                    static_cast<std::ptrdiff_t>(to.x) * 4;
        for (int y = 0; y < to.h; ++y, source += w.width, row += target->pitch)
            std::memcpy(row, source, static_cast<std::size_t>(to.w) * 4);
        return true;
    }
    SDL_Surface* source = Sdl().CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(w.pixels), w.width, w.height,
                                                             32, w.width * 4, SDL_PIXELFORMAT_RGB888);
    if (!source) return false;
    // Our pixels carry no alpha: blending would only slow every copy down.
    Sdl().SetSurfaceBlendMode(source, SDL_BLENDMODE_NONE);
    SDL_Rect sourceRect = from;
    SDL_Rect targetRect = to;
    const bool copied = Sdl().UpperBlit(source, &sourceRect, target, &targetRect) == 0;
    Sdl().FreeSurface(source);
    return copied;
}

bool InstallSdlBackend() {
    std::unique_ptr<SdlBackend> backend = SdlBackend::Open();
    if (!backend) return false;
    InstallBackend(std::move(backend));
    return true;
}

}  // namespace platform
