// The backend's sound: one device playing one buffer of samples at a time, once or over and
// over. Which sound the program asked for, SND_NOSTOP, purging and closing a device gone quiet
// are the platform's own rules (core/media/SoundDevice.h), kept above this.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace platform {

// How a sample is stored: little-endian, unsigned 8-bit or signed 16-bit, 32-bit, or float.
enum class PcmSample : std::uint8_t { U8, S16, S32, F32 };

constexpr std::size_t BytesOf(PcmSample sample) {
    switch (sample) {
    case PcmSample::U8: return 1;
    case PcmSample::S16: return 2;
    default: return 4;
    }
}

struct PcmFormat {
    int framesPerSecond = 0;
    PcmSample sample = PcmSample::S16;
    int channels = 0;

    // One sample for each channel, interleaved.
    std::size_t FrameBytes() const { return BytesOf(sample) * static_cast<std::size_t>(channels); }
    bool operator==(const PcmFormat&) const = default;
};

// Whole frames of one format.
struct PcmSound {
    PcmFormat format;
    std::vector<std::uint8_t> bytes;

    std::uint64_t Frames() const { return format.FrameBytes() ? bytes.size() / format.FrameBytes() : 0; }
    // How long it plays, rounded up to the millisecond: a sound of N ms, played once, has ended
    // N ms after it started.
    std::uint64_t DurationMs() const {
        if (format.framesPerSecond <= 0) return 0;
        const auto rate = static_cast<std::uint64_t>(format.framesPerSecond);
        return (Frames() * 1000 + rate - 1) / rate;
    }
};

class SoundOutput {
public:
    virtual ~SoundOutput() = default;

    // Opens the default device, or answers the one open; the format it takes sounds in, or
    // nothing when there is no device.
    virtual std::optional<PcmFormat> Open() = 0;
    // Closes the device and waits until it is gone; nothing plays afterwards.
    virtual void Close() = 0;
    // Closes the device without making the caller wait for it (a real device's thread may take
    // a buffer's time to stop); the next Open or Close waits instead.
    virtual void CloseInBackground() = 0;

    // The sound in the open device's format; null when it cannot be converted.
    virtual std::shared_ptr<const PcmSound> Convert(const PcmSound& sound) const = 0;

    // Cuts off whatever plays and starts `sound`, in the device's format, from its beginning.
    virtual void Play(std::shared_ptr<const PcmSound> sound, bool loop) = 0;
    virtual void Stop() = 0;
    // Whether the sound started last still plays: not once a sound played once has ended, after
    // Stop, or when the device stopped taking samples (unplugged).
    virtual bool IsPlaying() const = 0;
    // The bytes of the sound started last that the device has taken, repeats included.
    virtual std::uint64_t BytesPlayed() const = 0;
    // Returns once the sound started last is over or cut off, or the device stopped.
    virtual void WaitUntilOver() = 0;
};

}  // namespace platform
