// Wave files read and converted once to the sound device's format, so that playing them is a
// plain copy.
#pragma once

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

namespace platform {

// Sample frames in the device's format, ready to copy to it.
using SoundSamples = std::vector<Uint8>;

// The file's sound in the device's format; null when it cannot be read or is not a wave file.
std::shared_ptr<const SoundSamples> LoadWave(const std::string& path, const SDL_AudioSpec& device);

}  // namespace platform
