// Commands and hot keys as the window procedure delivers them: a menu choice runs its item
// (flipping a checkable item's mark first), a control's notification runs the control's
// command, and a hot key reaches the handler of the form in front.
#pragma once

#include "PlatformApi.h"

namespace OrloUtility {

class Form;
class SubMenu;

// WM_COMMAND: a menu item's id (the second parameter zero) or a control's notification. True
// only for a control's notification that its element heard.
bool RouteCommand(WPARAM wParam, LPARAM lParam);
// What choosing `item` from its menu does; a toolbar button standing for the item does it too.
void ChooseMenuItem(SubMenu& item);
// WM_HOTKEY received by `form`'s window; `hotKeyId` is the entry's position in its list + 1.
void RouteHotKey(Form& form, HWND window, WPARAM hotKeyId);

}  // namespace OrloUtility
