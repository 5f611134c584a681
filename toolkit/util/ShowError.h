// The program's one error box: an error icon, task-modal, with no owner window.
#pragma once

#include <string>

namespace OrloUtility {

// Shows `text` (a line break starts a new line) under `caption` and returns once the user has
// dismissed the box.
void ShowError(std::string text, std::string caption);

}  // namespace OrloUtility
