#include "backends/sdl/X11WindowHints.h"
#include "backends/sdl/SdlLibrary.h"

#include <SDL_syswm.h>

#include <optional>

#include "backends/x11/WindowHints.h"

namespace platform::x11 {

using sdl::Sdl;

namespace {

struct X11Window {
    Display* display = nullptr;
    ::Window window = 0;
};

std::optional<X11Window> NativeOf(SDL_Window* window) {
    if (!window) return std::nullopt;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!Sdl().GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return std::nullopt;
    return X11Window{info.info.x11.display, info.info.x11.window};
}

}  // namespace

void SetTransientFor(SDL_Window* window, SDL_Window* owner) {
    std::optional<X11Window> self = NativeOf(window);
    std::optional<X11Window> parent = NativeOf(owner);
    if (self && parent) SetTransientFor(self->display, self->window, parent->window);
}

void SetFrameFunctions(SDL_Window* window, FrameFunctions functions) {
    if (std::optional<X11Window> x = NativeOf(window)) SetFrameFunctions(x->display, x->window, functions);
}

void SetDialogType(SDL_Window* window) {
    if (std::optional<X11Window> x = NativeOf(window)) SetWindowType(x->display, x->window, "_NET_WM_WINDOW_TYPE_DIALOG");
}

// SDL records each window's last user time itself.
void RequestActivation(SDL_Window* window, const std::vector<SDL_Window*>& programWindows) {
    std::optional<X11Window> x = NativeOf(window);
    if (!x) return;
    std::vector<::Window> ours;
    for (SDL_Window* sdl : programWindows)
        if (std::optional<X11Window> native = NativeOf(sdl)) ours.push_back(native->window);
    RequestActivation(x->display, x->window, ours);
}

}  // namespace platform::x11
