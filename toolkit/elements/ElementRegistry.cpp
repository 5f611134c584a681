#include "toolkit/elements/ElementRegistry.h"

#include <algorithm>
#include <vector>

#include "toolkit/ToolkitState.h"
#include "toolkit/elements/GUIElement.h"
#include "toolkit/elements/SubMenu.h"

namespace OrloUtility {

namespace {

ElementRegistry& TheRegistry() { return Toolkit().registry; }

}  // namespace

void RegisterElement(GUIElement& element) { TheRegistry().elements.push_back(&element); }

void UnregisterElement(const GUIElement& element) {
    std::erase(TheRegistry().elements, &element);
    if (TheRegistry().beingMade == &element) TheRegistry().beingMade = nullptr;
}

GUIElement* FindByHandle(HWND window) {
    if (!window) return nullptr;
    const std::vector<GUIElement*>& elements = TheRegistry().elements;
    auto owner = std::find_if(elements.rbegin(), elements.rend(),
                              [window](const GUIElement* element) { return element->Handle() == window; });
    if (owner != elements.rend()) return *owner;
    if (TheRegistry().beingMade) return TheRegistry().beingMade;
    // Only an element not made yet can be the one being made: a menu command item, once made,
    // never has a window of its own, and must not answer for windows nobody owns.
    GUIElement* newest = elements.empty() ? nullptr : elements.back();
    return newest && !newest->Handle() && !newest->IsCreated() ? newest : nullptr;
}

MakingControl::MakingControl(GUIElement& control) : previous_(TheRegistry().beingMade) {
    TheRegistry().beingMade = &control;
}

MakingControl::~MakingControl() { TheRegistry().beingMade = previous_; }

const std::vector<GUIElement*>& Elements() { return TheRegistry().elements; }

GUIElement* FindById(std::uint32_t id) {
    const std::vector<GUIElement*>& elements = TheRegistry().elements;
    auto found = std::find_if(elements.begin(), elements.end(),
                              [id](const GUIElement* element) { return element->Id() == id; });
    return found != elements.end() ? *found : nullptr;
}

SubMenu* FindMenuItemById(std::uint32_t id) {
    for (GUIElement* element : TheRegistry().elements) {
        auto* item = dynamic_cast<SubMenu*>(element);
        if (item && item->Id() == id) return item;
    }
    return nullptr;
}

std::uint32_t IdCounter() { return TheRegistry().idCounter; }

std::uint32_t TakeNextId() { return ++TheRegistry().idCounter; }

HWND MainWindow() { return TheRegistry().mainWindow; }

void RecordMainWindow(HWND window) { TheRegistry().mainWindow = window; }

}  // namespace OrloUtility
