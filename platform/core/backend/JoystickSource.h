// The backend's joysticks: the devices attached and what they read. Which id a program sees a
// device under, and how a reading looks in the platform's structures, are the platform's own
// (core/media/JoystickSlots.h, JoystickReports.h), kept above this.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// One attachment of one device: a device unplugged and plugged in again gets a new id.
using JoystickId = std::int32_t;

// The platform's axes, in the order of its structures.
enum JoystickAxis { kJoystickX, kJoystickY, kJoystickZ, kJoystickR, kJoystickU, kJoystickV, kJoystickAxisCount };

inline constexpr int kJoystickAxisMin = -32768;
inline constexpr int kJoystickAxisMax = 32767;

struct JoystickDescription {
    std::string name;  // UTF-8
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;
    bool hasPointOfView = false;
};

struct JoystickState {
    // On a scale of kJoystickAxisMin..kJoystickAxisMax; none for an axis the device lacks.
    std::array<std::optional<int>, kJoystickAxisCount> axes;
    // One for each of the device's buttons, in its own order; true while pressed.
    std::vector<bool> buttons;
};

class JoystickSource {
public:
    virtual ~JoystickSource() = default;

    // Starts reading joysticks; false when they cannot be read.
    virtual bool Open() = 0;
    virtual void Close() = 0;
    // Takes the devices' state now and answers the devices attached, in the order they came.
    virtual std::vector<JoystickId> Update() = 0;
    // As of the last Update; nothing for a device no longer attached.
    virtual std::optional<JoystickDescription> Describe(JoystickId id) const = 0;
    virtual std::optional<JoystickState> Read(JoystickId id) const = 0;
};

}  // namespace platform
