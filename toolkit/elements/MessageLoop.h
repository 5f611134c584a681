// The program's message loop: it runs until the quit message, which the destruction of the
// first form window ever created posts.
#pragma once

namespace OrloUtility {

class Form;

// Gets, translates and dispatches every message of the thread. When `mainForm` (may be null)
// is a tool window, its keyboard navigation (Tab, Enter, Escape) goes through the platform's
// dialog handling first. Returns 0 when the loop ends.
int RunMessageLoop(Form* mainForm);

}  // namespace OrloUtility
