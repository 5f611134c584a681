// The single-line "edit" control as a person and a program use it: typing and the editing
// keys, the limit and the style rules on what may be typed, the text messages and their
// notifications, the mouse, scrolling, the caret and how the field is drawn.
#include <functional>
#include <string>
#include <vector>

#include "HeadlessTest.h"
#include "controls/Look.h"
#include "core/gdi/GdiObjects.h"

namespace {

constexpr int kFieldId = 7;
constexpr int kFieldWidth = 200;
constexpr int kFieldHeight = 24;

// The background the parent's default colours give a typable field.
COLORREF FieldColour() { return GetSysColor(COLOR_WINDOW); }

LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Log().Add({hwnd, message, wParam, lParam});
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// A key pressed with the modifiers held around it.
struct Key {
    UINT vk;
    bool shift = false;
    bool control = false;
};

struct Selection {
    DWORD start;
    DWORD end;
    bool operator==(const Selection&) const = default;
};

void PrintTo(const Selection& s, std::ostream* out) { *out << "(" << s.start << ", " << s.end << ")"; }

class EditTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        gdiBefore_ = platform::CountGdiObjects();
        RegisterProcClass(L"Form", FormProc);
        form_ = CreateWindowExW(0, L"Form", L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 100, nullptr, nullptr, nullptr,
                                nullptr);
    }
    void TearDown() override {
        DestroyWindow(form_);
        EXPECT_EQ(platform::CountGdiObjects(), gdiBefore_) << "a drawing object leaked";
        HeadlessTest::TearDown();
    }

    HWND Field(DWORD style, const wchar_t* text = L"", int width = kFieldWidth, int y = 10) {
        HWND field = CreateWindowExW(0, L"edit", text, WS_CHILD | WS_VISIBLE | style, 10, y, width, kFieldHeight, form_,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFieldId)), nullptr, nullptr);
        Backend().PumpUntilIdle();
        return field;
    }
    // A field with the focus, holding `text` with the caret at `caret`.
    HWND FocusedField(DWORD style, const wchar_t* text, int caret = 0, int width = kFieldWidth) {
        HWND field = Field(style, text, width);
        SetFocus(field);
        SendMessageW(field, EM_SETSEL, caret, caret);
        Backend().PumpUntilIdle();
        Log().Clear();
        return field;
    }

    void Press(const std::vector<Key>& keys) {
        for (const Key& key : keys) {
            if (key.shift) Backend().KeyDown(VK_SHIFT);
            if (key.control) Backend().KeyDown(VK_CONTROL);
            Backend().PressKey(key.vk);
            if (key.control) Backend().KeyUp(VK_CONTROL);
            if (key.shift) Backend().KeyUp(VK_SHIFT);
        }
        Backend().PumpUntilIdle();
    }
    // Types letters (capitals with Shift), digits and spaces on the keyboard.
    void Type(const std::wstring& text) {
        std::vector<Key> keys;
        for (wchar_t c : text) {
            bool capital = c >= L'A' && c <= L'Z';
            keys.push_back({static_cast<UINT>(c >= L'a' && c <= L'z' ? c - L'a' + L'A' : c), capital});
        }
        Press(keys);
    }

    static std::wstring TextOf(HWND field) {
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(GetWindowTextW(field, text.data(), static_cast<int>(text.size()))));
        return text;
    }
    static Selection SelectionOf(HWND field) {
        Selection s{};
        SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&s.start), reinterpret_cast<LPARAM>(&s.end));
        return s;
    }

    // The notifications the form received from the field, in order.
    static std::vector<LoggedMessage> Notifications() {
        std::vector<LoggedMessage> commands;
        for (const LoggedMessage& m : Log().Messages())
            if (m.message == WM_COMMAND) commands.push_back(m);
        return commands;
    }
    static std::vector<Expected> Expect(HWND field, const std::vector<WORD>& codes) {
        std::vector<Expected> expected;
        for (WORD code : codes)
            expected.push_back({WM_COMMAND, nullptr, MAKEWPARAM(kFieldId, code), reinterpret_cast<LPARAM>(field)});
        return expected;
    }
    static int CountNotifications(WORD code) {
        int count = 0;
        for (const LoggedMessage& m : Notifications()) count += HIWORD(m.wParam) == code;
        return count;
    }

    // The columns of the field's box holding pixels other than `background`; -1 when none.
    std::pair<int, int> InkColumns(HWND field, COLORREF background, int width = kFieldWidth) {
        int first = -1, last = -1;
        for (int x = 1; x < width - 1; ++x)
            for (int y = 1; y < kFieldHeight - 1; ++y)
                if (Backend().WindowPixel(field, x, y) != background) {
                    if (first < 0) first = x;
                    last = x;
                }
        return {first, last};
    }
    // Whether columns [fromX, toX) of the field hold anything but the field's background.
    bool HasInk(HWND field, int fromX, int toX) {
        for (int x = fromX; x < toX; ++x)
            for (int y = 0; y < kFieldHeight; ++y)
                if (Backend().WindowPixel(field, x, y) != FieldColour()) return true;
        return false;
    }
    bool HasPixel(HWND field, COLORREF colour) {
        for (int x = 0; x < kFieldWidth; ++x)
            for (int y = 0; y < kFieldHeight; ++y)
                if (Backend().WindowPixel(field, x, y) == colour) return true;
        return false;
    }
    // The darkest pixel of the field: the text's own colour where a glyph covers pixels whole.
    COLORREF Darkest(HWND field) {
        COLORREF darkest = RGB(255, 255, 255);
        auto lightness = [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); };
        for (int x = 0; x < kFieldWidth; ++x)
            for (int y = 0; y < kFieldHeight; ++y)
                if (COLORREF c = Backend().WindowPixel(field, x, y); lightness(c) < lightness(darkest)) darkest = c;
        return darkest;
    }
    bool SamePixels(HWND a, HWND b) {
        for (int x = 0; x < kFieldWidth; ++x)
            for (int y = 0; y < kFieldHeight; ++y)
                if (Backend().WindowPixel(a, x, y) != Backend().WindowPixel(b, x, y)) return false;
        return true;
    }

    HWND form_ = nullptr;
    platform::GdiCounts gdiBefore_;
};

