#include "media/JoystickSlots.h"

#include <algorithm>

namespace platform {

bool JoystickSlots::Open(JoystickSource& source) {
    if (state_ == OpenState::NotTried) state_ = source.Open() ? OpenState::Open : OpenState::Failed;
    return state_ == OpenState::Open;
}

// The source lists devices in the order they came, so the first free slots go to the earliest.
void JoystickSlots::Refresh(JoystickSource& source) {
    const std::vector<JoystickId> attached = source.Update();
    for (auto& slot : slots_)
        if (slot && std::find(attached.begin(), attached.end(), *slot) == attached.end()) slot.reset();
    for (JoystickId id : attached) {
        if (Holds(id)) continue;
        auto freeSlot = std::find(slots_.begin(), slots_.end(), std::nullopt);
        if (freeSlot == slots_.end()) break;
        *freeSlot = id;
    }
}

std::optional<JoystickId> JoystickSlots::Find(UINT slot) const {
    return slot < kSlotCount ? slots_[slot] : std::nullopt;
}

bool JoystickSlots::Holds(JoystickId id) const { return std::find(slots_.begin(), slots_.end(), id) != slots_.end(); }

}  // namespace platform
