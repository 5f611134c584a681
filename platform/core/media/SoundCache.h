// The last sound file played, kept converted: a game plays the same few sounds over and over,
// and decoding a file each time would cost every shot and explosion a file read.
#pragma once

#include <SDL.h>
#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "WaveLoader.h"

namespace platform {

class SoundCache {
public:
    // The file's sound in the device's format, decoded again only when the file, the device's
    // format or the file's size or time of change differ from the last call's.
    std::shared_ptr<const SoundSamples> Get(const std::string& path, const SDL_AudioSpec& device);

private:
    struct Key {
        std::string path;
        std::int64_t changedNs = 0;
        off_t size = 0;
        int frequency = 0;
        SDL_AudioFormat format = 0;
        Uint8 channels = 0;
        bool operator==(const Key&) const = default;
    };
    static std::optional<Key> KeyOf(const std::string& path, const SDL_AudioSpec& device);

    std::optional<Key> key_;
    std::shared_ptr<const SoundSamples> sound_;
};

}  // namespace platform
