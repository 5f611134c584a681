#include "backends/sdl/SdlSoundFormat.h"
#include "backends/sdl/SdlLibrary.h"

#include <algorithm>
#include <climits>

namespace platform::sdl {

namespace {

constexpr PcmSample kSamples[] = {PcmSample::U8, PcmSample::S16, PcmSample::S32, PcmSample::F32};

}  // namespace

SDL_AudioFormat SdlFormatOf(PcmSample sample) {
    switch (sample) {
    case PcmSample::U8: return AUDIO_U8;
    case PcmSample::S16: return AUDIO_S16LSB;
    case PcmSample::S32: return AUDIO_S32LSB;
    default: return AUDIO_F32LSB;
    }
}

std::optional<PcmFormat> PcmFormatOf(const SDL_AudioSpec& spec) {
    for (PcmSample sample : kSamples)
        if (SdlFormatOf(sample) == spec.format) return PcmFormat{spec.freq, sample, spec.channels};
    return std::nullopt;
}

// SDL converts in place, in a buffer large enough for the longest stage of the conversion.
std::shared_ptr<const PcmSound> ConvertPcm(const PcmSound& sound, const PcmFormat& to) {
    const PcmFormat& from = sound.format;
    SDL_AudioCVT conversion;
    if (!Load() || Sdl().BuildAudioCVT(&conversion, SdlFormatOf(from.sample), static_cast<Uint8>(from.channels),
                                       from.framesPerSecond, SdlFormatOf(to.sample), static_cast<Uint8>(to.channels),
                                       to.framesPerSecond) < 0)
        return nullptr;
    auto converted = std::make_shared<PcmSound>(PcmSound{to, {}});
    if (sound.bytes.empty()) return converted;
    if (sound.bytes.size() > static_cast<std::size_t>(INT_MAX / conversion.len_mult)) return nullptr;
    converted->bytes.resize(sound.bytes.size() * static_cast<std::size_t>(conversion.len_mult));
    std::copy(sound.bytes.begin(), sound.bytes.end(), converted->bytes.begin());
    conversion.buf = converted->bytes.data();
    conversion.len = static_cast<int>(sound.bytes.size());
    if (Sdl().ConvertAudio(&conversion) != 0) return nullptr;
    converted->bytes.resize(static_cast<std::size_t>(conversion.len_cvt));
    return converted;
}

}  // namespace platform::sdl
