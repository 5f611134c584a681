// How check boxes, radio buttons and group boxes look: the mark for each check state, its face
// under the pointer, held down and disabled, the focus rectangle round the text, the group box's
// frame broken by its caption and never drawn over the controls it frames.
#include <algorithm>
#include <functional>

#include "HeadlessTest.h"
#include "Screenshot.h"
#include "controls/Look.h"

namespace {

namespace look = platform::look;

constexpr RECT kRect{10, 10, 130, 34};  // 120 x 24 in the panel
constexpr POINT kOver{60, 22};          // panel coordinates, over the button
constexpr int kMark = 13;
constexpr int kMarkTop = (24 - kMark) / 2;

class CheckButtonLookTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
        wc.lpszClassName = L"LookPanel";
        RegisterClassW(&wc);
        panel_ = CreateWindowExW(0, L"LookPanel", L"", WS_POPUP | WS_VISIBLE, 0, 0, 360, 240, nullptr, nullptr, nullptr,
                                 nullptr);
        screenshot_.emplace(panel_);
    }
    void TearDown() override {
        screenshot_.reset();
        HeadlessTest::TearDown();
    }

    HWND Button(DWORD style, const wchar_t* text = L"Sound", RECT at = kRect) {
        HWND button = CreateWindowExW(0, L"Button", text, WS_CHILD | WS_VISIBLE | style, at.left, at.top,
                                      at.right - at.left, at.bottom - at.top, panel_, nullptr, nullptr, nullptr);
        Backend().PumpUntilIdle();
        return button;
    }

    COLORREF Pixel(HWND button, int x, int y) { return Backend().WindowPixel(button, x, y); }

    // The darkest green level in a block of the button: where its text is.
    int DarkestInk(HWND button, const RECT& block) {
        int darkest = 255;
        for (int y = block.top; y < block.bottom; ++y)
            for (int x = block.left; x < block.right; ++x)
                darkest = std::min<int>(darkest, GetGValue(Pixel(button, x, y)));
        return darkest;
    }

    std::vector<COLORREF> Column(HWND button, int x, int top, int bottom) {
        std::vector<COLORREF> pixels;
        for (int y = top; y < bottom; ++y) pixels.push_back(Pixel(button, x, y));
        return pixels;
    }

    HWND panel_ = nullptr;

private:
    std::optional<ScreenshotOnFailure> screenshot_;
};

TEST_F(CheckButtonLookTest, TheMarkShowsTheCheckState) {
    struct Case {
        const char* name;
        DWORD style;
        WPARAM check;
        POINT at;  // in the mark
        COLORREF colour;
    };
    const Case cases[] = {
        {"box, unchecked: empty", BS_AUTOCHECKBOX, BST_UNCHECKED, {2, 2}, look::kField},
        {"box, unchecked: outlined", BS_AUTOCHECKBOX, BST_UNCHECKED, {0, 6}, look::kBorder},
        {"box, checked: filled", BS_AUTOCHECKBOX, BST_CHECKED, {2, 2}, look::kBorderFocus},
        {"box, checked: the tick", BS_AUTOCHECKBOX, BST_CHECKED, {6, 7}, look::kField},
        {"box, indeterminate: empty round", BS_AUTO3STATE, BST_INDETERMINATE, {2, 2}, look::kField},
        {"box, indeterminate: a square inside", BS_AUTO3STATE, BST_INDETERMINATE, {6, 6}, look::kBorderFocus},
        {"circle, unchecked: empty", BS_AUTORADIOBUTTON, BST_UNCHECKED, {6, 6}, look::kField},
        {"circle, unchecked: its ring", BS_AUTORADIOBUTTON, BST_UNCHECKED, {0, 6}, look::kBorder},
        {"circle, unchecked: round corners", BS_AUTORADIOBUTTON, BST_UNCHECKED, {0, 0}, GetSysColor(COLOR_BTNFACE)},
        {"circle, checked: the dot", BS_AUTORADIOBUTTON, BST_CHECKED, {6, 6}, look::kBorderFocus},
        {"circle, checked: round the dot", BS_AUTORADIOBUTTON, BST_CHECKED, {3, 6}, look::kField},
        {"circle, checked: its ring", BS_AUTORADIOBUTTON, BST_CHECKED, {0, 6}, look::kBorderFocus},
    };
    for (const Case& c : cases) {
        HWND button = Button(c.style);
        SendMessageW(button, BM_SETCHECK, c.check, 0);
        Backend().PumpUntilIdle();
        EXPECT_EQ(Pixel(button, c.at.x, kMarkTop + c.at.y), c.colour) << c.name;
        DestroyWindow(button);
    }
}

