#include "backends/x11/Errors.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace platform::x11 {

namespace {

XErrorHandler handlerBefore = nullptr;
unsigned long errorsSeen = 0;

int OnXError(Display* display, XErrorEvent* error) {
    if (IsLateWakeUp(error->error_code, error->request_code)) return 0;
    return handlerBefore ? handlerBefore(display, error) : 0;
}

int NoteXError(Display*, XErrorEvent*) {
    ++errorsSeen;
    return 0;
}

}  // namespace

bool IsLateWakeUp(int errorCode, int requestCode) { return errorCode == BadWindow && requestCode == X_SendEvent; }

void IgnoreLateWakeUps() {
    const XErrorHandler previous = XSetErrorHandler(OnXError);
    // Installed again over itself (SDL's video opened a second time), it keeps what it had.
    if (previous != OnXError) handlerBefore = previous;
}

void KeepRunningOnErrors() { XSetErrorHandler(NoteXError); }

ErrorTrap::ErrorTrap() : errorsBefore_(errorsSeen) {}
ErrorTrap::~ErrorTrap() = default;
bool ErrorTrap::Failed() const { return errorsSeen != errorsBefore_; }

}  // namespace platform::x11
