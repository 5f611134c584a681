// The "Button" control: how a person clicks one (mouse, Space, the dialog manager's Enter),
// what it tells its parent, what it answers the dialog manager, and how it looks in each state.
#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "HeadlessTest.h"
#include "Screenshot.h"
#include "controls/Look.h"
#include "core/gdi/GdiObjects.h"

namespace {

namespace look = platform::look;

constexpr int kId = 42;
constexpr RECT kButtonRect{10, 10, 110, 40};  // in the panel
constexpr POINT kOverButton{60, 25};          // panel coordinates
constexpr POINT kOffButton{200, 80};

// What the panel does for its buttons: owner-drawn ones are filled with one colour, and the
// brush it answers WM_CTLCOLORBTN with (null: the default answer).
constexpr COLORREF kOwnerFill = RGB(40, 160, 90);
HBRUSH buttonBrush = nullptr;
std::vector<DRAWITEMSTRUCT> drawn;

LRESULT CALLBACK PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Log().Add({hwnd, message, wParam, lParam});
    if (message == WM_DRAWITEM) {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        drawn.push_back(*item);
        HBRUSH fill = CreateSolidBrush(kOwnerFill);
        FillRect(item->hDC, &item->rcItem, fill);
        DeleteObject(fill);
        return TRUE;
    }
    if (message == WM_CTLCOLORBTN && buttonBrush) return reinterpret_cast<LRESULT>(buttonBrush);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

class ButtonTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        drawn.clear();
        buttonBrush = nullptr;
        RegisterProcClass(L"Panel", PanelProc);
        panel_ = CreateWindowExW(0, L"Panel", L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 100, nullptr, nullptr, nullptr,
                                 nullptr);
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

