// SDL wakes its own wait for events by sending an event to the newest window over a second
// connection to the X server. The server may carry out the program's destruction of that window
// (a drop-down closing, a message box answered) before it; the send then fails, and Xlib's
// default answer to a failed request is to end the program. The wake-up is not needed any more
// by then, so that one error is ignored; every other error goes where it went before.
#pragma once

namespace platform::x11 {

// The error a late wake-up makes: BadWindow from a SendEvent request.
bool IsLateWakeUp(int errorCode, int requestCode);

// Puts a handler in front of the X error handler in place, which ignores late wake-ups and
// hands every other error on to it. Called before SDL opens its X11 video: SDL's own handler
// then hands errors on to this one, and SDL puts this one back when it closes the video, which
// is when the last wake-up, sent to a window closing with the program, can still fail. Harmless
// on any other display: only Xlib calls it.
void IgnoreLateWakeUps();

}  // namespace platform::x11
