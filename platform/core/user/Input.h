// Hardware input: the queue of key and mouse events a backend delivers, the key state tables,
// and the routing that turns an event into a window message when it is retrieved (keys go
// to the focus window, mouse events to the window under the pointer).
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "PlatformApi.h"
#include "user/KeyboardLayout.h"

namespace platform {

struct InputEvent {
    enum class Kind { Key, Mouse, Text };
    Kind kind = Kind::Key;
    // Key events: the key as pressed (sided keys such as VK_LSHIFT allowed) and its lParam.
    UINT vk = 0;
    bool down = false;
    LPARAM keyParam = 0;
    bool controlDown = false;  // as the keyboard was when the key was pressed
    // From a keyboard that reports typed text on its own (dead keys, compose, any layout):
    // the characters a key press typed, if any. Text events carry text with no key.
    bool textDriven = false;
    std::wstring text;
    // Mouse events: the client-area message (WM_MOUSEMOVE, WM_LBUTTONDOWN, ...), the point on
    // the screen and the top-level window it was seen over.
    UINT mouseMessage = 0;
    POINT screen{};
    HWND topLevel = nullptr;
    int wheelDelta = 0;  // WM_MOUSEWHEEL and WM_MOUSEHWHEEL: the turn, WHEEL_DELTA a notch
    DWORD time = 0;
    std::uint64_t serial = 0;  // which event this is, kept while the queue changes around it
};

class Input {
public:
    // Backends call these. A key press that is a registered hot key becomes WM_HOTKEY.
    void QueueKey(UINT vk, bool down, bool textDriven = false);
    // Text typed by the person: it belongs to the last key pressed when that key has none yet,
    // else it arrives on its own as WM_CHAR messages.
    void QueueText(const std::wstring& text);
    // The characters TranslateMessage posts for a key message just retrieved.
    std::wstring CharactersFor(const MSG& keyMessage) const;
    void QueueMouse(UINT message, POINT screen, HWND topLevel);
    // WM_MOUSEWHEEL or WM_MOUSEHWHEEL: it goes to the window under the pointer (or the one that
    // holds the capture), with the key state, the turn and the point on the screen.
    void QueueWheel(UINT message, int delta, POINT screen, HWND topLevel);
    // The keyboard went elsewhere: every key still down is released, since its release will be
    // told to whoever has the keyboard now.
    void ReleaseHeldKeys();

    // The message of the oldest input event whose message passes the filters; events before it
    // that do not stay queued. With `remove` the event leaves the queue and the thread's key
    // state follows it.
    std::optional<MSG> Take(HWND window, UINT first, UINT last, bool remove);
    bool HasPending() const { return !events_.empty(); }

    SHORT KeyState(int vk) const;
    SHORT AsyncKeyState(int vk) const;
    Modifiers CurrentModifiers() const;
    POINT CursorPos() const { return cursor_; }
    // The window the last mouse message went to, standing in for "under the pointer".
    HWND WindowUnderPointer() const { return underPointer_; }

private:
    struct KeyTable {
        std::array<BYTE, 256> bits{};  // 0x80 down, 0x01 toggled
        bool IsDown(UINT vk) const { return (bits[vk & 0xFF] & 0x80) != 0; }
        void Apply(UINT vk, bool down);
    };

    std::optional<MSG> KeyMessage(const InputEvent& event) const;
    std::optional<MSG> TextMessage(const InputEvent& event) const;
    // A mouse event's message as the window under the point makes it, asked with WM_NCHITTEST:
    // a non-client message off the client area, a double click where one counts. Nothing when
    // nobody can receive it.
    struct MouseRoute {
        MSG msg{};
        LRESULT hit = HTCLIENT;
        bool captured = false;
    };
    std::optional<MouseRoute> RouteMouse(const InputEvent& event);
    // Taking a routed mouse event: the pointer and buttons follow it, and the window is told
    // (WM_MOUSEACTIVATE on a press over an inactive window, WM_SETCURSOR). Nothing when the
    // message is eaten on the way.
    std::optional<MSG> AcceptMouse(const InputEvent& event, MouseRoute route);
    bool TryHotKey(UINT vk, bool isRepeat);
    UINT DoubleClickOf(HWND target, LRESULT hit, const InputEvent& event, bool remove);
    WPARAM MouseKeyFlags() const;
    // The wParam of a mouse event's message: the key state, and a wheel's turn.
    WPARAM MouseWParam(const InputEvent& event) const;
    void Enqueue(InputEvent event);
    std::optional<std::size_t> IndexOf(std::uint64_t serial) const;

    std::deque<InputEvent> events_;
    std::uint64_t lastSerial_ = 0;
    KeyTable async_;
    KeyTable sync_;
    POINT cursor_{};
    HWND underPointer_ = nullptr;
    // The last key event taken, to tell TranslateMessage what it typed.
    struct LastKey {
        HWND hwnd = nullptr;
        LPARAM lParam = 0;
        DWORD time = 0;
        bool textDriven = false;
        std::wstring text;
    } lastKey_;

    // The last button press, to tell a double click.
    struct LastPress {
        HWND window = nullptr;
        UINT message = 0;
        POINT screen{};
        DWORD time = 0;
    } lastPress_;
};

}  // namespace platform
