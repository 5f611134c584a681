#include "IdleTidying.h"

#include "gdi/PackedPixels.h"
#include "media/SoundDevice.h"

namespace platform {

void TidyBeforeWaiting(std::uint64_t nowMs) {
    PackIdleBitmaps(nowMs);
    Sounds().CloseIfQuietFor(kCloseQuietSoundAfterMs, nowMs);
}

}  // namespace platform
