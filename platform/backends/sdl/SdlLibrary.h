// SDL, loaded when the program first needs it: a sound, a joystick, or a display that is not
// X. Linked in, it would be loaded at every start with the fifty libraries it depends on (sound
// servers, Wayland, codecs), which take longer to load than the game takes to show its title,
// and stay resident for a game that may never play a sound. Every call into SDL goes through
// the table below, so none can be made before the library is there.
#pragma once

#include <SDL.h>
#include <SDL_syswm.h>

namespace platform::sdl {

#define ASTROVEX_SDL_FUNCTIONS(X)                                                                          \
    X(BuildAudioCVT) X(CloseAudioDevice) X(ConvertAudio) X(CreateRGBSurfaceWithFormatFrom)                 \
    X(CreateSystemCursor) X(CreateWindow) X(DestroyWindow) X(FreeCursor) X(FreeSurface)                       \
    X(GameControllerClose) X(GameControllerEventState) X(GameControllerGetAxis) X(GameControllerGetButton) \
    X(GameControllerGetJoystick) X(GameControllerHasAxis) X(GameControllerHasButton) X(GameControllerOpen) \
    X(GetAudioDeviceStatus) X(GetCurrentVideoDriver) X(GetDisplayBounds) X(GetError) X(GetGlobalMouseState) \
    X(GetHint) X(GetWindowFlags) X(GetWindowID) X(GetWindowSurface) X(GetWindowWMInfo) X(HideWindow)      \
    X(InitSubSystem) X(IntersectRect) X(IsGameController) X(JoystickClose) X(JoystickEventState)           \
    X(JoystickGetAttached) X(JoystickGetAxis) X(JoystickGetButton) X(JoystickGetDeviceInstanceID)          \
    X(JoystickGetProduct) X(JoystickGetVendor) X(JoystickInstanceID) X(JoystickName) X(JoystickNumAxes)    \
    X(JoystickNumButtons) X(JoystickNumHats) X(JoystickOpen) X(JoystickUpdate)              \
    X(LockSurface) X(NumJoysticks) X(OpenAudioDevice) X(PauseAudioDevice) X(PollEvent) X(QuitSubSystem)   \
    X(RaiseWindow) X(RestoreWindow) X(SetCursor) X(SetError) X(SetHint) X(SetSurfaceBlendMode) \
    X(SetWindowIcon) X(SetWindowInputFocus) X(SetWindowPosition) X(SetWindowSize) X(SetWindowTitle)       \
    X(ShowWindow) X(StartTextInput) X(UnlockSurface) X(UpdateWindowSurfaceRects) X(UpperBlit)             \
    X(WaitEvent) X(WaitEventTimeout)

// SDL's functions by their names without the SDL_ prefix.
struct Library {
#define ASTROVEX_SDL_MEMBER(name) decltype(&::SDL_##name) name = nullptr;
    ASTROVEX_SDL_FUNCTIONS(ASTROVEX_SDL_MEMBER)
#undef ASTROVEX_SDL_MEMBER
};

// Loads SDL on the first call, with SDL told to leave the process's signals alone; null when
// the library is not installed or lacks one of the functions. Later calls answer the same.
// Called from the program's thread only.
const Library* Load();

// Starts loading SDL on a thread of its own, so that the program's first sound does not wait
// inside a frame for fifty libraries to load; Load() then waits for that thread if it must.
void LoadInBackground();

// The loaded library: only once Load() succeeded.
const Library& Sdl();

// SDL's last error, or `fallback` when SDL was never loaded.
const char* LastError(const char* fallback);

}  // namespace platform::sdl
