// A multi-line edit field as a person uses it: Enter and Tab, the moving and erasing keys over
// line breaks and between lines, wrapped lines, the mouse on a line, and the lines drawn. The
// texts, keys and caret positions are the probes' (under Wine) and what it printed for them.
#include <string>
#include <vector>

#include "MultiLineEditFixture.h"

namespace multilinetest {
namespace {

constexpr DWORD kScrolling = ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL;

std::wstring TextOf(HWND field) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(field, text.data(), static_cast<int>(text.size()))));
    return text;
}

// A key, or a character sent as WM_CHAR, with Shift or Ctrl held.
struct Input {
    UINT key = 0;
    WCHAR character = 0;
    bool shift = false;
    bool control = false;
};
Input Key(UINT key, bool shift = false, bool control = false) { return {key, 0, shift, control}; }
Input Char(WCHAR c) { return {0, c}; }

class EditMultiLineTest : public MultiLineEditTest {
protected:
    HWND FocusedField(DWORD style, const std::wstring& text, DWORD caret, int lines = 5, int width = kFieldWidth) {
        HWND field = Field(style, text, lines, width);
        SetFocus(field);
        SendMessageW(field, EM_SETSEL, caret, caret);
        Backend().PumpUntilIdle();
        Log().Clear();
        return field;
    }
    void Do(HWND field, const std::vector<Input>& inputs) {
        for (const Input& in : inputs) {
            if (in.shift) Backend().KeyDown(VK_SHIFT);
            if (in.control) Backend().KeyDown(VK_CONTROL);
            if (in.character) SendMessageW(field, WM_CHAR, in.character, 0);
            else Backend().PressKey(in.key);
            if (in.control) Backend().KeyUp(VK_CONTROL);
            if (in.shift) Backend().KeyUp(VK_SHIFT);
            Backend().PumpUntilIdle();
        }
    }
};

TEST_F(EditMultiLineTest, EnterTabAndTheErasingKeysTakeALineBreakWhole) {
    struct Case {
        const char* name;
        std::wstring text;
        DWORD caret;
        std::vector<Input> inputs;
        std::wstring after;
        DWORD caretAfter;
    };
    const std::vector<Case> cases{
        {"Enter starts a line", L"ab", 1, {Key(VK_RETURN)}, L"a\r\nb", 3},
        {"Ctrl+Enter's LF does too", L"ab", 0, {Char(L'\n')}, L"\r\nab", 2},
        {"Tab types a tab", L"ab", 1, {Char(L'\t')}, L"a\tb", 2},
        {"Backspace after a line break erases it whole", L"\r\nab", 2, {Key(VK_BACK)}, L"ab", 0},
        {"Delete before a line break erases it whole", L"ab\r\ncd", 2, {Key(VK_DELETE)}, L"abcd", 2},
        {"Left from a line's start goes before the break", L"ab\r\ncd", 4, {Key(VK_LEFT)}, L"ab\r\ncd", 2},
        {"Right from before a break goes past it", L"ab\r\ncd", 2, {Key(VK_RIGHT)}, L"ab\r\ncd", 4},
        {"Right from inside a break goes one on", L"ab\r\ncd", 3, {Key(VK_RIGHT)}, L"ab\r\ncd", 4},
        {"Shift+Right selects the break whole, typing replaces it", L"ab\r\ncd", 2,
         {Key(VK_RIGHT, true), Char(L'x')}, L"abxcd", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND field = FocusedField(kScrolling, c.text, c.caret);
        Do(field, c.inputs);
        EXPECT_EQ(TextOf(field), c.after);
        EXPECT_EQ(Caret(field), c.caretAfter);
        DestroyWindow(field);
    }
}

TEST_F(EditMultiLineTest, EnterInAReadOnlyFieldGoesToTheNextLinesStart) {
    HWND field = FocusedField(kScrolling | ES_READONLY, L"ine 0ine 1\r\nline 2", 3);
    Do(field, {Key(VK_RETURN)});
    EXPECT_EQ(Caret(field), 12u);
    EXPECT_EQ(TextOf(field), L"ine 0ine 1\r\nline 2");
}

TEST_F(EditMultiLineTest, TheMovingKeysGoBetweenAndAlongLines) {
    HWND field = FocusedField(kScrolling, NumberedLines(20), 0);
    struct Case {
        const char* name;
        std::vector<Input> inputs;
        DWORD anchor, caret;
    };
    const Case cases[] = {
        {"Down seven times", std::vector<Input>(7, Key(VK_DOWN)), 56, 56},
        {"Page Down: a box's height further", {Key(VK_NEXT)}, 98, 98},
        {"End of the line", {Key(VK_END)}, 105, 105},
        {"Up keeps the caret's x", {Key(VK_UP)}, 96, 96},
        {"Home", {Key(VK_HOME)}, 89, 89},
        {"Shift+Down selects to the same place a line down", {Key(VK_DOWN, true)}, 89, 98},
        {"Page Up", {Key(VK_PRIOR)}, 56, 56},
        {"Ctrl+End: the text's end", {Key(VK_END, false, true)}, 168, 168},
        {"Down on the last line stays there", {Key(VK_DOWN)}, 168, 168},
        {"Ctrl+Shift+Home: everything back to the start", {Key(VK_HOME, true, true)}, 168, 0},
        {"Up on the first line stays there", {Key(VK_UP)}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Do(field, c.inputs);
        DWORD anchor = 0, caret = 0;
        SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&anchor), reinterpret_cast<LPARAM>(&caret));
        EXPECT_EQ(std::min(anchor, caret), std::min(c.anchor, c.caret));
        EXPECT_EQ(Caret(field), std::max(c.anchor, c.caret));
    }
}

