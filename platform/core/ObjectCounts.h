// How many of the platform's objects exist: windows, timers, drawing objects and contexts. Read
// only; tools and tests compare these over time to find what a program fails to release.
#pragma once

#include "gdi/GdiObjects.h"

namespace platform {

struct ObjectCounts {
    int windows = 0;
    int timers = 0;
    GdiCounts gdi;
    bool operator==(const ObjectCounts&) const = default;
};

ObjectCounts CountObjects();

}  // namespace platform
