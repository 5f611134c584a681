// A slider inside a form: a thumb a person drags along a track, or moves with the arrow keys
// (a line step) and Page Up and Page Down (a page step), to pick a whole number in a range.
// The value-changed callback runs on every change, while the thumb is dragged too; the
// change-ended callback once the key or the mouse button that made the changes is released.
#pragma once

#include "toolkit/elements/Child.h"
#include "toolkit/elements/ControlEvents.h"

namespace OrloUtility {

class Slider : public Child, public ControlEvents {
public:
    // 200 by 32, horizontal, 0 to 100 at 0, inside `parentForm`.
    explicit Slider(GUIElement* parentForm);

    void Create() override;
    // Each stores until Create and applies to a live slider at once. A range given backwards is
    // put the right way round; the value is kept within the range.
    void SetRange(int newMinimum, int newMaximum);
    void SetValue(int newValue);
    void SetSteps(int line, int page);
    // A tick mark every `every` values; 0: none.
    void SetTickFrequency(int every);
    // The live slider's value (stored as the element's), or the stored one.
    int GetValue();

    void OnControlScroll(WORD code, int position) override;

    int minimum = 0;
    int maximum = 100;
    int lineStep = 1;
    int pageStep = 10;
    int tickFrequency = 0;
    bool vertical = false;
    EventCallback valueChangedCallback = nullptr;
    EventCallback changeEndedCallback = nullptr;

private:
    DWORD Style() const;
    void ApplyAll();

    int value_ = 0;
};

}  // namespace OrloUtility