    HWND Button(DWORD style, const wchar_t* text = L"&OK", int id = kId, RECT at = kButtonRect) {
        return CreateWindowExW(0, L"Button", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, at.left, at.top,
                               at.right - at.left, at.bottom - at.top, panel_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }

    // The BN_CLICKED notices the panel has had.
    std::vector<LoggedMessage> Clicks() const {
        std::vector<LoggedMessage> clicks;
        for (const LoggedMessage& m : Log().Messages())
            if (m.hwnd == panel_ && m.message == WM_COMMAND && HIWORD(m.wParam) == BN_CLICKED) clicks.push_back(m);
        return clicks;
    }

    static bool IsPushed(HWND button) { return (SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; }

    // The darkest green level among the button's pixels inside its frame: where its text is.
    int DarkestInk(HWND button) {
        int darkest = 255;
        for (int y = 4; y < 26; ++y)
            for (int x = 4; x < 96; ++x)
                darkest = std::min<int>(darkest, GetGValue(Backend().WindowPixel(button, x, y)));
        return darkest;
    }

    // The first and last columns of the button holding text-dark pixels.
    std::pair<int, int> InkColumns(HWND button) {
        constexpr int kInk = 0x60;  // green level below which a pixel is taken for text
        int first = -1, last = -1;
        for (int x = 4; x < 96; ++x)
            for (int y = 4; y < 26; ++y)
                if (GetGValue(Backend().WindowPixel(button, x, y)) < kInk) {
                    if (first < 0) first = x;
                    last = x;
                }
        return {first, last};
    }

    HWND panel_ = nullptr;

private:
    std::optional<ScreenshotOnFailure> screenshot_;
    platform::GdiCounts objects_;
};

// ---- Clicking ----

TEST_F(ButtonTest, TheMouseClicksOnlyWhenReleasedOverTheButtonItWentDownOn) {
    enum class Act { Down, Move, Up };
    struct Step {
        Act act;
        POINT at;
        bool pushedAfter;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        int clicks;
    };
    const Case cases[] = {
        {"click", {{Act::Down, kOverButton, true}, {Act::Up, kOverButton, false}}, 1},
        {"released outside", {{Act::Down, kOverButton, true}, {Act::Up, kOffButton, false}}, 0},
        {"leaves and comes back",
         {{Act::Down, kOverButton, true},
          {Act::Move, kOffButton, false},
          {Act::Move, kOverButton, true},
          {Act::Up, kOverButton, false}},
         1},
        {"pressed elsewhere", {{Act::Down, kOffButton, false}, {Act::Up, kOverButton, false}}, 0},
        {"double click",  // the second press comes as WM_LBUTTONDBLCLK
         {{Act::Down, kOverButton, true},
          {Act::Up, kOverButton, false},
          {Act::Down, kOverButton, true},
          {Act::Up, kOverButton, false}},
         2},
    };
    for (DWORD kind : {BS_PUSHBUTTON, BS_DEFPUSHBUTTON, BS_OWNERDRAW}) {
        for (const Case& c : cases) {
            // An owner-drawn button tells of a double click instead of taking a second press;
            // CheckButtonTest holds that case with the other kinds that do.
            if (kind == BS_OWNERDRAW && std::string(c.name) == "double click") continue;
            SCOPED_TRACE(testing::Message() << c.name << ", kind " << kind);
            HWND button = Button(kind);
            Backend().PumpUntilIdle();
            Log().Clear();
            for (std::size_t i = 0; i < c.steps.size(); ++i) {
                const Step& s = c.steps[i];
                if (s.act == Act::Down) Backend().MouseDown(panel_, s.at.x, s.at.y);
                if (s.act == Act::Move) Backend().MouseMove(panel_, s.at.x, s.at.y);
                if (s.act == Act::Up) Backend().MouseUp(panel_, s.at.x, s.at.y);
                Backend().PumpUntilIdle();
                EXPECT_EQ(IsPushed(button), s.pushedAfter) << "after step " << i;
            }
            const auto clicks = Clicks();
            ASSERT_EQ(static_cast<int>(clicks.size()), c.clicks);
            if (c.clicks) {
                EXPECT_EQ(clicks[0].wParam, MAKEWPARAM(kId, BN_CLICKED));
                EXPECT_EQ(clicks[0].lParam, reinterpret_cast<LPARAM>(button));
            }
            EXPECT_EQ(GetCapture(), nullptr) << "the capture ends with the press";
            DestroyWindow(button);
        }
    }
}

TEST_F(ButtonTest, BmClickClicksAndSpaceOnlyWhenReleasedOnTheFocusedButton) {
    struct Case {
        const char* name;
        std::function<void(HWND)> act;
        int clicks;
    };
    const Case cases[] = {
        {"Space released after the focus moved on", [&](HWND) {
             Backend().KeyDown(VK_SPACE);
             Backend().PumpUntilIdle();
             SetFocus(panel_);
             Backend().KeyUp(VK_SPACE);
         }, 0},
        {"another key", [&](HWND) { Backend().PressKey(VK_RETURN); }, 0},
        {"BM_CLICK", [](HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND button = Button(BS_PUSHBUTTON);
        SetFocus(button);
        Log().Clear();
        c.act(button);
        Backend().PumpUntilIdle();
        EXPECT_EQ(static_cast<int>(Clicks().size()), c.clicks);
        EXPECT_FALSE(IsPushed(button));
        DestroyWindow(button);
    }
}

TEST_F(ButtonTest, SpaceHoldsTheButtonDownUntilReleased) {
    HWND button = Button(BS_PUSHBUTTON);
    SetFocus(button);
    Log().Clear();
    Backend().KeyDown(VK_SPACE);
    Backend().PumpUntilIdle();
    EXPECT_TRUE(IsPushed(button));
    EXPECT_TRUE(Clicks().empty()) << "no click before the key comes up";
    Backend().KeyUp(VK_SPACE);
    Backend().PumpUntilIdle();
    EXPECT_FALSE(IsPushed(button));
    EXPECT_EQ(Clicks().size(), 1u);
}

TEST_F(ButtonTest, ADisabledButtonIsNotClicked) {
    HWND button = Button(BS_PUSHBUTTON | WS_DISABLED);
    Backend().Click(panel_, kOverButton.x, kOverButton.y);
    Backend().PumpUntilIdle();
    SendMessageW(button, BM_CLICK, 0, 0);
    EXPECT_TRUE(Clicks().empty());
    EXPECT_FALSE(IsPushed(button));
}

TEST_F(ButtonTest, LosingTheCaptureLetsTheButtonUpWithoutAClick) {
    HWND button = Button(BS_PUSHBUTTON);
    Backend().MouseDown(panel_, kOverButton.x, kOverButton.y);
    Backend().PumpUntilIdle();
    ASSERT_EQ(GetCapture(), button);
    SetCapture(panel_);
    EXPECT_FALSE(IsPushed(button));
    ReleaseCapture();
    Backend().MouseUp(panel_, kOverButton.x, kOverButton.y);
    Backend().PumpUntilIdle();
    EXPECT_TRUE(Clicks().empty());
}

// ---- The dialog manager ----

TEST_F(ButtonTest, DialogCodeTellsTheKindOfButton) {
    struct Case {
        DWORD style;
        LRESULT code;
    };
    for (Case c : {Case{BS_PUSHBUTTON, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON},
                   Case{BS_DEFPUSHBUTTON, DLGC_BUTTON | DLGC_DEFPUSHBUTTON}, Case{BS_OWNERDRAW, DLGC_BUTTON}}) {
        HWND button = Button(c.style);
        EXPECT_EQ(SendMessageW(button, WM_GETDLGCODE, 0, 0), c.code) << "style " << c.style;
        DestroyWindow(button);
    }
    HWND button = Button(BS_PUSHBUTTON);
    SendMessageW(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(SendMessageW(button, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_DEFPUSHBUTTON) << "after BM_SETSTYLE";
    EXPECT_TRUE(GetWindowLongW(button, GWL_STYLE) & WS_VISIBLE) << "only the kind changed";
}

TEST_F(ButtonTest, EnterThroughTheDialogManagerChoosesTheDefaultButton) {
    Button(BS_PUSHBUTTON, L"Plain", 5, {10, 10, 110, 40});
    HWND chosen = Button(BS_DEFPUSHBUTTON, L"Default", 7, {120, 10, 220, 40});
    SetFocus(panel_);
    Log().Clear();
    Backend().KeyDown(VK_RETURN);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        if (!IsDialogMessageW(panel_, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    const auto clicks = Clicks();
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].wParam, MAKEWPARAM(7, BN_CLICKED));
    EXPECT_EQ(clicks[0].lParam, reinterpret_cast<LPARAM>(chosen));
}

// ---- Owner drawing ----

TEST_F(ButtonTest, AnOwnerDrawnButtonAsksItsParentToDrawItWithItsState) {
    struct Case {
        const char* name;
        std::function<void(HWND)> act;
        UINT state;
    };
    const Case cases[] = {
        {"at rest", [](HWND button) { InvalidateRect(button, nullptr, FALSE); }, 0},
        {"focused", [](HWND button) { SetFocus(button); }, ODS_FOCUS},
        {"held down", [&](HWND) { Backend().MouseDown(panel_, kOverButton.x, kOverButton.y); },
         ODS_SELECTED | ODS_FOCUS},
        {"pushed by BM_SETSTATE", [](HWND button) { SendMessageW(button, BM_SETSTATE, TRUE, 0); }, ODS_SELECTED},
        {"disabled", [](HWND button) { EnableWindow(button, FALSE); }, ODS_DISABLED},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND button = Button(BS_OWNERDRAW);
        Backend().PumpUntilIdle();
        drawn.clear();
        c.act(button);
        Backend().PumpUntilIdle();
        ASSERT_FALSE(drawn.empty());
        const DRAWITEMSTRUCT& item = drawn.back();
        EXPECT_EQ(item.CtlType, static_cast<UINT>(ODT_BUTTON));
        EXPECT_EQ(item.CtlID, static_cast<UINT>(kId));
        EXPECT_EQ(item.itemAction, static_cast<UINT>(ODA_DRAWENTIRE));
        EXPECT_EQ(item.itemState, c.state);
        EXPECT_EQ(item.hwndItem, button);
        const RECT client{0, 0, kButtonRect.right - kButtonRect.left, kButtonRect.bottom - kButtonRect.top};
        EXPECT_TRUE(EqualRect(&item.rcItem, &client)) << "the client area";
        EXPECT_EQ(Backend().WindowPixel(button, 50, 15), kOwnerFill) << "drawn by the parent, through hDC";
        ReleaseCapture();
        DestroyWindow(button);
    }
}

// ---- Looks ----

TEST_F(ButtonTest, TheFaceFollowsThePointerAndThePress) {
    HWND button = Button(BS_PUSHBUTTON);
    const POINT face{10, 8};  // inside the frame, clear of the text
    struct Step {
        const char* name;
        std::function<void()> act;
        COLORREF face;
    };
    const Step steps[] = {
        {"at rest", [] {}, look::kFace},
        {"pointer over it", [&] { Backend().MouseMove(panel_, kOverButton.x, kOverButton.y); }, look::kFaceHot},
        {"held down", [&] { Backend().MouseDown(panel_, kOverButton.x, kOverButton.y); }, look::kFacePressed},
        {"released", [&] { Backend().MouseUp(panel_, kOverButton.x, kOverButton.y); }, look::kFaceHot},
        {"pointer gone", [&] { Backend().MouseMove(panel_, kOffButton.x, kOffButton.y); }, look::kFace},
    };
    for (const Step& s : steps) {
        s.act();
        Backend().PumpUntilIdle();
        EXPECT_EQ(Backend().WindowPixel(button, face.x, face.y), s.face) << s.name;
    }
}

TEST_F(ButtonTest, TheDefaultAndTheFocusedButtonWearTheAccentFrame) {
    struct Case {
        const char* name;
        DWORD style;
        bool focused;
        COLORREF innerRing;  // one pixel in from the left edge
        bool focusRectangle;
    };
    const Case cases[] = {
        {"plain", BS_PUSHBUTTON, false, look::kFace, false},
        {"default", BS_DEFPUSHBUTTON, false, look::kBorderFocus, false},
        {"focused", BS_PUSHBUTTON, true, look::kBorderFocus, true},
    };
    for (const Case& c : cases) {
        HWND button = Button(c.style);
        if (c.focused) SetFocus(button);
        Backend().PumpUntilIdle();
        EXPECT_EQ(Backend().WindowPixel(button, 1, 15), c.innerRing) << c.name;
        // The dotted focus rectangle runs down the column three pixels in.
        bool dotted = false;
        for (int y = 5; y < 25; ++y) dotted |= Backend().WindowPixel(button, 3, y) != look::kFace;
        EXPECT_EQ(dotted, c.focusRectangle) << c.name;
        SetFocus(nullptr);
        DestroyWindow(button);
    }
}

TEST_F(ButtonTest, ADisabledButtonIsGreyedAndRepaintsWhenEnabled) {
    HWND button = Button(BS_PUSHBUTTON | WS_DISABLED);
    Backend().PumpUntilIdle();
    EXPECT_EQ(Backend().WindowPixel(button, 10, 8), look::kDisabledFace);
    const int disabledInk = DarkestInk(button);
    EXPECT_GE(disabledInk, GetGValue(look::kDisabledText)) << "nothing darker than the greyed text";
    EXPECT_LT(disabledInk, GetGValue(look::kDisabledFace)) << "the text is there";
    EnableWindow(button, TRUE);
    Backend().PumpUntilIdle();
    EXPECT_EQ(Backend().WindowPixel(button, 10, 8), look::kFace);
    EXPECT_LT(DarkestInk(button), GetGValue(look::kDisabledText)) << "dark text once enabled";
}

TEST_F(ButtonTest, TheTextIsCentredWithoutItsAccessKeyMark) {
    std::vector<std::pair<int, int>> columns;
    for (const wchar_t* text : {L"&OK", L"OK"}) {
        HWND button = Button(BS_PUSHBUTTON, text);
        Backend().PumpUntilIdle();
        columns.push_back(InkColumns(button));
        DestroyWindow(button);
    }
    ASSERT_GE(columns[0].first, 0) << "some text was drawn";
    EXPECT_EQ(columns[0], columns[1]) << "the ampersand is not drawn";
    EXPECT_NEAR((columns[0].first + columns[0].second) / 2, 50, 2) << "centred in the 100 pixels";
}

TEST_F(ButtonTest, TheFontGivenIsKeptAndDrawnWith) {
    HFONT large = CreateFontW(-20, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"DejaVu Sans");
    HWND button = Button(BS_PUSHBUTTON);
    EXPECT_EQ(SendMessageW(button, WM_GETFONT, 0, 0), 0) << "none given yet: the dialog font";
    Backend().PumpUntilIdle();
    auto [dialogFirst, dialogLast] = InkColumns(button);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(large), TRUE);
    EXPECT_EQ(SendMessageW(button, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(large));
    Backend().PumpUntilIdle();
    auto [largeFirst, largeLast] = InkColumns(button);
    EXPECT_GT(largeLast - largeFirst, dialogLast - dialogFirst) << "wider text in the larger font";
    DestroyWindow(button);
    DeleteObject(large);
}

TEST_F(ButtonTest, TheParentsBrushShowsOnlyRoundTheCorners) {
    HWND button = Button(BS_PUSHBUTTON);
    Backend().PumpUntilIdle();
    Log().Clear();
    std::vector<COLORREF> corners;
    for (COLORREF colour : {RGB(255, 0, 0), RGB(0, 0, 255)}) {
        buttonBrush = CreateSolidBrush(colour);
        InvalidateRect(button, nullptr, FALSE);
        Backend().PumpUntilIdle();
        corners.push_back(Backend().WindowPixel(button, 0, 0));
        EXPECT_EQ(Backend().WindowPixel(button, 10, 8), look::kFace) << "the face is the look's";
        DeleteObject(buttonBrush);
        buttonBrush = nullptr;
    }
    EXPECT_NE(corners[0], corners[1]) << "the corner lets the parent's brush through";
    EXPECT_EQ(Log().Count(WM_CTLCOLORBTN, panel_), 2) << "asked before each paint";
}

// ---- Screenshots ----

class ButtonScreenshotTest : public HeadlessTest {
protected:
    // A dialog-like window with a plain button that has the focus, a default and a disabled one.
    HWND Dialog() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
        wc.lpszClassName = L"ScreenshotDialog";
        RegisterClassW(&wc);
        HWND dialog = CreateWindowExW(0, L"ScreenshotDialog", L"", WS_POPUP | WS_VISIBLE, 0, 0, 292, 48, nullptr,
                                      nullptr, nullptr, nullptr);
        struct Item {
            const wchar_t* text;
            DWORD style;
            int x;
        };
        for (Item item : {Item{L"&Play", BS_DEFPUSHBUTTON, 12}, Item{L"&Options", BS_PUSHBUTTON, 104},
                          Item{L"&Quit", BS_PUSHBUTTON | WS_DISABLED, 196}}) {
            HWND button = CreateWindowExW(0, L"Button", item.text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | item.style,
                                          item.x, 12, 84, 24, dialog, nullptr, nullptr, nullptr);
            if (item.style == BS_PUSHBUTTON) SetFocus(button);
        }
        Backend().PumpUntilIdle();
        return dialog;
    }

    static std::vector<unsigned char> ReadFile(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    static std::uint32_t BigEndianAt(const std::vector<unsigned char>& bytes, std::size_t at) {
        return (std::uint32_t{bytes[at]} << 24) | (std::uint32_t{bytes[at + 1]} << 16) |
               (std::uint32_t{bytes[at + 2]} << 8) | bytes[at + 3];
    }
};

TEST_F(ButtonScreenshotTest, WritesAPngOfTheWindowsPixels) {
    HWND dialog = Dialog();
    const std::string path = ScreenshotDirectory() + "/buttons.png";
    ASSERT_TRUE(WritePng(path, dialog));
    const std::vector<unsigned char> png = ReadFile(path);
    ASSERT_GT(png.size(), 33u);
    const std::vector<unsigned char> signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(std::equal(signature.begin(), signature.end(), png.begin()));
    EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR");
    RECT outer;
    GetWindowRect(dialog, &outer);
    EXPECT_EQ(BigEndianAt(png, 16), static_cast<std::uint32_t>(outer.right - outer.left)) << "width";
    EXPECT_EQ(BigEndianAt(png, 20), static_cast<std::uint32_t>(outer.bottom - outer.top)) << "height";
    // Every PNG ends with the same empty IEND chunk, its CRC included.
    const std::vector<unsigned char> end{0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};
    EXPECT_TRUE(std::equal(end.begin(), end.end(), png.end() - 12));
}

TEST_F(ButtonScreenshotTest, RefusesAWindowThatIsGoneOrAPlaceItCannotWrite) {
    HWND dialog = Dialog();
    EXPECT_FALSE(WritePng(ScreenshotDirectory() + "/no-such-directory/x.png", dialog));
    DestroyWindow(dialog);
    EXPECT_FALSE(WritePng(ScreenshotDirectory() + "/gone.png", dialog));
}

}  // namespace
