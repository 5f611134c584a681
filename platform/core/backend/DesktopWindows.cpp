#include "backend/DesktopWindows.h"

#include <algorithm>

#include "PlatformState.h"
#include "gdi/WindowSurfaces.h"
#include "user/NonClient.h"
#include "user/WindowTree.h"

namespace platform::desktop {

static_assert(DirtyRegion::kCapacity <= kMaxChanges, "every changed rectangle fits the hand-over");

namespace {

Window* TopLevelWindow(HWND window) {
    Window* w = FindWindow(window);
    return w && !w->IsChild() ? w : nullptr;
}

RECT ShownOnScreen(const Window& w) {
    const RECT area = nonclient::DesktopArea(w);
    return {w.rect.left + area.left, w.rect.top + area.top, w.rect.left + area.right, w.rect.top + area.bottom};
}

}  // namespace

bool IsFloatingPopup(const TopLevel& window) {
    const bool framed = (window.style & WS_CAPTION) == WS_CAPTION;
    if (framed || !(window.style & WS_POPUP)) return false;
    return window.owner || (window.exStyle & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST));
}

std::optional<TopLevel> TopLevelOf(HWND window) {
    const Window* w = TopLevelWindow(window);
    if (!w) return std::nullopt;
    TopLevel facts;
    facts.style = w->style;
    facts.exStyle = w->exStyle;
    facts.owner = w->owner ? platform::RootOf(w->owner) : nullptr;
    facts.visible = w->IsVisibleFlag();
    facts.outer = w->rect;
    facts.shown = ShownOnScreen(*w);
    facts.title = w->text;
    return facts;
}

std::optional<RECT> ShownOnScreen(HWND window) {
    const Window* w = TopLevelWindow(window);
    if (!w) return std::nullopt;
    return ShownOnScreen(*w);
}

HWND RootOf(HWND window) { return platform::RootOf(window); }

std::vector<HWND> TopLevelsFromBottom() {
    std::vector<HWND> order;
    const std::vector<HWND>& topFirst = State().topLevels;
    for (auto it = topFirst.rbegin(); it != topFirst.rend(); ++it) {
        const Window* w = FindWindow(*it);
        if (w && w->IsVisibleFlag()) order.push_back(*it);
    }
    return order;
}

std::optional<Picture> IconOf(HWND window) {
    const Window* w = TopLevelWindow(window);
    if (!w) return std::nullopt;
    const IconObject* icon = State().cursors.Find(w->iconBig ? w->iconBig : w->iconSmall);
    if (!icon || icon->pixels.empty()) return std::nullopt;
    return Picture{icon->size, icon->pixels.data()};
}

int SystemCursorOf(HCURSOR cursor) {
    const IconObject* object = State().cursors.Find(cursor);
    return object ? object->systemId : 0;
}

std::optional<WindowPixels> PixelsOf(HWND window) {
    Window* w = TopLevelWindow(window);
    if (!w || !w->IsVisibleFlag() || !MakeWindowPixels(*w)) return std::nullopt;
    return WindowPixels{w->pixels.data(), w->pixelsWidth, w->pixelsHeight, w->pixels.SharedId(),
                        nonclient::DesktopArea(*w)};
}

Changes TakeChanges(HWND window) {
    Changes changes;
    Window* w = TopLevelWindow(window);
    if (!w) return changes;
    const RECT shown = nonclient::DesktopArea(*w);
    const RECT pixels{0, 0, w->pixelsWidth, w->pixelsHeight};
    for (const RECT& changed : w->dirty) {
        RECT area{};
        if (IntersectRect(&area, &changed, &shown) && IntersectRect(&area, &area, &pixels))
            changes.rects[static_cast<std::size_t>(changes.count++)] = area;
    }
    w->dirty.Clear();
    return changes;
}

bool HasChanges(HWND window) {
    const Window* w = TopLevelWindow(window);
    return w && !w->dirty.Empty();
}

std::optional<COLORREF> ClientPixel(HWND window, int x, int y) { return WindowPixel(window, x, y); }

std::optional<std::uint64_t> NextTimerDue() { return State().timers.NextDue(); }

}  // namespace platform::desktop
