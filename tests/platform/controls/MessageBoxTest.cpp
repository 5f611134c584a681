// Message boxes: modal windows that a test reads and answers; their loop keeps other windows'
// timers running while the rest of the program is kept from taking input.
#include "HeadlessTest.h"

#include "core/gdi/GdiObjects.h"

namespace {

class MessageBoxTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        main_ = CreateWindowExW(0, RegisterLoggingClass(), L"Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400,
                                300, nullptr, nullptr, nullptr, nullptr);
        Backend().PumpUntilIdle();
        Log().Clear();
    }

    static HWND Box() { return FindWindowW(L"#32770", nullptr); }
    static std::wstring TextOf(HWND hwnd) {
        wchar_t buffer[256]{};
        GetWindowTextW(hwnd, buffer, 256);
        return buffer;
    }

    HWND main_ = nullptr;
};

TEST_F(MessageBoxTest, ShowsCaptionAndTextAndReturnsTheButtonChosen) {
    std::wstring caption, text;
    bool mainEnabled = true;
    Backend().At(50, [&] {
        HWND box = Box();
        ASSERT_TRUE(box);
        caption = TextOf(box);
        text = TextOf(GetDlgItem(box, 0xFFFF));
        mainEnabled = IsWindowEnabled(main_);
        SendMessageW(box, WM_COMMAND, IDNO, 0);
    });
    int answer = MessageBoxW(main_, L"Salvare?\nDue righe", L"Domanda", MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(answer, IDNO);
    EXPECT_EQ(caption, L"Domanda");
    EXPECT_EQ(text, L"Salvare?\nDue righe");
    EXPECT_FALSE(mainEnabled) << "the owner takes no input while the box is up";
    EXPECT_TRUE(IsWindowEnabled(main_));
    EXPECT_FALSE(Box()) << "the box is gone";
}

TEST_F(MessageBoxTest, KeysAnswerEnterTheDefaultButtonEscapeCancelOrOk) {
    struct Case {
        UINT type;
        UINT key;
        int expected;
    };
    const Case cases[] = {
        {MB_OK, VK_RETURN, IDOK},
        {MB_OK, VK_ESCAPE, IDOK},
        {MB_OKCANCEL, VK_ESCAPE, IDCANCEL},
        {MB_YESNOCANCEL | MB_DEFBUTTON2, VK_RETURN, IDNO},
        {MB_OKCANCEL, VK_SPACE, IDOK},  // Space presses the focused (default) button
    };
    for (const Case& c : cases) {
        Backend().At(Backend().MonotonicMs() + 50, [&] { Backend().PressKey(c.key); });
        EXPECT_EQ(MessageBoxW(main_, L"x", L"y", c.type), c.expected) << c.type << " " << c.key;
    }
}

TEST_F(MessageBoxTest, AQuestionIgnoresEscapeAndTheCloseButton) {
    Backend().At(50, [&] { Backend().PressKey(VK_ESCAPE); });
    Backend().At(60, [&] { Backend().PressCloseButton(Box()); });
    Backend().At(70, [&] { EXPECT_TRUE(Box()) << "still waiting for an answer"; SendMessageW(Box(), WM_COMMAND, IDYES, 0); });
    EXPECT_EQ(MessageBoxW(main_, L"?", L"?", MB_YESNO), IDYES);
}

TEST_F(MessageBoxTest, TimersKeepTickingWhileTheBoxIsOpenAndTaskModalDisablesEveryWindow) {
    HWND other = CreateWindowExW(0, RegisterLoggingClass(), L"Other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 50, 50,
                                 nullptr, nullptr, nullptr, nullptr);
    SetTimer(main_, 1, 20, nullptr);
    bool otherEnabled = true;
    Backend().At(500, [&] {
        otherEnabled = IsWindowEnabled(other) || IsWindowEnabled(main_);
        SendMessageW(Box(), WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(MessageBoxA(nullptr, "Manca la cartella \xE8", "Errore", MB_ICONERROR | MB_TASKMODAL), IDOK);
    EXPECT_GE(Log().Count(WM_TIMER, main_), 24);
    EXPECT_FALSE(otherEnabled);
    EXPECT_TRUE(IsWindowEnabled(other));
}

TEST_F(MessageBoxTest, NarrowTextIsTakenByteForByte) {
    std::wstring text;
    Backend().At(50, [&] {
        text = TextOf(GetDlgItem(Box(), 0xFFFF));
        SendMessageW(Box(), WM_COMMAND, IDOK, 0);
    });
    MessageBoxA(nullptr, "perch\xE9 \xB0", "c", MB_OK);
    EXPECT_EQ(text, L"perch\u00E9 \u00B0");
}

TEST_F(MessageBoxTest, LeavesNoDrawingObjectsBehind) {
    platform::GdiCounts before = platform::CountGdiObjects();
    for (UINT icon : {MB_ICONERROR, MB_ICONWARNING, MB_ICONINFORMATION, MB_ICONQUESTION}) {
        Backend().At(Backend().MonotonicMs() + 50, [&] { SendMessageW(Box(), WM_COMMAND, IDOK, 0); });
        MessageBoxW(main_, L"Testo", L"Titolo", MB_OK | icon);
    }
    EXPECT_EQ(platform::CountGdiObjects(), before);
}

}  // namespace

namespace {

// A box as it stood while open: its outer and client rectangles, its text's place in its client
// area, and the window with the focus.
struct BoxLayout {
    RECT outer{};
    RECT client{};
    RECT text{};
    HWND focus = nullptr;
    HWND defaultButton = nullptr;
};

BoxLayout LayoutWhileOpen(platform::HeadlessBackend& backend, HWND owner, const wchar_t* text, UINT type) {
    BoxLayout layout;
    backend.At(backend.MonotonicMs() + 50, [&] {
        HWND box = FindWindowW(L"#32770", nullptr);
        if (!box) return;
        GetWindowRect(box, &layout.outer);
        GetClientRect(box, &layout.client);
        HWND label = GetDlgItem(box, 0xFFFF);
        GetWindowRect(label, &layout.text);
        POINT corners[2] = {{layout.text.left, layout.text.top}, {layout.text.right, layout.text.bottom}};
        ScreenToClient(box, &corners[0]);
        ScreenToClient(box, &corners[1]);
        layout.text = {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
        layout.focus = GetFocus();
        layout.defaultButton = GetDlgItem(box, IDOK);
        SendMessageW(box, WM_COMMAND, IDOK, 0);
    });
    // A timer keeps the box's loop waiting for something after the answer, rather than ending the
    // run as one with nothing left to wait for.
    SetTimer(owner, 1, 1000, nullptr);
    MessageBoxW(owner, text, L"errore", type);
    KillTimer(owner, 1);
    return layout;
}

}  // namespace

TEST_F(MessageBoxTest, LongTextBreaksBetweenWordsToABoxAThirdOfTheScreenWideCentredOnItsOwner) {
    const wchar_t* kLong =
        L"Nessuna cartella immagini trovata. Il gioco ha bisogno della cartella images_games accanto alla "
        L"cartella di lavoro o un livello sopra";
    BoxLayout wrapped = LayoutWhileOpen(Backend(), main_, kLong, MB_OK | MB_ICONERROR);
    BoxLayout single = LayoutWhileOpen(Backend(), main_, L"Breve", MB_OK | MB_ICONERROR);
    ASSERT_GT(single.text.bottom, single.text.top) << "the box was seen";
    const int lineHeight = single.text.bottom - single.text.top;
    EXPECT_LE(wrapped.client.right, 1280 / 3);
    EXPECT_GE(wrapped.text.bottom - wrapped.text.top, 3 * lineHeight) << "broken into lines, each one whole";
    EXPECT_LE(wrapped.text.right, wrapped.client.right);
    EXPECT_EQ(wrapped.focus, wrapped.defaultButton) << "the default button has the focus";
    RECT owner{};
    GetWindowRect(main_, &owner);
    EXPECT_NEAR((wrapped.outer.left + wrapped.outer.right) / 2, (owner.left + owner.right) / 2, 1);
    EXPECT_NEAR((wrapped.outer.top + wrapped.outer.bottom) / 2, (owner.top + owner.bottom) / 2, 1);
    RECT frame = wrapped.client;
    AdjustWindowRectEx(&frame, WS_POPUP | WS_CAPTION | WS_SYSMENU, FALSE, WS_EX_DLGMODALFRAME);
    EXPECT_EQ(frame.right - frame.left, wrapped.outer.right - wrapped.outer.left) << "a dialog's frame around it";

    // A word longer than the width keeps a line of its own, whole: the box grows to hold it.
    BoxLayout unbroken = LayoutWhileOpen(Backend(), main_, std::wstring(120, L'x').c_str(), MB_OK);
    EXPECT_GT(unbroken.client.right, 1280 / 3);
    EXPECT_EQ(unbroken.text.bottom - unbroken.text.top, lineHeight);
}
