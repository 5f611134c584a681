// A list of texts inside a form, of which a person selects one, or with multiple selection
// any number (Shift and Ctrl with the mouse and the keys). A sorted list keeps its items in
// alphabetical order, whatever the order they were added in; its indexes are that order's.
// The selection-changed callback runs after each change a person makes, the double-click
// callback when an item is double-clicked.
#pragma once

#include <string>
#include <vector>

#include "toolkit/elements/Child.h"
#include "toolkit/elements/ControlEvents.h"
#include "toolkit/elements/ItemList.h"

namespace OrloUtility {

class ListBox : public Child, public ControlEvents {
public:
    static constexpr int kNone = -1;

    // 160 by 120, empty, inside `parentForm`.
    explicit ListBox(GUIElement* parentForm);

    void Create() override;

    // ---- Items: stored until Create, then the live list's ----
    void AddItem(const std::string& item);
    // An index past the end, or negative, appends; a sorted list puts the item in its place.
    void InsertItem(int index, const std::string& item);
    // False for an index that names no item.
    bool RemoveItem(int index);
    void ClearItems();
    int ItemCount() const;
    std::string ItemText(int index) const;
    std::vector<std::string> Items() const;

    // ---- Selection ----
    // Selects the one item at `index` (kNone: none), in either kind of list.
    void SetSelectedIndex(int index);
    // The selected item of a single-selection list; the first selected one of a multiple one;
    // kNone when nothing is selected.
    int GetSelectedIndex();
    // Adds the item to the selection of a multiple-selection list, or takes it away; in a
    // single-selection list, selecting it selects it alone.
    void SetItemSelected(int index, bool selected);
    std::vector<int> GetSelectedIndices();

    void OnControlCommand(WORD code) override;

    bool multipleSelection = false;
    bool sorted = false;
    // The height of a row of the list in pixels; 0: what the font needs.
    int itemHeight = 0;
    bool bordered = true;
    EventCallback selectionChangedCallback = nullptr;
    EventCallback doubleClickCallback = nullptr;

private:
    DWORD Style() const;
    void ApplySelection();
    void ReadSelection();

    ItemList items_{kListBoxItems};
    std::vector<int> selected_;  // ascending
};

}  // namespace OrloUtility
