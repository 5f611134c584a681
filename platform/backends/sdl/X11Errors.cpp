#include "backends/sdl/X11Errors.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace platform::x11 {

namespace {

XErrorHandler handlerBefore = nullptr;

int OnXError(Display* display, XErrorEvent* error) {
    if (IsLateWakeUp(error->error_code, error->request_code)) return 0;
    return handlerBefore ? handlerBefore(display, error) : 0;
}

}  // namespace

bool IsLateWakeUp(int errorCode, int requestCode) { return errorCode == BadWindow && requestCode == X_SendEvent; }

void IgnoreLateWakeUps() {
    const XErrorHandler previous = XSetErrorHandler(OnXError);
    // Installed again over itself (SDL's video opened a second time), it keeps what it had.
    if (previous != OnXError) handlerBefore = previous;
}

}  // namespace platform::x11
