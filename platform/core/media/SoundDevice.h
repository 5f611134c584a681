// The platform's sound: which file plays, whether it loops, and the device opened on the
// first sound and closed again when it has been quiet for a while. The samples themselves go
// to the backend's sound output.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "backend/SoundOutput.h"
#include "SoundCache.h"

namespace platform {

// What the device plays, for tests.
struct SoundPlayback {
    std::string source;             // the sound's file; empty when nothing plays
    bool looping = false;
    std::size_t soundBytes = 0;     // the sound's length in the device's format
    std::uint64_t bytesPlayed = 0;  // taken by the device since the sound started, repeats included
};

class SoundDevice {
public:
    // Opens the backend's device on the first call. False when there is no device; later calls
    // answer the same without trying again, until Close().
    bool Open();
    // Closes the device; the next Open() tries again with the environment as it is then.
    void Close();
    bool IsOpen() const { return state_ == OpenState::Open; }
    // Closes an open device on which nothing has played for `quietMs` by `nowMs` (the backend's
    // monotonic clock): an open device keeps its thread waking for every buffer, silence
    // included, for as long as it stays open. The next sound opens it again. The program's
    // thread calls it while it waits, so the closing does not hold it.
    void CloseIfQuietFor(std::uint64_t quietMs, std::uint64_t nowMs);

    // The file's sound in the open device's format; null when it is no wave sound.
    std::shared_ptr<const PcmSound> Load(const std::string& path);
    // Cuts off the sound playing and starts this one.
    void Play(std::shared_ptr<const PcmSound> sound, std::string source, bool loop);
    void Stop();
    bool IsPlaying() const;
    // Returns when the sound playing is over or was cut off, or the device stopped.
    void WaitUntilOver();
    SoundPlayback Playback() const;

private:
    enum class OpenState { NotTried, Open, Failed };

    static SoundOutput& Output();
    // When the device last went quiet, as of `nowMs`.
    std::uint64_t QuietSince(std::uint64_t nowMs) const;

    OpenState state_ = OpenState::NotTried;
    PcmFormat format_;
    SoundCache cache_;
    std::string source_;  // the file started last; empty once stopped
    bool looping_ = false;
    std::size_t soundBytes_ = 0;
    std::uint64_t endsAtMs_ = 0;     // when the sound started last ends, played once
    std::uint64_t quietSinceMs_ = 0;  // when the last sound was stopped, or nothing played
};

// The sound device of the platform state in use.
SoundDevice& Sounds();

}  // namespace platform
