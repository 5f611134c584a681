// The elements that live inside a form: controls, timers and menu elements. The window
// procedure tests for it to find the form whose controls Tab cycles through.
#pragma once

#include "toolkit/elements/GUIElement.h"

namespace OrloUtility {

class Child : public GUIElement {
public:
    // `parentElement` (the form, or the menu element above) is not owned and must outlive the child.
    explicit Child(GUIElement* parentElement);
    // A control window that outlives its element gets its own procedure back.
    ~Child() override;

protected:
    // Makes the window of a standard control inside the parent's window, with the next id as its
    // control id, and puts the toolkit's procedure in front of the control's own. The created
    // flag is set even when the window cannot be made, so the control then stays inert.
    void CreateControl(LPCWSTR className, DWORD exStyle, DWORD style);
    // Menu elements keep their platform menu in the window field; null for a command item.
    void MarkMenuCreated(HMENU menu);
    HWND ParentWindow() const { return parent ? parent->Handle() : nullptr; }

private:
    void Subclass();
    void RemoveSubclass();
};

}  // namespace OrloUtility
