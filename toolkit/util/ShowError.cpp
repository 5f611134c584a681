#include "toolkit/util/ShowError.h"

#include "PlatformApi.h"

namespace OrloUtility {

// Task-modal: the program's other windows take no input while the box is up, even though the
// box has no owner. What the box answers does not matter, so it is not read.
void ShowError(std::string text, std::string caption) {
    MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace OrloUtility
