// What the combo box tests share: a panel that records what it is told and can answer the
// colour messages, combo boxes on it laid out as the probes of the real platform made them,
// and the notices and the box's state written the way those probes printed them, so a row of a
// table is the platform's own line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "HeadlessTest.h"
#include "Screenshot.h"

namespace combotest {

constexpr int kId = 7;
// The probes' measures, from the real platform's system font: a field 20 high (set as its text's
// 18) in a window 24 high, and items 16 high. Boxes here are given them whatever our font
// measures, so rectangles compare number for number.
constexpr int kFieldText = 18;
constexpr int kField = 20;
constexpr int kBoxHeight = 24;
constexpr int kItemHeight = 16;
// The room the probes' boxes, made 150 high, kept for their lists: the edit's field ends a
// pixel higher, and its list's room begins there.
constexpr int kListRoom = 126;
constexpr int kEditRoom = 127;
// The probes' boxes sat at (10, 10), 150 wide, on a panel covering a screen of 1024 by 768.
constexpr int kLeft = 10;
constexpr int kTop = 10;
constexpr int kWidth = 150;
constexpr SIZE kScreen{1024, 768};
// Where the probes pointed: the middle of a drop-down list's field, the arrow, an item.
constexpr POINT kOnField{60, 22};
constexpr POINT kOnArrow{150, 22};
inline int ItemY(int row) { return kTop + kBoxHeight + 1 + kItemHeight * row + kItemHeight / 2; }

inline HBRUSH& PanelBrush() {
    static HBRUSH brush = nullptr;
    return brush;
}

// Each notice as the probes printed it: "SELCHANGE sel=2 drop=0", the box's selection and
// whether its list was open at the time; with WithText() also "text=..." for what its field read.
inline std::vector<std::string>& Notices() {
    static std::vector<std::string> notices;
    return notices;
}
inline bool& WithText() {
    static bool withText = false;
    return withText;
}

inline std::string CodeName(int code) {
    switch (code) {
    case CBN_ERRSPACE: return "ERRSPACE";
    case CBN_SELCHANGE: return "SELCHANGE";
    case CBN_DBLCLK: return "DBLCLK";
    case CBN_SETFOCUS: return "SETFOCUS";
    case CBN_KILLFOCUS: return "KILLFOCUS";
    case CBN_EDITCHANGE: return "EDITCHANGE";
    case CBN_EDITUPDATE: return "EDITUPDATE";
    case CBN_DROPDOWN: return "DROPDOWN";
    case CBN_CLOSEUP: return "CLOSEUP";
    case CBN_SELENDOK: return "SELENDOK";
    case CBN_SELENDCANCEL: return "SELENDCANCEL";
    default: return std::to_string(code);
    }
}

inline std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

inline std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

inline std::string Line(HWND combo, int code) {
    std::string line = CodeName(code) + " sel=" + std::to_string(SendMessageW(combo, CB_GETCURSEL, 0, 0)) +
                       " drop=" + std::to_string(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
    if (WithText()) line += " text=" + Narrow(TextOf(combo));
    return line;
}

inline LRESULT CALLBACK PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Log().Add({hwnd, message, wParam, lParam});
    if (message == WM_COMMAND && lParam && LOWORD(wParam) == kId)
        Notices().push_back(Line(reinterpret_cast<HWND>(lParam), static_cast<SHORT>(HIWORD(wParam))));
    const bool colours = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORLISTBOX;
    if (colours && PanelBrush()) {
        SetTextColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 160));
        return reinterpret_cast<LRESULT>(PanelBrush());
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

inline COMBOBOXINFO InfoOf(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    SendMessageW(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
    return info;
}
inline HWND ListOf(HWND combo) { return InfoOf(combo).hwndList; }
inline HWND EditOf(HWND combo) { return InfoOf(combo).hwndItem; }

// "item00", "item01", ... as the probes filled their boxes.
inline void Fill(HWND combo, int count) {
    for (int i = 0; i < count; ++i) {
        std::wstring text = L"item" + std::wstring(i < 10 ? L"0" : L"") + std::to_wstring(i);
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

inline std::string NameOf(HWND window, HWND combo) {
    if (!window) return "none";
    if (window == combo) return "combo";
    if (window == EditOf(combo)) return "edit";
    if (window == ListOf(combo)) return "list";
    return "other";
}

// "sel=1 drop=1 text='item01' focus=combo capture=list", as the probes printed it.
inline std::string StateOf(HWND combo) {
    return "sel=" + std::to_string(SendMessageW(combo, CB_GETCURSEL, 0, 0)) +
           " drop=" + std::to_string(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0)) + " text='" +
           Narrow(TextOf(combo)) + "' focus=" + NameOf(GetFocus(), combo) + " capture=" + NameOf(GetCapture(), combo);
}

// A rectangle of `window` relative to the top-left corner of `origin`'s window, as "(l,t,r,b)".
inline std::string RectFrom(HWND window, HWND origin) {
    RECT r{}, o{};
    GetWindowRect(window, &r);
    GetWindowRect(origin, &o);
    return "(" + std::to_string(r.left - o.left) + "," + std::to_string(r.top - o.top) + "," +
           std::to_string(r.right - o.left) + "," + std::to_string(r.bottom - o.top) + ")";
}

inline std::string Text(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

class ComboBoxTest : public HeadlessTest {
protected:
    platform::HeadlessOptions Options() const override {
        platform::HeadlessOptions options;
        options.screen = kScreen;
        return options;
    }
    void SetUp() override {
        HeadlessTest::SetUp();
        PanelBrush() = nullptr;
        WithText() = false;
        RegisterProcClass(L"Panel", PanelProc);
        panel_ = CreateWindowExW(0, L"Panel", L"", WS_POPUP | WS_VISIBLE, 0, 0, kScreen.cx, kScreen.cy, nullptr,
                                 nullptr, nullptr, nullptr);
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

    // A box of the probes' measures at (x, y) with `items` items and `room` for its list (the
    // room the probes' box of that kind had, unless given).
    HWND Combo(DWORD style, int items = 0, std::optional<int> room = std::nullopt, int x = kLeft, int y = kTop) {
        HWND combo = CreateWindowExW(0, L"ComboBox", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | style, x,
                                     y, kWidth, 150, panel_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kId)),
                                     nullptr, nullptr);
        SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), kFieldText);
        SendMessageW(combo, CB_SETITEMHEIGHT, 0, kItemHeight);
        const bool list = (style & CBS_DROPDOWNLIST) == CBS_DROPDOWNLIST;
        // Asked to be exactly its field's height a box keeps its room, as on the platform; a
        // pixel high, it keeps none.
        const int given = room.value_or(list ? kListRoom : kEditRoom);
        MoveWindow(combo, x, y, kWidth, given > 0 ? kBoxHeight + given : 1, FALSE);
        Fill(combo, items);
        Backend().PumpUntilIdle();
        Settle();
        return combo;
    }
    // Forgets what was logged so far.
    void Settle() {
        Backend().PumpUntilIdle();
        Log().Clear();
        Notices().clear();
    }
    // The notices told since the last look, and forgets them.
    std::vector<std::string> Told() {
        std::vector<std::string> told = Notices();
        Notices().clear();
        return told;
    }

    HWND panel_ = nullptr;

private:
    std::optional<ScreenshotOnFailure> screenshot_;
};

}  // namespace combotest
