#include "ObjectCounts.h"

#include "PlatformState.h"

namespace platform {

ObjectCounts CountObjects() {
    const PlatformState& state = State();
    ObjectCounts counts;
    state.windows.ForEach([&](const Window&) { ++counts.windows; });
    counts.timers = static_cast<int>(state.timers.Count());
    counts.gdi = CountGdiObjects();
    return counts;
}

}  // namespace platform
