// A list of texts inside a form, of which a person selects one, or with multiple selection
// any number (Shift and Ctrl with the mouse and the keys). A sorted list keeps its items in
// alphabetical order, whatever the order they were added in; its indexes are that order's.
// The selection-changed callback runs after each change a person makes, the double-click
// callback when an item is double-clicked.
#pragma once

#include <vector>

#include "toolkit/elements/ItemsChild.h"

namespace OrloUtility {

class ListBox : public ItemsChild {
public:
    // 160 by 120, empty, inside `parentForm`.
    explicit ListBox(GUIElement* parentForm);

    void Create() override;

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
    bool bordered = true;
    EventCallback selectionChangedCallback = nullptr;
    EventCallback doubleClickCallback = nullptr;

protected:
    void ForgetItem(int index) override;
    void ForgetAllItems() override;

private:
    DWORD Style() const;
    void ApplySelection();
    void ReadSelection();

    std::vector<int> selected_;  // ascending
};

}  // namespace OrloUtility
