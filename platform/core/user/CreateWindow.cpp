// CreateWindowExW: the window is made, linked into the tree, and told about its creation with
// the same messages, in the same order, as on the real platform.
#include <algorithm>

#include "PlatformState.h"
#include "gdi/WindowSurfaces.h"
#include "user/Classes.h"
#include "user/WindowOps.h"
#include "user/WindowTree.h"

namespace platform {

namespace {

bool IsOverlapped(DWORD style) { return (style & (WS_CHILD | WS_POPUP)) == 0; }

// CW_USEDEFAULT: overlapped windows cascade from the top-left corner and take three quarters of
// the screen; other windows get 0.
void ApplyDefaultGeometry(CREATESTRUCTW& cs) {
    bool overlapped = IsOverlapped(static_cast<DWORD>(cs.style));
    SIZE screen = CurrentBackend().ScreenSize();
    if (cs.x == CW_USEDEFAULT) {
        int step = overlapped ? 26 * static_cast<int>(State().topLevels.size() % 8) : 0;
        cs.x = cs.y = step;
    }
    if (cs.cx == CW_USEDEFAULT) {
        cs.cx = overlapped ? screen.cx * 3 / 4 : 0;
        cs.cy = overlapped ? screen.cy * 3 / 4 : 0;
    }
    cs.cx = std::max(0, cs.cx);
    cs.cy = std::max(0, cs.cy);
}

MINMAXINFO DefaultMinMax() {
    SIZE screen = CurrentBackend().ScreenSize();
    MINMAXINFO info{};
    info.ptMaxSize = {screen.cx, screen.cy};
    info.ptMaxPosition = {0, 0};
    info.ptMinTrackSize = {0, 0};
    info.ptMaxTrackSize = {screen.cx * 4, screen.cy * 4};
    return info;
}

DWORD InitialStyle(DWORD style) {
    style &= ~WS_VISIBLE;  // set by the ShowWindow at the end of creation
    if (!(style & WS_CHILD)) style |= WS_CLIPSIBLINGS;
    if (IsOverlapped(style)) style |= WS_CAPTION;
    return style;
}

}  // namespace

DWORD WithImpliedExStyle(DWORD style, DWORD exStyle) {
    // A window with a frame of its own is drawn with a raised edge.
    // A caption carries a dialog frame; a plain border alone does not raise the edge.
    bool framed = (style & (WS_THICKFRAME | WS_DLGFRAME)) || (exStyle & WS_EX_DLGMODALFRAME);
    if (framed || IsOverlapped(style)) exStyle |= WS_EX_WINDOWEDGE;
    return exStyle;
}

namespace {

HWND MakeWindow(WindowClass& cls, const CREATESTRUCTW& cs, HWND parent, HWND owner) {
    auto window = std::make_unique<Window>();
    Window& w = *window;
    w.windowClass = &cls;
    w.proc = cls.proc;
    w.style = InitialStyle(static_cast<DWORD>(cs.style));
    w.exStyle = cs.dwExStyle;  // already with its implied bits
    w.parent = parent;
    w.owner = owner;
    w.rect = {cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy};
    w.client = w.rect;
    w.instance = cs.hInstance;
    if (w.IsChild()) w.id = reinterpret_cast<LONG_PTR>(cs.hMenu);
    else if (State().menus.Find(cs.hMenu)) w.menu = cs.hMenu;  // a top-level window's "menu" is its bar
    w.extraBytes.assign(static_cast<std::size_t>(cls.windowExtra), 0);
    w.needSize = IsOverlapped(w.style);
    if (w.style & (WS_HSCROLL | WS_VSCROLL)) w.scrollBars.emplace();
    auto value = State().windows.Add(std::move(window));
    if (!value) return nullptr;
    HWND hwnd = reinterpret_cast<HWND>(value);
    Window* added = FindWindow(hwnd);
    added->handle = hwnd;
    if (MenuObject* bar = State().menus.Find(added->menu)) bar->window = hwnd;
    ++cls.windowCount;
    LinkWindow(*added, !added->IsChild());
    if (!added->IsChild()) {
        ResizeWindowPixels(*added);
        CurrentBackend().OnWindowCreated(hwnd);
    }
    return hwnd;
}

void SendMinMaxInfo(HWND hwnd, CREATESTRUCTW& cs) {
    MINMAXINFO info = DefaultMinMax();
    SendMessageW(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    Window* w = FindWindow(hwnd);
    if (!w) return;
    cs.cx = std::clamp<int>(cs.cx, info.ptMinTrackSize.x, std::max(info.ptMinTrackSize.x, info.ptMaxTrackSize.x));
    cs.cy = std::clamp<int>(cs.cy, info.ptMinTrackSize.y, std::max(info.ptMinTrackSize.y, info.ptMaxTrackSize.y));
    w->rect = {cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy};
    w->client = w->rect;
    if (!w->IsChild()) ResizeWindowPixels(*w);
}

// The messages of creation. Any of them may destroy the window; then creation fails.
HWND SendCreationMessages(HWND hwnd, CREATESTRUCTW& cs) {
    DWORD style = static_cast<DWORD>(cs.style);
    if ((style & WS_THICKFRAME) || IsOverlapped(style)) SendMinMaxInfo(hwnd, cs);
    if (!IsWindow(hwnd)) return nullptr;
    if (!SendMessageW(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        FreeWindow(hwnd);
        return nullptr;
    }
    Window* w = FindWindow(hwnd);
    if (!w) return nullptr;
    RECT client = w->rect;
    SendMessageW(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&client));
    if (!(w = FindWindow(hwnd))) return nullptr;
    w->client = client;
    if (SendMessageW(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (!(w = FindWindow(hwnd))) return nullptr;
    if (!w->needSize) SendSizeAndMove(hwnd);
    if (!(w = FindWindow(hwnd))) return nullptr;
    if (w->IsChild() && !(w->exStyle & WS_EX_NOPARENTNOTIFY))
        SendMessageW(w->parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, w->id), reinterpret_cast<LPARAM>(hwnd));
    if (!IsWindow(hwnd)) return nullptr;
    if (style & WS_VISIBLE) ShowWindow(hwnd, SW_SHOW);
    return IsWindow(hwnd) ? hwnd : nullptr;
}

}  // namespace

void SendSizeAndMove(HWND hwnd) {
    Window* w = FindWindow(hwnd);
    if (!w) return;
    w->needSize = false;
    RECT client = w->client;
    SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right - client.left, client.bottom - client.top));
    if (!IsWindow(hwnd)) return;
    SendMessageW(hwnd, WM_MOVE, 0, MAKELPARAM(client.left, client.top));
}

}  // namespace platform

