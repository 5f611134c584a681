// An entry of a drop-down menu: a command item, optionally checkable, or, when it has entries
// of its own, a nested pop-up. Items take their ids when they are constructed, so a menu built
// before any control gives its items the lower ids.
#pragma once

#include <string>
#include <vector>

#include "toolkit/elements/Child.h"
#include "toolkit/elements/CommandElement.h"

namespace OrloUtility {

class Menu;

class SubMenu : public Child, public CommandElement {
public:
    // Appended to `menu` or to `parentItem`, which makes it at once when already made. The
    // parent must outlive the item.
    SubMenu(Menu* menu, const std::string& caption);
    SubMenu(SubMenu* parentItem, const std::string& caption);

    // Appends the item (with its item flags and check mark) or, with entries, a pop-up holding
    // them to the parent's menu. Nothing until the parent's menu exists, and nothing once made.
    void Create() override;
    // Shows the mark when the item is both checkable and checked, otherwise none.
    void ApplyCheckMark();
    // The mark the menu shows, read into `checked`: set exactly when the item's state is the
    // check mark and nothing else (a greyed checked item reads unchecked). The stored value
    // while the item or its parent's menu is not made.
    bool IsChecked();
    // Appends an entry, made at once when this item is made (only a pop-up can hold it).
    void AddItem(SubMenu& item);

    const std::vector<SubMenu*>& Items() const { return items_; }
    HMENU PopupHandle() const { return popup_; }

private:
    std::vector<SubMenu*> items_;  // in order; not owned
    HMENU popup_ = nullptr;        // only for an item with entries

public:
    UINT itemFlags = 0;  // AppendMenuW flags of a command item: 0 is a plain text item
    bool checkable = false;
    bool checked = false;

private:
    explicit SubMenu(GUIElement* parentElement, const std::string& caption);
    HMENU ParentMenu() const;
    void AppendPopup(HMENU parentMenu);
    void AppendCommand(HMENU parentMenu);
};

}  // namespace OrloUtility
