#include "toolkit/elements/MessageLoop.h"

#include "PlatformApi.h"
#include "toolkit/elements/Form.h"

namespace OrloUtility {

namespace {

bool HandledAsDialog(Form* mainForm, MSG& message) {
    return mainForm && mainForm->toolWindow && IsDialogMessageW(mainForm->Handle(), &message);
}

}  // namespace

int RunMessageLoop(Form* mainForm) {
    MSG message{};
    // GetMessageW gives 0 for the quit message; an error (-1) ends the loop too rather than spin.
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (HandledAsDialog(mainForm, message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace OrloUtility
