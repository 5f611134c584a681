#include "user/menus/MenuBar.h"

#include "PlatformState.h"
#include "Painting.h"
#include "user/menus/MenuLook.h"
#include "user/NonClient.h"
#include "user/WindowTree.h"

namespace platform::menubar {

namespace {

MenuObject* BarOf(HWND window) {
    Window* w = FindWindow(window);
    return w && !w->IsChild() ? State().menus.Find(w->menu) : nullptr;
}

void PaintTitle(HDC dc, const RECT& rect, const MenuItem& item, bool hot, bool open) {
    if (open || hot) {
        paint::Fill(dc, rect, open ? menulook::kTitleOpen : menulook::kTitleHot);
        paint::Outline(dc, rect, open ? menulook::kTitleOpenBorder : menulook::kTitleHotBorder);
    }
    COLORREF colour = item.Inert() ? menulook::kGreyText : menulook::kText;
    menulook::DrawText(dc, rect.left + menulook::kTitlePadding, rect.top + 3, item.text, colour);
}

}  // namespace

int Height(HWND window) { return BarOf(window) ? GetSystemMetrics(SM_CYMENU) : 0; }

std::vector<RECT> TitleRects(HWND window) {
    std::vector<RECT> rects;
    MenuObject* bar = BarOf(window);
    if (!bar) return rects;
    const RECT row = nonclient::MenuBarRect(*FindWindow(window));
    HDC dc = GetWindowDC(window);
    int x = row.left;
    for (const MenuItem& item : bar->items) {
        int width = menulook::TextWidth(dc, item.text) + 2 * menulook::kTitlePadding;
        rects.push_back({x, row.top, x + width, row.bottom});
        x += width;
    }
    ReleaseDC(window, dc);
    return rects;
}

int TitleAt(HWND window, POINT screen) {
    Window* w = FindWindow(window);
    if (!w) return -1;
    RECT outer = ScreenRectOf(*w);
    POINT at{screen.x - outer.left, screen.y - outer.top};
    std::vector<RECT> rects = TitleRects(window);
    for (std::size_t i = 0; i < rects.size(); ++i)
        if (PtInRect(&rects[i], at)) return static_cast<int>(i);
    return -1;
}

void Paint(HWND window, int hot, bool open) {
    MenuObject* bar = BarOf(window);
    Window* w = FindWindow(window);
    if (!bar || !w) return;
    HDC dc = GetWindowDC(window);
    paint::Fill(dc, nonclient::MenuBarRect(*w), menulook::kBarFace);
    std::vector<RECT> rects = TitleRects(window);
    for (std::size_t i = 0; i < rects.size() && i < bar->items.size(); ++i)
        PaintTitle(dc, rects[i], bar->items[i], static_cast<int>(i) == hot, open && static_cast<int>(i) == hot);
    ReleaseDC(window, dc);
}

}  // namespace platform::menubar

using namespace platform;

BOOL WINAPI SetMenu(HWND hWnd, HMENU hMenu) {
    Window* w = CheckWindow(hWnd);
    if (!w) return FALSE;
    MenuObject* menu = State().menus.Find(hMenu);
    // Child windows have no menu bar; a null menu takes the bar away.
    if (w->IsChild() || (hMenu && !menu)) {
        SetLastError(w->IsChild() ? ERROR_INVALID_WINDOW_HANDLE : ERROR_INVALID_MENU_HANDLE);
        return FALSE;
    }
    if (MenuObject* old = State().menus.Find(w->menu)) old->window = nullptr;
    w->menu = hMenu;
    if (menu) menu->window = hWnd;
    // The bar takes room from the client area.
    SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    menubar::Paint(hWnd);
    return TRUE;
}

HMENU WINAPI GetMenu(HWND hWnd) {
    Window* w = CheckWindow(hWnd);
    return w && !w->IsChild() ? w->menu : nullptr;
}

BOOL WINAPI DrawMenuBar(HWND hWnd) {
    Window* w = CheckWindow(hWnd);
    if (!w) return FALSE;
    menubar::Paint(hWnd);
    return TRUE;
}
