// What the list box tests share: a panel that records what it is told and can answer
// WM_CTLCOLORLISTBOX, list boxes on it sized as the probes of the real platform made them, and
// the list box's whole state written the way those probes printed it, so a row of a table is
// the platform's own line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "HeadlessTest.h"
#include "Screenshot.h"

namespace listboxtest {

constexpr int kId = 7;
// The probes' item height: the real platform's system font. Boxes here use it whatever our
// font measures, so tops, pages and rectangles compare number for number.
constexpr int kItemHeight = 16;

inline HBRUSH& PanelBrush() {
    static HBRUSH brush = nullptr;
    return brush;
}

// What the panel answers WM_VKEYTOITEM and WM_CHARTOITEM with: -1 lets the list box go on.
inline LRESULT& KeyAnswer() {
    static LRESULT answer = -1;
    return answer;
}

inline LRESULT CALLBACK PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Log().Add({hwnd, message, wParam, lParam});
    if (message == WM_VKEYTOITEM || message == WM_CHARTOITEM) return KeyAnswer();
    if (message == WM_CTLCOLORLISTBOX && PanelBrush()) {
        SetTextColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 160));
        return reinterpret_cast<LRESULT>(PanelBrush());
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// "cur=.. caret=.. anchor=.. top=.. sel=[0101..]", as the probes printed it.
inline std::string Dump(HWND box) {
    const int count = static_cast<int>(SendMessageW(box, LB_GETCOUNT, 0, 0));
    std::string marks;
    for (int i = 0; i < count; ++i) marks += SendMessageW(box, LB_GETSEL, i, 0) > 0 ? '1' : '0';
    return "cur=" + std::to_string(SendMessageW(box, LB_GETCURSEL, 0, 0)) +
           " caret=" + std::to_string(SendMessageW(box, LB_GETCARETINDEX, 0, 0)) +
           " anchor=" + std::to_string(SendMessageW(box, LB_GETANCHORINDEX, 0, 0)) +
           " top=" + std::to_string(SendMessageW(box, LB_GETTOPINDEX, 0, 0)) + " sel=[" + marks + "]";
}

// "item00", "item01", ... as the probes filled their boxes.
inline void Fill(HWND box, int count) {
    for (int i = 0; i < count; ++i) {
        std::wstring text = L"item" + std::wstring(i < 10 ? L"0" : L"") + std::to_wstring(i);
        SendMessageW(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

inline std::wstring TextOf(HWND box, int index) {
    std::wstring text(static_cast<std::size_t>(SendMessageW(box, LB_GETTEXTLEN, index, 0)) + 1, L'\0');
    SendMessageW(box, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.pop_back();
    return text;
}

// One message of a table: what it answers and the state it leaves.
struct Step {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result;
    const char* after;        // the state afterwards, as Dump writes it
    const wchar_t* text = nullptr;  // when given, the lParam
};

inline void RunSteps(HWND box, const std::vector<Step>& steps) {
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step& s = steps[i];
        SCOPED_TRACE(testing::Message() << "step " << i << ", message 0x" << std::hex << s.message);
        const LPARAM lParam = s.text ? reinterpret_cast<LPARAM>(s.text) : s.lParam;
        EXPECT_EQ(SendMessageW(box, s.message, s.wParam, lParam), s.result);
        EXPECT_EQ(Dump(box), s.after);
    }
}

class ListBoxTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        PanelBrush() = nullptr;
        KeyAnswer() = -1;
        RegisterProcClass(L"Panel", PanelProc);
        panel_ = CreateWindowExW(0, L"Panel", L"", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr, nullptr,
                                 nullptr);
        screenshot_.emplace(panel_);
    }
    void TearDown() override {
        Backend().PumpUntilIdle();
        screenshot_.reset();
        DestroyWindow(panel_);
        if (PanelBrush()) DeleteObject(PanelBrush());
        PanelBrush() = nullptr;
        HeadlessTest::TearDown();
    }

    // A list box at (10, 10), 150 wide, with the probes' item height and then the asked height,
    // which the box may shorten to whole items as the platform's does.
    HWND Box(DWORD style, int height = 96, DWORD exStyle = 0, int items = 0) {
        HWND box = CreateWindowExW(exStyle, L"ListBox", L"", WS_CHILD | WS_VISIBLE | style, 10, 10, 150, height,
                                   panel_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kId)), nullptr, nullptr);
        SendMessageW(box, LB_SETITEMHEIGHT, 0, kItemHeight);
        MoveWindow(box, 10, 10, 150, height, FALSE);
        Fill(box, items);
        Backend().PumpUntilIdle();
        Log().Clear();
        return box;
    }

    // The notices (LBN_*) the panel has had, in order.
    std::vector<int> Notices() const {
        std::vector<int> codes;
        for (const LoggedMessage& m : Log().Messages())
            if (m.hwnd == panel_ && m.message == WM_COMMAND) codes.push_back(HIWORD(m.wParam));
        return codes;
    }

    HWND panel_ = nullptr;

private:
    std::optional<ScreenshotOnFailure> screenshot_;
};

}  // namespace listboxtest
