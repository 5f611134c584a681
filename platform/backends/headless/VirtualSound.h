// A sound device for tests that makes no sound and keeps the virtual clock's time: a test sees
// which sound plays, whether it loops and how much of it has been heard, and a sound of N ms
// played once has ended when the virtual clock has moved N ms on.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "SoundOutput.h"

namespace platform {

class VirtualSound final : public SoundOutput {
public:
    // What the device plays now.
    struct Playing {
        std::shared_ptr<const PcmSound> sound;
        bool looping = false;
        std::uint64_t startedAtMs = 0;
    };

    // `now` reads the virtual clock; `wait` moves it on by so many milliseconds, as waiting for a
    // real device to play a sound to its end takes that long.
    VirtualSound(std::function<std::uint64_t()> now, std::function<void(std::uint64_t)> wait);

    std::optional<PcmFormat> Open() override;
    void Close() override;
    void CloseInBackground() override { Close(); }
    // The virtual device hears nothing: a sound in another format becomes one as long in the
    // device's, of silence; one in the device's own format is taken unchanged.
    std::shared_ptr<const PcmSound> Convert(const PcmSound& sound) const override;
    void Play(std::shared_ptr<const PcmSound> sound, bool loop) override;
    void Stop() override { playing_.reset(); }
    bool IsPlaying() const override { return NowPlaying().has_value(); }
    std::uint64_t BytesPlayed() const override;
    // Moves the clock on to the end of a sound played once; a loop has no end to wait for.
    void WaitUntilOver() override;

    // ---- For tests ----
    // Nothing once a sound played once has lasted its duration, after Stop, or while the device
    // is unplugged.
    std::optional<Playing> NowPlaying() const;
    bool IsOpen() const { return open_; }
    int TimesOpened() const { return timesOpened_; }
    // A machine without a sound device: Open() fails from now on.
    void RemoveDevice() { present_ = false; }
    // The device stops taking samples, as an unplugged one does: nothing plays from now on.
    void Unplug() { unplugged_ = true; }
    // The format the device takes sounds in, from its next opening; 44.1 kHz 16-bit stereo at first.
    void SetFormat(const PcmFormat& format) { format_ = format; }

private:
    std::uint64_t ElapsedMs() const;

    std::function<std::uint64_t()> now_;
    std::function<void(std::uint64_t)> wait_;
    PcmFormat format_{44100, PcmSample::S16, 2};
    bool present_ = true;
    bool unplugged_ = false;
    bool open_ = false;
    int timesOpened_ = 0;
    std::optional<Playing> playing_;
};

}  // namespace platform
