// What happens when the X server refuses a request. Xlib's default answer is to end the
// program, which a game must never do for a request that has simply become moot: a window the
// server destroyed before an event sent to it arrived, a property set on a window going away.
#pragma once

namespace platform::x11 {

// The error a late wake-up makes: BadWindow from a SendEvent request. SDL wakes its own wait
// for events by sending an event to the newest window over a second connection; the server may
// carry out the program's destruction of that window before it.
bool IsLateWakeUp(int errorCode, int requestCode);

// Puts a handler in front of the X error handler in place, which ignores late wake-ups and
// hands every other error on to it. Called before SDL opens its X11 video: SDL's own handler
// then hands errors on to this one, and SDL puts this one back when it closes the video.
// Harmless on any other display: only Xlib calls it.
void IgnoreLateWakeUps();

// For a program that talks to the X server itself: every error is noted (see ErrorTrap) and the
// program goes on.
void KeepRunningOnErrors();

// Notes the errors of the requests made while it lives: after XSync, Failed() says whether any
// of them was refused.
class ErrorTrap {
public:
    ErrorTrap();
    ~ErrorTrap();
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;
    bool Failed() const;

private:
    unsigned long errorsBefore_;
};

}  // namespace platform::x11
