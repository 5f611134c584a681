// One drop-down title on a menu bar ("&File": the ampersand marks the access key), holding its
// items in order.
#pragma once

#include <string>
#include <vector>

#include "toolkit/elements/Child.h"

namespace OrloUtility {

class MenuBar;
class SubMenu;

class Menu : public Child {
public:
    // Appended to `bar`, which makes it at once when the bar is already made. The bar must
    // outlive the menu.
    Menu(MenuBar* bar, const std::string& title);

    // Makes the drop-down with its items and appends it to the bar. Nothing until the bar's
    // menu exists, and nothing once made.
    void Create() override;
    // Appends an item; a menu already made makes it at once.
    void AddItem(SubMenu& item);

    const std::vector<SubMenu*>& Items() const { return items_; }
    HMENU MenuHandle() const { return menu_; }

private:
    std::vector<SubMenu*> items_;  // in order; not owned
    HMENU menu_ = nullptr;
};

}  // namespace OrloUtility
