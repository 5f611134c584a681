// GetWindow: a window's neighbours in the z-order of its siblings, its first child and its
// owner. Sibling lists run from the front to the back.
#include <algorithm>

#include "PlatformState.h"
#include "user/WindowTree.h"

using namespace platform;

namespace {

HWND SiblingBeside(const Window& window, UINT command) {
    const std::vector<HWND>& siblings = SiblingsOf(window);
    auto at = std::find(siblings.begin(), siblings.end(), window.handle);
    if (at == siblings.end()) return nullptr;
    switch (command) {
    case GW_HWNDFIRST: return siblings.front();
    case GW_HWNDLAST: return siblings.back();
    case GW_HWNDNEXT: return std::next(at) == siblings.end() ? nullptr : *std::next(at);
    default: return at == siblings.begin() ? nullptr : *std::prev(at);
    }
}

}  // namespace

HWND WINAPI GetWindow(HWND hWnd, UINT uCmd) {
    Window* w = CheckWindow(hWnd);
    if (!w) return nullptr;
    switch (uCmd) {
    case GW_HWNDFIRST:
    case GW_HWNDLAST:
    case GW_HWNDNEXT:
    case GW_HWNDPREV: return SiblingBeside(*w, uCmd);
    case GW_OWNER: return w->IsChild() ? nullptr : w->owner;
    case GW_CHILD: return w->children.empty() ? nullptr : w->children.front();
    default: return nullptr;
    }
}
