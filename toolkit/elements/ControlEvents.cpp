#include "toolkit/elements/ControlEvents.h"

namespace OrloUtility {

void ControlEvents::OnControlCommand(WORD) {}

LRESULT ControlEvents::OnControlNotify(const NMHDR&) { return 0; }

void ControlEvents::OnControlScroll(WORD, int) {}

HWND ControlEvents::CompanionWindow() const { return nullptr; }

}  // namespace OrloUtility
