// A field for a whole number inside a form, with a pair of arrows at its right that step the
// number up and down (holding one repeats), as do the Up and Down keys in the field. Typing
// takes only digits and, when the range goes below zero, a minus sign. The step callback may
// refuse a step of the arrows before it happens; the value-changed callback runs after every
// change of the number, typed or stepped.
#pragma once

#include "toolkit/elements/Child.h"
#include "toolkit/elements/ControlEvents.h"

namespace OrloUtility {

class NumericBox : public Child, public ControlEvents {
public:
    // Answers whether the arrows may take the value to `proposed`.
    using StepCallback = bool (*)(GUIElement& element, int proposed);

    // 100 by 24, arrows included, 0 to 100 at `initialValue`, inside `parentForm`.
    NumericBox(GUIElement* parentForm, int initialValue = 0);

    void Create() override;
    // Each stores until Create and applies to a live box at once; a range given backwards is
    // put the right way round and the value is kept within it.
    void SetRange(int newMinimum, int newMaximum);
    void SetValue(int newValue);
    // The number the live field shows, within the range (stored as the element's), or the
    // stored one.
    int GetValue();

    // The field's window is the element's; the arrows are their companion.
    HWND CompanionWindow() const override { return arrows_; }
    bool OnChar(WCHAR character) override;
    void OnControlCommand(WORD code) override;
    LRESULT OnControlNotify(NMHDR& header) override;

    int minimum = 0;
    int maximum = 100;
    EventCallback valueChangedCallback = nullptr;
    StepCallback stepCallback = nullptr;

private:
    void MakeArrows();
    DWORD FieldStyle() const;

    HWND arrows_ = nullptr;  // a child of the same parent; the platform destroys it with it
    int value_ = 0;
};

}  // namespace OrloUtility
