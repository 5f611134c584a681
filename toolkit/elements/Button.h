// A push button inside a form. Clicking it runs its command callback. An owner-drawn button is
// drawn by the toolkit (OwnerDrawnButton.h) with an image at its left, and a second image for
// when it is disabled.
#pragma once

#include <string>

#include "toolkit/elements/Child.h"
#include "toolkit/elements/CommandElement.h"

namespace OrloUtility {

class Drawing;

class Button : public Child, public CommandElement {
public:
    // 80 by 30, showing `caption`, inside `parentForm`.
    Button(GUIElement* parentForm, const std::string& caption);

    void Create() override;
    // Draws the image for the button's state at the item's left, vertically centred, its black
    // pixels transparent, and returns where the text is to start: 0 when there is no image.
    virtual int DrawImage(Drawing& surface, const RECT& item, bool pressed);

    bool ownerDrawn = false;
    HBITMAP image = nullptr;          // shown while enabled; not owned
    HBITMAP disabledImage = nullptr;  // shown while disabled; not owned

private:
    DWORD Style() const;
};

}  // namespace OrloUtility
