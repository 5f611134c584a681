// Groups of controls: a group runs from a control with WS_GROUP up to the next one with it, in
// the order the dialog manager walks its controls (the order they were created). The arrow keys
// move within a group, and an auto radio button unchecks the radio buttons of its own.
#include <vector>

#include "PlatformState.h"
#include "user/WindowTree.h"

namespace platform {

namespace {

bool StartsGroup(HWND hwnd) {
    Window* w = FindWindow(hwnd);
    return w && (w->style & WS_GROUP);
}

// Only a shown, enabled control is somewhere the focus can go.
bool CanTakeFocus(HWND hwnd) {
    Window* w = FindWindow(hwnd);
    return w && IsShownOnScreen(*w) && !(w->style & WS_DISABLED);
}

struct Span {
    std::size_t first;
    std::size_t end;  // one past the last
};

Span GroupAround(const std::vector<HWND>& controls, std::size_t at) {
    std::size_t first = at;
    while (first > 0 && !StartsGroup(controls[first])) --first;
    std::size_t end = at + 1;
    while (end < controls.size() && !StartsGroup(controls[end])) ++end;
    return {first, end};
}

// The next control of the group after `at` that can take the focus, wrapping round within the
// group; the control itself when no other can.
HWND NextInGroup(const std::vector<HWND>& controls, std::size_t at, bool backwards) {
    const Span group = GroupAround(controls, at);
    const std::size_t size = group.end - group.first;
    const std::size_t offset = at - group.first;
    for (std::size_t step = 1; step < size; ++step) {
        std::size_t index = backwards ? (offset + size - step) % size : (offset + step) % size;
        HWND candidate = controls[group.first + index];
        if (CanTakeFocus(candidate)) return candidate;
    }
    return controls[at];
}

}  // namespace

}  // namespace platform

using namespace platform;

HWND WINAPI GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
    Window* dialog = CheckWindow(hDlg);
    if (!dialog) return nullptr;
    const std::vector<HWND> controls = DescendantsOf(*dialog);
    if (!hCtl) {
        // With no control to start from, the first that can take the focus; none backwards.
        if (bPrevious) return nullptr;
        for (HWND control : controls)
            if (CanTakeFocus(control)) return control;
        return nullptr;
    }
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i] == hCtl) return NextInGroup(controls, i, bPrevious != FALSE);
    return nullptr;
}
