// Loading a picture from a bitmap file.
#pragma once

#include <string>

#include "PlatformApi.h"

namespace OrloUtility {

// The file at `path` (narrow text) as a device-independent bitmap at its own size, which the
// caller owns; null when the file is missing or unreadable. Reporting is the caller's.
HBITMAP LoadBitmapFile(const std::string& path);

}  // namespace OrloUtility
