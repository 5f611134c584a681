// A field with a list that drops down from it, inside a form. A drop-down list shows only the
// item chosen from the list; an editable box also takes any text typed into its field. The
// element's text is what the field shows. The selection-changed callback runs when a person
// picks another item, the edit-changed callback after each change typed into an editable box.
#pragma once

#include "toolkit/elements/ItemsChild.h"

namespace OrloUtility {

class ComboBox : public ItemsChild {
public:
    // 160 wide, empty, inside `parentForm`. The height is the field's and the dropped list's
    // together, as the platform takes it; the field alone is as tall as its font needs.
    explicit ComboBox(GUIElement* parentForm);

    void Create() override;

    // ---- Selection ----
    // Selects the item at `index` and shows its text in the field; kNone empties the field.
    void SetSelectedIndex(int index);
    int GetSelectedIndex();

    void OnControlCommand(WORD code) override;

    bool editable = false;  // itemHeight, when set, is the height of the field's text too
    EventCallback selectionChangedCallback = nullptr;
    EventCallback editChangedCallback = nullptr;

protected:
    void ForgetItem(int index) override;
    void ForgetAllItems() override;

private:
    DWORD Style() const;

    int selected_ = kNone;
};

}  // namespace OrloUtility
