// The X error handling of the backends: the SDL backend drops the error a late wake-up of SDL's
// wait makes and passes every other error on to the handler that was there before.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xproto.h>

#include "backends/x11/Errors.h"

namespace {

int errorsPassedOn = 0;

int CountingHandler(Display*, XErrorEvent*) {
    ++errorsPassedOn;
    return 0;
}

TEST(X11ErrorsTest, OnlyALateWakeUpIsDroppedAndEveryOtherErrorIsPassedOn) {
    struct Case {
        const char* name;
        unsigned char error;
        unsigned char request;
        bool passedOn;
    };
    const Case cases[] = {
        {"a wake-up sent to a window just destroyed", BadWindow, X_SendEvent, false},
        {"a bad window in another request", BadWindow, X_MapWindow, true},
        {"another error of a send", BadValue, X_SendEvent, true},
        {"an unrelated error", BadAlloc, X_CreatePixmap, true},
    };
    const XErrorHandler original = XSetErrorHandler(CountingHandler);
    platform::x11::IgnoreLateWakeUps();
    platform::x11::IgnoreLateWakeUps();  // SDL's video opened again: still one hand-on, no loop
    const XErrorHandler installed = XSetErrorHandler(original);
    ASSERT_NE(installed, CountingHandler);

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        errorsPassedOn = 0;
        XErrorEvent error{};
        error.error_code = c.error;
        error.request_code = c.request;
        installed(nullptr, &error);
        EXPECT_EQ(errorsPassedOn, c.passedOn ? 1 : 0);
        EXPECT_EQ(platform::x11::IsLateWakeUp(c.error, c.request), !c.passedOn);
    }
}

}  // namespace
