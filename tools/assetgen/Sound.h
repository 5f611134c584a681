// The game's sound effect, synthesised.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

inline constexpr int kSoundRate = 22050;

// An explosion: a noise burst with a sharp attack whose brightness sweeps down through a low-pass
// filter, a low rumble under it and a few crackles, all decaying exponentially. 16-bit mono.
std::vector<std::int16_t> ExplosionSound();

}  // namespace assetgen
