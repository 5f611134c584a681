#include "media/SoundDevice.h"
#include "backends/sdl/SdlLibrary.h"

#include <algorithm>
#include <chrono>
#include <cstring>


namespace platform {

using sdl::Sdl;

namespace {

// Short enough for a shot to be heard with its frame (about 12 ms at 44.1 kHz).
constexpr Uint16 kBufferFrames = 512;
// How often a waiter looks whether the device is still running.
constexpr auto kDeviceCheckPeriod = std::chrono::milliseconds(50);

}  // namespace

bool SoundDevice::Open() {
    FinishClosing();
    if (state_ == OpenState::NotTried) state_ = OpenDevice() ? OpenState::Open : OpenState::Failed;
    return state_ == OpenState::Open;
}

// Any format the device prefers is taken as it is: each file is converted to it once, instead
// of SDL converting every buffer while it plays.
bool SoundDevice::OpenDevice() {
    if (!sdl::Load() || Sdl().InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    SDL_AudioSpec wanted{};
    wanted.freq = 44100;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = kBufferFrames;
    wanted.callback = FillCallback;
    wanted.userdata = this;
    device_ = Sdl().OpenAudioDevice(nullptr, 0, &wanted, &format_, SDL_AUDIO_ALLOW_ANY_CHANGE);
    if (device_ == 0) {
        Sdl().QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Sdl().PauseAudioDevice(device_, 0);
    return true;
}

void SoundDevice::CloseIfQuietFor(std::chrono::milliseconds quiet) {
    if (state_ != OpenState::Open) return;
    {
        std::lock_guard lock(mutex_);
        if (sound_ || std::chrono::steady_clock::now() - quietSince_ < quiet) return;
    }
    // Closing waits for the audio thread to notice, a buffer's time or two (20 to 30 ms): long
    // enough to make a frame late, so another thread waits for it. Nothing plays meanwhile, and
    // the next sound waits for it to end before opening the device again.
    const SDL_AudioDeviceID device = device_;
    device_ = 0;
    state_ = OpenState::NotTried;
    closer_ = std::thread([device] {
        Sdl().CloseAudioDevice(device);
        Sdl().QuitSubSystem(SDL_INIT_AUDIO);
    });
}

void SoundDevice::FinishClosing() {
    if (closer_.joinable()) closer_.join();
}

void SoundDevice::Close() {
    FinishClosing();
    if (state_ == OpenState::Open) {
        // Not under our lock: closing waits for the audio thread, which may be waiting for it.
        Sdl().CloseAudioDevice(device_);
        Sdl().QuitSubSystem(SDL_INIT_AUDIO);
        device_ = 0;
    }
    state_ = OpenState::NotTried;
    Stop();
}

std::uint64_t SoundDevice::Play(std::shared_ptr<const SoundSamples> sound, std::string source, bool loop) {
    std::lock_guard lock(mutex_);
    ++started_;
    // An empty sound is over as soon as it starts; looping it would never fill a buffer.
    const bool audible = sound && !sound->empty();
    sound_ = audible ? std::move(sound) : nullptr;
    source_ = audible ? std::move(source) : std::string();
    looping_ = audible && loop;
    if (!audible) quietSince_ = std::chrono::steady_clock::now();
    position_ = 0;
    bytesPlayed_ = 0;
    over_.notify_all();
    return started_;
}

void SoundDevice::Stop() {
    std::lock_guard lock(mutex_);
    if (sound_) quietSince_ = std::chrono::steady_clock::now();
    sound_ = nullptr;
    source_.clear();
    looping_ = false;
    over_.notify_all();
}

bool SoundDevice::IsPlaying() const {
    std::lock_guard lock(mutex_);
    return sound_ != nullptr;
}

void SoundDevice::WaitUntilOver(std::uint64_t started) {
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            if (over_.wait_for(lock, kDeviceCheckPeriod, [&] { return !sound_ || started_ != started; })) return;
        }
        // A device that was unplugged stops calling for samples; the sound would never end.
        if (Sdl().GetAudioDeviceStatus(device_) != SDL_AUDIO_PLAYING) return;
    }
}

SoundPlayback SoundDevice::Playback() const {
    std::lock_guard lock(mutex_);
    return {source_, looping_, sound_ ? sound_->size() : 0, bytesPlayed_};
}

void SDLCALL SoundDevice::FillCallback(void* self, Uint8* stream, int length) {
    static_cast<SoundDevice*>(self)->Fill(stream, static_cast<std::size_t>(length));
}

// Copies the sound on from where it was, from its start again when it loops, and silence after
// its end.
void SoundDevice::Fill(Uint8* out, std::size_t length) {
    std::lock_guard lock(mutex_);
    std::size_t written = 0;
    while (written < length && sound_) {
        const std::size_t count = std::min(length - written, sound_->size() - position_);
        std::memcpy(out + written, sound_->data() + position_, count);
        written += count;
        position_ += count;
        bytesPlayed_ += count;
        if (position_ < sound_->size()) break;
        position_ = 0;
        if (!looping_) {
            quietSince_ = std::chrono::steady_clock::now();
            sound_ = nullptr;
            source_.clear();
            over_.notify_all();
        }
    }
    std::memset(out + written, format_.silence, length - written);
}

SoundDevice& Sounds() {
    static SoundDevice device;
    return device;
}

}  // namespace platform
