#include "toolkit/elements/SubMenu.h"

#include "toolkit/elements/ElementRegistry.h"
#include "toolkit/elements/Menu.h"
#include "toolkit/util/TextConvert.h"

namespace OrloUtility {

SubMenu::SubMenu(GUIElement* parentElement, const std::string& caption) : Child(parentElement) {
    text_ = ToWide(caption);
    typeName_ = "submenu";
    id_ = TakeNextId();
}

SubMenu::SubMenu(Menu* menu, const std::string& caption) : SubMenu(static_cast<GUIElement*>(menu), caption) {
    if (menu) menu->AddItem(*this);
}

SubMenu::SubMenu(SubMenu* parentItem, const std::string& caption)
    : SubMenu(static_cast<GUIElement*>(parentItem), caption) {
    if (parentItem) parentItem->AddItem(*this);
}

void SubMenu::Create() {
    HMENU parentMenu = ParentMenu();
    if (created_ || !parentMenu) return;
    if (items_.empty()) AppendCommand(parentMenu);
    else AppendPopup(parentMenu);
    MarkMenuCreated(popup_);
    ApplyTooltipAndFont();
}

void SubMenu::AppendPopup(HMENU parentMenu) {
    // The entries look for this handle when they are made.
    popup_ = CreatePopupMenu();
    for (SubMenu* item : items_) item->Create();
    AppendMenuW(parentMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup_), text_.c_str());
}

// An item with empty text is appended with none: its flags say what it is, a separator for one.
void SubMenu::AppendCommand(HMENU parentMenu) {
    AppendMenuW(parentMenu, itemFlags, id_, text_.empty() ? nullptr : text_.c_str());
    if (checkable) CheckMenuItem(parentMenu, id_, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void SubMenu::ApplyCheckMark() {
    HMENU parentMenu = ParentMenu();
    if (!parentMenu) return;
    CheckMenuItem(parentMenu, id_, MF_BYCOMMAND | (checkable && checked ? MF_CHECKED : MF_UNCHECKED));
}

bool SubMenu::IsChecked() {
    HMENU parentMenu = ParentMenu();
    if (!created_ || !parentMenu) return checked;
    checked = GetMenuState(parentMenu, id_, MF_BYCOMMAND) == static_cast<UINT>(MF_CHECKED);
    return checked;
}

void SubMenu::AddItem(SubMenu& item) {
    items_.push_back(&item);
    if (created_) item.Create();
}

HMENU SubMenu::ParentMenu() const {
    if (auto* menu = dynamic_cast<const Menu*>(parent)) return menu->MenuHandle();
    if (auto* item = dynamic_cast<const SubMenu*>(parent)) return item->PopupHandle();
    return nullptr;
}

}  // namespace OrloUtility
