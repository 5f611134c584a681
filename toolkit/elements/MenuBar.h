// A form's menu bar: the list of its drop-down menus, turned into the platform's bar and
// attached to the form's window by Create.
#pragma once

#include <vector>

#include "toolkit/elements/Child.h"

namespace OrloUtility {

class Menu;

class MenuBar : public Child {
public:
    // The form must outlive the bar.
    explicit MenuBar(GUIElement* form);

    // Makes the bar and every menu on it, depth first in list order, and attaches it to the
    // form's window. Nothing until the form's window exists, and nothing once made.
    void Create() override;
    // Appends a menu; a bar already made makes it at once.
    void AddMenu(Menu& menu);

    const std::vector<Menu*>& Menus() const { return menus_; }
    HMENU MenuHandle() const { return menu_; }

private:
    std::vector<Menu*> menus_;  // in order; not owned
    HMENU menu_ = nullptr;
};

}  // namespace OrloUtility
