// Large bitmaps that no context has held for a while keep their pixels packed: as runs of one
// colour when that takes a quarter of the room or less, else deflated (DeflatedPixels) when
// that does. A game keeps whole-field pictures it is not drawing: the title picture during
// play, the level, replay or game-over picture once shown, a copy of the scene kept for later.
// Unpacked they would hold megabytes each for nothing. A bitmap in use every frame (the scene
// being drawn) never sits long enough to be packed.
#pragma once

#include <cstdint>

#include "gdi/GdiObjects.h"

namespace platform {

// How long a large bitmap must sit in no context before it is packed.
inline constexpr std::uint64_t kPackAfterIdleMs = 1000;

// Notes that a bitmap left its last context at `nowMs`, if it is large enough to pack later.
void NoteBitmapIdle(HBITMAP handle, BitmapObject& bitmap, std::uint64_t nowMs);
// Packs the noted bitmaps that have sat in no context for kPackAfterIdleMs by `nowMs` and pack
// well as runs, starts deflating one of the rest, and deflates a slice of it; called while the
// program waits for messages.
void PackIdleBitmaps(std::uint64_t nowMs);
// Unpacks a packed bitmap's pixels; false when there is no memory for them.
bool Unpack(BitmapObject& bitmap);

}  // namespace platform
