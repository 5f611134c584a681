#include "toolkit/elements/CommandRouting.h"

#include <algorithm>
#include <cstdint>

#include "toolkit/elements/ControlRouting.h"
#include "toolkit/elements/ElementRegistry.h"
#include "toolkit/elements/Form.h"
#include "toolkit/elements/SubMenu.h"

namespace OrloUtility {

namespace {

// The high half of a command's first parameter: 0 for a menu, 1 for an accelerator.
constexpr WORD kFromMenu = 0;

void ChooseMenuItem(std::uint32_t id) {
    if (SubMenu* item = FindMenuItemById(id)) ChooseMenuItem(*item);
}

void CallHotKey(Form& form, const Form::HotKey& entry) {
    if (entry.handler) entry.handler(form, entry.modifiers, entry.key);
}

// A key combination registered by the active form is delivered to whichever toolkit form is
// in front, through that form's own entry for the same combination.
void DeliverToForeground(const Form::HotKey& pressed) {
    auto* front = dynamic_cast<Form*>(FindByHandle(GetForegroundWindow()));
    if (!front) return;
    auto same = std::find_if(front->hotKeys.begin(), front->hotKeys.end(), [&pressed](const Form::HotKey& entry) {
        return entry.modifiers == pressed.modifiers && entry.key == pressed.key;
    });
    if (same != front->hotKeys.end()) CallHotKey(*front, *same);
}

}  // namespace

// A checkable item's state becomes the opposite of the mark the menu shows before its command
// runs, so the command reads the new state.
void ChooseMenuItem(SubMenu& item) {
    if (item.checkable) {
        item.checked = !item.IsChecked();
        if (item.IsCreated()) item.ApplyCheckMark();
    }
    if (item.commandCallback) item.commandCallback(item);
}

bool RouteCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam != 0) return RouteControlCommand(reinterpret_cast<HWND>(lParam), LOWORD(wParam), HIWORD(wParam));
    if (HIWORD(wParam) == kFromMenu) ChooseMenuItem(LOWORD(wParam));
    return false;
}

void RouteHotKey(Form& form, HWND window, WPARAM hotKeyId) {
    if (hotKeyId == 0 || hotKeyId > form.hotKeys.size()) return;
    const Form::HotKey& entry = form.hotKeys[hotKeyId - 1];
    if (GetForegroundWindow() == window) {
        CallHotKey(form, entry);
        return;
    }
    DeliverToForeground(entry);
}

}  // namespace OrloUtility
