// A check box inside a form: a box with a caption that a click or Space checks and unchecks.
// A three-state box has a third, indeterminate state between checked and unchecked. The
// changed callback runs after each change a person makes, with the new state in place.
#pragma once

#include <string>

#include "toolkit/elements/Child.h"
#include "toolkit/elements/ControlEvents.h"

namespace OrloUtility {

class CheckBox : public Child, public ControlEvents {
public:
    // 120 by 24, showing `caption`, unchecked, inside `parentForm`.
    CheckBox(GUIElement* parentForm, const std::string& caption);

    void Create() override;
    // BST_UNCHECKED, BST_CHECKED or, for a three-state box, BST_INDETERMINATE; any other value
    // is refused. Stored until Create; a live box shows it at once.
    void SetCheckState(UINT state);
    // The live box's state (stored as the element's), or the stored one.
    UINT GetCheckState();
    void SetChecked(bool checked) { SetCheckState(checked ? BST_CHECKED : BST_UNCHECKED); }
    bool IsChecked() { return GetCheckState() == BST_CHECKED; }

    void OnControlCommand(WORD code) override;

    bool threeState = false;
    EventCallback changedCallback = nullptr;

private:
    DWORD Style() const;

    UINT checkState_ = BST_UNCHECKED;
};

}  // namespace OrloUtility
