#include "toolkit/elements/ControlRouting.h"

#include "toolkit/elements/CommandElement.h"
#include "toolkit/elements/ControlEvents.h"
#include "toolkit/elements/ElementRegistry.h"
#include "toolkit/elements/GUIElement.h"

namespace OrloUtility {

namespace {

// The element a reporting window belongs to: its own window, or failing that a companion.
GUIElement* OwnerOf(HWND control) {
    if (!control) return nullptr;
    if (GUIElement* element = FindByHandle(control)) return element;
    for (GUIElement* element : Elements()) {
        auto* events = dynamic_cast<ControlEvents*>(element);
        if (events && events->CompanionWindow() == control) return element;
    }
    return nullptr;
}

ControlEvents* EventsOf(HWND control) { return dynamic_cast<ControlEvents*>(OwnerOf(control)); }

}  // namespace

bool RouteControlCommand(HWND control, WORD id, WORD code) {
    GUIElement* element = OwnerOf(control);
    if (!element) return false;
    if (auto* command = dynamic_cast<CommandElement*>(element)) {
        if (command->commandCallback) command->commandCallback(*element);
        return true;
    }
    if (auto* events = dynamic_cast<ControlEvents*>(element)) events->OnControlCommandFrom(id, code);
    return true;
}

std::optional<LRESULT> RouteControlNotify(NMHDR* header) {
    if (!header) return std::nullopt;
    ControlEvents* events = EventsOf(header->hwndFrom);
    if (!events) return std::nullopt;
    return events->OnControlNotify(*header);
}

bool RouteControlScroll(HWND control, WORD code, int position) {
    ControlEvents* events = EventsOf(control);
    if (events) events->OnControlScroll(code, position);
    return events != nullptr;
}

}  // namespace OrloUtility