// The probe's wrapped text, in a box exactly as wide as its first line with its last space.
TEST_F(EditMultiLineTest, AWrappedLinesEndKeepsTheCaretOnThatLine) {
    const std::wstring text = L"aaa bbb ccc ddd eee fff ggg hhh";
    const int width = WidthOf(L"aaa bbb ccc ddd ") + 2 * kMargin + kBarWidth;
    HWND field = FocusedField(ES_MULTILINE | WS_VSCROLL, text, 0, 5, width);
    EXPECT_EQ(LineCount(field), 2);
    EXPECT_TRUE(BarIs(field, SB_VERT, {1, 2, 0, true}));
    Do(field, {Key(VK_END)});
    EXPECT_EQ(Caret(field), 16u);
    EXPECT_EQ(CaretPoint().y, 0) << "after the last space of the first line, not before the second";
    EXPECT_EQ(CaretPoint().x, kMargin + WidthOf(L"aaa bbb ccc ddd "));
    Do(field, {Key(VK_DOWN)});
    EXPECT_EQ(Caret(field), 31u);
    Do(field, {Key(VK_HOME)});
    EXPECT_EQ(Caret(field), 16u);
    EXPECT_EQ(CaretPoint().y, lineHeight_) << "the second line's start";
    // A click past the first line's end leaves the caret at that end, on that line.
    Backend().Click(field, width - kBarWidth - 1, 2);
    Backend().PumpUntilIdle();
    EXPECT_EQ(Caret(field), 16u);
    EXPECT_EQ(CaretPoint().y, 0);
    // A box wide enough for all of it unwraps it.
    MoveWindow(field, 10, 10, 2 * width, HeightFor(5, 0), TRUE);
    EXPECT_EQ(LineCount(field), 1);
    EXPECT_TRUE(BarIs(field, SB_VERT, {0, 1, 0, true}));
}

TEST_F(EditMultiLineTest, AClickPutsTheCaretOnTheLineUnderThePointerInTheView) {
    HWND field = FocusedField(kScrolling, NumberedLines(20), 0);
    SendMessageW(field, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 4), 0);
    struct Case {
        const char* name;
        POINT at;
        DWORD caret;
    };
    const Case cases[] = {
        {"the top row: line 4's start", {0, 1}, 32},
        {"the third row, past its end", {150, 2 * lineHeight_ + 2}, 54},
        {"below the lines shown: the next line, which comes into view", {1, 5 * lineHeight_ + 1}, 72},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Backend().RunFor(1000);
        Backend().Click(field, c.at.x, c.at.y);
        Backend().PumpUntilIdle();
        EXPECT_EQ(Caret(field), c.caret);
    }
    EXPECT_EQ(FirstLine(field), 5);
}

TEST_F(EditMultiLineTest, TheSelectionIsDrawnOnEachLineItCovers) {
    HWND field = FocusedField(kScrolling, L"first\r\nsecond\r\nthird", 0);
    SendMessageW(field, EM_SETSEL, 9, 16);  // "cond" and the start of "third"
    Backend().PumpUntilIdle();
    auto selectedOnRow = [&](int line) {
        for (int x = 0; x < kFieldWidth - kBarWidth; ++x)
            if (Backend().WindowPixel(field, x, line * lineHeight_ + lineHeight_ / 2) == platform::look::kSelection)
                return true;
        return false;
    };
    EXPECT_FALSE(selectedOnRow(0));
    EXPECT_TRUE(selectedOnRow(1));
    EXPECT_TRUE(selectedOnRow(2));
    EXPECT_FALSE(selectedOnRow(3));
}

}  // namespace
}  // namespace multilinetest
