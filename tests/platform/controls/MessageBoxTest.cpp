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