TEST_F(CheckButtonLookTest, TheMarkSitsAtTheRightWithItsTextOnTheLeft) {
    HWND button = Button(BS_AUTOCHECKBOX | BS_LEFTTEXT);
    SendMessageW(button, BM_SETCHECK, BST_CHECKED, 0);
    Backend().PumpUntilIdle();
    EXPECT_EQ(Pixel(button, 120 - kMark + 2, kMarkTop + 2), look::kBorderFocus);
    EXPECT_NE(Pixel(button, 2, kMarkTop + 2), look::kBorderFocus) << "no mark at the left";
    EXPECT_LT(DarkestInk(button, {0, 4, 40, 20}), 0x60) << "the text at the left";
}

TEST_F(CheckButtonLookTest, TheMarkFollowsThePointerThePressAndTheEnabledState) {
    HWND button = Button(BS_AUTOCHECKBOX);
    const POINT inside{3, kMarkTop + 3};
    struct Step {
        const char* name;
        std::function<void()> act;
        COLORREF face;
    };
    const Step steps[] = {
        {"at rest", [] {}, look::kField},
        {"pointer over it", [&] { Backend().MouseMove(panel_, kOver.x, kOver.y); }, look::kFaceHot},
        {"held down", [&] { Backend().MouseDown(panel_, kOver.x, kOver.y); }, look::kFacePressed},
        {"held, pointer gone", [&] { Backend().MouseMove(panel_, 300, 200); }, look::kField},
        {"released outside", [&] { Backend().MouseUp(panel_, 300, 200); }, look::kField},
        {"disabled", [&] { EnableWindow(button, FALSE); }, look::kDisabledFace},
    };
    for (const Step& s : steps) {
        s.act();
        Backend().PumpUntilIdle();
        EXPECT_EQ(Pixel(button, inside.x, inside.y), s.face) << s.name;
    }
    EXPECT_EQ(SendMessageW(button, BM_GETCHECK, 0, 0), BST_UNCHECKED) << "released outside: no click";
}

TEST_F(CheckButtonLookTest, ADisabledButtonsTextIsGreyed) {
    const RECT text{kMark + 4, 2, 80, 22};
    HWND button = Button(BS_AUTORADIOBUTTON | WS_DISABLED);
    const int disabledInk = DarkestInk(button, text);
    EXPECT_GE(disabledInk, GetGValue(look::kDisabledText)) << "nothing darker than the greyed text";
    EXPECT_LT(disabledInk, GetGValue(GetSysColor(COLOR_BTNFACE))) << "the text is there";
    EnableWindow(button, TRUE);
    Backend().PumpUntilIdle();
    EXPECT_LT(DarkestInk(button, text), GetGValue(look::kDisabledText));
}

TEST_F(CheckButtonLookTest, TheFocusRectangleSurroundsTheTextAlone) {
    HWND button = Button(BS_AUTOCHECKBOX);
    const int besideText = kMark + 4 - 1;
    const auto restLeft = Column(button, besideText, 0, 24);
    const auto restRight = Column(button, 100, 0, 24);
    SetFocus(button);
    Backend().PumpUntilIdle();
    EXPECT_NE(Column(button, besideText, 0, 24), restLeft) << "dotted just left of the text";
    EXPECT_EQ(Column(button, 100, 0, 24), restRight) << "nothing far right of the text";
    SetFocus(panel_);
    Backend().PumpUntilIdle();
    EXPECT_EQ(Column(button, besideText, 0, 24), restLeft) << "gone with the focus";
}

TEST_F(CheckButtonLookTest, APushLikeCheckBoxIsAPushButtonDownWhileChecked) {
    HWND button = Button(BS_AUTOCHECKBOX | BS_PUSHLIKE);
    const POINT face{10, 6};
    EXPECT_EQ(Pixel(button, face.x, face.y), look::kFace);
    SendMessageW(button, BM_CLICK, 0, 0);
    SetFocus(panel_);
    Backend().PumpUntilIdle();
    EXPECT_EQ(Pixel(button, face.x, face.y), look::kFacePressed);
}

