// The "Button" control's check boxes, radio buttons and group boxes, with the push buttons where
// a message treats every kind: what BM_SETCHECK keeps, what a click does to each kind and what
// the parent hears, double clicks and focus notices, the dialog codes, which colours the parent
// is asked for and how the marks look. Every expected value is what the reference platform
// answered to the same steps.
#include <array>
#include <functional>

#include "HeadlessTest.h"
#include "Screenshot.h"
#include "controls/Look.h"
#include "core/gdi/GdiObjects.h"

namespace {

namespace look = platform::look;

constexpr int kId = 42;
constexpr RECT kRect{10, 10, 130, 34};  // in the panel: 120 x 24
constexpr POINT kOver{60, 22};          // panel coordinates, over the button
constexpr int kMarkTop = (24 - 13) / 2;  // the mark is 13 pixels, centred in the 24

// What the panel answers WM_CTLCOLORSTATIC with (null brush: the default answer), and the
// check state each button had when its BN_CLICKED came.
HBRUSH staticBrush = nullptr;
COLORREF staticText = 0, staticBack = 0;
std::vector<LRESULT> checkAtClick;

LRESULT CALLBACK PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Log().Add({hwnd, message, wParam, lParam});
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
        checkAtClick.push_back(SendMessageW(reinterpret_cast<HWND>(lParam), BM_GETCHECK, 0, 0));
    if (message == WM_CTLCOLORSTATIC && staticBrush) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, staticText);
        SetBkColor(dc, staticBack);
        return reinterpret_cast<LRESULT>(staticBrush);
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

class CheckButtonTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        staticBrush = nullptr;
        checkAtClick.clear();
        RegisterProcClass(L"CheckPanel", PanelProc);
        panel_ = CreateWindowExW(0, L"CheckPanel", L"", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr,
                                 nullptr, nullptr);
        screenshot_.emplace(panel_);
        objects_ = platform::CountGdiObjects();
    }
    void TearDown() override {
        Backend().PumpUntilIdle();
        EXPECT_EQ(platform::CountGdiObjects(), objects_) << "a drawing object leaked";
        screenshot_.reset();
        DestroyWindow(panel_);
        HeadlessTest::TearDown();
    }

    HWND Button(DWORD style, const wchar_t* text = L"Sound", RECT at = kRect, int id = kId) {
        return CreateWindowExW(0, L"Button", text, WS_CHILD | WS_VISIBLE | style, at.left, at.top, at.right - at.left,
                               at.bottom - at.top, panel_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                               nullptr);
    }

    // The notification codes the panel has had from `button`, in order.
    std::vector<WORD> Notices(HWND button) const {
        std::vector<WORD> codes;
        for (const LoggedMessage& m : Log().Messages())
            if (m.hwnd == panel_ && m.message == WM_COMMAND && m.lParam == reinterpret_cast<LPARAM>(button))
                codes.push_back(HIWORD(m.wParam));
        return codes;
    }

    void PressSpace() {
        Backend().KeyDown(VK_SPACE);
        Backend().PumpUntilIdle();
        Backend().KeyUp(VK_SPACE);
        Backend().PumpUntilIdle();
    }

    COLORREF Pixel(HWND button, int x, int y) { return Backend().WindowPixel(button, x, y); }

    int CountPixels(HWND button, const std::function<bool(COLORREF)>& wanted) {
        RECT client;
        GetClientRect(button, &client);
        int count = 0;
        for (int y = 0; y < client.bottom; ++y)
            for (int x = 0; x < client.right; ++x) count += wanted(Pixel(button, x, y));
        return count;
    }

    static LRESULT Check(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0); }
    static LRESULT State(HWND button) { return SendMessageW(button, BM_GETSTATE, 0, 0); }

    HWND panel_ = nullptr;

private:
    std::optional<ScreenshotOnFailure> screenshot_;
    platform::GdiCounts objects_;
};

// The button kinds, each with its name for the messages of a failing case.
struct Kind {
    const char* name;
    DWORD style;
};

// ---- BM_SETCHECK and BM_GETSTATE ----

