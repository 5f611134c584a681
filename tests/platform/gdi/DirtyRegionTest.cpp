// The changed areas a display shows again: areas that meet become one, areas apart stay apart,
// and whatever is added stays covered however many there are.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <vector>

#include "gdi/DirtyRegion.h"

namespace {

using platform::DirtyRegion;

bool Covers(const DirtyRegion& region, const RECT& area) {
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            bool inside = false;
            for (const RECT& r : region) inside = inside || (x >= r.left && x < r.right && y >= r.top && y < r.bottom);
            if (!inside) return false;
        }
    return true;
}

using Box = std::array<LONG, 4>;
Box BoxOf(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

std::vector<Box> BoxesOf(const DirtyRegion& region) {
    std::vector<Box> boxes;
    for (const RECT& r : region) boxes.push_back(BoxOf(r));
    return boxes;
}

TEST(DirtyRegionTest, AreasThatMeetBecomeOneAndAreasApartStayApart) {
    struct Case {
        const char* name;
        std::vector<RECT> added;
        std::vector<Box> expected;
    };
    const Case cases[] = {
        {"empty areas are ignored", {{5, 5, 5, 9}, {3, 3, 1, 8}}, {}},
        {"apart", {{0, 0, 10, 10}, {100, 100, 110, 110}}, {{0, 0, 10, 10}, {100, 100, 110, 110}}},
        {"overlapping", {{0, 0, 10, 10}, {5, 5, 20, 12}}, {{0, 0, 20, 12}}},
        {"sharing an edge", {{0, 0, 10, 10}, {10, 0, 15, 10}}, {{0, 0, 15, 10}}},
        {"inside one noted", {{0, 0, 50, 50}, {10, 10, 20, 20}}, {{0, 0, 50, 50}}},
        {"a bridge joins two", {{0, 0, 10, 10}, {40, 0, 50, 10}, {5, 2, 45, 4}}, {{0, 0, 50, 10}}},
        {"a union that reaches a third", {{0, 0, 10, 40}, {20, 0, 30, 5}, {5, 30, 25, 35}}, {{0, 0, 30, 40}}},
    };
    for (const Case& c : cases) {
        DirtyRegion region;
        for (const RECT& r : c.added) region.Add(r);
        EXPECT_EQ(BoxesOf(region), c.expected) << c.name;
    }
}

TEST(DirtyRegionTest, BeyondCapacityTheCheapestPairMergesAndNothingIsLost) {
    DirtyRegion region;
    std::vector<RECT> added;
    // A row of boxes 30 pixels apart, then one more 5 pixels right of the last: those two merge.
    for (int i = 0; i < DirtyRegion::kCapacity; ++i) added.push_back({i * 40, 0, i * 40 + 10, 10});
    const int last = (DirtyRegion::kCapacity - 1) * 40 + 10;
    added.push_back({last + 5, 0, last + 10, 10});
    for (const RECT& r : added) region.Add(r);
    EXPECT_EQ(region.Count(), DirtyRegion::kCapacity);
    for (const RECT& r : added) EXPECT_TRUE(Covers(region, r));
    EXPECT_EQ(BoxOf(region.Bounds()), (Box{0, 0, last + 10, 10}));
    EXPECT_EQ(BoxesOf(region).back(), (Box{last - 10, 0, last + 10, 10}));
}

TEST(DirtyRegionTest, ManyRandomAreasStayCoveredByFewNonOverlappingRectangles) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> place(0, 180), size(1, 30);
    DirtyRegion region;
    std::vector<RECT> added;
    for (int i = 0; i < 200; ++i) {
        const int x = place(random), y = place(random);
        added.push_back({x, y, x + size(random), y + size(random)});
        region.Add(added.back());
        ASSERT_LE(region.Count(), DirtyRegion::kCapacity);
    }
    for (const RECT& r : added) EXPECT_TRUE(Covers(region, r));
    for (const RECT& a : region)
        for (const RECT& b : region) {
            if (&a == &b) continue;
            RECT overlap{};
            EXPECT_FALSE(IntersectRect(&overlap, &a, &b));
        }
    region.Clear();
    EXPECT_TRUE(region.Empty());
    EXPECT_EQ(BoxOf(region.Bounds()), (Box{}));
}

}  // namespace
