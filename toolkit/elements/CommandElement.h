// The second base of the elements a person activates, buttons and menu items: the window
// procedure tests for it to run the element's command.
#pragma once

namespace OrloUtility {

class GUIElement;

class CommandElement {
public:
    // Called with the element (the button or the menu item) each time it is activated.
    using CommandCallback = void (*)(GUIElement& element);

    CommandCallback commandCallback = nullptr;

protected:
    // Never deleted through this base, so it needs no virtual destructor.
    ~CommandElement() = default;
};

}  // namespace OrloUtility
