#include "backends/headless/HeadlessBackend.h"

#include <algorithm>

#include "DesktopInput.h"
#include "DesktopWindows.h"

namespace platform {

namespace {

// A window that never validates itself gets WM_PAINT forever, as on the real platform; a pump
// gives up after this many messages at one virtual instant rather than hang the test.
constexpr int kMaxMessagesPerPump = 100000;

UINT DownMessage(MouseButton button) {
    switch (button) {
    case MouseButton::Right: return WM_RBUTTONDOWN;
    case MouseButton::Middle: return WM_MBUTTONDOWN;
    default: return WM_LBUTTONDOWN;
    }
}

void QueueMouseAt(HWND window, int x, int y, UINT message) {
    POINT screen{x, y};
    if (!ClientToScreen(window, &screen)) return;
    desktop::PointerEvent(message, screen, desktop::RootOf(window));
}

}  // namespace

HeadlessBackend::HeadlessBackend(HeadlessOptions options) : options_(options) {}

void HeadlessBackend::PollEvents() { RunScriptDueBy(nowMs_); }

bool HeadlessBackend::WaitForEvents(std::optional<std::uint64_t> deadlineMs) {
    std::optional<std::uint64_t> next = NextScriptTime();
    if (deadlineMs && (!next || *deadlineMs < *next)) next = deadlineMs;
    if (!next || *next > options_.waitLimitMs) {
        starved_ = true;
        return false;
    }
    nowMs_ = std::max(nowMs_, *next);
    RunScriptDueBy(nowMs_);
    return true;
}

void HeadlessBackend::AdvanceClock(std::uint64_t ms) {
    nowMs_ += ms;
    RunScriptDueBy(nowMs_);
}

void HeadlessBackend::KeyDown(UINT vk) { desktop::KeyChanged(vk, true); }

void HeadlessBackend::KeyUp(UINT vk) { desktop::KeyChanged(vk, false); }

void HeadlessBackend::PressKey(UINT vk) {
    KeyDown(vk);
    KeyUp(vk);
}

void HeadlessBackend::TypeText(const std::wstring& text) { desktop::TextTyped(text); }

void HeadlessBackend::MouseMove(HWND window, int x, int y) { QueueMouseAt(window, x, y, WM_MOUSEMOVE); }

void HeadlessBackend::MouseDown(HWND window, int x, int y, MouseButton button) {
    QueueMouseAt(window, x, y, DownMessage(button));
}

void HeadlessBackend::MouseUp(HWND window, int x, int y, MouseButton button) {
    QueueMouseAt(window, x, y, DownMessage(button) + 1);
}

void HeadlessBackend::Click(HWND window, int x, int y, MouseButton button) {
    MouseDown(window, x, y, button);
    MouseUp(window, x, y, button);
}

void HeadlessBackend::MouseWheel(HWND window, int x, int y, int delta, WheelAxis axis) {
    POINT screen{x, y};
    if (!ClientToScreen(window, &screen)) return;
    desktop::WheelTurned(delta, axis == WheelAxis::Horizontal, screen, desktop::RootOf(window));
}

void HeadlessBackend::PressCloseButton(HWND window) { desktop::CloseRequested(window); }

void HeadlessBackend::SwitchToWindow(HWND window) {
    desktopActive_ = window;
    desktop::Activated(window);
}

void HeadlessBackend::SwitchToAnotherProgram() {
    desktopActive_ = nullptr;
    desktop::Deactivated();
}

void HeadlessBackend::OnWindowDestroyed(HWND window) {
    if (desktopActive_ == window) desktopActive_ = nullptr;
}

void HeadlessBackend::CoverAndUncover(HWND window, COLORREF covering) { desktop::Overdrawn(window, covering); }

COLORREF HeadlessBackend::WindowPixel(HWND window, int x, int y) const {
    return desktop::ClientPixel(window, x, y).value_or(CLR_INVALID);
}

bool HeadlessBackend::WindowImage(HWND window, int& width, int& height, std::vector<std::uint32_t>& pixels) const {
    const std::optional<desktop::TopLevel> top = desktop::TopLevelOf(desktop::RootOf(window));
    if (!top || !desktop::PixelsOf(desktop::RootOf(window))) return false;
    const RECT area = top->outer;
    width = area.right - area.left;
    height = area.bottom - area.top;
    pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    // What the screen shows there: every visible top-level window, the bottom one first, so
    // a drop-down menu or a message box over the window is in the picture.
    for (HWND other : desktop::TopLevelsFromBottom()) {
        const std::optional<desktop::TopLevel> facts = desktop::TopLevelOf(other);
        const std::optional<desktop::WindowPixels> shown = desktop::PixelsOf(other);
        RECT overlap;
        if (!facts || !shown || !IntersectRect(&overlap, &facts->outer, &area)) continue;
        const RECT& outer = facts->outer;
        for (int y = overlap.top; y < overlap.bottom; ++y)
            std::copy_n(shown->pixels + (y - outer.top) * shown->width + (overlap.left - outer.left),
                        overlap.right - overlap.left, pixels.begin() + (y - area.top) * width + (overlap.left - area.left));
    }
    return true;
}

void HeadlessBackend::At(std::uint64_t atMs, std::function<void()> action) {
    script_.emplace(atMs, std::move(action));
}

int HeadlessBackend::PumpUntilIdle() {
    int dispatched = 0;
    MSG msg;
    while (dispatched < kMaxMessagesPerPump && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            quitCode_ = static_cast<int>(msg.wParam);
            ++quitCount_;
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        ++dispatched;
    }
    return dispatched;
}

void HeadlessBackend::RunFor(std::uint64_t ms) {
    const std::uint64_t end = nowMs_ + ms;
    const int quitsBefore = quitCount_;
    for (;;) {
        PumpUntilIdle();
        if (quitCount_ != quitsBefore) return;
        std::optional<std::uint64_t> next = desktop::NextTimerDue();
        std::optional<std::uint64_t> script = NextScriptTime();
        if (script && (!next || *script < *next)) next = script;
        if (!next || *next > end) break;
        nowMs_ = std::max(nowMs_ + (*next <= nowMs_ ? 1 : 0), *next);
        RunScriptDueBy(nowMs_);
    }
    nowMs_ = std::max(nowMs_, end);
    RunScriptDueBy(nowMs_);
    if (quitCount_ == quitsBefore) PumpUntilIdle();
}

void HeadlessBackend::RunScriptDueBy(std::uint64_t ms) {
    while (!script_.empty() && script_.begin()->first <= ms) {
        auto action = std::move(script_.begin()->second);
        script_.erase(script_.begin());
        action();
    }
}

std::optional<std::uint64_t> HeadlessBackend::NextScriptTime() const {
    if (script_.empty()) return std::nullopt;
    return script_.begin()->first;
}

HeadlessBackend& InstallHeadlessBackend(HeadlessOptions options) {
    auto backend = std::make_unique<HeadlessBackend>(options);
    HeadlessBackend& installed = *backend;
    InstallBackend(std::move(backend));
    return installed;
}

}  // namespace platform
