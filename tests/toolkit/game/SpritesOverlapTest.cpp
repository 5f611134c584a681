// The collision test: rectangles shrunk by their insets overlap only when they share a pixel.
#include <gtest/gtest.h>

#include "toolkit/game/Sprite.h"
#include "toolkit/game/SpritesOverlap.h"

namespace OrloUtility {
namespace {

struct Box {
    int x, y, width, height, inset;
};

TEST(SpritesOverlap, OverlapOnlyWhenTheShrunkRectanglesSharePixels) {
    const struct {
        const char* what;
        Box a, b;
        bool overlap;
    } cases[] = {
        {"10x10 side by side, sharing an edge", {0, 0, 10, 10, 0}, {10, 0, 10, 10, 0}, false},
        {"10x10 one column deep", {0, 0, 10, 10, 0}, {9, 0, 10, 10, 0}, true},
        {"10x10 one row deep", {0, 0, 10, 10, 0}, {0, 9, 10, 10, 0}, true},
        {"level but a row apart", {0, 0, 10, 10, 0}, {5, 10, 10, 10, 0}, false},
        {"one inside the other", {0, 0, 30, 30, 0}, {10, 10, 2, 2, 0}, true},
        {"negative positions", {-12, -12, 10, 10, 0}, {-3, -3, 10, 10, 0}, true},
        {"inset 10 on 20 wide: nothing left", {0, 0, 20, 40, 10}, {0, 0, 100, 100, 0}, false},
        {"inset 10 on 20 wide, either side", {0, 0, 100, 100, 0}, {0, 0, 20, 40, 10}, false},
        {"inset 10 on 21 wide: one column left", {0, 0, 21, 40, 10}, {0, 0, 100, 100, 0}, true},
        {"insets pull overlapping sprites apart", {0, 0, 30, 30, 10}, {15, 0, 30, 30, 10}, false},
        {"insets leave deep overlaps", {0, 0, 30, 30, 10}, {9, 0, 30, 30, 10}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Sprite a(c.a.width, c.a.height);
        Sprite b(c.b.width, c.b.height);
        a.x = c.a.x;
        a.y = c.a.y;
        b.x = c.b.x;
        b.y = c.b.y;
        EXPECT_EQ(SpritesOverlap(a, c.a.inset, b, c.b.inset), c.overlap);
        EXPECT_EQ(SpritesOverlap(b, c.b.inset, a, c.a.inset), c.overlap) << "the order does not matter";
    }
}

}  // namespace
}  // namespace OrloUtility
