// A field with a list that drops down from it, inside a form. A drop-down list shows only the
// item chosen from the list; an editable box also takes any text typed into its field. The
// element's text is what the field shows. The selection-changed callback runs when a person
// picks another item, the edit-changed callback after each change typed into an editable box.
#pragma once

#include <string>
#include <vector>

#include "toolkit/elements/Child.h"
#include "toolkit/elements/ControlEvents.h"
#include "toolkit/elements/ItemList.h"

namespace OrloUtility {

class ComboBox : public Child, public ControlEvents {
public:
    static constexpr int kNone = -1;

    // 160 wide, empty, inside `parentForm`. The height is the field's and the dropped list's
    // together, as the platform takes it; the field alone is as tall as its font needs.
    explicit ComboBox(GUIElement* parentForm);

    void Create() override;

    // ---- Items: stored until Create, then the live box's ----
    void AddItem(const std::string& item);
    // An index past the end, or negative, appends; a sorted box puts the item in its place.
    void InsertItem(int index, const std::string& item);
    bool RemoveItem(int index);
    void ClearItems();
    int ItemCount() const;
    std::string ItemText(int index) const;
    std::vector<std::string> Items() const;

    // ---- Selection ----
    // Selects the item at `index` and shows its text in the field; kNone empties the field.
    void SetSelectedIndex(int index);
    int GetSelectedIndex();

    void OnControlCommand(WORD code) override;

    bool editable = false;
    bool sorted = false;
    // The height of the field's text and of each row of the list, in pixels; 0: what the font
    // needs.
    int itemHeight = 0;
    EventCallback selectionChangedCallback = nullptr;
    EventCallback editChangedCallback = nullptr;

private:
    DWORD Style() const;

    ItemList items_{kComboBoxItems};
    int selected_ = kNone;
};

}  // namespace OrloUtility
