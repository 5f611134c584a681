#include <algorithm>

#include "user/menus/Menus.h"

#include "PlatformState.h"

namespace platform {

namespace {

constexpr UINT kFailed = 0xFFFFFFFF;
constexpr UINT kCheckBits = MF_CHECKED;
constexpr UINT kEnableBits = MF_GRAYED | MF_DISABLED;

MenuObject* CheckMenu(HMENU menu) {
    MenuObject* object = State().menus.Find(menu);
    if (!object) SetLastError(ERROR_INVALID_MENU_HANDLE);
    return object;
}

// The state GetMenuState reports: an item's flags, and for a drop-down title also the number
// of items in its drop-down in the high byte.
UINT StateOf(const MenuItem& item) {
    UINT state = item.flags & (MF_CHECKED | MF_GRAYED | MF_DISABLED | MF_SEPARATOR | MF_HILITE | MF_POPUP |
                               MF_MENUBARBREAK | MF_MENUBREAK | MF_OWNERDRAW | MF_BITMAP);
    if (MenuObject* popup = State().menus.Find(item.Popup()))
        state = (state & 0xFF) | (static_cast<UINT>(popup->items.size()) << 8);
    return state;
}

}  // namespace

HMENU Menus::Create(bool popup) {
    auto menu = std::make_unique<MenuObject>();
    menu->popup = popup;
    return reinterpret_cast<HMENU>(table_.Add(std::move(menu)));
}

bool Menus::Destroy(HMENU menu) {
    MenuObject* object = Find(menu);
    if (!object) return false;
    std::vector<MenuItem> items = object->items;
    table_.Remove(reinterpret_cast<std::uintptr_t>(menu));
    for (const MenuItem& item : items)
        if (item.Popup()) Destroy(item.Popup());
    return true;
}

MenuItem* Menus::Item(HMENU menu, UINT idOrPosition, UINT flags) {
    MenuObject* object = Find(menu);
    if (!object) return nullptr;
    if (flags & MF_BYPOSITION) {
        return idOrPosition < object->items.size() ? &object->items[idOrPosition] : nullptr;
    }
    for (MenuItem& item : object->items) {
        if (!item.Popup() && item.id == idOrPosition) return &item;
        if (MenuItem* inner = item.Popup() ? Item(item.Popup(), idOrPosition, flags) : nullptr) return inner;
    }
    return nullptr;
}

}  // namespace platform

using namespace platform;

HMENU WINAPI CreateMenu(void) { return State().menus.Create(false); }

HMENU WINAPI CreatePopupMenu(void) { return State().menus.Create(true); }

BOOL WINAPI DestroyMenu(HMENU hMenu) {
    if (!State().menus.Destroy(hMenu)) {
        SetLastError(ERROR_INVALID_MENU_HANDLE);
        return FALSE;
    }
    return TRUE;
}

BOOL WINAPI AppendMenuW(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCWSTR lpNewItem) {
    MenuObject* menu = CheckMenu(hMenu);
    if (!menu) return FALSE;
    if ((uFlags & MF_POPUP) && !State().menus.Find(reinterpret_cast<HMENU>(uIDNewItem))) {
        SetLastError(ERROR_INVALID_MENU_HANDLE);
        return FALSE;
    }
    MenuItem item;
    item.flags = uFlags & ~MF_BYPOSITION;
    item.id = uIDNewItem;
    bool hasText = !(uFlags & (MF_SEPARATOR | MF_BITMAP | MF_OWNERDRAW)) && lpNewItem;
    if (hasText) item.text = lpNewItem;
    menu->items.push_back(item);
    return TRUE;
}

DWORD WINAPI CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck) {
    MenuItem* item = State().menus.Item(hMenu, uIDCheckItem, uCheck);
    if (!item) return kFailed;
    DWORD previous = item->flags & kCheckBits;
    item->flags = (item->flags & ~kCheckBits) | (uCheck & kCheckBits);
    return previous;
}

BOOL WINAPI EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable) {
    MenuItem* item = State().menus.Item(hMenu, uIDEnableItem, uEnable);
    if (!item) return static_cast<BOOL>(kFailed);
    UINT previous = item->flags & kEnableBits;
    item->flags = (item->flags & ~kEnableBits) | (uEnable & kEnableBits);
    return static_cast<BOOL>(previous);
}

UINT WINAPI GetMenuState(HMENU hMenu, UINT uId, UINT uFlags) {
    MenuItem* item = State().menus.Item(hMenu, uId, uFlags);
    return item ? StateOf(*item) : kFailed;
}

int WINAPI GetMenuItemCount(HMENU hMenu) {
    MenuObject* menu = CheckMenu(hMenu);
    return menu ? static_cast<int>(menu->items.size()) : -1;
}

// The item's text, cut to cchMax - 1 characters and terminated; its length alone when no
// buffer is given; 0 for an item that is not there.
int WINAPI GetMenuStringW(HMENU hMenu, UINT uIDItem, LPWSTR lpString, int cchMax, UINT flags) {
    MenuItem* item = State().menus.Item(hMenu, uIDItem, flags);
    if (!item) return 0;
    const int length = static_cast<int>(item->text.size());
    if (!lpString) return length;
    if (cchMax <= 0) return 0;
    const int copied = std::min(length, cchMax - 1);
    std::copy_n(item->text.begin(), copied, lpString);
    lpString[copied] = L'\0';
    return copied;
}

HMENU WINAPI GetSubMenu(HMENU hMenu, int nPos) {
    MenuObject* menu = State().menus.Find(hMenu);
    if (!menu || nPos < 0 || static_cast<std::size_t>(nPos) >= menu->items.size()) return nullptr;
    return menu->items[static_cast<std::size_t>(nPos)].Popup();
}
