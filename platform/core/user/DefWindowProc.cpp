// The default window procedure: what the platform does with a message the window's own
// procedure passes on.
#include <algorithm>

#include "PlatformState.h"
#include "user/menus/MenuBar.h"
#include "user/menus/MenuTracking.h"
#include "user/FramePaint.h"
#include "user/NonClient.h"
#include "user/ScrollBarGeometry.h"
#include "user/ScrollTracking.h"
#include "user/WindowTree.h"

using namespace platform;

namespace {

POINT PointOf(LPARAM lParam) { return {static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))}; }

LRESULT AskParent(const Window& w, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!w.IsChild()) return 0;
    return SendMessageW(w.parent, message, wParam, lParam);
}

LRESULT OnNcCreate(Window& w, const CREATESTRUCTW* cs) {
    if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) w.text = cs->lpszName;
    if (!w.IsChild()) CurrentBackend().OnWindowTextChanged(w.handle);
    return TRUE;
}

LRESULT OnSetText(HWND hwnd, Window& w, LPCWSTR text) {
    w.text = (text && !IS_INTRESOURCE(text)) ? text : L"";
    if (!w.IsChild()) {
        PaintFrame(hwnd, State().active == hwnd);
        CurrentBackend().OnWindowTextChanged(hwnd);
    }
    return TRUE;
}

LRESULT OnGetText(const Window& w, WPARAM capacity, LPWSTR buffer) {
    if (!buffer || capacity == 0) return 0;
    std::size_t count = std::min<std::size_t>(w.text.size(), capacity - 1);
    std::copy_n(w.text.begin(), count, buffer);
    buffer[count] = 0;
    return static_cast<LRESULT>(count);
}

// The scroll bars and the box between them; 0 elsewhere.
LRESULT ScrollBarHit(const Window& w, POINT inWindow) {
    const RECT vertical = scrollgeometry::BarRect(w, SB_VERT);
    if (PtInRect(&vertical, inWindow)) return HTVSCROLL;
    const RECT horizontal = scrollgeometry::BarRect(w, SB_HORZ);
    if (PtInRect(&horizontal, inWindow)) return HTHSCROLL;
    const RECT corner = scrollgeometry::CornerRect(w);
    return PtInRect(&corner, inWindow) ? HTSIZE : 0;
}

LRESULT OnHitTest(const Window& w, LPARAM lParam) {
    POINT pt = PointOf(lParam);
    RECT outer = ScreenRectOf(w);
    if (!PtInRect(&outer, pt)) return HTNOWHERE;
    POINT origin = ClientOriginOnScreen(w);
    RECT client{origin.x, origin.y, origin.x + w.ClientWidth(), origin.y + w.ClientHeight()};
    if (PtInRect(&client, pt)) return HTCLIENT;
    POINT inWindow{pt.x - outer.left, pt.y - outer.top};
    if (LRESULT part = ScrollBarHit(w, inWindow)) return part;
    RECT bar = nonclient::MenuBarRect(w);
    if (PtInRect(&bar, inWindow)) return HTMENU;
    RECT caption = nonclient::CaptionRect(w);
    return PtInRect(&caption, inWindow) ? HTCAPTION : HTBORDER;
}

void OnPositionChanging(HWND hwnd, Window& w, WINDOWPOS* pos) {
    if (!pos || (pos->flags & SWP_NOSIZE)) return;
    bool tracksSize = (w.style & WS_THICKFRAME) || !(w.style & (WS_POPUP | WS_CHILD));
    if (!tracksSize) return;
    SIZE screen = CurrentBackend().ScreenSize();
    MINMAXINFO info{};
    info.ptMaxSize = {screen.cx, screen.cy};
    info.ptMaxTrackSize = {screen.cx * 4, screen.cy * 4};
    SendMessageW(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    pos->cx = std::clamp<int>(pos->cx, info.ptMinTrackSize.x, std::max(info.ptMinTrackSize.x, info.ptMaxTrackSize.x));
    pos->cy = std::clamp<int>(pos->cy, info.ptMinTrackSize.y, std::max(info.ptMinTrackSize.y, info.ptMaxTrackSize.y));
}

void OnPositionChanged(HWND hwnd, const WINDOWPOS* pos) {
    Window* w = FindWindow(hwnd);
    if (!w || !pos) return;
    RECT client = w->client;
    if (!(pos->flags & SWP_NOCLIENTMOVE)) SendMessageW(hwnd, WM_MOVE, 0, MAKELPARAM(client.left, client.top));
    if (!IsWindow(hwnd)) return;
    if (!(pos->flags & SWP_NOCLIENTSIZE))
        SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right - client.left, client.bottom - client.top));
}