using namespace platform;

HWND WINAPI CreateWindowExW(DWORD dwExStyle, LPCWSTR lpClassName, LPCWSTR lpWindowName, DWORD dwStyle, int X,
                            int Y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance,
                            LPVOID lpParam) {
    WindowClass* cls = FindClass(lpClassName, hInstance);
    if (!cls) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    HWND parent = nullptr;
    HWND owner = nullptr;
    if (dwStyle & WS_CHILD) {
        if (!hWndParent) {
            SetLastError(ERROR_TLW_WITH_WSCHILD);
            return nullptr;
        }
        if (!CheckWindow(hWndParent)) return nullptr;
        parent = hWndParent;
    } else if (hWndParent) {
        if (!CheckWindow(hWndParent)) return nullptr;
        owner = RootOf(hWndParent);
    }
    CREATESTRUCTW cs{lpParam, hInstance, hMenu, hWndParent, nHeight, nWidth, Y, X,
                     static_cast<LONG>(dwStyle), lpWindowName, lpClassName, dwExStyle};
    ApplyDefaultGeometry(cs);
    cs.dwExStyle = WithImpliedExStyle(dwStyle, dwExStyle);
    HWND hwnd = MakeWindow(*cls, cs, parent, owner);
    if (!hwnd) {
        SetLastError(ERROR_NO_SYSTEM_RESOURCES);
        return nullptr;
    }
    return SendCreationMessages(hwnd, cs);
}
