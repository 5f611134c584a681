// The toolkit-wide record of live elements, the id counter, and the main window, with the
// lookups the window procedure makes for every message to find the element a window, a
// control id or a menu command belongs to.
//
// There is one of each per process, kept in the toolkit's state (ToolkitState.h), used only
// from the window thread, so nothing is locked.
#pragma once

#include <cstdint>
#include <vector>

#include "PlatformApi.h"

namespace OrloUtility {

class GUIElement;
class SubMenu;

struct ElementRegistry {
    std::vector<GUIElement*> elements;  // in order of construction; not owned
    std::uint32_t idCounter = 0;
    HWND mainWindow = nullptr;
    GUIElement* beingMade = nullptr;  // the control whose window is being made, while it is
};

// Elements join at construction and leave at destruction; the registry keeps their order.
void RegisterElement(GUIElement& element);
void UnregisterElement(const GUIElement& element);

// The last element whose window is `window`. Failing that, the control being made (see
// MakingControl), or the most recently registered
// element if it is not made yet and has no window: its window is being created, and the
// messages sent during creation must reach it before CreateWindowExW has returned the handle.
// Null otherwise, and for a null handle.
GUIElement* FindByHandle(HWND window);
// Every live element, in order of construction.
const std::vector<GUIElement*>& Elements();
// Names the control whose window is being made until the object goes: messages sent during
// the making reach it even when elements constructed after it are not made yet (a panel's).
class MakingControl {
public:
    explicit MakingControl(GUIElement& control);
    ~MakingControl();
    MakingControl(const MakingControl&) = delete;
    MakingControl& operator=(const MakingControl&) = delete;

private:
    GUIElement* previous_;
};

// The first element with this id.
GUIElement* FindById(std::uint32_t id);
// The first menu item with this id.
SubMenu* FindMenuItemById(std::uint32_t id);

// The id counter's current value: the number of ids handed out so far.
std::uint32_t IdCounter();
// Increases the counter and returns its new value, the next element's id.
std::uint32_t TakeNextId();

// The first form window ever created; its destruction ends the message loop.
HWND MainWindow();
void RecordMainWindow(HWND window);

}  // namespace OrloUtility
