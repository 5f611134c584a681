// Decoding is SDL's (SDL_LoadWAV checks the file's chunks), and so is resampling and changing
// the sample format and channel count (SDL_AudioCVT: SDL 2.26's audio streams drop the end of a
// resampled sound).
#include "media/WaveLoader.h"
#include "backends/sdl/SdlLibrary.h"

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdio>

#include "kernel/RegularFiles.h"

namespace platform {

using sdl::Sdl;

namespace {

using WaveBuffer = std::unique_ptr<Uint8, decltype(sdl::Library::FreeWAV)>;

int FrameSize(const SDL_AudioSpec& sound) { return SDL_AUDIO_BITSIZE(sound.format) / 8 * sound.channels; }

// SDL converts in place, in a buffer large enough for the longest stage of the conversion.
std::shared_ptr<const SoundSamples> Convert(const SDL_AudioSpec& source, const Uint8* data, Uint32 length,
                                            const SDL_AudioSpec& device) {
    SDL_AudioCVT conversion;
    if (Sdl().BuildAudioCVT(&conversion, source.format, source.channels, source.freq, device.format, device.channels,
                          device.freq) < 0)
        return nullptr;
    // Conversion takes whole frames only; a torn last frame could not be heard anyway.
    const int frameSize = FrameSize(source);
    if (frameSize <= 0 || length > INT_MAX / static_cast<Uint32>(conversion.len_mult)) return nullptr;
    const int wholeFrames = static_cast<int>(length) / frameSize * frameSize;
    if (wholeFrames == 0) return std::make_shared<SoundSamples>();
    auto samples = std::make_shared<SoundSamples>(static_cast<std::size_t>(wholeFrames) * conversion.len_mult);
    std::copy(data, data + wholeFrames, samples->begin());
    conversion.buf = samples->data();
    conversion.len = wholeFrames;
    if (Sdl().ConvertAudio(&conversion) != 0) return nullptr;
    samples->resize(static_cast<std::size_t>(conversion.len_cvt));
    return samples;
}

// A wave file is far smaller; the cap only keeps a huge file from being read whole.
constexpr std::uint64_t kMaxWaveBytes = 256 * 1024 * 1024;

// SDL reads the file from a stream over a descriptor opened here, so a named pipe or a device
// in the file's place is refused instead of blocking the program.
SDL_RWops* OpenWave(const std::string& path) {
    struct stat info;
    const int fd = OpenRegularNative(path, kMaxWaveBytes, info);
    if (fd < 0) return nullptr;
    std::FILE* file = fdopen(fd, "rb");
    if (!file) {
        close(fd);
        return nullptr;
    }
    SDL_RWops* stream = Sdl().RWFromFP(file, SDL_TRUE);
    if (!stream) std::fclose(file);
    return stream;
}

}  // namespace

std::shared_ptr<const SoundSamples> LoadWave(const std::string& path, const SDL_AudioSpec& device) {
    SDL_AudioSpec source{};
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (!sdl::Load()) return nullptr;
    SDL_RWops* stream = OpenWave(path);
    if (!stream || !Sdl().LoadWAV_RW(stream, 1, &source, &data, &length)) return nullptr;
    const WaveBuffer owned(data, Sdl().FreeWAV);
    return Convert(source, owned.get(), length, device);
}

}  // namespace platform
