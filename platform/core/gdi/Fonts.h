// Font objects and the realized font a context draws text with.
#pragma once

#include <memory>

#include "gdi/GdiObjects.h"
#include "gdi/text/Font.h"

namespace platform {

// The font the context has selected, realized; nullptr when no font file can be opened.
std::shared_ptr<const Font> FontOf(const DeviceContext& dc);

}  // namespace platform
