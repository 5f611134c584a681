// Reports from controls as the window procedure delivers them: each goes to the element whose
// control (or companion window) sent it. A report from a window no element owns is left to the
// default procedure.
#pragma once

#include <optional>

#include "PlatformApi.h"

namespace OrloUtility {

// WM_COMMAND from `control` with `id` and `code`: a command element runs its command, whatever
// the code; any other element with control events hears them. False when no element owns it.
bool RouteControlCommand(HWND control, WORD id, WORD code);
// WM_NOTIFY: the element's answer, or nothing when no element owns the sender.
std::optional<LRESULT> RouteControlNotify(NMHDR* header);
// WM_HSCROLL or WM_VSCROLL whose last parameter names a control (not the window's own bar).
// False when no element owns it.
bool RouteControlScroll(HWND control, WORD code, int position);

}  // namespace OrloUtility
