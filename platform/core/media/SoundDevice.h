// The sound device: opened on the first sound, independently of any display, and playing one
// sound at a time from SDL's audio thread.
#pragma once

#include <SDL.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "WaveLoader.h"

namespace platform {

// What the device plays, for tests.
struct SoundPlayback {
    std::string source;             // the sound's file; empty when nothing plays
    bool looping = false;
    std::size_t soundBytes = 0;     // the sound's length in the device's format
    std::uint64_t bytesPlayed = 0;  // given to the device since the sound started, repeats included
};

class SoundDevice {
public:
    SoundDevice() = default;
    ~SoundDevice() { Close(); }
    SoundDevice(const SoundDevice&) = delete;
    SoundDevice& operator=(const SoundDevice&) = delete;

    // Opens SDL's audio and the default device on the first call. False when there is no
    // device; later calls answer the same without trying again, until Close().
    bool Open();
    // Closes the device and SDL's audio; the next Open() tries again with the environment as it
    // is then.
    void Close();
    bool IsOpen() const { return state_ == OpenState::Open; }
    // Closes an open device on which nothing has played for `quiet`: an open device keeps its
    // audio thread waking for every buffer, silence included, for as long as it stays open.
    // The next sound opens it again. Called by the program's thread while it waits.
    void CloseIfQuietFor(std::chrono::milliseconds quiet);
    // The device's sample format, rate and channels; valid once Open() succeeded.
    const SDL_AudioSpec& Format() const { return format_; }

    // Cuts off the sound playing and starts this one; returns what WaitUntilOver() waits for.
    std::uint64_t Play(std::shared_ptr<const SoundSamples> sound, std::string source, bool loop);
    void Stop();
    bool IsPlaying() const;
    // Returns when the sound Play() returned `started` for is over or was cut off, or the device
    // stopped.
    void WaitUntilOver(std::uint64_t started);
    SoundPlayback Playback() const;

private:
    enum class OpenState { NotTried, Open, Failed };

    static void SDLCALL FillCallback(void* self, Uint8* stream, int length);
    void Fill(Uint8* out, std::size_t length);
    bool OpenDevice();
    void FinishClosing();

    OpenState state_ = OpenState::NotTried;
    SDL_AudioDeviceID device_ = 0;
    std::thread closer_;  // closing a device that went quiet
    SDL_AudioSpec format_{};

    // Shared with the audio thread.
    mutable std::mutex mutex_;
    std::condition_variable over_;
    std::shared_ptr<const SoundSamples> sound_;
    std::string source_;
    bool looping_ = false;
    std::size_t position_ = 0;
    std::uint64_t bytesPlayed_ = 0;
    std::uint64_t started_ = 0;  // counts the sounds started, so a waiter knows its own
    std::chrono::steady_clock::time_point quietSince_ = std::chrono::steady_clock::now();
};

// The process's sound device. It lives apart from the platform state that tests replace, as
// SDL's audio is the process's own, and closes at exit.
SoundDevice& Sounds();

}  // namespace platform
