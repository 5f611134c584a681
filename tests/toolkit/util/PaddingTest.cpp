// Fixed-width number and text layouts: padding only ever adds, never cuts.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "toolkit/util/Padding.h"

namespace OrloUtility {
namespace {

TEST(ZeroPadded, FillsWithZerosInFrontOfTheSign) {
    const struct {
        int value;
        int width;
        std::string expected;
    } cases[] = {
        {0, 8, "00000000"},
        {50, 6, "000050"},
        {123456, 6, "123456"},
        {1234567, 6, "1234567"},
        {-5, 8, "000000-5"},
        {7, 0, "7"},
        {7, -3, "7"},
        {INT_MIN, 12, "0-2147483648"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " in width " << c.width);
        EXPECT_EQ(c.expected, ZeroPadded(c.value, c.width));
    }
}

TEST(Padding, AddsFillUpToTheWidthAndNeverCuts) {
    const struct {
        const char* call;
        std::string (*function)(std::string, char, unsigned);
        std::string text;
        char fill;
        unsigned width;
        std::string expected;
    } cases[] = {
        {"PadRight", PadRight, "0123456789", ' ', 12, "0123456789  "},
        {"PadRight", PadRight, "", '*', 3, "***"},
        {"PadRight", PadRight, "Giocatore", ' ', 4, "Giocatore"},
        {"PadLeft", PadLeft, "10", ' ', 2, "10"},
        {"PadLeft", PadLeft, "7", ' ', 2, " 7"},
        {"PadLeft", PadLeft, "abc", '.', 5, "..abc"},
        {"PadLeft", PadLeft, "abc", '.', 0, "abc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.call << "(\"" << c.text << "\", " << c.width << ")");
        EXPECT_EQ(c.expected, c.function(c.text, c.fill, c.width));
    }
}

}  // namespace
}  // namespace OrloUtility
