#include "toolkit/elements/MenuBar.h"

#include "toolkit/elements/Menu.h"

namespace OrloUtility {

MenuBar::MenuBar(GUIElement* form) : Child(form) { typeName_ = "menubar"; }

void MenuBar::Create() {
    HWND formWindow = ParentWindow();
    if (created_ || !formWindow) return;
    menu_ = CreateMenu();
    for (Menu* menu : menus_) menu->Create();
    SetMenu(formWindow, menu_);
    MarkMenuCreated(menu_);
    ApplyTooltipAndFont();
}

void MenuBar::AddMenu(Menu& menu) {
    menus_.push_back(&menu);
    if (created_) menu.Create();
}

}  // namespace OrloUtility
