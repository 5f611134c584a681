#include "backends/sdl/SdlSound.h"
#include "backends/sdl/SdlLibrary.h"
#include "backends/sdl/SdlSoundFormat.h"

#include <algorithm>
#include <chrono>
#include <cstring>

namespace platform::sdl {

namespace {

// Short enough for a shot to be heard with its frame (about 12 ms at 44.1 kHz).
constexpr Uint16 kBufferFrames = 512;
// How often a waiter looks whether the device is still running.
constexpr auto kDeviceCheckPeriod = std::chrono::milliseconds(50);
constexpr int kAnyChange = SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE |
                           SDL_AUDIO_ALLOW_FORMAT_CHANGE | SDL_AUDIO_ALLOW_SAMPLES_CHANGE;

}  // namespace

std::optional<PcmFormat> SdlSound::Open() {
    FinishClosing();
    if (device_ != 0) return format_;
    if (!Load() || Sdl().InitSubSystem(SDL_INIT_AUDIO) != 0) return std::nullopt;
    // The device's own format is taken when the platform can name it: each file is converted to
    // it once, instead of SDL converting every buffer while it plays. Any other, and SDL does.
    if (OpenDevice(kAnyChange) || OpenDevice(kAnyChange & ~SDL_AUDIO_ALLOW_FORMAT_CHANGE)) {
        Sdl().PauseAudioDevice(device_, 0);
        return format_;
    }
    Sdl().QuitSubSystem(SDL_INIT_AUDIO);
    return std::nullopt;
}

bool SdlSound::OpenDevice(int allowedChanges) {
    SDL_AudioSpec wanted{};
    wanted.freq = 44100;
    wanted.format = SdlFormatOf(PcmSample::S16);
    wanted.channels = 2;
    wanted.samples = kBufferFrames;
    wanted.callback = FillCallback;
    wanted.userdata = this;
    device_ = Sdl().OpenAudioDevice(nullptr, 0, &wanted, &spec_, allowedChanges);
    if (device_ == 0) return false;
    const std::optional<PcmFormat> format = PcmFormatOf(spec_);
    if (format) {
        format_ = *format;
        return true;
    }
    Sdl().CloseAudioDevice(device_);
    device_ = 0;
    return false;
}

// Closing waits for the audio thread to notice, a buffer's time or two (20 to 30 ms): long
// enough to make a frame late, so another thread waits for it. Nothing plays meanwhile.
void SdlSound::CloseInBackground() {
    FinishClosing();
    Stop();
    if (device_ == 0) return;
    const SDL_AudioDeviceID device = device_;
    device_ = 0;
    closer_ = std::thread([device] {
        Sdl().CloseAudioDevice(device);
        Sdl().QuitSubSystem(SDL_INIT_AUDIO);
    });
}

void SdlSound::FinishClosing() {
    if (closer_.joinable()) closer_.join();
}

void SdlSound::Close() {
    FinishClosing();
    if (device_ != 0) {
        // Not under our lock: closing waits for the audio thread, which may be waiting for it.
        Sdl().CloseAudioDevice(device_);
        Sdl().QuitSubSystem(SDL_INIT_AUDIO);
        device_ = 0;
    }
    Stop();
}

std::shared_ptr<const PcmSound> SdlSound::Convert(const PcmSound& sound) const {
    return device_ != 0 ? ConvertPcm(sound, format_) : nullptr;
}

void SdlSound::Play(std::shared_ptr<const PcmSound> sound, bool loop) {
    std::lock_guard lock(mutex_);
    ++started_;
    const bool audible = sound && !sound->bytes.empty();
    sound_ = audible ? std::move(sound) : nullptr;
    looping_ = audible && loop;
    position_ = 0;
    bytesPlayed_ = 0;
    over_.notify_all();
}

void SdlSound::Stop() {
    std::lock_guard lock(mutex_);
    sound_ = nullptr;
    looping_ = false;
    over_.notify_all();
}

// A device that was unplugged stops calling for samples; its sound would never end.
bool SdlSound::DeviceRuns() const {
    return device_ != 0 && Sdl().GetAudioDeviceStatus(device_) == SDL_AUDIO_PLAYING;
}

bool SdlSound::IsPlaying() const {
    {
        std::lock_guard lock(mutex_);
        if (!sound_) return false;
    }
    return DeviceRuns();
}

std::uint64_t SdlSound::BytesPlayed() const {
    std::lock_guard lock(mutex_);
    return bytesPlayed_;
}

void SdlSound::WaitUntilOver() {
    std::uint64_t started = 0;
    {
        std::lock_guard lock(mutex_);
        started = started_;
    }
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            if (over_.wait_for(lock, kDeviceCheckPeriod, [&] { return !sound_ || started_ != started; })) return;
        }
        if (!DeviceRuns()) return;
    }
}

void SDLCALL SdlSound::FillCallback(void* self, Uint8* stream, int length) {
    static_cast<SdlSound*>(self)->Fill(stream, static_cast<std::size_t>(length));
}

// Copies the sound on from where it was, from its start again when it loops, and silence after
// its end.
void SdlSound::Fill(Uint8* out, std::size_t length) {
    std::lock_guard lock(mutex_);
    std::size_t written = 0;
    while (written < length && sound_) {
        const std::vector<std::uint8_t>& bytes = sound_->bytes;
        const std::size_t count = std::min(length - written, bytes.size() - position_);
        std::memcpy(out + written, bytes.data() + position_, count);
        written += count;
        position_ += count;
        bytesPlayed_ += count;
        if (position_ < bytes.size()) break;
        position_ = 0;
        if (!looping_) {
            sound_ = nullptr;
            over_.notify_all();
        }
    }
    std::memset(out + written, spec_.silence, length - written);
}

}  // namespace platform::sdl
