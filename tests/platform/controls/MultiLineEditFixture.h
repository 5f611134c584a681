// What the multi-line edit tests share: a form that records what it is told, fields on it made
// as the probes of the real platform made them, and our font's measures, so that a box is made
// as many lines high as the probe's and sideways steps count in our own characters. The
// probes' font had lines 16 high and characters 7 wide on average; ours has its own.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "HeadlessTest.h"
#include "PlatformState.h"
#include "Screenshot.h"
#include "controls/Look.h"

namespace multilinetest {

constexpr int kFieldId = 7;
constexpr int kFieldWidth = 200;
constexpr int kBarWidth = 17;
constexpr int kMargin = 3;  // between a borderless field's edge and its text, each side
constexpr DWORD kBothBars = ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL;

inline LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Log().Add({hwnd, message, wParam, lParam});
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// "line 0\r\nline 1\r\n...", as the probes filled their fields.
inline std::wstring NumberedLines(int count) {
    std::wstring text;
    for (int i = 0; i < count; ++i) text += L"line " + std::to_wstring(i) + (i + 1 < count ? L"\r\n" : L"");
    return text;
}

// What a bar holds (its range starts at 0), and whether both its arrows are disabled.
struct Bar {
    int max;
    UINT page;
    int pos;
    bool disabled = false;
};

inline ::testing::AssertionResult BarIs(HWND field, int which, const Bar& expected) {
    SCROLLINFO info{sizeof(info), SIF_ALL, -1, -1, 0, -1, 0};
    if (!GetScrollInfo(field, which, &info)) return ::testing::AssertionFailure() << "no bar";
    const DWORD style = static_cast<DWORD>(GetWindowLongW(field, GWL_STYLE));
    const bool shown = (style & (which == SB_VERT ? WS_VSCROLL : WS_HSCROLL)) != 0;
    platform::Window* window = platform::FindWindow(field);
    const UINT arrows = window && window->scrollBars ? window->scrollBars->Of(which).disabledArrows : 0;
    const bool disabled = arrows == ESB_DISABLE_BOTH;
    if (info.nMin == 0 && info.nMax == expected.max && info.nPage == expected.page && info.nPos == expected.pos &&
        shown && disabled == expected.disabled)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "holds " << info.nMin << ".." << info.nMax << " page " << info.nPage
                                         << " pos " << info.nPos << (shown ? "" : " hidden")
                                         << (disabled ? " disabled" : "");
}

inline int FirstLine(HWND field) { return static_cast<int>(SendMessageW(field, EM_GETFIRSTVISIBLELINE, 0, 0)); }
inline int LineCount(HWND field) { return static_cast<int>(SendMessageW(field, EM_GETLINECOUNT, 0, 0)); }
inline DWORD Caret(HWND field) {
    DWORD start = 0, end = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return end;
}

class MultiLineEditTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        RegisterProcClass(L"EditForm", FormProc);
        form_ = CreateWindowExW(0, L"EditForm", L"", WS_POPUP | WS_VISIBLE, 0, 0, 500, 400, nullptr, nullptr,
                                nullptr, nullptr);
        screenshot_.emplace(form_);
        MeasureFont();
    }
    void TearDown() override {
        Backend().PumpUntilIdle();
        screenshot_.reset();
        HeadlessTest::TearDown();
    }

    // A field at (10, y) whose box shows `lines` whole lines, as the probe's did, with the
    // room for a horizontal bar when the style has one.
    HWND Field(DWORD style, const std::wstring& text, int lines = 5, int width = kFieldWidth, int y = 10) {
        HWND field = CreateWindowExW(0, L"edit", text.c_str(), WS_CHILD | WS_VISIBLE | style, 10, y, width,
                                     HeightFor(lines, style), form_,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFieldId)), nullptr, nullptr);
        Backend().PumpUntilIdle();
        Log().Clear();
        return field;
    }
    // A height whose client area holds `lines` whole lines and a little more, as the probe's
    // boxes did.
    int HeightFor(int lines, DWORD style) const {
        return lines * lineHeight_ + 3 + ((style & WS_HSCROLL) ? kBarWidth : 0);
    }
    void SetHeight(HWND field, int lines) {
        MoveWindow(field, 10, 10, kFieldWidth, HeightFor(lines, GetWindowLongW(field, GWL_STYLE)), TRUE);
    }

    // A text's width in our font: the sum of its characters' widths, as the field measures it.
    int WidthOf(std::wstring_view text) const {
        HDC dc = GetDC(form_);
        HGDIOBJ old = SelectObject(dc, platform::look::FontOf(form_, nullptr));
        int width = 0;
        for (wchar_t c : text) {
            SIZE size{};
            GetTextExtentPoint32W(dc, &c, 1, &size);
            width += size.cx;
        }
        SelectObject(dc, old);
        ReleaseDC(form_, dc);
        return width;
    }

    // How many notices `code` the form has had since the log was last cleared.
    int Notices(WORD code) const {
        int count = 0;
        for (const LoggedMessage& m : Log().Messages())
            count += m.hwnd == form_ && m.message == WM_COMMAND && HIWORD(m.wParam) == code;
        return count;
    }

    // Where the caret stands in the field, while the field has the focus.
    static POINT CaretPoint() {
        POINT at{-1, -1};
        GetCaretPos(&at);
        return at;
    }

    HWND form_ = nullptr;
    int lineHeight_ = 1;
    int charWidth_ = 1;  // the font's average character

private:
    void MeasureFont() {
        HDC dc = GetDC(form_);
        HGDIOBJ old = SelectObject(dc, platform::look::FontOf(form_, nullptr));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        lineHeight_ = metrics.tmHeight;
        charWidth_ = metrics.tmAveCharWidth;
        SelectObject(dc, old);
        ReleaseDC(form_, dc);
    }

    std::optional<ScreenshotOnFailure> screenshot_;
};

}  // namespace multilinetest
