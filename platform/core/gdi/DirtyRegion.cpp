#include "gdi/DirtyRegion.h"

#include <algorithm>
#include <cstdint>

namespace platform {

namespace {

std::int64_t AreaOf(const RECT& r) {
    return static_cast<std::int64_t>(r.right - r.left) * static_cast<std::int64_t>(r.bottom - r.top);
}

// Overlapping or sharing an edge: their union wastes nothing worth a rectangle of its own.
bool TouchOrOverlap(const RECT& a, const RECT& b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

RECT UnionOf(const RECT& a, const RECT& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

}  // namespace

void DirtyRegion::Add(RECT area) {
    if (area.right <= area.left || area.bottom <= area.top) return;
    // A merged area may now reach others: keep absorbing until it stands alone.
    for (int i = 0; i < count_;) {
        if (TouchOrOverlap(rects_[i], area)) {
            area = UnionOf(rects_[i], area);
            Remove(i);
            i = 0;
        } else {
            ++i;
        }
    }
    if (count_ == kCapacity) {
        const int cheapest = CheapestMerge(area);
        RECT merged = UnionOf(rects_[cheapest], area);
        Remove(cheapest);
        Add(merged);
        return;
    }
    rects_[count_++] = area;
}

int DirtyRegion::CheapestMerge(const RECT& area) const {
    int best = 0;
    std::int64_t bestGrowth = INT64_MAX;
    for (int i = 0; i < count_; ++i) {
        const std::int64_t growth = AreaOf(UnionOf(rects_[i], area)) - AreaOf(rects_[i]) - AreaOf(area);
        if (growth < bestGrowth) {
            bestGrowth = growth;
            best = i;
        }
    }
    return best;
}

void DirtyRegion::Remove(int index) {
    rects_[index] = rects_[count_ - 1];
    --count_;
}

RECT DirtyRegion::Bounds() const {
    if (count_ == 0) return {};
    RECT bounds = rects_[0];
    for (int i = 1; i < count_; ++i) bounds = UnionOf(bounds, rects_[i]);
    return bounds;
}

}  // namespace platform
