// The system colour scheme, and brushes: a real brush handle, or the classic "(HBRUSH)(index + 1)"
// form that names a system colour.
#pragma once

#include <optional>

#include "PlatformApi.h"

namespace platform {

// The colour a brush paints with; nothing for a null brush or one that is not a brush.
std::optional<COLORREF> BrushColor(HBRUSH brush);

}  // namespace platform
