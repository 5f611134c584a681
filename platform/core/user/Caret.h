// The thread's one caret: a blinking block drawn by inverting the window's pixels, so drawing
// it twice restores what was under it. Hidden while its window paints.
#pragma once

#include <cstdint>
#include <optional>

#include "PlatformApi.h"

namespace platform {

class Caret {
public:
    static constexpr UINT kBlinkMs = 530;

    bool Create(HWND owner, int width, int height);
    bool Destroy();
    bool Show(HWND window);
    bool Hide(HWND window);
    bool SetPosition(POINT position);
    POINT Position() const { return position_; }
    HWND Owner() const { return owner_; }

    // Blinks when its time has come.
    void Tick(std::uint64_t nowMs);
    std::optional<std::uint64_t> NextBlink() const;

private:
    void Invert();
    void SetOn(bool on);

    HWND owner_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    POINT position_{};
    int hideCount_ = 1;  // a new caret starts hidden
    bool on_ = false;    // currently inverted on screen
    std::uint64_t nextBlinkMs_ = 0;
};

}  // namespace platform
