// What the date picker tests share: a panel that writes down what the picker tells it, the way
// the probes of the real platform (comctl32 under Wine) printed it, a picker on it at the
// probes' place and size, and keys typed as the probes typed them.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <utility>
#include <optional>
#include <string>
#include <vector>

#include "HeadlessTest.h"
#include "Screenshot.h"
#include "core/gdi/GdiObjects.h"

namespace datepicktest {

constexpr int kId = 7;
constexpr RECT kPickerRect{10, 10, 210, 34};  // 200 by 24, as the probes made theirs

inline SYSTEMTIME Time(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(y);
    t.wMonth = static_cast<WORD>(mo);
    t.wDay = static_cast<WORD>(d);
    t.wHour = static_cast<WORD>(h);
    t.wMinute = static_cast<WORD>(mi);
    t.wSecond = static_cast<WORD>(s);
    return t;
}

// "2024-01-31 10:20:30", as the probes printed a date.
inline std::string Text(const SYSTEMTIME& t) {
    char text[48];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
                  t.wSecond);
    return text;
}

// Each notice as a line: "CHANGE 0 2024-01-31 10:20:30" (dwFlags, st), "DROPDOWN", "CLOSEUP",
// "SETFOCUS", "KILLFOCUS".
inline std::vector<std::string>& Notices() {
    static std::vector<std::string> notices;
    return notices;
}

inline std::string NoticeLine(const NMHDR& header) {
    switch (header.code) {
    case DTN_DATETIMECHANGE: {
        const auto& change = reinterpret_cast<const NMDATETIMECHANGE&>(header);
        return "CHANGE " + std::to_string(change.dwFlags) + " " + Text(change.st);
    }
    case DTN_DROPDOWN: return "DROPDOWN";
    case DTN_CLOSEUP: return "CLOSEUP";
    case NM_SETFOCUS: return "SETFOCUS";
    case NM_KILLFOCUS: return "KILLFOCUS";
    default: return std::to_string(static_cast<int>(header.code));
    }
}

inline LRESULT CALLBACK PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY && wParam == kId) Notices().push_back(NoticeLine(*reinterpret_cast<NMHDR*>(lParam)));
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// The date the picker holds ("none" for GDT_NONE).
inline std::string DateOf(HWND picker) {
    SYSTEMTIME t{};
    const LRESULT kind = SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&t));
    return kind == GDT_VALID ? Text(t) : kind == GDT_NONE ? "none" : "error";
}

inline std::string TextOf(HWND window) {
    wchar_t text[128] = {};
    GetWindowTextW(window, text, 128);
    std::wstring wide(text);
    return std::string(wide.begin(), wide.end());
}

// The pickers here read the user's locale: English (US) unless a test asks for another, the
// environment's own put back afterwards.
class LocaleChoice {
public:
    LocaleChoice() {
        if (const char* old = std::getenv("LC_ALL")) saved_ = old;
        Choose("en_US.UTF-8");
    }
    ~LocaleChoice() {
        if (saved_) setenv("LC_ALL", saved_->c_str(), 1);
        else unsetenv("LC_ALL");
    }
    void Choose(const char* name) { setenv("LC_ALL", name, 1); }

private:
    std::optional<std::string> saved_;
};

class DatePickerTest : public HeadlessTest {
protected:
    platform::HeadlessOptions Options() const override {
        platform::HeadlessOptions options;
        options.startLocalTime = {2026, 12, 6, 5, 11, 12, 47, 0};  // Saturday 5 December
        options.screen = {1024, 768};
        return options;
    }
    void SetUp() override {
        HeadlessTest::SetUp();
        BeforeCommonControls();
        INITCOMMONCONTROLSEX init{sizeof init, ICC_DATE_CLASSES};
        InitCommonControlsEx(&init);
        RegisterProcClass(L"Panel", PanelProc);
        panel_ = CreateWindowExW(0, L"Panel", L"", WS_POPUP | WS_VISIBLE, 0, 0, 600, 400, nullptr, nullptr, nullptr,
                                 nullptr);
        screenshot_.emplace(panel_);
        objects_ = platform::CountGdiObjects();
        Notices().clear();
    }
    void TearDown() override {
        Backend().PumpUntilIdle();
        screenshot_.reset();
        DestroyWindow(panel_);
        Backend().PumpUntilIdle();
        EXPECT_EQ(platform::CountGdiObjects(), objects_) << "a drawing object leaked";
        HeadlessTest::TearDown();
    }

    // A program's own class of a common control's name is registered before the common
    // controls, so the program's is the one its windows get.
    virtual void BeforeCommonControls() {}

    HWND Picker(DWORD style = 0, std::optional<SYSTEMTIME> date = std::nullopt) {
        HWND picker = CreateWindowExW(0, DATETIMEPICK_CLASSW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style,
                                      kPickerRect.left, kPickerRect.top, kPickerRect.right - kPickerRect.left,
                                      kPickerRect.bottom - kPickerRect.top, panel_,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kId)), nullptr, nullptr);
        if (date) SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&*date));
        Backend().PumpUntilIdle();
        return picker;
    }
    // The probes' keys: U D L R H E for the arrows, Home and End, S for space, F for F4, X for
    // Escape, digits as typed.
    void Keys(const std::string& keys) {
        for (char key : keys) {
            switch (key) {
            case 'U': Backend().PressKey(VK_UP); break;
            case 'D': Backend().PressKey(VK_DOWN); break;
            case 'L': Backend().PressKey(VK_LEFT); break;
            case 'R': Backend().PressKey(VK_RIGHT); break;
            case 'H': Backend().PressKey(VK_HOME); break;
            case 'E': Backend().PressKey(VK_END); break;
            case 'S': Backend().PressKey(VK_SPACE); break;
            case 'F': Backend().PressKey(VK_F4); break;
            case 'X': Backend().PressKey(VK_ESCAPE); break;
            case 'T': Backend().PressKey(VK_TAB); break;
            default: Backend().PressKey(static_cast<UINT>(key)); break;
            }
            Backend().PumpUntilIdle();
        }
    }
    // The notices since the last look, forgotten.
    std::vector<std::string> Told() {
        Backend().PumpUntilIdle();
        return std::exchange(Notices(), {});
    }
    // The focus away from the picker to the panel, so what was typed is applied.
    void Leave() {
        SetFocus(panel_);
        Backend().PumpUntilIdle();
    }

    HWND panel_ = nullptr;
    LocaleChoice locale_;

private:
    std::optional<ScreenshotOnFailure> screenshot_;
    platform::GdiCounts objects_{};
};

}  // namespace datepicktest
