#include "user/Input.h"

#include <utility>

#include "PlatformState.h"

namespace platform {

namespace {

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
    Enqueue(std::move(event));
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
    Enqueue(std::move(event));
}

void Input::ReleaseHeldKeys() {
    for (UINT vk = 0x08; vk < 0xFF; ++vk) {
        // The generic modifiers follow their left and right keys.
        if (vk == VK_SHIFT || vk == VK_CONTROL || vk == VK_MENU) continue;
        if (async_.IsDown(vk)) QueueKey(vk, false, true);
    }
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
    for (std::size_t i = 0; i < events_.size();) {
        const InputEvent event = events_[i];
        std::optional<MouseRoute> route;
        std::optional<MSG> msg;
        if (event.kind == InputEvent::Kind::Mouse) {
            // Asking the window where the point is runs its code, which may take input itself.
            route = RouteMouse(event);
            std::optional<std::size_t> still = IndexOf(event.serial);
            if (!still) continue;
            i = *still;
            if (route) msg = route->msg;
        } else {
            msg = event.kind == InputEvent::Kind::Key ? KeyMessage(event) : TextMessage(event);
        }
        if (!msg) {  // nobody to receive it
            events_.erase(events_.begin() + static_cast<std::ptrdiff_t>(i));
            if (event.kind == InputEvent::Kind::Key) sync_.Apply(event.vk, event.down);
            continue;
        }
        // What the filter does not want stays queued, and later input may still be taken.
        if (!PassesFilter(*msg, window, first, last)) {
            ++i;
            continue;
        }
        if (!remove) return msg;
        events_.erase(events_.begin() + static_cast<std::ptrdiff_t>(i));
        if (event.kind == InputEvent::Kind::Key) {
            sync_.Apply(event.vk, event.down);
            lastKey_ = {msg->hwnd, msg->lParam, msg->time, event.textDriven, event.text};
            return msg;
        }
        if (event.kind == InputEvent::Kind::Text) {
            // One character per message; the rest keeps its place in the queue.
            if (event.text.size() > 1) {
                InputEvent rest = event;
                rest.text.erase(0, 1);
                events_.insert(events_.begin() + static_cast<std::ptrdiff_t>(i), rest);
            }
            return msg;
        }
        if (auto taken = AcceptMouse(event, *route)) return taken;
    }
    return std::nullopt;
}

std::optional<std::size_t> Input::IndexOf(std::uint64_t serial) const {
    for (std::size_t i = 0; i < events_.size(); ++i)
        if (events_[i].serial == serial) return i;
    return std::nullopt;
}

void Input::Enqueue(InputEvent event) {
    event.serial = ++lastSerial_;
    events_.push_back(std::move(event));
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
