#include "user/Caret.h"

#include <algorithm>

#include "PlatformState.h"
#include "gdi/WindowSurfaces.h"

namespace platform {

namespace {
std::uint64_t Now() { return CurrentBackend().MonotonicMs(); }
}  // namespace

bool Caret::Create(HWND owner, int width, int height) {
    Destroy();
    owner_ = owner;
    width_ = std::max(1, width);
    height_ = std::max(1, height);
    position_ = {};
    hideCount_ = 1;
    return true;
}

bool Caret::Destroy() {
    if (!owner_) return false;
    SetOn(false);
    owner_ = nullptr;
    return true;
}

bool Caret::Show(HWND window) {
    if (!owner_ || (window && window != owner_)) return false;
    if (hideCount_ > 0 && --hideCount_ == 0) {
        SetOn(true);
        nextBlinkMs_ = Now() + kBlinkMs;
    }
    return true;
}

bool Caret::Hide(HWND window) {
    if (!owner_ || (window && window != owner_)) return false;
    ++hideCount_;
    SetOn(false);
    return true;
}

bool Caret::SetPosition(POINT position) {
    if (!owner_) return false;
    SetOn(false);
    position_ = position;
    // Moving shows the caret at once and restarts the blink, so typing never loses it.
    if (hideCount_ == 0) {
        SetOn(true);
        nextBlinkMs_ = Now() + kBlinkMs;
    }
    return true;
}

void Caret::Tick(std::uint64_t nowMs) {
    if (!owner_ || hideCount_ > 0 || nowMs < nextBlinkMs_) return;
    SetOn(!on_);
    nextBlinkMs_ = nowMs + kBlinkMs;
}

std::optional<std::uint64_t> Caret::NextBlink() const {
    if (!owner_ || hideCount_ > 0) return std::nullopt;
    return nextBlinkMs_;
}

void Caret::SetOn(bool on) {
    if (on_ == on) return;
    Invert();
    on_ = on;
}

void Caret::Invert() {
    Surface surface = WindowSurface(owner_);
    surface.Touch({position_.x, position_.y, position_.x + width_, position_.y + height_});
    for (int y = position_.y; y < position_.y + height_; ++y)
        for (int x = position_.x; x < position_.x + width_; ++x)
            if (surface.Contains(x, y)) *surface.At(x, y) ^= kWhitePixel;
}

}  // namespace platform

using namespace platform;

BOOL WINAPI CreateCaret(HWND hWnd, HBITMAP, int nWidth, int nHeight) {
    if (!CheckWindow(hWnd)) return FALSE;
    return State().caret.Create(hWnd, nWidth, nHeight);
}

BOOL WINAPI DestroyCaret(void) { return State().caret.Destroy(); }

BOOL WINAPI ShowCaret(HWND hWnd) { return State().caret.Show(hWnd); }

BOOL WINAPI HideCaret(HWND hWnd) { return State().caret.Hide(hWnd); }

BOOL WINAPI SetCaretPos(int X, int Y) { return State().caret.SetPosition({X, Y}); }

BOOL WINAPI GetCaretPos(LPPOINT lpPoint) {
    if (!lpPoint) return FALSE;
    *lpPoint = State().caret.Position();
    return TRUE;
}

UINT WINAPI GetCaretBlinkTime(void) { return Caret::kBlinkMs; }
