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

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The form last activated while in the foreground; null at start.
Form* ActiveForm();
// A form being destroyed stops being the active form, so a later activation does not touch it.
void ForgetActiveForm(const Form& form);

// For tests only: forgets the cursors, the mouse-tracking request and the active form, as at
// program start. The cursors belong to the platform state a test replaces.
void ResetWindowProcedureForTests();

}  // namespace OrloUtility
