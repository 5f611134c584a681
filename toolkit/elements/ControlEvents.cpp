#include "toolkit/elements/ControlEvents.h"

namespace OrloUtility {

void ControlEvents::OnControlCommand(WORD) {}

void ControlEvents::OnControlCommandFrom(WORD, WORD code) { OnControlCommand(code); }

LRESULT ControlEvents::OnControlNotify(NMHDR&) { return 0; }

void ControlEvents::OnControlScroll(WORD, int) {}

HWND ControlEvents::CompanionWindow() const { return nullptr; }

}  // namespace OrloUtility
