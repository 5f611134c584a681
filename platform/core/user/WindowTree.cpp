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

namespace {

// The first window of `windows`, from `from` on, that is visible and holds the point.
Window* FirstAt(const std::vector<HWND>& windows, std::size_t from, POINT screen) {
    for (std::size_t i = from; i < windows.size(); ++i) {
        Window* w = FindWindow(windows[i]);
        if (!w || !w->IsVisibleFlag()) continue;
        RECT rect = ScreenRectOf(*w);
        if (PtInRect(&rect, screen)) return w;
    }
    return nullptr;
}

HWND DeepestFrom(Window* window, POINT screen) {
    while (Window* child = FirstAt(window->children, 0, screen)) window = child;
    return window->handle;
}

}  // namespace

HWND DeepestChildAt(HWND topLevel, POINT screen) {
    Window* window = FindWindow(topLevel);
    if (!window || !window->IsVisibleFlag()) return nullptr;
    RECT outer = ScreenRectOf(*window);
    if (!PtInRect(&outer, screen)) return nullptr;
    return DeepestFrom(window, screen);
}

HWND WindowBeneath(HWND hwnd, POINT screen) {
    Window* w = FindWindow(hwnd);
    Window* parent = w && w->IsChild() ? FindWindow(w->parent) : nullptr;
    if (!parent) return nullptr;
    const std::vector<HWND>& siblings = parent->children;
    const auto at = std::find(siblings.begin(), siblings.end(), hwnd);
    const std::size_t next = static_cast<std::size_t>(at - siblings.begin()) + 1;
    if (Window* sibling = FirstAt(siblings, next, screen)) return DeepestFrom(sibling, screen);
    return parent->handle;
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
