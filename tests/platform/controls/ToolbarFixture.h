// A form holding one toolbar, for the toolbar's tests: the form records what the toolbar tells
// it (WM_NOTIFY and WM_COMMAND) with what the toolbar looked like at that moment, and answers
// TBN_DROPDOWN, TBN_GETINFOTIPW and TTN_GETDISPINFOW as a test asks. The expected values were
// printed by the platform's own toolbar (comctl32 under Wine) for the same calls.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "HeadlessTest.h"
#include "Screenshot.h"
#include "core/gdi/GdiObjects.h"

namespace toolbar_test {

constexpr int kId = 77;

// One thing the form heard. `item` is what names the button: the command id of a WM_COMMAND,
// the dwItemSpec of NM_LDOWN and NM_CLICK, the iItem of a TBN_* with NMTOOLBARW, idNew of
// TBN_HOTITEMCHANGE, idFrom of a tooltip's notification.
struct Heard {
    UINT message;
    UINT code;  // the notification code, or BN_CLICKED for WM_COMMAND
    int item;
    int oldItem;  // TBN_HOTITEMCHANGE's idOld
    DWORD flags;  // TBN_HOTITEMCHANGE's dwFlags
    HWND from;
    bool captured;  // the toolbar held the mouse
    int controlId;  // WM_NOTIFY's idFrom for the toolbar's own notifications
};

struct Answers {
    LRESULT dropDown = TBDDRET_DEFAULT;
    std::wstring infoTip;   // TBN_GETINFOTIPW's text; empty: none
    std::wstring dispInfo;  // written to TTN_GETDISPINFOW's szText
    int destroyOnCode = 0;  // the form destroys the toolbar when it hears this (0: never)
    bool refuseHot = false;  // answers TBN_HOTITEMCHANGE with nonzero
};

inline std::vector<Heard> heard;
inline Answers answers;
inline HWND toolbar = nullptr;

inline void Record(UINT code, int item, HWND from, int oldItem = 0, DWORD flags = 0, int controlId = kId) {
    heard.push_back({WM_NOTIFY, code, item, oldItem, flags, from, GetCapture() == toolbar, controlId});
}

inline LRESULT OnNotify(const NMHDR& header, LPARAM lParam) {
    const int controlId = static_cast<int>(header.idFrom);
    switch (header.code) {
    case NM_LDOWN:
    case NM_CLICK:
        Record(header.code, static_cast<int>(reinterpret_cast<const NMMOUSE*>(lParam)->dwItemSpec), header.hwndFrom);
        break;
    case TBN_HOTITEMCHANGE: {
        const auto* hot = reinterpret_cast<const NMTBHOTITEM*>(lParam);
        Record(header.code, hot->idNew, header.hwndFrom, hot->idOld, hot->dwFlags);
        break;
    }
    case TBN_GETINFOTIPW: {
        const auto* tip = reinterpret_cast<const NMTBGETINFOTIPW*>(lParam);
        Record(header.code, tip->iItem, header.hwndFrom);
        if (!answers.infoTip.empty()) wcsncpy(tip->pszText, answers.infoTip.c_str(), static_cast<std::size_t>(tip->cchTextMax));
        break;
    }
    case TTN_GETDISPINFOW: {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
        Record(header.code, controlId, header.hwndFrom, 0, 0, controlId);
        wcsncpy(info->szText, answers.dispInfo.c_str(), std::size(info->szText) - 1);
        break;
    }
    case NM_RELEASEDCAPTURE:
    case NM_TOOLTIPSCREATED: Record(header.code, 0, header.hwndFrom, 0, 0, controlId); break;
    default: Record(header.code, reinterpret_cast<const NMTOOLBARW*>(lParam)->iItem, header.hwndFrom, 0, 0, controlId); break;
    }
    if (answers.destroyOnCode && header.code == static_cast<UINT>(answers.destroyOnCode)) DestroyWindow(toolbar);
    if (header.code == TBN_HOTITEMCHANGE) return answers.refuseHot;
    return header.code == TBN_DROPDOWN ? answers.dropDown : 0;
}

inline LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) return OnNotify(*reinterpret_cast<const NMHDR*>(lParam), lParam);
    if (message == WM_COMMAND) {
        heard.push_back({WM_COMMAND, HIWORD(wParam), LOWORD(wParam), 0, 0, reinterpret_cast<HWND>(lParam),
                         GetCapture() == toolbar, 0});
        if (answers.destroyOnCode == -1) DestroyWindow(reinterpret_cast<HWND>(lParam));
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// The buttons most tests use, as the probes laid them out: 23 wide, 22 high, from y=2.
inline TBBUTTON Make(int image, int command, BYTE state, BYTE style, DWORD_PTR data = 0) {
    TBBUTTON b{};
    b.iBitmap = image;
    b.idCommand = command;
    b.fsState = state;
    b.fsStyle = style;
    b.dwData = data;
    return b;
}

constexpr BYTE kOn = TBSTATE_ENABLED;
inline const TBBUTTON kButtons[] = {
    Make(0, 101, kOn, BTNS_BUTTON, 1010),              // [0] 0..23
    Make(1, 102, kOn, BTNS_CHECK, 1020),               // [1] 23..46
    Make(0, 0, 0, BTNS_SEP),                           // [2] 46..54
    Make(2, 103, kOn, BTNS_CHECKGROUP, 1030),          // [3] 54..77
    Make(0, 104, kOn | TBSTATE_CHECKED, BTNS_CHECKGROUP),  // [4] 77..100
    Make(1, 105, kOn, BTNS_DROPDOWN),                  // [5] 100..123
    Make(1, 106, 0, BTNS_BUTTON),                      // [6] 123..146, disabled
    Make(2, 107, kOn, BTNS_WHOLEDROPDOWN),             // [7] 146..180
};

// Three 16x15 images side by side: red, green and blue, each with its bottom three rows and
// one pixel in the button face colour, which the toolbar makes transparent.
constexpr COLORREF kImageColours[] = {RGB(200, 0, 0), RGB(0, 160, 0), RGB(0, 0, 220)};
constexpr int kFaceRows = 3;

class ToolbarTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        heard.clear();
        answers = {};
        toolbar = nullptr;
        INITCOMMONCONTROLSEX init{sizeof init, ICC_BAR_CLASSES};
        ASSERT_TRUE(InitCommonControlsEx(&init));
        WNDCLASSW wc{};
        wc.lpfnWndProc = FormProc;
        wc.lpszClassName = L"ToolbarForm";
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        RegisterClassW(&wc);
        form_ = CreateWindowExW(0, L"ToolbarForm", L"", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr,
                                nullptr, nullptr);
        screenshot_.emplace(form_);
        objects_ = platform::CountGdiObjects();
    }
    void TearDown() override {
        Backend().PumpUntilIdle();
        if (IsWindow(toolbar)) DestroyWindow(toolbar);
        for (HBITMAP b : bitmaps_) DeleteObject(b);
        EXPECT_EQ(platform::CountGdiObjects(), objects_) << "a drawing object leaked";
        screenshot_.reset();
        DestroyWindow(form_);
        HeadlessTest::TearDown();
    }

    HBITMAP Strip() {
        constexpr int kWidth = 48, kHeight = 15;
        std::vector<std::uint32_t> bits(kWidth * kHeight);
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        auto pixel = [](COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); };
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                bits[y * kWidth + x] = pixel(y >= kHeight - kFaceRows ? face : kImageColours[x / 16]);
        bits[4 * kWidth + 4] = pixel(face);  // a transparent pixel inside image 0
        HBITMAP b = CreateBitmap(kWidth, kHeight, 1, 32, bits.data());
        bitmaps_.push_back(b);
        return b;
    }

    // A toolbar with the usual images and `buttons`, sized to the form.
    HWND MakeToolbar(DWORD style, const TBBUTTON* buttons = kButtons, int count = static_cast<int>(std::size(kButtons))) {
        toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, form_,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kId)), nullptr, nullptr);
        Send(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
        TBADDBITMAP add{nullptr, reinterpret_cast<UINT_PTR>(Strip())};
        Send(TB_ADDBITMAP, 3, reinterpret_cast<LPARAM>(&add));
        Send(TB_ADDBUTTONSW, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(buttons));
        Send(TB_AUTOSIZE);
        Backend().PumpUntilIdle();
        heard.clear();
        return toolbar;
    }

    static LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageW(toolbar, message, wParam, lParam);
    }
    static RECT ItemRect(int index) {
        RECT r{};
        Send(TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
        return r;
    }
    static POINT Middle(int index) {
        const RECT r = ItemRect(index);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    static LRESULT StateOf(int command) { return Send(TB_GETSTATE, static_cast<WPARAM>(command)); }

    // Mouse actions at a point of the toolbar's client area.
    void Move(POINT p) { Backend().MouseMove(toolbar, p.x, p.y); Backend().PumpUntilIdle(); }
    void Down(POINT p) { Backend().MouseDown(toolbar, p.x, p.y); Backend().PumpUntilIdle(); }
    void Up(POINT p) { Backend().MouseUp(toolbar, p.x, p.y); Backend().PumpUntilIdle(); }
    void MoveOnForm(int x, int y) { Backend().MouseMove(form_, x, y); Backend().PumpUntilIdle(); }

    COLORREF Pixel(int x, int y) { return Backend().WindowPixel(toolbar, x, y); }

    HWND form_ = nullptr;

private:
    std::optional<ScreenshotOnFailure> screenshot_;
    platform::GdiCounts objects_;
    std::vector<HBITMAP> bitmaps_;
};

// One thing the form should hear; unset fields are not compared.
struct Expect {
    UINT message;
    UINT code;
    std::optional<int> item = std::nullopt;
    std::optional<bool> captured = std::nullopt;
    std::optional<int> oldItem = std::nullopt;
    std::optional<DWORD> flags = std::nullopt;
};

inline Expect Note(UINT code, std::optional<int> item = std::nullopt, std::optional<bool> captured = std::nullopt) {
    return {WM_NOTIFY, code, item, captured};
}
inline Expect Hot(int oldItem, int newItem, DWORD flags) { return {WM_NOTIFY, TBN_HOTITEMCHANGE, newItem, std::nullopt, oldItem, flags}; }
inline Expect Command(int command) { return {WM_COMMAND, BN_CLICKED, command, false}; }

inline ::testing::AssertionResult HeardExactly(const std::vector<Expect>& expected) {
    auto describe = [](const Heard& h) {
        return (h.message == WM_COMMAND ? std::string("WM_COMMAND ") : "WM_NOTIFY " + std::to_string(static_cast<int>(h.code))) +
               " item " + std::to_string(h.item) + " old " + std::to_string(h.oldItem) + " flags " +
               std::to_string(h.flags) + (h.captured ? " captured" : "") + (h.from == toolbar ? "" : " from elsewhere");
    };
    std::string all;
    for (const Heard& h : heard) all += "\n  " + describe(h);
    if (heard.size() != expected.size())
        return ::testing::AssertionFailure() << "heard " << heard.size() << ", expected " << expected.size() << ":" << all;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Heard& h = heard[i];
        const Expect& e = expected[i];
        const bool same = h.message == e.message && h.code == e.code && (!e.item || h.item == *e.item) &&
                          (!e.captured || h.captured == *e.captured) && (!e.oldItem || h.oldItem == *e.oldItem) &&
                          (!e.flags || h.flags == *e.flags) &&
                          (h.from == toolbar || h.code == TTN_GETDISPINFOW);
        if (!same) return ::testing::AssertionFailure() << "message " << i << " differs:" << all;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace toolbar_test
