// The error box: its text and caption as given, an error icon, the program's windows kept
// from input, and ShowError returning only once the user has dismissed it.
#include <string>

#include "HeadlessTest.h"
#include "controls/MessageBox.h"
#include "toolkit/util/ShowError.h"

namespace {

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

class ShowErrorTest : public HeadlessTest {
protected:
    // The error icon is a red disc, and nothing else in a box is red.
    bool ShowsRed(HWND box) {
        RECT client{};
        GetClientRect(box, &client);
        for (int y = 0; y < client.bottom; ++y)
            for (int x = 0; x < client.right; ++x) {
                COLORREF c = Backend().WindowPixel(box, x, y);
                if (GetRValue(c) > 180 && GetGValue(c) < 90 && GetBValue(c) < 90) return true;
            }
        return false;
    }
};

TEST_F(ShowErrorTest, ShowsTheTextUnderTheCaptionWithAnErrorIconUntilTheUserDismissesIt) {
    HWND game = CreateWindowExW(0, RegisterLoggingClass(), L"Astrovex", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                                400, 300, nullptr, nullptr, nullptr, nullptr);
    Backend().PumpUntilIdle();
    std::wstring caption, text;
    bool gameEnabled = true, red = false, dismissed = false;
    Backend().At(50, [&] {
        HWND box = FindWindowW(L"#32770", nullptr);
        ASSERT_TRUE(box);
        caption = TextOf(box);
        text = TextOf(GetDlgItem(box, platform::messagebox::kTextId));
        gameEnabled = IsWindowEnabled(game);
        red = ShowsRed(box);
        SendMessageW(box, WM_COMMAND, IDOK, 0);
        dismissed = true;
    });

    OrloUtility::ShowError("Cartella images_games mancante.\nReinstallare il gioco.", "Errore");

    EXPECT_TRUE(dismissed) << "returned before the user answered";
    EXPECT_EQ(caption, L"Errore");
    EXPECT_EQ(text, L"Cartella images_games mancante.\nReinstallare il gioco.");
    EXPECT_TRUE(red) << "the error icon";
    EXPECT_FALSE(gameEnabled) << "the program's other windows take no input while the box is up";
    EXPECT_TRUE(IsWindowEnabled(game));
    EXPECT_FALSE(FindWindowW(L"#32770", nullptr));
}

}  // namespace
