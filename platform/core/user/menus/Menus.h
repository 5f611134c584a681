// Menus: a menu is a list of items; an item is a command (with an id), a separator, or the
// title of a drop-down menu of its own. A window's menu bar is one such menu.
#pragma once

#include <string>
#include <vector>

#include "HandleTable.h"
#include "PlatformApi.h"

namespace platform {

struct MenuItem {
    UINT flags = 0;          // MF_ state and kind bits, MF_POPUP for a drop-down title
    UINT_PTR id = 0;         // the command id; for a drop-down title, the drop-down's handle
    std::wstring text;
    HMENU Popup() const { return (flags & MF_POPUP) ? reinterpret_cast<HMENU>(id) : nullptr; }
    bool Separator() const { return (flags & MF_SEPARATOR) != 0; }
    bool Inert() const { return (flags & (MF_GRAYED | MF_DISABLED)) != 0 || Separator(); }
};

struct MenuObject {
    bool popup = false;
    std::vector<MenuItem> items;
    HWND window = nullptr;  // the window whose menu bar this is
};

class Menus {
public:
    HMENU Create(bool popup);
    MenuObject* Find(HMENU menu) const { return table_.Get(reinterpret_cast<std::uintptr_t>(menu)); }
    // Destroys the menu and, as the platform does, every drop-down it holds.
    bool Destroy(HMENU menu);
    // The item with this command id anywhere in the menu or its drop-downs, or at a position.
    MenuItem* Item(HMENU menu, UINT idOrPosition, UINT flags);

private:
    HandleTable<MenuObject, 4> table_;
};

}  // namespace platform
