// How the list box sorts (LBS_SORT) and finds its strings, against the platform's answers: case
// aside, accents after the letters, hyphens and apostrophes only to break ties, ligatures as
// their letters; searches go round from the item after the start.
#include <vector>

#include "ListBoxFixture.h"

namespace listboxtest {
namespace {

std::vector<std::wstring> Texts(HWND box) {
    std::vector<std::wstring> texts;
    for (int i = 0; i < SendMessageW(box, LB_GETCOUNT, 0, 0); ++i) texts.push_back(TextOf(box, i));
    return texts;
}

LRESULT Add(HWND box, const wchar_t* text) { return SendMessageW(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)); }

TEST_F(ListBoxTest, ASortedBoxPlacesEachStringWhereThePlatformDoes) {
    HWND box = Box(LBS_SORT | LBS_NOINTEGRALHEIGHT, 100);
    struct Added {
        const wchar_t* text;
        LRESULT index;  // where the platform put it, given those before
    };
    const Added added[] = {
        {L"b", 0}, {L"B", 0}, {L"a", 0}, {L"A", 0}, {L"\u00e9", 4}, {L"e", 4}, {L"f", 6}, {L"\u00c9", 5},
        {L"E", 4}, {L"_x", 0}, {L"1", 1}, {L"10", 2}, {L"2", 3}, {L"Z", 13}, {L"a-b", 6}, {L"ab", 6},
        {L"aB", 6}, {L"Ab", 6}, {L"ac", 10}, {L"a b", 6}, {L"", 0}, {L"-a", 7}, {L"\u00e0", 8}, {L"z", 22},
        {L"\u00df", 22}, {L"ss", 22}, {L"st", 24}, {L"a1", 10}, {L"a10", 11}, {L"a2", 12}, {L"apple", 18},
        {L"Apple", 18}, {L"APPLE", 19}, {L"#", 1}, {L"~", 3}, {L"\u00c0", 10}, {L"\u00c1", 10}, {L"co-op", 27},
        {L"coop", 27}, {L"cop", 29}, {L"ae", 22}, {L"\u00e6", 22}, {L"af", 24},
    };
    for (const Added& a : added) EXPECT_EQ(Add(box, a.text), a.index) << "adding \"" << testing::PrintToString(std::wstring(a.text)) << "\"";
    const std::vector<std::wstring> order{
        L"", L"#", L"_x", L"~", L"1", L"10", L"2", L"A", L"a", L"-a", L"\u00c1", L"\u00c0", L"\u00e0", L"a b",
        L"a1", L"a10", L"a2", L"Ab", L"aB", L"ab", L"a-b", L"ac", L"\u00e6", L"ae", L"af", L"Apple", L"APPLE",
        L"apple", L"B", L"b", L"coop", L"co-op", L"cop", L"E", L"e", L"\u00c9", L"\u00e9", L"f", L"ss", L"\u00df",
        L"st", L"z", L"Z"};
    EXPECT_EQ(Texts(box), order);
    EXPECT_EQ(SendMessageW(box, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(L"zzz")), 0) << "insertion ignores the sort";
}

TEST_F(ListBoxTest, AccentsSortInThePlatformsOrder) {
    HWND box = Box(LBS_SORT | LBS_NOINTEGRALHEIGHT, 100);
    for (const wchar_t* text : {L"a", L"\u00e0", L"\u00e1", L"\u00e2", L"\u00e3", L"\u00e4", L"\u00e5", L"\u0101",
                                L"\u0103", L"\u0105", L"b", L"c", L"\u00e7", L"\u010d", L"d", L"o", L"\u00f6",
                                L"\u00f8", L"\u00f5", L"p", L"n", L"\u00f1", L"u", L"\u00fc", L"\u00fb", L"y",
                                L"\u00ff", L"\u00fd", L"\u00fe", L"\u00f0", L"th", L"dh", L"\u0131", L"i", L"\u00ed",
                                L"\u0142", L"l", L"m", L"\u0153", L"oe", L"od", L"of", L"\u0111", L"\u00e6", L"ad",
                                L"af", L"\u00df", L"sr", L"st"})
        Add(box, text);
    const std::vector<std::wstring> order{
        L"a", L"\u00e1", L"\u00e0", L"\u00e2", L"\u00e4", L"\u0103", L"\u0101", L"\u00e3", L"\u00e5", L"\u0105",
        L"ad", L"\u00e6", L"af", L"b", L"c", L"\u010d", L"\u00e7", L"d", L"\u0111", L"\u00f0", L"dh", L"i",
        L"\u0131", L"\u00ed", L"l", L"\u0142", L"m", L"n", L"\u00f1", L"o", L"\u00f6", L"\u00f5", L"\u00f8", L"od",
        L"oe", L"\u0153", L"of", L"p", L"sr", L"\u00df", L"st", L"th", L"\u00fe", L"u", L"\u00fb", L"\u00fc", L"y",
        L"\u00fd", L"\u00ff"};
    EXPECT_EQ(Texts(box), order);
}

TEST_F(ListBoxTest, TiesBetweenTwoStringsBreakAsOnThePlatform) {
    struct Pair {
        const wchar_t* first;
        const wchar_t* second;
        LRESULT secondAt;
    };
    const Pair pairs[] = {
        {L"ab", L"a-b", 1}, {L"a-b", L"ab", 0}, {L"a'b", L"ab", 0}, {L"ab", L"a'b", 1}, {L"a b", L"ab", 1},
        {L"\u00e9", L"e", 0}, {L"e", L"\u00e9", 1}, {L"-", L"", 0}, {L"", L"-", 1}, {L"-", L"'", 0},
        {L"'", L"-", 1}, {L"a", L"B", 1}, {L"B", L"a", 0}, {L"ae", L"\u00e6", 0}, {L"\u00e6", L"ae", 0},
        {L"ss", L"\u00df", 0}, {L"\u00df", L"ss", 0}, {L"co-op", L"coop", 0}, {L"coop", L"co-op", 1},
        {L"a-", L"a", 0}, {L"a", L"a-", 1}, {L"-b", L"a-c", 0}, {L"1", L"a", 1}, {L"10", L"9", 1},
        {L"\u00e9\u00e9", L"e\u00e8", 0}, {L"e\u00e8", L"\u00e9\u00e9", 1}, {L"\u00e8\u00e9", L"\u00e9\u00e8", 0},
        {L"\u00e9\u00e8", L"\u00e8\u00e9", 1}, {L"-ab", L"a-b", 0}, {L"a-b", L"-ab", 1},
    };
    HWND box = Box(LBS_SORT | LBS_NOINTEGRALHEIGHT, 100);
    for (const Pair& p : pairs) {
        SendMessageW(box, LB_RESETCONTENT, 0, 0);
        Add(box, p.first);
        EXPECT_EQ(Add(box, p.second), p.secondAt) << testing::PrintToString(std::wstring(p.first)) << " then "
                                                   << testing::PrintToString(std::wstring(p.second));
    }
}

TEST_F(ListBoxTest, SearchesGoRoundFromTheItemAfterTheStart) {
    HWND box = Box(LBS_NOINTEGRALHEIGHT, 100);
    for (const wchar_t* text : {L"apple", L"Banana", L"apricot", L"cherry", L"APPLE", L"Apple pie", L"banana", L"",
                                L"\u00e9t\u00e9", L"ete"})
        Add(box, text);
    struct Case {
        UINT message;
        int start;
        const wchar_t* text;
        LRESULT found;
    };
    const Case cases[] = {
        {LB_FINDSTRING, -1, L"ap", 0}, {LB_FINDSTRING, 0, L"ap", 2}, {LB_FINDSTRING, 1, L"ap", 2},
        {LB_FINDSTRING, 4, L"ap", 5}, {LB_FINDSTRING, 5, L"ap", 0}, {LB_FINDSTRING, 9, L"ap", 0},
        {LB_FINDSTRING, 10, L"ap", 0}, {LB_FINDSTRING, 99, L"ap", 0}, {LB_FINDSTRING, 0, L"APPLE", 4},
        {LB_FINDSTRING, 4, L"APPLE", 5}, {LB_FINDSTRING, -1, L"AP", 0}, {LB_FINDSTRING, -1, L"BAN", 1},
        {LB_FINDSTRING, -1, L"b", 1}, {LB_FINDSTRING, -1, L"zz", LB_ERR}, {LB_FINDSTRING, -1, L"e", 9},
        {LB_FINDSTRING, -1, L"\u00e9", 8}, {LB_FINDSTRING, -1, L"\u00e9T", 8}, {LB_FINDSTRING, 9, L"ete", 9},
        {LB_FINDSTRING, -1, L"apple pie and", LB_ERR}, {LB_FINDSTRING, -1, L"", LB_ERR},
        {LB_FINDSTRING, 3, L"", LB_ERR},
        // Wine's prefix search folds only the ASCII letters and answers -1 here; the platform's
        // search is without regard to case, so an upper-case accented letter finds its item.
        {LB_FINDSTRING, -1, L"\u00c9", 8},
        {LB_FINDSTRINGEXACT, -1, L"apple", 0}, {LB_FINDSTRINGEXACT, 0, L"apple", 4},
        {LB_FINDSTRINGEXACT, 4, L"apple", 0}, {LB_FINDSTRINGEXACT, 99, L"apple", 0},
        {LB_FINDSTRINGEXACT, -1, L"Ban", LB_ERR}, {LB_FINDSTRINGEXACT, -1, L"\u00c9T\u00c9", 8},
        {LB_FINDSTRINGEXACT, -1, L"ETE", 9}, {LB_FINDSTRINGEXACT, -1, L"apple ", LB_ERR},
        {LB_FINDSTRINGEXACT, -1, L"", LB_ERR}, {LB_FINDSTRINGEXACT, 7, L"", LB_ERR},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SendMessageW(box, c.message, static_cast<WPARAM>(c.start), reinterpret_cast<LPARAM>(c.text)),
                  c.found)
            << (c.message == LB_FINDSTRING ? "prefix " : "exact ") << testing::PrintToString(std::wstring(c.text))
            << " from " << c.start;
}

TEST_F(ListBoxTest, AnExactSearchTakesLigaturesAsTheirLettersButNotHyphens) {
    HWND box = Box(LBS_NOINTEGRALHEIGHT, 100);
    for (const wchar_t* text : {L"\u00e6on", L"co-op", L"stra\u00dfe", L"\u00c5ngstr\u00f6m", L"x"}) Add(box, text);
    struct Case {
        UINT message;
        const wchar_t* text;
        LRESULT found;
    };
    const Case cases[] = {
        {LB_FINDSTRINGEXACT, L"aeon", 0}, {LB_FINDSTRINGEXACT, L"coop", LB_ERR}, {LB_FINDSTRINGEXACT, L"strasse", 2},
        {LB_FINDSTRINGEXACT, L"CO-OP", 1}, {LB_FINDSTRINGEXACT, L"\u00e5ngstr\u00d6m", 3},
        {LB_FINDSTRING, L"a", LB_ERR}, {LB_FINDSTRING, L"ae", LB_ERR}, {LB_FINDSTRING, L"coo", LB_ERR},
        {LB_FINDSTRING, L"co-", 1}, {LB_FINDSTRING, L"STRA", 2}, {LB_FINDSTRING, L"\u00c5", 3},
        {LB_FINDSTRING, L"X", 4},
        // Wine: -1, as it folds only ASCII letters (see the search above).
        {LB_FINDSTRING, L"\u00c6", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SendMessageW(box, c.message, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(c.text)), c.found)
            << testing::PrintToString(std::wstring(c.text));
}

TEST_F(ListBoxTest, SelectStringSelectsWhatItFindsAndScrollsToIt) {
    HWND box = Box(LBS_NOINTEGRALHEIGHT, 100);
    for (const wchar_t* text : {L"apple", L"Banana", L"apricot", L"cherry", L"APPLE", L"Apple pie", L"banana", L"",
                                L"\u00e9t\u00e9", L"ete"})
        Add(box, text);
    struct Case {
        int start;
        const wchar_t* text;
        LRESULT found;
        const char* after;
    };
    const Case cases[] = {
        {-1, L"b", 1, "cur=1 caret=1 anchor=-1 top=0 sel=[0100000000]"},
        {1, L"b", 6, "cur=6 caret=6 anchor=-1 top=1 sel=[0000001000]"},
        {6, L"b", 1, "cur=1 caret=1 anchor=-1 top=1 sel=[0100000000]"},
        {-1, L"zz", LB_ERR, "cur=1 caret=1 anchor=-1 top=1 sel=[0100000000]"},
        {99, L"ch", 3, "cur=3 caret=3 anchor=-1 top=1 sel=[0001000000]"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SendMessageW(box, LB_SELECTSTRING, static_cast<WPARAM>(c.start), reinterpret_cast<LPARAM>(c.text)),
                  c.found);
        EXPECT_EQ(Dump(box), c.after);
    }
    HWND multiple = Box(LBS_MULTIPLESEL | LBS_NOINTEGRALHEIGHT, 100);
    for (const wchar_t* text : {L"apple", L"Banana", L"apricot"}) Add(multiple, text);
    SendMessageW(multiple, LB_SETSEL, TRUE, 0);
    EXPECT_EQ(SendMessageW(multiple, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"b")), 1);
    EXPECT_EQ(Dump(multiple), "cur=1 caret=1 anchor=0 top=0 sel=[110]") << "added to the selection";
}

}  // namespace
}  // namespace listboxtest
