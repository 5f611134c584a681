// Mouse input: where a pointer event goes and the messages its window hears on the way, in the
// order the platform sends them.
#include <algorithm>
#include <cstdlib>

#include "PlatformState.h"
#include "user/Activation.h"
#include "user/Input.h"
#include "user/WindowTree.h"

namespace platform {

namespace {

constexpr DWORD kDoubleClickMs = 500;
constexpr int kDoubleClickWidth = 4;
constexpr int kDoubleClickHeight = 4;

bool IsWheel(UINT message) { return message == WM_MOUSEWHEEL || message == WM_MOUSEHWHEEL; }

bool IsButtonDown(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

UINT ButtonKey(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: return VK_LBUTTON;
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: return VK_RBUTTON;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: return VK_MBUTTON;
    default: return 0;
    }
}

// The non-client form of a client mouse message.
UINT NonClientOf(UINT message) { return message - WM_MOUSEMOVE + WM_NCMOUSEMOVE; }

HWND GetAncestorParent(HWND hwnd) {
    Window* w = FindWindow(hwnd);
    return w && w->IsChild() ? w->parent : nullptr;
}

// The wheel over a disabled child turns for the nearest enabled window it belongs to, as on the
// reference platform.
HWND EnabledForWheel(HWND target) {
    while (target && !IsWindowEnabled(target)) target = GetAncestorParent(target);
    return target;
}

}  // namespace

void Input::QueueWheel(UINT message, int delta, POINT screen, HWND topLevel) {
    InputEvent event;
    event.kind = InputEvent::Kind::Mouse;
    event.mouseMessage = message;
    event.wheelDelta = std::clamp(delta, -32768, 32767);
    event.screen = screen;
    event.topLevel = topLevel;
    event.time = static_cast<DWORD>(CurrentBackend().MonotonicMs());
    Enqueue(std::move(event));
}

void Input::QueueMouse(UINT message, POINT screen, HWND topLevel) {
    if (UINT key = ButtonKey(message)) async_.Apply(key, IsButtonDown(message));
    InputEvent event;
    event.kind = InputEvent::Kind::Mouse;
    event.mouseMessage = message;
    event.screen = screen;
    event.topLevel = topLevel;
    event.time = static_cast<DWORD>(CurrentBackend().MonotonicMs());
    Enqueue(std::move(event));
}

std::optional<Input::MouseRoute> Input::RouteMouse(const InputEvent& event) {
    const bool wheel = IsWheel(event.mouseMessage);
    LPARAM screenParam = MAKELPARAM(event.screen.x, event.screen.y);
    if (HWND capture = State().capture; capture && IsWindow(capture)) {
        // The capturing window hears everything, in its own client coordinates; the wheel
        // always tells the point on the screen.
        POINT client = event.screen;
        ScreenToClient(capture, &client);
        LPARAM where = wheel ? screenParam : MAKELPARAM(client.x, client.y);
        MSG msg{capture, event.mouseMessage, MouseWParam(event), where, event.time, event.screen};
        return MouseRoute{msg, HTCLIENT, true};
    }
    HWND target = DeepestChildAt(event.topLevel, event.screen);
    if (wheel) target = EnabledForWheel(target);
    if (!target || !IsWindowEnabled(target)) return std::nullopt;
    LRESULT hit = SendMessageW(target, WM_NCHITTEST, 0, screenParam);
    // A window that calls itself transparent here passes the mouse to the one beneath: a
    // sibling lower in z-order under the point, else its parent.
    while (hit == HTTRANSPARENT && IsWindow(target)) {
        HWND beneath = WindowBeneath(target, event.screen);
        if (!beneath) break;
        target = beneath;
        hit = SendMessageW(target, WM_NCHITTEST, 0, screenParam);
    }
    if (!IsWindow(target)) return std::nullopt;
    // Over the frame as over the client area, the wheel keeps its message and the screen point.
    if (wheel) return MouseRoute{{target, event.mouseMessage, 0, screenParam, event.time, event.screen}, hit, false};
    if (!IsWindowEnabled(target)) return std::nullopt;
    UINT message = DoubleClickOf(target, hit, event, false);
    if (hit != HTCLIENT) {
        MSG msg{target, NonClientOf(message), static_cast<WPARAM>(hit), screenParam, event.time, event.screen};
        return MouseRoute{msg, hit, false};
    }
    POINT client = event.screen;
    ScreenToClient(target, &client);
    MSG msg{target, message, MouseKeyFlags(), MAKELPARAM(client.x, client.y), event.time, event.screen};
    return MouseRoute{msg, hit, false};
}

std::optional<MSG> Input::AcceptMouse(const InputEvent& event, MouseRoute route) {
    cursor_ = event.screen;
    UINT message = event.mouseMessage;
    if (UINT key = ButtonKey(message)) sync_.Apply(key, IsButtonDown(message));
    MSG& msg = route.msg;
    if (route.captured) {
        msg.wParam = MouseWParam(event);
        return msg;
    }
    HWND target = msg.hwnd;
    LPARAM cursorParam = MAKELPARAM(route.hit, message);
    if (route.hit == HTERROR || route.hit == HTNOWHERE) {
        // Nowhere to click: the window only sets the cursor, and the event is spent.
        SendMessageW(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), cursorParam);
        return std::nullopt;
    }
    if (IsButtonDown(message)) {
        DoubleClickOf(target, route.hit, event, true);
        HWND top = RootOf(target);
        if (top != State().active) {
            LRESULT how = SendMessageW(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top), cursorParam);
            if (how == MA_ACTIVATE || how == MA_ACTIVATEANDEAT) SetActive(top, true, true);
            if (how == MA_ACTIVATEANDEAT || how == MA_NOACTIVATEANDEAT) return std::nullopt;
            if (!IsWindow(target)) return std::nullopt;
        }
    }
    underPointer_ = target;
    State().tracking.OnPointer(target, event.screen, CurrentBackend().MonotonicMs());
    SendMessageW(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), cursorParam);
    if (!IsWindow(target)) return std::nullopt;
    if (route.hit == HTCLIENT || IsWheel(message)) msg.wParam = MouseWParam(event);
    return msg;
}

