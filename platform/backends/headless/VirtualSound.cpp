#include "backends/headless/VirtualSound.h"

#include <algorithm>

namespace platform {

VirtualSound::VirtualSound(std::function<std::uint64_t()> now, std::function<void(std::uint64_t)> wait)
    : now_(std::move(now)), wait_(std::move(wait)) {}

std::optional<PcmFormat> VirtualSound::Open() {
    if (!present_) return std::nullopt;
    if (!open_) ++timesOpened_;
    open_ = true;
    return format_;
}

void VirtualSound::Close() {
    open_ = false;
    playing_.reset();
}

std::shared_ptr<const PcmSound> VirtualSound::Convert(const PcmSound& sound) const {
    if (!open_) return nullptr;
    if (sound.format == format_) return std::make_shared<PcmSound>(sound);
    if (sound.format.framesPerSecond <= 0) return nullptr;
    const std::uint64_t frames =
        sound.Frames() * static_cast<std::uint64_t>(format_.framesPerSecond) / static_cast<std::uint64_t>(sound.format.framesPerSecond);
    const std::uint8_t silence = format_.sample == PcmSample::U8 ? 0x80 : 0;
    return std::make_shared<PcmSound>(PcmSound{format_, std::vector<std::uint8_t>(frames * format_.FrameBytes(), silence)});
}

void VirtualSound::Play(std::shared_ptr<const PcmSound> sound, bool loop) {
    playing_.reset();
    if (open_ && sound && !sound->bytes.empty()) playing_ = Playing{std::move(sound), loop, now_()};
}

std::optional<VirtualSound::Playing> VirtualSound::NowPlaying() const {
    if (!playing_ || unplugged_) return std::nullopt;
    if (!playing_->looping && ElapsedMs() >= playing_->sound->DurationMs()) return std::nullopt;
    return playing_;
}

std::uint64_t VirtualSound::ElapsedMs() const { return playing_ ? now_() - playing_->startedAtMs : 0; }

// What the elapsed time holds, a sound played once no more than once.
std::uint64_t VirtualSound::BytesPlayed() const {
    if (!playing_) return 0;
    const PcmFormat& format = playing_->sound->format;
    const std::uint64_t bytes = ElapsedMs() * static_cast<std::uint64_t>(format.framesPerSecond) / 1000 * format.FrameBytes();
    return playing_->looping ? bytes : std::min<std::uint64_t>(bytes, playing_->sound->bytes.size());
}

void VirtualSound::WaitUntilOver() {
    const std::optional<Playing> playing = NowPlaying();
    if (!playing || playing->looping) return;
    wait_(playing->sound->DurationMs() - ElapsedMs());
}

}  // namespace platform
