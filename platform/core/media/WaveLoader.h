// Wave files read into samples. A file comes from outside the program, so every field is
// checked before it is believed: a file that is no wave sound, or one of a kind the platform
// does not play, gives nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "backend/SoundOutput.h"

namespace platform {

// The sound of a RIFF/WAVE file's bytes: integer PCM of 8, 16, 24 (widened to 32) or 32 bits,
// or 32-bit float, plain or in the extensible format, one to eight channels. Only whole
// frames are kept; a data chunk cut short by the file's end keeps the frames that are there.
std::optional<PcmSound> ParseWave(std::span<const std::uint8_t> file);

// The sound of the wave file at a native path; nothing when it is no regular file, is too
// large to be a sound, or is no wave sound.
std::optional<PcmSound> LoadWave(const std::string& path);

}  // namespace platform
