// Narrow and wide text: byte value = code unit value, both ways.
#include <gtest/gtest.h>

#include <string>

#include "toolkit/util/TextConvert.h"

namespace OrloUtility {
namespace {

// Wide text spelled out as code unit values, so no literal's encoding is involved.
std::wstring Units(std::initializer_list<unsigned> units) {
    std::wstring text;
    for (unsigned unit : units) text += static_cast<wchar_t>(unit);
    return text;
}

TEST(ToWide, MapsEachByteToTheUnitOfTheSameValueUpToTheFirstNul) {
    const struct {
        const char* what;
        std::string narrow;
        std::wstring wide;
    } cases[] = {
        {"empty", "", L""},
        {"ASCII", "Astrovex", L"Astrovex"},
        {"degree sign", "20\xB0", Units({'2', '0', 0xB0})},
        {"bytes with the high bit", "\x80\xE8\xFF", Units({0x80, 0xE8, 0xFF})},
        {"embedded NUL", std::string("ab\0cd", 5), L"ab"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.wide, ToWide(c.narrow));
    }
}

TEST(ToNarrow, KeepsTheLowByteOfEveryUnitNulsIncluded) {
    const struct {
        const char* what;
        std::wstring wide;
        std::string narrow;
    } cases[] = {
        {"empty", L"", ""},
        {"ASCII", L"Classifica", "Classifica"},
        {"e grave", Units({0xE8}), "\xE8"},
        {"above U+00FF", Units({0x0428, 0x20AC, 0xFFFF}), "\x28\xAC\xFF"},
        {"embedded NUL", Units({'a', 0, 'b'}), std::string("a\0b", 3)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.narrow, ToNarrow(c.wide));
    }
}

TEST(TextConvert, EveryNonNulByteSurvivesTheRoundTrip) {
    std::string bytes;
    for (int value = 1; value <= 0xFF; ++value) bytes += static_cast<char>(value);
    EXPECT_EQ(bytes, ToNarrow(ToWide(bytes)));
}

TEST(ReplaceChar, ReplacesEveryOccurrenceOfTheByte) {
    EXPECT_EQ("a\\b\\c", ReplaceChar("a/b/c", '/', '\\'));
    EXPECT_EQ("exe", ReplaceChar("\xE8x\xE8", '\xE8', 'e'));
    EXPECT_EQ("abc", ReplaceChar("abc", '/', '\\'));
}

}  // namespace
}  // namespace OrloUtility
