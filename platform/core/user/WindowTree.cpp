#include "user/WindowTree.h"

#include <algorithm>

#include "PlatformState.h"

namespace platform {

std::vector<HWND>& SiblingsOf(const Window& window) {
    if (window.parent) {
        if (Window* parent = FindWindow(window.parent)) return parent->children;
    }
    return State().topLevels;
}

void LinkWindow(Window& window, bool atTop) {
    std::vector<HWND>& siblings = SiblingsOf(window);
    if (window.parent) {
        siblings.insert(atTop ? siblings.begin() : siblings.end(), window.handle);
        return;
    }
    bool topmost = (window.exStyle & WS_EX_TOPMOST) != 0;
    auto isTopmost = [](HWND h) {
        Window* w = FindWindow(h);
        return w && (w->exStyle & WS_EX_TOPMOST);
    };
    // Topmost windows form the front band of the z-order.
    auto bandEnd = std::find_if_not(siblings.begin(), siblings.end(), isTopmost);
    auto where = topmost ? (atTop ? siblings.begin() : bandEnd) : (atTop ? bandEnd : siblings.end());
    siblings.insert(where, window.handle);
}

void UnlinkWindow(const Window& window) {
    std::vector<HWND>& siblings = SiblingsOf(window);
    siblings.erase(std::remove(siblings.begin(), siblings.end(), window.handle), siblings.end());
}

POINT ClientOriginOnScreen(const Window& window) {
    POINT origin{window.client.left, window.client.top};
    for (Window* parent = FindWindow(window.parent); parent; parent = FindWindow(parent->parent)) {
        origin.x += parent->client.left;
        origin.y += parent->client.top;
    }
    return origin;
}

RECT ScreenRectOf(const Window& window) {
    RECT rect = window.rect;
    if (Window* parent = FindWindow(window.parent)) {
        POINT origin = ClientOriginOnScreen(*parent);
        OffsetRect(&rect, origin.x, origin.y);
    }
    return rect;
}

HWND RootOf(HWND hwnd) {
    Window* window = FindWindow(hwnd);
    while (window && window->parent) {
        Window* parent = FindWindow(window->parent);
        if (!parent) break;
        window = parent;
    }
    return window ? window->handle : nullptr;
}

bool IsShownOnScreen(const Window& window) {
    for (const Window* w = &window; w; w = FindWindow(w->parent))
        if (!w->IsVisibleFlag()) return false;
    return true;
}

HWND DeepestChildAt(HWND topLevel, POINT screen) {
    Window* window = FindWindow(topLevel);
    if (!window || !window->IsVisibleFlag()) return nullptr;
    RECT outer = ScreenRectOf(*window);
    if (!PtInRect(&outer, screen)) return nullptr;
    for (bool descended = true; descended;) {
        descended = false;
        for (HWND child : window->children) {
            Window* c = FindWindow(child);
            if (!c || !c->IsVisibleFlag()) continue;
            RECT rect = ScreenRectOf(*c);
            if (!PtInRect(&rect, screen)) continue;
            window = c;
            descended = true;
            break;
        }
    }
    return window->handle;
}

std::vector<HWND> DescendantsOf(const Window& window) {
    std::vector<HWND> result;
    for (HWND child : window.children) {
        result.push_back(child);
        if (Window* c = FindWindow(child)) {
            std::vector<HWND> below = DescendantsOf(*c);
            result.insert(result.end(), below.begin(), below.end());
        }
    }
    return result;
}

}  // namespace platform