// Fills the client area with the class's background brush; 1 when there was one to fill with.
LRESULT OnEraseBackground(const Window& w, HDC hdc) {
    HBRUSH brush = w.windowClass->background;
    if (!brush || !hdc) return 0;
    RECT client{0, 0, w.ClientWidth(), w.ClientHeight()};
    FillRect(hdc, &client, brush);
    return 1;
}

// Controls ask their parent for colours; by default text is the window-text colour on the
// button face (static text, buttons) or on the window colour (edit fields).
LRESULT OnControlColor(UINT message, HDC hdc) {
    int background = message == WM_CTLCOLOREDIT ? COLOR_WINDOW : COLOR_BTNFACE;
    SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(hdc, GetSysColor(background));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
}

LRESULT OnSetCursor(const Window& w, WPARAM wParam, LPARAM lParam) {
    if (LRESULT answer = AskParent(w, WM_SETCURSOR, wParam, lParam)) return answer;
    if (LOWORD(lParam) != HTCLIENT || !w.windowClass->cursor) return FALSE;
    SetCursor(w.windowClass->cursor);
    return TRUE;
}

LRESULT OnSetIcon(Window& w, WPARAM which, HICON icon) {
    HICON& slot = which == ICON_BIG ? w.iconBig : w.iconSmall;
    HICON previous = slot;
    slot = icon;
    if (!w.IsChild()) CurrentBackend().OnWindowIconChanged(w.handle);
    return reinterpret_cast<LRESULT>(previous);
}


LRESULT OnSysKeyDown(HWND hwnd, WPARAM key, LPARAM lParam) {
    bool alt = (lParam & (1 << 29)) != 0;
    bool repeat = (lParam & (1 << 30)) != 0;
    State().altAlone = key == VK_MENU && (!repeat || State().altAlone);
    if (key == VK_F4 && alt) SendMessageW(RootOf(hwnd), WM_SYSCOMMAND, SC_CLOSE, 0);
    if (key == VK_F10) SendMessageW(RootOf(hwnd), WM_SYSCOMMAND, SC_KEYMENU, 0);
    return 0;
}

// Alt pressed and released alone selects the menu bar.
LRESULT OnSysKeyUp(HWND hwnd, WPARAM key) {
    bool alone = State().altAlone && key == VK_MENU;
    State().altAlone = false;
    if (alone) SendMessageW(RootOf(hwnd), WM_SYSCOMMAND, SC_KEYMENU, 0);
    return 0;
}

// A press on a scroll bar becomes the system command that tracks it, as on the real platform;
// a quick second press on one comes as a double click and does the same.
LRESULT OnNcButtonDown(HWND hwnd, UINT message, WPARAM hit, LPARAM lParam) {
    if (hit == HTVSCROLL || hit == HTHSCROLL)
        SendMessageW(hwnd, WM_SYSCOMMAND, (hit == HTVSCROLL ? SC_VSCROLL : SC_HSCROLL) + hit, lParam);
    else if (hit == HTMENU && message == WM_NCLBUTTONDOWN)
        menutracking::TrackFromClick(hwnd, menubar::TitleAt(hwnd, PointOf(lParam)));
    return 0;
}

