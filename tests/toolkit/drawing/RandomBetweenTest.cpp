// Random integers in a closed range, from the runtime's generator.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "toolkit/drawing/RandomBetween.h"

namespace OrloUtility {
namespace {

constexpr int kDraws = 500;

// The first call seeds from the clock; seeding again afterwards makes the draws repeatable.
void SeedFixed() {
    RandomBetween(1, 1);
    std::srand(12345);
}

TEST(RandomBetween, StaysInTheRangeAndReachesEveryValue) {
    SeedFixed();
    const struct {
        int low, high;
    } ranges[] = {{1, 1}, {1, 6}, {3, 5}, {-2, 2}, {7, 7}};
    for (const auto& r : ranges) {
        SCOPED_TRACE(::testing::Message() << "[" << r.low << ", " << r.high << "]");
        std::set<int> seen;
        for (int i = 0; i < kDraws; ++i) {
            const int value = RandomBetween(r.low, r.high);
            ASSERT_GE(value, r.low);
            ASSERT_LE(value, r.high);
            seen.insert(value);
        }
        EXPECT_EQ(static_cast<int>(seen.size()), r.high - r.low + 1);
    }
}

TEST(RandomBetween, AnEmptyRangeGivesItsLowEnd) {
    SeedFixed();
    const struct {
        int low, high;
    } ranges[] = {{5, 4}, {1, 0}, {3, -7}};
    for (const auto& r : ranges) {
        EXPECT_EQ(RandomBetween(r.low, r.high), r.low) << "[" << r.low << ", " << r.high << "]";
    }
}

}  // namespace
}  // namespace OrloUtility