// A press close enough in time and place to the last one is a double click, in the non-client
// area always and in the client area of a class that asks for them. With `remove` the press is
// remembered, and after a double click the next press starts a new pair.
UINT Input::DoubleClickOf(HWND target, LRESULT hit, const InputEvent& event, bool remove) {
    UINT message = event.mouseMessage;
    if (!IsButtonDown(message)) return message;
    Window* window = FindWindow(target);
    bool wantsDouble = hit != HTCLIENT || (window && (window->windowClass->style & CS_DBLCLKS));
    bool isDouble = wantsDouble && lastPress_.window == target && lastPress_.message == message &&
                    event.time - lastPress_.time <= kDoubleClickMs &&
                    std::abs(event.screen.x - lastPress_.screen.x) <= kDoubleClickWidth / 2 &&
                    std::abs(event.screen.y - lastPress_.screen.y) <= kDoubleClickHeight / 2;
    if (remove) lastPress_ = isDouble ? LastPress{} : LastPress{target, message, event.screen, event.time};
    return isDouble ? message + (WM_LBUTTONDBLCLK - WM_LBUTTONDOWN) : message;
}

WPARAM Input::MouseWParam(const InputEvent& event) const {
    if (!IsWheel(event.mouseMessage)) return MouseKeyFlags();
    return MAKEWPARAM(MouseKeyFlags(), static_cast<WORD>(static_cast<SHORT>(event.wheelDelta)));
}

WPARAM Input::MouseKeyFlags() const {
    WPARAM flags = 0;
    if (sync_.IsDown(VK_LBUTTON)) flags |= MK_LBUTTON;
    if (sync_.IsDown(VK_RBUTTON)) flags |= MK_RBUTTON;
    if (sync_.IsDown(VK_MBUTTON)) flags |= MK_MBUTTON;
    if (sync_.IsDown(VK_SHIFT)) flags |= MK_SHIFT;
    if (sync_.IsDown(VK_CONTROL)) flags |= MK_CONTROL;
    return flags;
}

}  // namespace platform