class GroupBoxLookTest : public CheckButtonLookTest {
protected:
    static constexpr RECT kBox{10, 10, 210, 110};

    // The row of the frame's top edge, found down the column near its right end.
    int TopEdgeRow(HWND group, COLORREF frame) {
        for (int y = 0; y < 30; ++y)
            if (Pixel(group, 180, y) == frame) return y;
        return -1;
    }
};

TEST_F(GroupBoxLookTest, TheCaptionBreaksTheFramesTopEdge) {
    struct Case {
        const wchar_t* caption;
        bool broken;  // the top edge is cleared behind the caption
    };
    for (Case c : {Case{L"Options", true}, Case{L"", false}}) {
        HWND group = Button(BS_GROUPBOX, c.caption, kBox);
        const int top = TopEdgeRow(group, look::kBorder);
        ASSERT_GE(top, 0) << "the frame is drawn";
        EXPECT_EQ(Pixel(group, 0, 60), look::kBorder) << "left edge";
        EXPECT_EQ(Pixel(group, 199, 60), look::kBorder) << "right edge";
        EXPECT_EQ(Pixel(group, 100, 99), look::kBorder) << "bottom edge";
        EXPECT_EQ(Pixel(group, 14, top) != look::kBorder, c.broken) << "with a caption: " << c.broken;
        DestroyWindow(group);
    }
}

TEST_F(GroupBoxLookTest, TheFrameIsGreyedWhenDisabled) {
    HWND group = Button(BS_GROUPBOX | WS_DISABLED, L"Options", kBox);
    EXPECT_GE(TopEdgeRow(group, look::kDisabledBorder), 0);
    EXPECT_EQ(Pixel(group, 0, 60), look::kDisabledBorder);
}

TEST_F(GroupBoxLookTest, RepaintingTheFrameLeavesTheControlsItFrames) {
    HWND group = Button(BS_GROUPBOX, L"Options", kBox);  // made first: above what it frames
    HWND radio = Button(BS_AUTORADIOBUTTON, L"Fast", {30, 40, 150, 64});
    SendMessageW(radio, BM_SETCHECK, BST_CHECKED, 0);
    Backend().PumpUntilIdle();
    const COLORREF dot = Pixel(radio, 6, kMarkTop + 6);
    ASSERT_EQ(dot, look::kBorderFocus);
    InvalidateRect(group, nullptr, FALSE);
    Backend().PumpUntilIdle();
    EXPECT_EQ(Pixel(radio, 6, kMarkTop + 6), dot);
    EXPECT_LT(DarkestInk(radio, {kMark + 4, 2, 60, 22}), 0x60) << "its text too";
}

TEST_F(GroupBoxLookTest, WritesAPictureOfTheFamily) {
    Button(BS_GROUPBOX, L"Options", {8, 6, 352, 232});
    struct Item {
        const wchar_t* text;
        DWORD style;
        WPARAM check;
    };
    const Item items[] = {
        {L"Sound", BS_AUTOCHECKBOX, BST_CHECKED},     {L"Music", BS_AUTOCHECKBOX, BST_UNCHECKED},
        {L"Hints", BS_AUTO3STATE, BST_INDETERMINATE}, {L"Joystick", BS_AUTOCHECKBOX | WS_DISABLED, BST_CHECKED},
        {L"Easy", BS_AUTORADIOBUTTON | WS_GROUP, 0},  {L"Normal", BS_AUTORADIOBUTTON, BST_CHECKED},
        {L"Hard", BS_AUTORADIOBUTTON | WS_DISABLED, 0}, {L"Left text", BS_AUTOCHECKBOX | BS_LEFTTEXT, BST_CHECKED},
        {L"Push-like", BS_AUTOCHECKBOX | BS_PUSHLIKE, BST_CHECKED},
    };
    HWND focused = nullptr;
    int row = 0;
    for (const Item& item : items) {
        const int x = row < 5 ? 20 : 190, y = 28 + (row % 5) * 36;
        HWND button = Button(item.style | WS_TABSTOP, item.text, {x, y, x + 150, y + 24});
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
        SendMessageW(button, BM_SETCHECK, item.check, 0);
        if (!focused) focused = button;
        ++row;
    }
    SetFocus(focused);
    Backend().PumpUntilIdle();
    EXPECT_TRUE(WritePng(ScreenshotDirectory() + "/check-buttons.png", panel_));
}

}  // namespace
