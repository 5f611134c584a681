#include "media/SoundDevice.h"

#include <algorithm>
#include <limits>

#include "PlatformState.h"

namespace platform {

namespace {

constexpr std::uint64_t kNeverEnds = std::numeric_limits<std::uint64_t>::max();

std::uint64_t NowMs() { return CurrentBackend().MonotonicMs(); }

}  // namespace

SoundOutput& SoundDevice::Output() { return CurrentBackend().Sound(); }

bool SoundDevice::Open() {
    if (state_ != OpenState::NotTried) return state_ == OpenState::Open;
    const std::optional<PcmFormat> format = Output().Open();
    state_ = format ? OpenState::Open : OpenState::Failed;
    if (format) format_ = *format;
    quietSinceMs_ = NowMs();
    return format.has_value();
}

void SoundDevice::Close() {
    Output().Close();
    state_ = OpenState::NotTried;
    source_.clear();
    quietSinceMs_ = NowMs();
}

void SoundDevice::CloseIfQuietFor(std::uint64_t quietMs, std::uint64_t nowMs) {
    if (state_ != OpenState::Open || Output().IsPlaying()) return;
    if (nowMs - std::min(nowMs, QuietSince(nowMs)) < quietMs) return;
    Output().CloseInBackground();
    state_ = OpenState::NotTried;
    source_.clear();
}

// A sound played once went quiet when it ended, even if nobody looked before now; a loop that
// is no longer heard stopped with its device, which is noticed only now.
std::uint64_t SoundDevice::QuietSince(std::uint64_t nowMs) const {
    if (source_.empty()) return quietSinceMs_;
    if (Output().IsPlaying()) return nowMs;
    return std::min(nowMs, endsAtMs_);
}

std::shared_ptr<const PcmSound> SoundDevice::Load(const std::string& path) {
    return IsOpen() ? cache_.Get(path, Output(), format_) : nullptr;
}

// An empty sound is over as soon as it starts; looping it would never fill a buffer.
void SoundDevice::Play(std::shared_ptr<const PcmSound> sound, std::string source, bool loop) {
    const std::uint64_t now = NowMs();
    if (!sound || sound->bytes.empty()) {
        Output().Stop();
        source_.clear();
        quietSinceMs_ = now;
        return;
    }
    looping_ = loop;
    soundBytes_ = sound->bytes.size();
    endsAtMs_ = loop ? kNeverEnds : now + sound->DurationMs();
    source_ = std::move(source);
    Output().Play(std::move(sound), loop);
}

void SoundDevice::Stop() {
    quietSinceMs_ = QuietSince(NowMs());
    source_.clear();
    if (IsOpen()) Output().Stop();
}

bool SoundDevice::IsPlaying() const { return !source_.empty() && Output().IsPlaying(); }

void SoundDevice::WaitUntilOver() {
    if (IsPlaying()) Output().WaitUntilOver();
}

SoundPlayback SoundDevice::Playback() const {
    if (!IsPlaying()) return {};
    return {source_, looping_, soundBytes_, Output().BytesPlayed()};
}

SoundDevice& Sounds() { return State().sound; }

}  // namespace platform