LRESULT OnSysCommand(HWND hwnd, WPARAM command, LPARAM lParam) {
    switch (command & 0xFFF0) {
    case SC_CLOSE: SendMessageW(hwnd, WM_CLOSE, 0, 0); break;
    case SC_VSCROLL: scrolltracking::Track(hwnd, SB_VERT, PointOf(lParam)); break;
    case SC_HSCROLL: scrolltracking::Track(hwnd, SB_HORZ, PointOf(lParam)); break;
    case SC_KEYMENU: menutracking::TrackFromKeyboard(hwnd, static_cast<wchar_t>(lParam)); break;
    default: break;
    }
    return 0;
}

}  // namespace

LRESULT WINAPI DefWindowProcW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    Window* w = FindWindow(hWnd);
    if (!w) return 0;
    switch (Msg) {
    case WM_NCCREATE: return OnNcCreate(*w, reinterpret_cast<const CREATESTRUCTW*>(lParam));
    case WM_SETTEXT: return OnSetText(hWnd, *w, reinterpret_cast<LPCWSTR>(lParam));
    case WM_GETTEXT: return OnGetText(*w, wParam, reinterpret_cast<LPWSTR>(lParam));
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(w->text.size());
    case WM_NCHITTEST: return OnHitTest(*w, lParam);
    case WM_NCCALCSIZE: {
        RECT* r = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
        if (r) *r = nonclient::WithoutScrollBars(nonclient::ClientInside(*r, nonclient::FrameOf(*w)), w->style);
        return 0;
    }
    case WM_NCACTIVATE:
        PaintFrame(hWnd, wParam != FALSE);
        return TRUE;
    case WM_ERASEBKGND: return OnEraseBackground(*w, reinterpret_cast<HDC>(wParam));
    case WM_CLOSE: DestroyWindow(hWnd); return 0;
    case WM_SYSCOMMAND: return OnSysCommand(hWnd, wParam, lParam);
    case WM_SYSKEYDOWN: return OnSysKeyDown(hWnd, wParam, lParam);
    case WM_SYSKEYUP: return OnSysKeyUp(hWnd, wParam);
    case WM_KEYDOWN: State().altAlone = false; return 0;
    case WM_SYSCHAR:
        // Alt and a letter: the menu title with that access key.
        if (wParam != VK_ESCAPE && wParam != L' ') SendMessageW(RootOf(hWnd), WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(wParam));
        return 0;
    case WM_NCLBUTTONDOWN: case WM_NCLBUTTONDBLCLK: return OnNcButtonDown(hWnd, Msg, wParam, lParam);
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hWnd, &ps);
        EndPaint(hWnd, &ps);
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !(w->style & WS_MINIMIZE)) SetFocus(hWnd);
        return 0;
    case WM_MOUSEACTIVATE: {
        LRESULT answer = AskParent(*w, Msg, wParam, lParam);
        return answer ? answer : MA_ACTIVATE;
    }
    case WM_SETCURSOR: return OnSetCursor(*w, wParam, lParam);
    // An unhandled turn of the wheel goes up to the parent, and so on to the top.
    case WM_MOUSEWHEEL: case WM_MOUSEHWHEEL: return AskParent(*w, Msg, wParam, lParam);
    case WM_CTLCOLOREDIT: case WM_CTLCOLORBTN: case WM_CTLCOLORSTATIC:
        return OnControlColor(Msg, reinterpret_cast<HDC>(wParam));
    case WM_SETICON: return OnSetIcon(*w, wParam, reinterpret_cast<HICON>(lParam));
    case WM_GETICON: return reinterpret_cast<LRESULT>(wParam == ICON_BIG ? w->iconBig : w->iconSmall);
    case WM_WINDOWPOSCHANGING: OnPositionChanging(hWnd, *w, reinterpret_cast<WINDOWPOS*>(lParam)); return 0;
    case WM_WINDOWPOSCHANGED: OnPositionChanged(hWnd, reinterpret_cast<const WINDOWPOS*>(lParam)); return 0;
    default: return 0;
    }
}
