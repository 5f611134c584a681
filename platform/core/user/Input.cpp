#include "user/Input.h"

#include <cstdlib>

#include "PlatformState.h"
#include "user/Activation.h"
#include "user/WindowTree.h"

namespace platform {

namespace {

constexpr DWORD kDoubleClickMs = 500;
constexpr int kDoubleClickWidth = 4;
constexpr int kDoubleClickHeight = 4;

DWORD Now() { return static_cast<DWORD>(CurrentBackend().MonotonicMs()); }

LPARAM KeyParam(UINT vk, bool down, bool wasDown, bool altDown) {
    DWORD bits = 1;  // repeat count
    bits |= (ScanCodeOf(vk) & 0xFF) << 16;
    if (IsExtendedKey(vk)) bits |= 1u << 24;
    if (altDown) bits |= 1u << 29;
    if (wasDown) bits |= 1u << 30;
    if (!down) bits |= 1u << 31;
    return static_cast<LPARAM>(bits);
}

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

}  // namespace

void Input::KeyTable::Apply(UINT vk, bool down) {
    auto set = [&](UINT key) {
        BYTE& b = bits[key & 0xFF];
        if (down && !(b & 0x80)) b ^= 0x01;  // each press toggles
        b = static_cast<BYTE>(down ? (b | 0x80) : (b & ~0x80));
    };
    set(vk);
    UINT generic = GenericKeyOf(vk);
    if (generic == vk) return;
    // The generic key is down while either side is.
    UINT left = generic == VK_SHIFT ? VK_LSHIFT : generic == VK_CONTROL ? VK_LCONTROL : VK_LMENU;
    bool either = IsDown(left) || IsDown(left + 1);
    BYTE& g = bits[generic];
    if (either && !(g & 0x80)) g ^= 0x01;
    g = static_cast<BYTE>(either ? (g | 0x80) : (g & ~0x80));
}

void Input::QueueText(const std::wstring& text) {
    if (text.empty()) return;
    if (!events_.empty()) {
        InputEvent& last = events_.back();
        if (last.kind == InputEvent::Kind::Key && last.down && last.textDriven && last.text.empty()) {
            last.text = text;
            return;
        }
    }
    InputEvent event;
    event.kind = InputEvent::Kind::Text;
    event.text = text;
    event.time = Now();
    events_.push_back(event);
}

std::wstring Input::CharactersFor(const MSG& msg) const {
    Modifiers modifiers = CurrentModifiers();
    auto layout = CharacterOf(static_cast<UINT>(msg.wParam), modifiers);
    bool same = msg.hwnd == lastKey_.hwnd && msg.lParam == lastKey_.lParam && msg.time == lastKey_.time;
    if (!same || !lastKey_.textDriven) return layout ? std::wstring(1, *layout) : std::wstring();
    if (!lastKey_.text.empty()) return lastKey_.text;
    // A keyboard that types its own text still leaves control characters (Enter, Tab,
    // Backspace, Escape, Ctrl+letter) and Alt+letter to the key itself.
    bool control = layout && (*layout < 0x20 || *layout == 0x7F);
    if (layout && (control || modifiers.alt)) return std::wstring(1, *layout);
    return {};
}

void Input::QueueKey(UINT vk, bool down, bool textDriven) {
    // A plain generic modifier is taken as the left one, as a keyboard sends it.
    if (vk == VK_SHIFT) vk = VK_LSHIFT;
    if (vk == VK_CONTROL) vk = VK_LCONTROL;
    if (vk == VK_MENU) vk = VK_LMENU;
    bool wasDown = async_.IsDown(vk);
    async_.Apply(vk, down);
    if (down && TryHotKey(GenericKeyOf(vk), wasDown)) return;
    InputEvent event;
    event.kind = InputEvent::Kind::Key;
    event.vk = vk;
    event.down = down;
    event.keyParam = KeyParam(vk, down, down ? wasDown : true, async_.IsDown(VK_MENU));
    event.controlDown = async_.IsDown(VK_CONTROL);
    event.textDriven = textDriven;
    event.time = Now();
    events_.push_back(event);
}

void Input::ReleaseHeldKeys() {
    for (UINT vk = 0x08; vk < 0xFF; ++vk) {
        // The generic modifiers follow their left and right keys.
        if (vk == VK_SHIFT || vk == VK_CONTROL || vk == VK_MENU) continue;
        if (async_.IsDown(vk)) QueueKey(vk, false, true);
    }
}

void Input::QueueMouse(UINT message, POINT screen, HWND topLevel) {
    if (UINT key = ButtonKey(message)) async_.Apply(key, IsButtonDown(message));
    InputEvent event;
    event.kind = InputEvent::Kind::Mouse;
    event.mouseMessage = message;
    event.screen = screen;
    event.topLevel = topLevel;
    event.time = Now();
    events_.push_back(event);
}

bool Input::TryHotKey(UINT vk, bool isRepeat) {
    UINT modifiers = 0;
    if (async_.IsDown(VK_MENU)) modifiers |= MOD_ALT;
    if (async_.IsDown(VK_CONTROL)) modifiers |= MOD_CONTROL;
    if (async_.IsDown(VK_SHIFT)) modifiers |= MOD_SHIFT;
    if (async_.IsDown(VK_LWIN) || async_.IsDown(VK_RWIN)) modifiers |= MOD_WIN;
    auto match = State().hotKeys.Find(modifiers, vk, isRepeat);
    if (!match) return false;
    MSG msg{match->window, WM_HOTKEY, static_cast<WPARAM>(match->id), MAKELPARAM(modifiers, vk), Now(), cursor_};
    State().queue.Post(msg);
    return true;
}

std::optional<MSG> Input::Take(HWND window, UINT first, UINT last, bool remove) {
    while (!events_.empty()) {
        InputEvent event = events_.front();
        std::optional<MSG> msg = event.kind == InputEvent::Kind::Key    ? KeyMessage(event)
                                 : event.kind == InputEvent::Kind::Text ? TextMessage(event)
                                                                        : MouseMessage(event, false);
        if (!msg) {  // nobody to receive it
            events_.pop_front();
            if (event.kind == InputEvent::Kind::Key) sync_.Apply(event.vk, event.down);
            continue;
        }
        if (!PassesFilter(*msg, window, first, last)) return std::nullopt;
        if (!remove) return msg;
        events_.pop_front();
        if (event.kind == InputEvent::Kind::Key) {
            sync_.Apply(event.vk, event.down);
            lastKey_ = {msg->hwnd, msg->lParam, msg->time, event.textDriven, event.text};
            return msg;
        }
        if (event.kind == InputEvent::Kind::Text) {
            // One character per message; the rest waits at the front of the queue.
            if (event.text.size() > 1) {
                InputEvent rest = event;
                rest.text.erase(0, 1);
                events_.push_front(rest);
            }
            return msg;
        }
        cursor_ = event.screen;
        if (UINT key = ButtonKey(event.mouseMessage)) sync_.Apply(key, IsButtonDown(event.mouseMessage));
        msg = MouseMessage(event, true);
        if (msg) return msg;
    }
    return std::nullopt;
}

std::optional<MSG> Input::TextMessage(const InputEvent& event) const {
    HWND target = State().focus ? State().focus : State().active;
    if (!target || event.text.empty()) return std::nullopt;
    return MSG{target, WM_CHAR, static_cast<WPARAM>(event.text[0]), 1, event.time, cursor_};
}

std::optional<MSG> Input::KeyMessage(const InputEvent& event) const {
    const PlatformState& state = State();
    HWND target = state.focus;
    // Without a focus window, keys go to the active window as system keys.
    bool system = !target;
    if (!target) target = state.active;
    if (!target) return std::nullopt;
    // Whether Alt made it a system key is decided by the keyboard at the time of the press.
    bool alt = (event.keyParam & (1 << 29)) != 0 || event.vk == VK_LMENU || event.vk == VK_RMENU;
    bool control = event.controlDown;
    if ((alt && !control) || event.vk == VK_F10) system = true;
    UINT message = event.down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
    return MSG{target, message, GenericKeyOf(event.vk), event.keyParam, event.time, cursor_};
}

// Routes a mouse event to the window under the point. With `remove`, the retrieval's side
// effects happen: WM_MOUSEACTIVATE on a press over an inactive window, WM_SETCURSOR, the
// double-click bookkeeping. Returns nothing when the message is eaten.
std::optional<MSG> Input::MouseMessage(const InputEvent& event, bool remove) {
    if (HWND capture = State().capture; capture && IsWindow(capture)) {
        // The capturing window hears everything, in its own client coordinates.
        POINT client = event.screen;
        ScreenToClient(capture, &client);
        return MSG{capture, event.mouseMessage, MouseKeyFlags(), MAKELPARAM(client.x, client.y), event.time,
                   event.screen};
    }
    HWND target = DeepestChildAt(event.topLevel, event.screen);
    if (!target || !IsWindowEnabled(target)) return std::nullopt;
    LPARAM screenParam = MAKELPARAM(event.screen.x, event.screen.y);
    LRESULT hit = remove ? SendMessageW(target, WM_NCHITTEST, 0, screenParam) : HTCLIENT;
    // A window that calls itself transparent here passes the mouse to the one beneath: its parent.
    while (remove && hit == HTTRANSPARENT && IsWindow(target) && GetAncestorParent(target)) {
        target = GetAncestorParent(target);
        hit = SendMessageW(target, WM_NCHITTEST, 0, screenParam);
    }
    if (remove && !IsWindow(target)) return std::nullopt;
    UINT message = event.mouseMessage;
    if (remove && IsButtonDown(message)) {
        HWND top = RootOf(target);
        if (top != State().active) {
            LRESULT how = SendMessageW(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top),
                                       MAKELPARAM(hit, message));
            if (how == MA_ACTIVATE || how == MA_ACTIVATEANDEAT) SetActive(top, true, true);
            if (how == MA_ACTIVATEANDEAT || how == MA_NOACTIVATEANDEAT) return std::nullopt;
            if (!IsWindow(target)) return std::nullopt;
        }
    }
    if (remove) {
        underPointer_ = target;
        State().tracking.OnPointer(target, event.screen, CurrentBackend().MonotonicMs());
        SendMessageW(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(hit, message));
        if (!IsWindow(target)) return std::nullopt;
    }
    if (hit != HTCLIENT) {
        return MSG{target, NonClientOf(message), static_cast<WPARAM>(hit), screenParam, event.time, event.screen};
    }
    message = DoubleClickOf(target, message, event.screen, event.time, remove);
    POINT client = event.screen;
    ScreenToClient(target, &client);
    return MSG{target, message, MouseKeyFlags(), MAKELPARAM(client.x, client.y), event.time, event.screen};
}

