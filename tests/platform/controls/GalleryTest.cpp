// A small form with every standard control, its menu dropped down and a message box over it,
// written as pictures to the screenshot folder: what a person would see, kept with each build.
#include "HeadlessTest.h"
#include "Screenshot.h"

#include <filesystem>

namespace {

class GalleryTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
        wc.lpszClassName = L"Gallery";
        RegisterClassW(&wc);
        form_ = CreateWindowExW(0, L"Gallery", L"Astrovex", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 360, 240, nullptr,
                                nullptr, nullptr, nullptr);
        HMENU bar = CreateMenu(), options = CreatePopupMenu(), file = CreatePopupMenu();
        AppendMenuW(file, MF_STRING, 1, L"&Esci");
        AppendMenuW(options, MF_STRING | MF_CHECKED, 2, L"&Abilita Joystick");
        AppendMenuW(options, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(options, MF_STRING | MF_GRAYED, 3, L"&Suono");
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(options), L"&Opzioni");
        SetMenu(form_, bar);
        Child(L"static", L"Nome del pilota:", 0, 16, 20, 120, 22);
        HWND edit = Child(L"edit", L"ASTRO", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_UPPERCASE, 140, 18, 190, 24);
        Child(L"Button", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 140, 60, 88, 26);
        Child(L"Button", L"Annulla", WS_TABSTOP, 240, 60, 88, 26);
        SetFocus(edit);
        Backend().PumpUntilIdle();
    }

    HWND Child(const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h) {
        HWND child = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, form_, nullptr, nullptr, nullptr);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        return child;
    }

    static bool Written(const std::string& path) {
        return std::filesystem::exists(path) && std::filesystem::file_size(path) > 1000;
    }

    HWND form_ = nullptr;
};

TEST_F(GalleryTest, FormWithControlsMenuAndMessageBox) {
    const std::string folder = ScreenshotDirectory();
    ASSERT_TRUE(WritePng(folder + "/gallery-form.png", form_));
    Backend().Click(form_, 55, -10);  // "Opzioni" on the bar
    Backend().At(Backend().MonotonicMs() + 50, [&] {
        EXPECT_TRUE(WritePng(folder + "/gallery-menu.png", form_));
        Backend().PressKey(VK_ESCAPE);
    });
    Backend().RunFor(100);
    Backend().At(Backend().MonotonicMs() + 50, [&] {
        EXPECT_TRUE(WritePng(folder + "/gallery-messagebox.png", form_));
        SendMessageW(FindWindowW(L"#32770", nullptr), WM_COMMAND, IDOK, 0);
    });
    MessageBoxW(form_, L"La cartella delle immagini non c'\u00E8.\nReinstallare il gioco.", L"Astrovex",
                MB_OK | MB_ICONERROR);
    for (const char* name : {"/gallery-form.png", "/gallery-menu.png", "/gallery-messagebox.png"})
        EXPECT_TRUE(Written(folder + name)) << name;
}

}  // namespace
