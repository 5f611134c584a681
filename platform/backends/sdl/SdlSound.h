// The sound output of the real displays: SDL's default audio device, opened independently of
// any display, playing one sound at a time from SDL's audio thread.
#pragma once

#include <SDL.h>

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

#include "SoundOutput.h"

namespace platform::sdl {

class SdlSound final : public SoundOutput {
public:
    SdlSound() = default;
    ~SdlSound() override { Close(); }
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    std::optional<PcmFormat> Open() override;
    void Close() override;
    void CloseInBackground() override;
    std::shared_ptr<const PcmSound> Convert(const PcmSound& sound) const override;
    void Play(std::shared_ptr<const PcmSound> sound, bool loop) override;
    void Stop() override;
    bool IsPlaying() const override;
    std::uint64_t BytesPlayed() const override;
    void WaitUntilOver() override;

private:
    bool OpenDevice(int allowedChanges);
    void FinishClosing();
    bool DeviceRuns() const;
    static void SDLCALL FillCallback(void* self, Uint8* stream, int length);
    void Fill(Uint8* out, std::size_t length);

    SDL_AudioDeviceID device_ = 0;
    SDL_AudioSpec spec_{};
    PcmFormat format_;
    std::thread closer_;  // closing a device without holding the program's thread

    // Shared with the audio thread.
    mutable std::mutex mutex_;
    std::condition_variable over_;
    std::shared_ptr<const PcmSound> sound_;
    bool looping_ = false;
    std::size_t position_ = 0;
    std::uint64_t bytesPlayed_ = 0;
    std::uint64_t started_ = 0;  // counts the sounds started, so a waiter knows its own
};

}  // namespace platform::sdl
