#include "toolkit/elements/Menu.h"

#include "toolkit/elements/MenuBar.h"
#include "toolkit/elements/SubMenu.h"
#include "toolkit/util/TextConvert.h"

namespace OrloUtility {

Menu::Menu(MenuBar* bar, const std::string& title) : Child(bar) {
    text_ = ToWide(title);
    typeName_ = "menu";
    if (bar) bar->AddMenu(*this);
}

void Menu::Create() {
    auto* bar = dynamic_cast<MenuBar*>(parent);
    if (created_ || !bar || !bar->MenuHandle()) return;
    // The items look for this handle when they are made.
    menu_ = CreateMenu();
    for (SubMenu* item : items_) item->Create();
    AppendMenuW(bar->MenuHandle(), MF_POPUP, reinterpret_cast<UINT_PTR>(menu_), text_.c_str());
    MarkMenuCreated(menu_);
    ApplyTooltipAndFont();
}

void Menu::AddItem(SubMenu& item) {
    items_.push_back(&item);
    if (created_) item.Create();
}

}  // namespace OrloUtility
