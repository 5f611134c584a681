// Where a multi-line edit field breaks its text into lines: at CR LF and at a lone LF, and when
// it wraps, between words. The rows are the probe's texts and the lines the reference platform
// reported for them (probed under Wine, EM_LINEINDEX and EM_LINELENGTH) in a box 100 wide, with
// its font's widths: letters 7, a space or a hyphen 4.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/EditLines.h"

namespace {

using platform::EditLine;

std::vector<int> ProbeWidths(const std::wstring& text) {
    std::vector<int> widths;
    for (wchar_t c : text) widths.push_back(c == L' ' || c == L'-' ? 4 : c == L'\r' || c == L'\n' ? 0 : 7);
    return widths;
}

struct Expected {
    std::size_t start, end, next;
    bool wrapped;
};

::testing::AssertionResult LinesAre(const std::vector<EditLine>& lines, const std::vector<Expected>& expected) {
    auto describe = [&] {
        std::string out;
        for (const EditLine& l : lines)
            out += " [" + std::to_string(l.start) + "," + std::to_string(l.end) + ")->" + std::to_string(l.next) +
                   (l.wrapped ? "w" : "");
        return out;
    };
    if (lines.size() != expected.size()) return ::testing::AssertionFailure() << "lines:" << describe();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const EditLine& l = lines[i];
        const Expected& e = expected[i];
        if (l.start != e.start || l.end != e.end || l.next != e.next || l.wrapped != e.wrapped)
            return ::testing::AssertionFailure() << "line " << i << " differs; lines:" << describe();
    }
    return ::testing::AssertionSuccess();
}

TEST(EditLinesTest, TextBreaksAtLineBreaksAndWrapsBetweenWordsAsThePlatformBreaksIt) {
    struct Case {
        const char* name;
        std::wstring text;
        int wrapWidth;
        std::vector<Expected> lines;
    };
    const Case cases[] = {
        {"words: a line keeps its last space, which still fits", L"aaa bbb ccc ddd eee fff ggg hhh", 100,
         {{0, 16, 16, true}, {16, 31, 31, false}}},
        {"the same, not wrapped", L"aaa bbb ccc ddd eee fff ggg hhh", 0, {{0, 31, 31, false}}},
        {"spaces that do not fit send the word before them down", L"aaa bbb ccc            ddd", 100,
         {{0, 8, 8, true}, {8, 26, 26, false}}},
        {"a hyphen ends a line as a space does", L"aaa-bbb-ccc-ddd-eee-fff", 100,
         {{0, 16, 16, true}, {16, 23, 23, false}}},
        // The platform breaks a word wider than the box one character before the last that
        // fits (13 here); the lines here hold every character that fits.
        {"a word wider than the box is cut where it stops fitting", std::wstring(44, L'a'), 100,
         {{0, 14, 14, true}, {14, 28, 28, true}, {28, 42, 42, true}, {42, 44, 44, false}}},
        {"and the words after it wrap again", L"aaa bbb cccccccccccccccccccccc ddd", 100,
         {{0, 8, 8, true}, {8, 22, 22, true}, {22, 34, 34, false}}},
        {"CR LF ends a line; a final one leaves an empty line", L"aaa bbb ccc ddd\r\nx\r\n", 100,
         {{0, 15, 17, false}, {17, 18, 20, false}, {20, 20, 20, false}}},
        {"an empty line between two", L"aaa\r\n\r\nbbb", 100, {{0, 3, 5, false}, {5, 5, 7, false}, {7, 10, 10, false}}},
        {"no text is one empty line", L"", 100, {{0, 0, 0, false}}},
        {"a line break alone", L"\r\n", 100, {{0, 0, 2, false}, {2, 2, 2, false}}},
        {"a lone LF ends a line, a lone CR does not", L"a\rb\nc", 100, {{0, 3, 4, false}, {4, 5, 5, false}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(LinesAre(platform::SplitLines(c.text, ProbeWidths(c.text), c.wrapWidth), c.lines));
    }
}

TEST(EditLinesTest, ACharacterWiderThanTheBoxStillMakesALine) {
    const std::wstring text = L"abc";
    EXPECT_TRUE(LinesAre(platform::SplitLines(text, {50, 50, 50}, 10),
                         {{0, 1, 1, true}, {1, 2, 2, true}, {2, 3, 3, false}}));
}

}  // namespace