UINT Input::DoubleClickOf(HWND target, UINT message, POINT screen, DWORD time, bool remove) {
    if (!IsButtonDown(message)) return message;
    Window* window = FindWindow(target);
    bool wantsDouble = window && (window->windowClass->style & CS_DBLCLKS);
    bool isDouble = wantsDouble && lastPress_.window == target && lastPress_.message == message &&
                    time - lastPress_.time <= kDoubleClickMs &&
                    std::abs(screen.x - lastPress_.screen.x) <= kDoubleClickWidth / 2 &&
                    std::abs(screen.y - lastPress_.screen.y) <= kDoubleClickHeight / 2;
    if (remove) {
        // After a double click the next press starts a new pair.
        lastPress_ = isDouble ? LastPress{} : LastPress{target, message, screen, time};
    }
    return isDouble ? message + (WM_LBUTTONDBLCLK - WM_LBUTTONDOWN) : message;
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

SHORT Input::KeyState(int vk) const {
    BYTE b = sync_.bits[vk & 0xFF];
    return static_cast<SHORT>(((b & 0x80) ? 0x8000 : 0) | (b & 0x01));
}

SHORT Input::AsyncKeyState(int vk) const {
    return static_cast<SHORT>(async_.IsDown(static_cast<UINT>(vk)) ? 0x8000 : 0);
}

Modifiers Input::CurrentModifiers() const {
    Modifiers m;
    m.shift = sync_.IsDown(VK_SHIFT);
    m.control = sync_.IsDown(VK_CONTROL);
    m.alt = sync_.IsDown(VK_MENU);
    m.capsLock = (sync_.bits[VK_CAPITAL] & 0x01) != 0;
    m.numLock = (sync_.bits[VK_NUMLOCK] & 0x01) == 0;  // on unless toggled off
    return m;
}

}  // namespace platform
