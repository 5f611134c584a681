// What the tab control tests share: a panel that records what the control tells it (each
// notification with the selection and focus the control reports at that moment, as the probes
// of the real platform printed them) and answers TCN_SELCHANGING as a test asks; tab controls on
// it with one-letter tabs, which every font makes as wide as the minimum, so the platform's
// numbers hold here whatever our fonts measure.
#pragma once

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "HeadlessTest.h"
#include "Screenshot.h"
#include "core/gdi/GdiObjects.h"

namespace tabtest {

constexpr int kId = 7;
constexpr POINT kAt{10, 10};  // the control's place in the panel

struct Panel {
    HWND tab = nullptr;
    std::vector<std::string> heard;
    std::vector<bool> focused;  // whether the control had the focus as each was heard
    UINT keyFlags = 0;          // the last TCN_KEYDOWN's flags
    std::vector<UINT> passedOn; // notifications of the control's own children, passed on by it
    LRESULT refuse = 0;             // the answer to TCN_SELCHANGING
    std::optional<UINT> destroyOn;  // the parent destroys the control on hearing this code
};

inline Panel& ThePanel() {
    static Panel panel;
    return panel;
}

inline std::string CodeName(UINT code) {
    switch (code) {
    case TCN_SELCHANGING: return "SELCHANGING";
    case TCN_SELCHANGE: return "SELCHANGE";
    case TCN_KEYDOWN: return "KEYDOWN";
    case TCN_FOCUSCHANGE: return "FOCUSCHANGE";
    case NM_CLICK: return "CLICK";
    case NM_RCLICK: return "RCLICK";
    default: return std::to_string(static_cast<int>(code));
    }
}

// "SELCHANGING 0/1": the code, then the selection and the focused tab the control reports while
// the parent hears it; a key adds its virtual-key code.
inline std::string Describe(const NMHDR& header) {
    HWND from = header.hwndFrom;
    std::string line = CodeName(header.code) + " " + std::to_string(SendMessageW(from, TCM_GETCURSEL, 0, 0)) + "/" +
                       std::to_string(SendMessageW(from, TCM_GETCURFOCUS, 0, 0));
    if (header.code == TCN_KEYDOWN) {
        const auto& key = reinterpret_cast<const NMTCKEYDOWN&>(header);
        line += " vk=" + std::to_string(key.wVKey);
    }
    return line;
}

inline LRESULT CALLBACK PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Log().Add({hwnd, message, wParam, lParam});
    Panel& panel = ThePanel();
    if (message != WM_NOTIFY || !panel.tab) return DefWindowProcW(hwnd, message, wParam, lParam);
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->hwndFrom != panel.tab) {
        panel.passedOn.push_back(header->code);
        return 0;
    }
    EXPECT_EQ(header->idFrom, static_cast<UINT_PTR>(kId));
    EXPECT_EQ(wParam, static_cast<WPARAM>(kId));
    panel.heard.push_back(Describe(*header));
    panel.focused.push_back(GetFocus() == header->hwndFrom);
    if (header->code == TCN_KEYDOWN) panel.keyFlags = reinterpret_cast<const NMTCKEYDOWN*>(header)->flags;
    if (panel.destroyOn == header->code) DestroyWindow(panel.tab);
    return header->code == TCN_SELCHANGING ? panel.refuse : 0;
}

// "{2, 2, 56, 23}, {56, 2, 110, 23}*": every tab's TCM_GETITEMRECT, a star where it answers
// FALSE, as the probes printed them.
inline std::string Rects(HWND tab) {
    std::string text;
    const int count = static_cast<int>(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        RECT r{-9, -9, -9, -9};
        const LRESULT shown = SendMessageW(tab, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
        std::ostringstream one;
        one << (i ? ", " : "") << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}"
            << (shown ? "" : "*");
        text += one.str();
    }
    return text;
}

inline int Sel(HWND tab) { return static_cast<int>(SendMessageW(tab, TCM_GETCURSEL, 0, 0)); }
inline int FocusItem(HWND tab) { return static_cast<int>(SendMessageW(tab, TCM_GETCURFOCUS, 0, 0)); }

inline int Insert(HWND tab, int at, const wchar_t* text, LPARAM param = 0) {
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = const_cast<LPWSTR>(text);
    item.lParam = param;
    return static_cast<int>(SendMessageW(tab, TCM_INSERTITEMW, at, reinterpret_cast<LPARAM>(&item)));
}

inline std::wstring TextOf(HWND tab, int index) {
    wchar_t text[64] = L"?";
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(tab, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
    return text;
}

class TabControlTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        ThePanel() = {};
        INITCOMMONCONTROLSEX init{sizeof init, ICC_TAB_CLASSES};
        ASSERT_TRUE(InitCommonControlsEx(&init));
        RegisterProcClass(L"Panel", PanelProc);
        panel_ = CreateWindowExW(0, L"Panel", L"", WS_POPUP | WS_VISIBLE, 0, 0, 500, 400, nullptr, nullptr, nullptr,
                                 nullptr);
        screenshot_.emplace(panel_);
        objects_ = platform::CountGdiObjects();
    }
    void TearDown() override {
        Backend().PumpUntilIdle();
        DestroyWindow(panel_);
        EXPECT_EQ(platform::CountGdiObjects(), objects_) << "a drawing object leaked";
        screenshot_.reset();
        HeadlessTest::TearDown();
    }

    // A tab control at kAt with `tabs` tabs "A", "B", ...; what it said while being filled is
    // forgotten.
    HWND Make(DWORD style, int tabs = 0, int width = 300, int height = 200) {
        if (ThePanel().tab) DestroyWindow(ThePanel().tab);
        HWND tab = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | style, kAt.x, kAt.y, width, height,
                                   panel_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kId)), nullptr, nullptr);
        ThePanel().tab = tab;
        for (int i = 0; i < tabs; ++i) {
            const wchar_t letter[2] = {static_cast<wchar_t>(L'A' + i), 0};
            Insert(tab, i, letter, 100 + i);
        }
        ThePanel().heard.clear();
        ThePanel().focused.clear();
        return tab;
    }
    static HWND Tab() { return ThePanel().tab; }
    static std::vector<std::string>& Heard() { return ThePanel().heard; }
    static LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageW(Tab(), message, wParam, lParam);
    }

    // Input at a point of the control's client area.
    void Down(int x, int y) { Backend().MouseDown(panel_, kAt.x + x, kAt.y + y), Backend().PumpUntilIdle(); }
    void Up(int x, int y) { Backend().MouseUp(panel_, kAt.x + x, kAt.y + y), Backend().PumpUntilIdle(); }
    void Click(int x, int y) { Down(x, y), Up(x, y); }
    void Key(UINT vk) { Backend().KeyDown(vk), Backend().KeyUp(vk), Backend().PumpUntilIdle(); }

    HWND panel_ = nullptr;

private:
    std::optional<ScreenshotOnFailure> screenshot_;
    platform::GdiCounts objects_;
};

}  // namespace tabtest
