// The platform's sample formats in SDL's terms, and sounds converted from one to another by
// SDL (SDL_AudioCVT: SDL 2.26's audio streams drop the end of a resampled sound).
#pragma once

#include <SDL.h>

#include <memory>
#include <optional>

#include "SoundOutput.h"

namespace platform::sdl {

SDL_AudioFormat SdlFormatOf(PcmSample sample);
// None for a format of SDL's the platform does not name (big-endian, 8-bit signed, ...).
std::optional<PcmFormat> PcmFormatOf(const SDL_AudioSpec& spec);

// The sound resampled and changed to `to`; null when SDL is missing or cannot convert it.
std::shared_ptr<const PcmSound> ConvertPcm(const PcmSound& sound, const PcmFormat& to);

}  // namespace platform::sdl
