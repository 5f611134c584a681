// The bytes of the program's icon file, which the build embeds in the program.
#pragma once

#include <cstddef>
#include <cstdint>

namespace MyGame {

extern const std::uint8_t kGameIconFile[];
extern const std::size_t kGameIconFileSize;

}  // namespace MyGame
