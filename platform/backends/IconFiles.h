// The program's icon resources. A Windows program carries its icons in its executable, put
// there by the resource compiler; here the program hands over the bytes of the icon file the
// build embedded, and they become the resource the same id names.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

// Registers the largest 32-bit picture of an icon file (.ico) as the program's icon resource
// `id`. False, and nothing registered, when the bytes are no such file: every size and offset
// in them is checked, as they come from outside the platform.
bool RegisterIconFile(int id, const std::uint8_t* bytes, std::size_t size);

}  // namespace platform
