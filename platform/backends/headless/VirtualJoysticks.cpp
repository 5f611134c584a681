#include "backends/headless/VirtualJoysticks.h"

#include <algorithm>

namespace platform {

bool VirtualJoysticks::Open() {
    open_ = readable_;
    return open_;
}

std::vector<JoystickId> VirtualJoysticks::Update() {
    std::vector<JoystickId> ids;
    if (!open_) return ids;
    for (const Device& device : devices_) ids.push_back(device.id);
    return ids;
}

std::optional<JoystickDescription> VirtualJoysticks::Describe(JoystickId id) const {
    const Device* device = Find(id);
    return device && open_ ? std::optional(device->description) : std::nullopt;
}

std::optional<JoystickState> VirtualJoysticks::Read(JoystickId id) const {
    const Device* device = Find(id);
    return device && open_ ? std::optional(device->state) : std::nullopt;
}

JoystickId VirtualJoysticks::PlugIn(const VirtualJoystickKind& kind) {
    Device device{nextId_++, {kind.name, kind.vendor, kind.product, kind.pointOfView}, {}};
    const int axes = std::clamp(kind.axes, 0, static_cast<int>(kJoystickAxisCount));
    for (int axis = 0; axis < axes; ++axis) device.state.axes[static_cast<std::size_t>(axis)] = 0;
    device.state.buttons.assign(static_cast<std::size_t>(std::max(kind.buttons, 0)), false);
    devices_.push_back(std::move(device));
    return devices_.back().id;
}

void VirtualJoysticks::Unplug(JoystickId id) {
    std::erase_if(devices_, [id](const Device& device) { return device.id == id; });
}

void VirtualJoysticks::SetAxis(JoystickId id, JoystickAxis axis, int value) {
    Device* device = Find(id);
    if (!device || axis < kJoystickX || axis >= kJoystickAxisCount) return;
    std::optional<int>& reading = device->state.axes[static_cast<std::size_t>(axis)];
    if (reading) reading = std::clamp(value, kJoystickAxisMin, kJoystickAxisMax);
}

void VirtualJoysticks::SetButton(JoystickId id, int button, bool down) {
    Device* device = Find(id);
    if (!device || button < 0 || static_cast<std::size_t>(button) >= device->state.buttons.size()) return;
    device->state.buttons[static_cast<std::size_t>(button)] = down;
}

VirtualJoysticks::Device* VirtualJoysticks::Find(JoystickId id) {
    auto found = std::find_if(devices_.begin(), devices_.end(), [id](const Device& d) { return d.id == id; });
    return found != devices_.end() ? &*found : nullptr;
}

const VirtualJoysticks::Device* VirtualJoysticks::Find(JoystickId id) const {
    return const_cast<VirtualJoysticks*>(this)->Find(id);
}

}  // namespace platform