// ---- Typing and the editing keys ----

TEST_F(EditTest, TypingInsertsAtTheCaret) {
    HWND field = FocusedField(0, L"Astvex", 3);
    Type(L"ro");
    EXPECT_EQ(TextOf(field), L"Astrovex");
    EXPECT_EQ(SelectionOf(field), (Selection{5, 5}));
}

TEST_F(EditTest, EditingKeysMoveTheCaretExtendTheSelectionAndEdit) {
    struct Case {
        const char* name;
        Selection before;  // anchor, caret
        std::vector<Key> keys;
        std::wstring text;
        Selection after;
    };
    const Key shiftLeft{VK_LEFT, true};
    const std::vector<Case> cases{
        {"Backspace erases before the caret", {5, 5}, {{VK_BACK}}, L"hell", {4, 4}},
        {"Backspace at the start erases nothing", {0, 0}, {{VK_BACK}}, L"hello", {0, 0}},
        {"Delete erases after the caret", {0, 0}, {{VK_DELETE}}, L"ello", {0, 0}},
        {"Delete at the end erases nothing", {5, 5}, {{VK_DELETE}}, L"hello", {5, 5}},
        {"Home then typing", {3, 3}, {{VK_HOME}, {'X'}}, L"xhello", {1, 1}},
        {"End", {1, 1}, {{VK_END}}, L"hello", {5, 5}},
        {"Left and Right", {2, 2}, {{VK_LEFT}, {VK_LEFT}, {VK_LEFT}, {VK_RIGHT}}, L"hello", {1, 1}},
        {"Shift+Left selects backwards", {5, 5}, {shiftLeft, shiftLeft}, L"hello", {3, 5}},
        {"typing replaces the selection", {5, 5}, {shiftLeft, shiftLeft, {'P'}}, L"help", {4, 4}},
        {"Backspace erases the selection", {1, 4}, {{VK_BACK}}, L"ho", {1, 1}},
        {"Delete erases the selection", {4, 1}, {{VK_DELETE}}, L"ho", {1, 1}},
        {"Left collapses a selection to its start", {1, 4}, {{VK_LEFT}}, L"hello", {1, 1}},
        {"Right collapses a selection to its end", {4, 1}, {{VK_RIGHT}}, L"hello", {4, 4}},
        {"Shift+Home", {3, 3}, {{VK_HOME, true}}, L"hello", {0, 3}},
        {"Shift+End then Delete", {2, 2}, {{VK_END, true}, {VK_DELETE}}, L"he", {2, 2}},
        {"Ctrl+A selects everything", {2, 2}, {{'A', false, true}}, L"hello", {0, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND field = FocusedField(0, L"hello");
        SendMessageW(field, EM_SETSEL, c.before.start, c.before.end);
        Press(c.keys);
        EXPECT_EQ(TextOf(field), c.text);
        EXPECT_EQ(SelectionOf(field), c.after);
        DestroyWindow(field);
    }
}

TEST_F(EditTest, TheLimitRefusesWhatWouldPassItAndTellsTheParent) {
    HWND field = FocusedField(0, L"");
    EXPECT_EQ(SendMessageW(field, EM_GETLIMITTEXT, 0, 0), 0x7FFF) << "the platform's limit before one is set";
    SendMessageW(field, EM_LIMITTEXT, 10, 0);
    EXPECT_EQ(SendMessageW(field, EM_GETLIMITTEXT, 0, 0), 10);
    Type(L"abcdefghij");
    EXPECT_EQ(CountNotifications(EN_MAXTEXT), 0);
    Type(L"k");
    EXPECT_EQ(TextOf(field), L"abcdefghij");
    EXPECT_EQ(CountNotifications(EN_MAXTEXT), 1);

    // Replacing a selection makes room; only what fits of a longer text goes in.
    SendMessageW(field, EM_SETSEL, 2, 5);
    Log().Clear();
    SendMessageW(field, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L"12345"));
    EXPECT_EQ(TextOf(field), L"ab123fghij");
    EXPECT_EQ(CountNotifications(EN_MAXTEXT), 1);
    EXPECT_EQ(CountNotifications(EN_CHANGE), 1);

    SendMessageW(field, EM_LIMITTEXT, 0, 0);
    EXPECT_EQ(SendMessageW(field, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE) << "0 asks for the largest limit";
}

TEST_F(EditTest, StylesShapeTheText) {
    struct Case {
        const char* name;
        DWORD style;
        bool typed;  // typed on the keyboard, else given with WM_SETTEXT
        std::wstring input;
        std::wstring text;
    };
    const std::vector<Case> cases{
        {"upper case, typed", ES_UPPERCASE, true, L"Ciao 42", L"CIAO 42"},
        {"lower case, typed", ES_LOWERCASE, true, L"Ciao MONDO", L"ciao mondo"},
        {"digits only, typed", ES_NUMBER, true, L"a1 b2", L"12"},
        {"upper case, set", ES_UPPERCASE, false, L"àbç ÿ ñandú привет σ", L"ÀBÇ Ÿ ÑANDÚ ПРИВЕТ Σ"},
        {"lower case, set", ES_LOWERCASE, false, L"ÀBÇ Ÿ ĞÜL ПРИВЕТ Σ", L"àbç ÿ ğül привет σ"},
        {"digits only does not filter what the program sets", ES_NUMBER, false, L"a1", L"a1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND field = FocusedField(c.style | ES_AUTOHSCROLL, L"");
        if (c.typed) Type(c.input);
        else SetWindowTextW(field, c.input.c_str());
        EXPECT_EQ(TextOf(field), c.text);
        DestroyWindow(field);
    }
}

TEST_F(EditTest, ReadOnlyRefusesTypingButStillMovesTheCaret) {
    HWND field = FocusedField(0, L"fixed", 5);
    EXPECT_TRUE(SendMessageW(field, EM_SETREADONLY, TRUE, 0));
    EXPECT_TRUE(GetWindowLongW(field, GWL_STYLE) & ES_READONLY);
    Press({{'X'}, {VK_BACK}, {VK_HOME}, {VK_DELETE}, {VK_RIGHT}});
    EXPECT_EQ(TextOf(field), L"fixed");
    EXPECT_EQ(SelectionOf(field), (Selection{1, 1}));
    EXPECT_EQ(CountNotifications(EN_CHANGE), 0);
    SendMessageW(field, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L"i"));
    EXPECT_EQ(TextOf(field), L"fiixed") << "the program can still change the text";
}

// ---- The text messages ----

TEST_F(EditTest, TextMessagesAnswerFromTheFieldsOwnText) {
    HWND field = Field(0, L"first");
    EXPECT_EQ(TextOf(field), L"first");
    EXPECT_TRUE(SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Astrovex")));
    EXPECT_EQ(SendMessageW(field, WM_GETTEXTLENGTH, 0, 0), 8);
    EXPECT_EQ(SelectionOf(field), (Selection{0, 0})) << "new text puts the caret at the start";

    struct Case {
        WPARAM capacity;
        LRESULT copied;
        std::wstring text;
    };
    for (Case c : {Case{100, 8, L"Astrovex"}, Case{9, 8, L"Astrovex"}, Case{5, 4, L"Astr"}, Case{1, 0, L""}}) {
        SCOPED_TRACE(c.capacity);
        std::vector<wchar_t> buffer(c.capacity + 1, L'#');
        EXPECT_EQ(SendMessageW(field, WM_GETTEXT, c.capacity, reinterpret_cast<LPARAM>(buffer.data())), c.copied);
        EXPECT_EQ(std::wstring(buffer.data()), c.text);
        EXPECT_EQ(buffer[c.capacity], L'#') << "nothing written past the buffer";
    }
    wchar_t untouched = L'#';
    EXPECT_EQ(SendMessageW(field, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(&untouched)), 0);
    EXPECT_EQ(untouched, L'#');
}

TEST_F(EditTest, SelectionMessages) {
    HWND field = Field(0, L"hello");
    struct Case {
        int start;
        int end;
        Selection selection;
    };
    // The start -1 case follows a selection of (1, 3) with the caret at 3.
    for (Case c : {Case{0, -1, {0, 5}}, Case{4, 2, {2, 4}}, Case{1, 99, {1, 5}}, Case{1, 3, {1, 3}},
                   Case{-1, 0, {3, 3}}}) {
        SCOPED_TRACE(testing::Message() << c.start << ", " << c.end);
        SendMessageW(field, EM_SETSEL, static_cast<WPARAM>(c.start), c.end);
        EXPECT_EQ(SelectionOf(field), c.selection);
        EXPECT_EQ(SendMessageW(field, EM_GETSEL, 0, 0), MAKELRESULT(c.selection.start, c.selection.end));
    }
}

TEST_F(EditTest, ChangesAreAnnouncedToTheParent) {
    struct Case {
        const char* name;
        std::function<void(HWND)> act;
        std::vector<WORD> codes;
    };
    const std::vector<Case> cases{
        {"WM_SETTEXT", [](HWND f) { SetWindowTextW(f, L"new"); }, {EN_UPDATE, EN_CHANGE}},
        {"typing", [this](HWND) { Type(L"x"); }, {EN_UPDATE, EN_CHANGE}},
        {"Backspace", [this](HWND) { Press({{VK_BACK}}); }, {EN_UPDATE, EN_CHANGE}},
        {"EM_REPLACESEL", [](HWND f) { SendMessageW(f, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(L"!")); },
         {EN_UPDATE, EN_CHANGE}},
        {"moving the caret", [this](HWND) { Press({{VK_HOME}, {VK_LEFT, true}}); }, {}},
        {"Delete at the end", [this](HWND) { Press({{VK_DELETE}}); }, {}},
        {"a refused letter",
         [this](HWND f) {
             SetWindowLongW(f, GWL_STYLE, GetWindowLongW(f, GWL_STYLE) | ES_NUMBER);
             Type(L"x");
         },
         {}},
        {"losing the focus", [this](HWND) { SetFocus(form_); }, {EN_KILLFOCUS}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND field = FocusedField(0, L"abc", 3);
        c.act(field);
        EXPECT_TRUE(SequenceIs(Notifications(), Expect(field, c.codes)));
        DestroyWindow(field);
    }
    HWND field = Field(0, L"");
    Log().Clear();
    SetFocus(field);
    EXPECT_TRUE(SequenceIs(Notifications(), Expect(field, {EN_SETFOCUS})));
}

// ---- The mouse ----

TEST_F(EditTest, ClickingPlacesTheCaretAtTheNearestBoundary) {
    HWND field = Field(0, L"hello");
    auto [first, last] = InkColumns(field, FieldColour());
    ASSERT_GT(last, first) << "the text was drawn";
    struct Case {
        int x;
        Selection selection;
    };
    for (Case c : {Case{kFieldWidth - 5, {5, 5}}, Case{last + 2, {5, 5}}, Case{1, {0, 0}}, Case{first, {0, 0}}}) {
        SCOPED_TRACE(c.x);
        Backend().Click(field, c.x, kFieldHeight / 2);
        Backend().PumpUntilIdle();
        EXPECT_EQ(GetFocus(), field) << "a click takes the focus";
        EXPECT_EQ(SelectionOf(field), c.selection);
    }
    Backend().Click(field, (first + last) / 2, kFieldHeight / 2);
    Backend().PumpUntilIdle();
    Selection middle = SelectionOf(field);
    EXPECT_TRUE(middle.start > 0 && middle.start < 5 && middle.start == middle.end) << middle.start;
}

TEST_F(EditTest, DraggingSelectsAndDoubleClickingSelectsAWord) {
    HWND field = Field(0, L"hello world");
    Backend().MouseDown(field, kFieldWidth - 5, kFieldHeight / 2);
    Backend().MouseMove(field, -20, kFieldHeight / 2);
    Backend().MouseUp(field, -20, kFieldHeight / 2);
    Backend().PumpUntilIdle();
    EXPECT_EQ(SelectionOf(field), (Selection{0, 11}));
    EXPECT_EQ(GetCapture(), nullptr) << "the capture ends with the button";
    Press({{'X'}});
    EXPECT_EQ(TextOf(field), L"x") << "the caret was at the start of the selection, which typing replaced";

    SetWindowTextW(field, L"hello world");
    Backend().Click(field, 3, kFieldHeight / 2);
    Backend().Click(field, 3, kFieldHeight / 2);
    Backend().PumpUntilIdle();
    EXPECT_EQ(SelectionOf(field), (Selection{0, 5}));
}

// ---- Scrolling and the caret ----

TEST_F(EditTest, LongTextScrollsToKeepTheCaretInView) {
    constexpr int kNarrow = 60;
    HWND field = FocusedField(ES_AUTOHSCROLL, L"", 0, kNarrow);
    Type(L"mmmmmmmmmmmmmmmmmmmmw");
    EXPECT_EQ(TextOf(field).size(), 21u) << "ES_AUTOHSCROLL takes more than fits";
    POINT caret{};
    GetCaretPos(&caret);
    EXPECT_GT(caret.x, kNarrow / 2);
    EXPECT_LT(caret.x, kNarrow);
    EXPECT_TRUE(HasInk(field, caret.x - 3, caret.x)) << "the last letter shows just left of the caret";

    Press({{VK_HOME}});
    GetCaretPos(&caret);
    EXPECT_LT(caret.x, 6) << "Home scrolls back to the start";
}

TEST_F(EditTest, WithoutAutoScrollingWhatDoesNotFitIsRefused) {
    constexpr int kNarrow = 60;
    HWND field = FocusedField(0, L"", 0, kNarrow);
    Type(L"mmmmmmmmmmmmmmmmmmmm");
    std::size_t kept = TextOf(field).size();
    EXPECT_GT(kept, 0u);
    EXPECT_LT(kept, 20u);
    EXPECT_GT(CountNotifications(EN_MAXTEXT), 0);
    SendMessageW(field, EM_SETSEL, 0, 0);
    SendMessageW(field, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(L"mmmm"));
    EXPECT_EQ(TextOf(field).size(), kept) << "a full box takes no more, however it is given";
}

TEST_F(EditTest, TheCaretBlinksAtTheCaretPosition) {
    HWND field = FocusedField(0, L"abc", 1);
    POINT caret{};
    GetCaretPos(&caret);
    int y = caret.y + 2;
    COLORREF shown = Backend().WindowPixel(field, caret.x, y);
    Backend().RunFor(GetCaretBlinkTime());
    COLORREF hidden = Backend().WindowPixel(field, caret.x, y);
    Backend().RunFor(GetCaretBlinkTime());
    EXPECT_NE(shown, hidden);
    EXPECT_EQ(Backend().WindowPixel(field, caret.x, y), shown);
    SetFocus(form_);
    EXPECT_EQ(Backend().WindowPixel(field, caret.x, y), hidden) << "losing the focus takes the caret away";
}

// ---- Drawing ----

TEST_F(EditTest, BackgroundAndTextColoursFollowTheFieldsState) {
    struct Case {
        const char* name;
        DWORD style;
        bool enabled;
        COLORREF background;
        COLORREF ink;
    };
    const std::vector<Case> cases{
        {"typable", 0, true, FieldColour(), GetSysColor(COLOR_WINDOWTEXT)},
        {"read-only", ES_READONLY, true, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_WINDOWTEXT)},
        {"disabled", 0, false, GetSysColor(COLOR_BTNFACE), platform::look::kDisabledText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND field = Field(c.style, L"HWM");
        EnableWindow(field, c.enabled);
        Backend().PumpUntilIdle();
        EXPECT_EQ(Backend().WindowPixel(field, kFieldWidth - 2, 1), c.background);
        EXPECT_EQ(Darkest(field), c.ink);
        DestroyWindow(field);
    }
}

TEST_F(EditTest, TheSelectionIsHighlightedWhileTheFieldHasTheFocus) {
    HWND field = FocusedField(0, L"HWM");
    SendMessageW(field, EM_SETSEL, 0, -1);
    EXPECT_TRUE(HasPixel(field, platform::look::kSelection));
    EXPECT_TRUE(HasPixel(field, platform::look::kSelectionText));
    SetFocus(form_);
    EXPECT_FALSE(HasPixel(field, platform::look::kSelection));
}

TEST_F(EditTest, APasswordCharacterStandsForEachLetter) {
    HWND hidden = Field(ES_PASSWORD, L"abc", kFieldWidth, 10);
    HWND stars = Field(0, L"***", kFieldWidth, 40);
    HWND plain = Field(0, L"abc", kFieldWidth, 70);
    EXPECT_EQ(SendMessageW(hidden, EM_GETPASSWORDCHAR, 0, 0), L'*');
    EXPECT_TRUE(SamePixels(hidden, stars));
    EXPECT_EQ(TextOf(hidden), L"abc") << "the text itself is kept";
    SendMessageW(hidden, EM_SETPASSWORDCHAR, 0, 0);
    EXPECT_FALSE(GetWindowLongW(hidden, GWL_STYLE) & ES_PASSWORD);
    EXPECT_TRUE(SamePixels(hidden, plain));
}

TEST_F(EditTest, AlignmentFollowsTheStyle) {
    std::vector<std::pair<int, int>> columns;
    for (DWORD style : {ES_LEFT, ES_CENTER, ES_RIGHT}) {
        HWND field = Field(style, L"Ciao");
        columns.push_back(InkColumns(field, FieldColour()));
        DestroyWindow(field);
    }
    EXPECT_LT(columns[0].first, 8) << "left";
    EXPECT_GT(columns[2].second, kFieldWidth - 8) << "right";
    EXPECT_NEAR((columns[1].first + columns[1].second) / 2, kFieldWidth / 2, 3) << "centre";
}

TEST_F(EditTest, TheGivenFontIsKeptAndUsed) {
    HWND field = Field(0, L"HWM");
    EXPECT_EQ(SendMessageW(field, WM_GETFONT, 0, 0), 0) << "no font given: the dialog font";
    auto [smallFirst, smallLast] = InkColumns(field, FieldColour());
    HFONT big = CreateFontW(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial");
    SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(big), TRUE);
    Backend().PumpUntilIdle();
    EXPECT_EQ(SendMessageW(field, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(big));
    auto [bigFirst, bigLast] = InkColumns(field, FieldColour());
    EXPECT_GT(bigLast - bigFirst, smallLast - smallFirst) << "wider letters";
    DestroyWindow(field);
    DeleteObject(big);
}

}  // namespace
