// What the program's thread tidies away each time it is about to wait for messages: resources
// that cost memory or wake-ups while nothing uses them.
#pragma once

#include <cstdint>

namespace platform {

// An open sound device that has played nothing for this long is closed.
inline constexpr std::uint64_t kCloseQuietSoundAfterMs = 10000;

// Packs large bitmaps left idle and closes a sound device gone quiet.
void TidyBeforeWaiting(std::uint64_t nowMs);

}  // namespace platform
