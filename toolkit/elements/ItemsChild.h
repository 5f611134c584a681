// The common part of the elements that hold a list of texts, list boxes and combo boxes: the
// items, kept by the element until its control exists and the control's from then on, an
// optional sorted order, and the height of a row.
#pragma once

#include <string>
#include <vector>

#include "toolkit/elements/Child.h"
#include "toolkit/elements/ControlEvents.h"
#include "toolkit/elements/ItemList.h"

namespace OrloUtility {

class ItemsChild : public Child, public ControlEvents {
public:
    static constexpr int kNone = -1;

    void AddItem(const std::string& item);
    // An index past the end, or negative, appends; a sorted list puts the item in its place.
    void InsertItem(int index, const std::string& item);
    // False for an index that names no item.
    bool RemoveItem(int index);
    void ClearItems();
    int ItemCount() const;
    // Empty for an index that names no item.
    std::string ItemText(int index) const;
    // In the control's order once it is made (a sorted one orders them itself); until then as
    // they were added.
    std::vector<std::string> Items() const;

    bool sorted = false;
    // The height of a row of the list, in pixels; 0: what the font needs.
    int itemHeight = 0;

protected:
    ItemsChild(GUIElement* parentForm, const ItemMessages& messages) : Child(parentForm), items_(messages) {}

    // Before the control is made the element keeps its selection itself, by index: these keep
    // it pointing at the same items when one goes, or all do.
    virtual void ForgetItem(int index) = 0;
    virtual void ForgetAllItems() = 0;

    ItemList items_;
};

}  // namespace OrloUtility
