// Joysticks for tests: devices plugged in and out at will, whose axes and buttons a test sets.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "JoystickSource.h"

namespace platform {

struct VirtualJoystickKind {
    std::string name;
    int axes = 2;  // the first of X, Y, Z, R, U, V; at most six
    int buttons = 4;
    bool pointOfView = false;
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;
};

class VirtualJoysticks final : public JoystickSource {
public:
    bool Open() override;
    void Close() override { open_ = false; }
    std::vector<JoystickId> Update() override;
    std::optional<JoystickDescription> Describe(JoystickId id) const override;
    std::optional<JoystickState> Read(JoystickId id) const override;

    // ---- For tests ----
    // Plugs a device in, every axis centred and every button up; returns its id.
    JoystickId PlugIn(const VirtualJoystickKind& kind);
    void Unplug(JoystickId id);
    // An axis the device lacks, or a button past its last, is left alone.
    void SetAxis(JoystickId id, JoystickAxis axis, int value);
    void SetButton(JoystickId id, int button, bool down);
    // A machine whose joysticks cannot be read: Open() fails from now on.
    void RemoveDriver() { readable_ = false; }
    bool IsOpen() const { return open_; }

private:
    struct Device {
        JoystickId id;
        JoystickDescription description;
        JoystickState state;
    };
    Device* Find(JoystickId id);
    const Device* Find(JoystickId id) const;

    bool readable_ = true;
    bool open_ = false;
    JoystickId nextId_ = 0;
    std::vector<Device> devices_;  // in the order they were plugged in
};

}  // namespace platform
