// The parts of a window's pixels that changed since a display last showed them. They are kept
// as a few rectangles rather than one: two sprites at opposite corners would otherwise make the
// display show again the whole field between them.
#pragma once

#include <array>

#include "PlatformApi.h"

namespace platform {

class DirtyRegion {
public:
    // Beyond this many apart, the two whose union grows least are merged.
    static constexpr int kCapacity = 8;

    // Notes a changed area; an area touching or overlapping one already noted joins it.
    void Add(RECT area);
    void Clear() { count_ = 0; }
    bool Empty() const { return count_ == 0; }
    int Count() const { return count_; }
    const RECT* begin() const { return rects_.data(); }
    const RECT* end() const { return rects_.data() + count_; }
    // The smallest rectangle holding every noted area; empty when nothing changed.
    RECT Bounds() const;

private:
    void Remove(int index);
    int CheapestMerge(const RECT& area) const;

    std::array<RECT, kCapacity> rects_{};
    int count_ = 0;
};

}  // namespace platform
