// The one window procedure of the toolkit: the class procedure of every form and, by
// subclassing, the first procedure of every standard control the toolkit creates. It finds the
// element a window belongs to, turns the message into a call of one of the element's
// operations or into a toolkit service (commands, timers, hot keys, owner-drawn buttons, Tab
// between controls, cursors, mouse tracking), then hands the message on to the control's own
// procedure or to the platform's default one.
#pragma once

#include "PlatformApi.h"

namespace OrloUtility {

class Form;

// What the procedure keeps from one message to the next; one per process, in the toolkit's
// state (ToolkitState.h).
struct WindowProcedureState {
    bool cursorsLoaded = false;
    HCURSOR waitCursor = nullptr;
    HCURSOR handCursor = nullptr;
    // True while a hover and leave tracking request is outstanding.
    bool trackingMouse = false;
    Form* activeForm = nullptr;
};

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The form last activated while in the foreground; null at start.
Form* ActiveForm();
// A form being destroyed stops being the active form, so a later activation does not touch it.
void ForgetActiveForm(const Form& form);

}  // namespace OrloUtility
