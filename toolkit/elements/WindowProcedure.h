// The one window procedure of the toolkit: the class procedure of every form and, by
// subclassing, the first procedure of every standard control the toolkit creates. It finds the
// element a window belongs to, turns the message into a call of one of the element's
// operations or into a toolkit service (commands, timers, hot keys, owner-drawn buttons, Tab
// between controls, cursors, mouse tracking), then hands the message on to the control's own
// procedure or to the platform's default one.
#pragma once

#include <utility>
#include <vector>

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
    // Controls that outlived their element while another procedure sat in front of the
    // toolkit's, so that the toolkit's could not step out of the chain: each with its own
    // procedure, which the toolkit's still hands every message to until the window is gone.
    std::vector<std::pair<HWND, WNDPROC>> orphans;
};

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Keeps `window`'s own procedure for the toolkit's to call once the element is gone.
void RememberControlProcedure(HWND window, WNDPROC procedure);

// The form last activated while in the foreground; null at start.
Form* ActiveForm();
// A form being destroyed stops being the active form, so a later activation does not touch it.
void ForgetActiveForm(const Form& form);

}  // namespace OrloUtility
