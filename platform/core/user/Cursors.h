// Cursors and icons: the system's stock ones, and the current cursor.
#pragma once

#include <cstdint>
#include <vector>

#include "HandleTable.h"
#include "backend/DesktopWindows.h"
#include "PlatformApi.h"

namespace platform {

struct IconObject {
    int systemId = 0;  // the IDC_/IDI_ number of a system cursor or icon; 0 for the program's own
    bool cursor = false;
    // The picture of a program icon, square, rows top-down, 0xAARRGGBB.
    int size = 0;
    std::vector<std::uint32_t> pixels;
};

class Cursors {
public:
    // The shared handle of a system cursor or icon; null for an id the system does not have.
    HICON System(int id, bool cursor);
    bool IsValid(HICON icon) const { return table_.Get(Key(icon)) != nullptr; }
    const IconObject* Find(HICON icon) const { return table_.Get(Key(icon)); }
    // The program's own icons, which it carries as resources under numeric ids.
    HICON AddResource(int id, int size, std::vector<std::uint32_t> pixels);
    HICON Resource(int id) const;
    HCURSOR current = nullptr;

private:
    static std::uintptr_t Key(HICON icon) { return reinterpret_cast<std::uintptr_t>(icon); }
    HandleTable<IconObject, 3> table_;
    std::vector<std::pair<int, HICON>> system_;
    std::vector<std::pair<int, HICON>> resources_;
};

// The icon the program carries under `id`, if it registered one (RegisterIconResource).
HICON FindIconResource(int id);
// Makes an icon picture available as the program's resource `id`, as a resource compiler would.
HICON RegisterIconResource(int id, int size, std::vector<std::uint32_t> pixels);

}  // namespace platform
