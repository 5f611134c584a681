// The wall clock, read once: the local time a backend starts its clock at.
#pragma once

#include "PlatformApi.h"

namespace platform {

// The local time now, from the system clock and time zone.
SYSTEMTIME RealLocalTime();

}  // namespace platform