TEST_F(CheckButtonTest, BmSetCheckKeepsWhatEachKindCanShow) {
    const WPARAM values[] = {0, 1, 2, 3, 0xFF, 0x10001, static_cast<WPARAM>(-1)};
    struct Case {
        Kind kind;
        std::array<LRESULT, 7> check;  // BM_GETCHECK after setting each of `values`
    };
    const Case cases[] = {
        {{"push", BS_PUSHBUTTON}, {0, 0, 0, 0, 0, 0, 0}},
        {{"default push", BS_DEFPUSHBUTTON}, {0, 0, 0, 0, 0, 0, 0}},
        {{"check box", BS_CHECKBOX}, {0, 1, 1, 1, 1, 1, 1}},
        {{"auto check box", BS_AUTOCHECKBOX}, {0, 1, 1, 1, 1, 1, 1}},
        {{"radio", BS_RADIOBUTTON}, {0, 1, 1, 1, 1, 1, 1}},
        {{"3-state", BS_3STATE}, {0, 1, 2, 2, 2, 2, 2}},
        {{"auto 3-state", BS_AUTO3STATE}, {0, 1, 2, 2, 2, 2, 2}},
        {{"group box", BS_GROUPBOX}, {0, 0, 0, 0, 0, 0, 0}},
        {{"user button", BS_USERBUTTON}, {0, 0, 0, 0, 0, 0, 0}},
        {{"auto radio", BS_AUTORADIOBUTTON}, {0, 1, 1, 1, 1, 1, 1}},
        {{"owner-drawn", BS_OWNERDRAW}, {0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        HWND button = Button(c.kind.style);
        for (std::size_t i = 0; i < std::size(values); ++i) {
            SCOPED_TRACE(testing::Message() << c.kind.name << ", set " << values[i]);
            SendMessageW(button, BM_SETCHECK, BST_UNCHECKED, 0);
            EXPECT_EQ(SendMessageW(button, BM_SETCHECK, values[i], 0), 0);
            EXPECT_EQ(Check(button), c.check[i]);
            EXPECT_EQ(State(button) & 3, c.check[i]) << "BM_GETSTATE holds the check";
        }
        DestroyWindow(button);
    }
}

TEST_F(CheckButtonTest, BmSetCheckRepaintsOnlyWhenTheStateChanges) {
    struct Step {
        WPARAM value;
        int paints;  // WM_CTLCOLOR... the parent hears afterwards
    };
    struct Case {
        Kind kind;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {{"auto check box", BS_AUTOCHECKBOX}, {{0, 0}, {1, 1}, {1, 0}, {2, 0}, {0, 1}}},
        {{"3-state", BS_3STATE}, {{1, 1}, {2, 1}, {2, 0}, {7, 0}}},
        {{"radio", BS_RADIOBUTTON}, {{0, 0}, {1, 1}, {1, 0}}},
        {{"push", BS_PUSHBUTTON}, {{1, 0}, {2, 0}}},
    };
    for (const Case& c : cases) {
        HWND button = Button(c.kind.style);
        for (const Step& s : c.steps) {
            Backend().PumpUntilIdle();
            Log().Clear();
            SendMessageW(button, BM_SETCHECK, s.value, 0);
            Backend().PumpUntilIdle();
            const int paints = Log().Count(WM_CTLCOLORSTATIC, panel_) + Log().Count(WM_CTLCOLORBTN, panel_);
            EXPECT_EQ(paints, s.paints) << c.kind.name << ", set " << s.value;
        }
        DestroyWindow(button);
    }
}

TEST_F(CheckButtonTest, ARadioButtonIsATabStopExactlyWhileChecked) {
    struct Case {
        Kind kind;
        bool stopUnchecked, stopChecked;
    };
    const Case cases[] = {
        {{"radio", BS_RADIOBUTTON}, false, true},
        {{"auto radio", BS_AUTORADIOBUTTON}, false, true},
        {{"auto check box keeps its style", BS_AUTOCHECKBOX}, true, true},
    };
    for (const Case& c : cases) {
        HWND button = Button(c.kind.style | WS_TABSTOP);
        SendMessageW(button, BM_SETCHECK, BST_UNCHECKED, 0);
        EXPECT_EQ((GetWindowLongW(button, GWL_STYLE) & WS_TABSTOP) != 0, c.stopUnchecked) << c.kind.name;
        SendMessageW(button, BM_SETCHECK, BST_CHECKED, 0);
        EXPECT_EQ((GetWindowLongW(button, GWL_STYLE) & WS_TABSTOP) != 0, c.stopChecked) << c.kind.name;
        DestroyWindow(button);
    }
}

TEST_F(CheckButtonTest, BmGetStateHoldsTheCheckBesideThePushAndTheFocus) {
    struct Step {
        const char* name;
        std::function<void(HWND)> act;
        LRESULT state;
    };
    for (Kind kind : {Kind{"check box", BS_CHECKBOX}, Kind{"auto radio", BS_AUTORADIOBUTTON}}) {
        HWND button = Button(kind.style);
        const Step steps[] = {
            {"checked", [](HWND b) { SendMessageW(b, BM_SETCHECK, BST_CHECKED, 0); }, BST_CHECKED},
            {"pushed", [](HWND b) { SendMessageW(b, BM_SETSTATE, TRUE, 0); }, BST_CHECKED | BST_PUSHED},
            {"focused", [](HWND b) { SetFocus(b); }, BST_CHECKED | BST_PUSHED | BST_FOCUS},
            {"let up", [](HWND b) { SendMessageW(b, BM_SETSTATE, FALSE, 0); }, BST_CHECKED | BST_FOCUS},
            {"focus gone", [&](HWND) { SetFocus(panel_); }, BST_CHECKED},
        };
        for (const Step& s : steps) {
            s.act(button);
            EXPECT_EQ(State(button), s.state) << kind.name << ", " << s.name;
        }
        DestroyWindow(button);
    }
}

// ---- Clicking ----

TEST_F(CheckButtonTest, EachKindOnThreeClicksByEveryMeans) {
    struct Case {
        Kind kind;
        std::array<LRESULT, 3> checks;  // after each click
    };
    const Case cases[] = {
        {{"push", BS_PUSHBUTTON}, {0, 0, 0}},
        {{"check box", BS_CHECKBOX}, {0, 0, 0}},
        {{"auto check box", BS_AUTOCHECKBOX}, {1, 0, 1}},
        {{"radio", BS_RADIOBUTTON}, {0, 0, 0}},
        {{"3-state", BS_3STATE}, {0, 0, 0}},
        {{"auto 3-state", BS_AUTO3STATE}, {1, 2, 0}},
        {{"auto radio", BS_AUTORADIOBUTTON}, {1, 1, 1}},
        {{"group box", BS_GROUPBOX}, {0, 0, 0}},
        {{"owner-drawn", BS_OWNERDRAW}, {0, 0, 0}},
    };
    struct Means {
        const char* name;
        std::function<void(HWND)> click;
    };
    const Means means[] = {
        {"BM_CLICK", [](HWND b) { SendMessageW(b, BM_CLICK, 0, 0); }},
        {"Space", [&](HWND b) {
             SetFocus(b);
             PressSpace();
         }},
        {"mouse", [&](HWND) {
             Backend().Click(panel_, kOver.x, kOver.y);
             // Apart, so the next press is not a double click.
             Backend().AdvanceClock(1000);
         }},
    };
    for (const Case& c : cases) {
        for (const Means& m : means) {
            // A group box lets the real mouse through to the panel; it is clicked only by messages.
            if (c.kind.style == BS_GROUPBOX && std::string(m.name) == "mouse") continue;
            HWND button = Button(c.kind.style);
            Log().Clear();
            checkAtClick.clear();
            for (std::size_t i = 0; i < c.checks.size(); ++i) {
                SCOPED_TRACE(testing::Message() << c.kind.name << " by " << m.name << ", click " << i + 1);
                m.click(button);
                Backend().PumpUntilIdle();
                EXPECT_EQ(Check(button), c.checks[i]);
                ASSERT_EQ(checkAtClick.size(), i + 1) << "one BN_CLICKED a click";
                EXPECT_EQ(checkAtClick[i], c.checks[i]) << "the state changes before the parent hears";
            }
            EXPECT_EQ(GetCapture(), nullptr);
            EXPECT_EQ(State(button) & (BST_PUSHED | 0x40), 0);
            DestroyWindow(button);
        }
    }
}

TEST_F(CheckButtonTest, APressUnderWayIsReportedAndHoldsTheCapture) {
    struct Case {
        const char* name;
        std::function<void()> press, release;
    };
    const Case cases[] = {
        {"mouse", [&] { Backend().MouseDown(panel_, kOver.x, kOver.y); },
         [&] { Backend().MouseUp(panel_, kOver.x, kOver.y); }},
        {"Space", [&] { Backend().KeyDown(VK_SPACE); }, [&] { Backend().KeyUp(VK_SPACE); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND button = Button(BS_AUTOCHECKBOX);
        SendMessageW(button, BM_SETCHECK, BST_CHECKED, 0);
        SetFocus(button);
        c.press();
        Backend().PumpUntilIdle();
        EXPECT_EQ(State(button), 0x40 | BST_FOCUS | BST_PUSHED | BST_CHECKED);
        EXPECT_EQ(GetCapture(), button);
        c.release();
        Backend().PumpUntilIdle();
        EXPECT_EQ(State(button), BST_FOCUS);
        EXPECT_EQ(GetCapture(), nullptr);
        DestroyWindow(button);
        Backend().AdvanceClock(1000);
    }
}

TEST_F(CheckButtonTest, ASpacePressEndedAnotherWayIsNoClick) {
    struct Case {
        const char* name;
        std::function<void(HWND)> interrupt;
    };
    const Case cases[] = {
        {"capture taken", [&](HWND) {
             SetCapture(panel_);
             ReleaseCapture();
         }},
        {"focus gone", [&](HWND) { SetFocus(panel_); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND button = Button(BS_AUTOCHECKBOX);
        SetFocus(button);
        Log().Clear();
        Backend().KeyDown(VK_SPACE);
        Backend().PumpUntilIdle();
        c.interrupt(button);
        EXPECT_EQ(State(button) & (BST_PUSHED | 0x40), 0);
        Backend().KeyUp(VK_SPACE);
        Backend().PumpUntilIdle();
        EXPECT_TRUE(Notices(button).empty());
        EXPECT_EQ(Check(button), BST_UNCHECKED);
        DestroyWindow(button);
    }
}

TEST_F(CheckButtonTest, AHeldSpaceRepeatingClicksOnce) {
    HWND button = Button(BS_AUTOCHECKBOX);
    SetFocus(button);
    Log().Clear();
    for (int i = 0; i < 3; ++i) Backend().KeyDown(VK_SPACE);  // the key repeats
    Backend().KeyUp(VK_SPACE);
    Backend().PumpUntilIdle();
    EXPECT_EQ(Notices(button), std::vector<WORD>{BN_CLICKED});
    EXPECT_EQ(Check(button), BST_CHECKED);
}

TEST_F(CheckButtonTest, SomeKindsTellOfADoubleClickInsteadOfASecondClick) {
    struct Case {
        Kind kind;
        std::vector<WORD> notices;
        LRESULT check;
    };
    const Case cases[] = {
        {{"push", BS_PUSHBUTTON}, {BN_CLICKED, BN_CLICKED}, 0},
        {{"radio", BS_RADIOBUTTON}, {BN_CLICKED, BN_DBLCLK}, 0},
        {{"owner-drawn", BS_OWNERDRAW}, {BN_CLICKED, BN_DBLCLK}, 0},
        {{"auto radio", BS_AUTORADIOBUTTON}, {BN_CLICKED, BN_CLICKED}, 1},
        {{"auto check box", BS_AUTOCHECKBOX}, {BN_CLICKED, BN_CLICKED}, 0},
        {{"auto check box, BS_NOTIFY", BS_AUTOCHECKBOX | BS_NOTIFY}, {BN_SETFOCUS, BN_CLICKED, BN_DBLCLK}, 1},
        {{"push, BS_NOTIFY", BS_PUSHBUTTON | BS_NOTIFY}, {BN_SETFOCUS, BN_CLICKED, BN_DBLCLK}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind.name);
        HWND button = Button(c.kind.style);
        Log().Clear();
        for (int i = 0; i < 2; ++i) {
            Backend().MouseDown(panel_, kOver.x, kOver.y);
            Backend().MouseUp(panel_, kOver.x, kOver.y);
            Backend().PumpUntilIdle();
        }
        EXPECT_EQ(Notices(button), c.notices);
        EXPECT_EQ(Check(button), c.check);
        EXPECT_EQ(GetCapture(), nullptr);
        SetFocus(panel_);
        DestroyWindow(button);
        Backend().AdvanceClock(1000);
    }
}

TEST_F(CheckButtonTest, BsNotifyTellsTheParentOfTheFocus) {
    struct Case {
        Kind kind;
        std::vector<WORD> notices;  // focused, clicked by BM_CLICK, then the focus goes
    };
    const Case cases[] = {
        {{"push, BS_NOTIFY", BS_PUSHBUTTON | BS_NOTIFY}, {BN_SETFOCUS, BN_CLICKED, BN_KILLFOCUS}},
        {{"auto radio, BS_NOTIFY", BS_AUTORADIOBUTTON | BS_NOTIFY}, {BN_SETFOCUS, BN_CLICKED, BN_KILLFOCUS}},
        {{"group box, BS_NOTIFY", BS_GROUPBOX | BS_NOTIFY}, {BN_SETFOCUS, BN_CLICKED, BN_KILLFOCUS}},
        {{"check box", BS_CHECKBOX}, {BN_CLICKED}},
    };
    for (const Case& c : cases) {
        HWND button = Button(c.kind.style);
        Log().Clear();
        SendMessageW(button, BM_CLICK, 0, 0);
        SetFocus(panel_);
        EXPECT_EQ(Notices(button), c.notices) << c.kind.name;
        DestroyWindow(button);
    }
}

// ---- The dialog manager and the mouse ----

TEST_F(CheckButtonTest, DialogCodeOfEachKind) {
    struct Case {
        Kind kind;
        LRESULT code;
    };
    const Case cases[] = {
        {{"push", BS_PUSHBUTTON}, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON},
        {{"default push", BS_DEFPUSHBUTTON}, DLGC_BUTTON | DLGC_DEFPUSHBUTTON},
        {{"check box", BS_CHECKBOX}, DLGC_BUTTON},
        {{"auto check box", BS_AUTOCHECKBOX}, DLGC_BUTTON},
        {{"radio", BS_RADIOBUTTON}, DLGC_BUTTON | DLGC_RADIOBUTTON},
        {{"3-state", BS_3STATE}, DLGC_BUTTON},
        {{"auto 3-state", BS_AUTO3STATE}, DLGC_BUTTON},
        {{"group box", BS_GROUPBOX}, DLGC_STATIC},
        {{"user button", BS_USERBUTTON}, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON},
        {{"auto radio", BS_AUTORADIOBUTTON}, DLGC_BUTTON | DLGC_RADIOBUTTON},
        {{"owner-drawn", BS_OWNERDRAW}, DLGC_BUTTON},
        {{"push-like check box", BS_AUTOCHECKBOX | BS_PUSHLIKE}, DLGC_BUTTON},
        {{"radio with its text on the left", BS_AUTORADIOBUTTON | BS_LEFTTEXT}, DLGC_BUTTON | DLGC_RADIOBUTTON},
        {{"group box, BS_NOTIFY", BS_GROUPBOX | BS_NOTIFY}, DLGC_STATIC},
    };
    for (const Case& c : cases) {
        HWND button = Button(c.kind.style);
        EXPECT_EQ(SendMessageW(button, WM_GETDLGCODE, 0, 0), c.code) << c.kind.name;
        EnableWindow(button, FALSE);
        EXPECT_EQ(SendMessageW(button, WM_GETDLGCODE, 0, 0), c.code) << c.kind.name << ", disabled";
        DestroyWindow(button);
    }
}

TEST_F(CheckButtonTest, AGroupBoxLetsTheMouseThroughToWhatLiesBeneath) {
    // Made first, so above the radio button it frames, as in a dialog.
    HWND group = Button(BS_GROUPBOX | BS_NOTIFY, L"Options", {10, 10, 310, 210}, 1);
    HWND radio = Button(BS_AUTORADIOBUTTON, L"Fast", {30, 40, 130, 60}, 2);
    Backend().PumpUntilIdle();
    EXPECT_EQ(SendMessageW(group, WM_NCHITTEST, 0, MAKELPARAM(100, 100)), HTTRANSPARENT);
    struct Case {
        const char* name;
        POINT at;
        HWND clicked;  // null: the panel gets the press
    };
    const Case cases[] = {
        {"the radio button inside", {40, 50}, radio},
        {"the empty inside", {200, 150}, nullptr},
        {"the caption", {25, 12}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Log().Clear();
        Backend().Click(panel_, c.at.x, c.at.y);
        Backend().PumpUntilIdle();
        Backend().AdvanceClock(1000);
        EXPECT_TRUE(Notices(group).empty());
        EXPECT_EQ(Notices(radio).size(), c.clicked == radio ? 1u : 0u);
        EXPECT_EQ(Log().Count(WM_LBUTTONDOWN, panel_), c.clicked ? 0 : 1);
    }
    EXPECT_EQ(Check(radio), BST_CHECKED);
}

// ---- Colours ----

TEST_F(CheckButtonTest, EachKindAsksItsParentForItsColours) {
    struct Case {
        Kind kind;
        UINT message;
    };
    const Case cases[] = {
        {{"push", BS_PUSHBUTTON}, WM_CTLCOLORBTN},
        {{"default push", BS_DEFPUSHBUTTON}, WM_CTLCOLORBTN},
        {{"check box", BS_CHECKBOX}, WM_CTLCOLORSTATIC},
        {{"auto check box", BS_AUTOCHECKBOX}, WM_CTLCOLORSTATIC},
        {{"radio", BS_RADIOBUTTON}, WM_CTLCOLORSTATIC},
        {{"3-state", BS_3STATE}, WM_CTLCOLORSTATIC},
        {{"auto 3-state", BS_AUTO3STATE}, WM_CTLCOLORSTATIC},
        {{"group box", BS_GROUPBOX}, WM_CTLCOLORSTATIC},
        {{"user button", BS_USERBUTTON}, WM_CTLCOLORBTN},
        {{"auto radio", BS_AUTORADIOBUTTON}, WM_CTLCOLORSTATIC},
        {{"owner-drawn", BS_OWNERDRAW}, WM_CTLCOLORBTN},
        {{"push-like check box", BS_AUTOCHECKBOX | BS_PUSHLIKE}, WM_CTLCOLORBTN},
        {{"radio with its text on the left", BS_AUTORADIOBUTTON | BS_LEFTTEXT}, WM_CTLCOLORSTATIC},
    };
    for (const Case& c : cases) {
        HWND button = Button(c.kind.style);
        Backend().PumpUntilIdle();
        Log().Clear();
        InvalidateRect(button, nullptr, FALSE);
        Backend().PumpUntilIdle();
        const UINT other = c.message == WM_CTLCOLORBTN ? WM_CTLCOLORSTATIC : WM_CTLCOLORBTN;
        EXPECT_GE(Log().Count(c.message, panel_), 1) << c.kind.name;
        EXPECT_EQ(Log().Count(other, panel_), 0) << c.kind.name;
        DestroyWindow(button);
    }
}

TEST_F(CheckButtonTest, TheParentsBrushAndTextColoursAreDrawnWith) {
    constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kGreen = RGB(0, 255, 0);  // text, background
    staticText = kBlue;
    staticBack = kGreen;
    struct Case {
        Kind kind;
        POINT background;  // a pixel where only the brush shows
    };
    const Case cases[] = {
        {{"auto check box", BS_AUTOCHECKBOX}, {117, 2}},
        {{"radio", BS_RADIOBUTTON}, {117, 2}},
        {{"radio, text on the left", BS_RADIOBUTTON | BS_LEFTTEXT}, {100, 2}},
        {{"group box", BS_GROUPBOX}, {116, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind.name);
        HWND button = Button(c.kind.style, L"WWW");
        std::vector<COLORREF> backgrounds;
        for (COLORREF brushColour : {kRed, RGB(250, 250, 0)}) {
            HBRUSH brush = CreateSolidBrush(brushColour);
            staticBrush = brush;
            InvalidateRect(button, nullptr, FALSE);
            Backend().PumpUntilIdle();
            backgrounds.push_back(Pixel(button, c.background.x, c.background.y));
            // Smoothed glyphs blend the text colour into the background colour round their edges.
            const auto mostlyBlue = [](COLORREF p) { return GetRValue(p) == 0 && GetBValue(p) > GetGValue(p) + 64; };
            EXPECT_GT(CountPixels(button, mostlyBlue), 10) << "text in the parent's colour";
            // The parent left the background mode opaque: the text stands on its background colour.
            EXPECT_GT(CountPixels(button, [&](COLORREF p) { return p == kGreen; }), 10);
            staticBrush = nullptr;
            DeleteObject(brush);
        }
        EXPECT_EQ(backgrounds[0], kRed);
        EXPECT_EQ(backgrounds[1], RGB(250, 250, 0));
        DestroyWindow(button);
    }
}

}  // namespace
