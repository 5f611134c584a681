// The tooltip control: its tip appears once the pointer has rested over a tool and goes when
// the pointer leaves; the text and the tool's area can change afterwards.
#include "HeadlessTest.h"

namespace {

class TooltipTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES};
        ASSERT_TRUE(InitCommonControlsEx(&init));
        LPCWSTR cls = RegisterLoggingClass();
        form_ = CreateWindowExW(0, cls, L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
        button_ = CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE, 10, 10, 80, 30, form_, nullptr, nullptr, nullptr);
        tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0, 0, 0,
                               0, button_, nullptr, nullptr, nullptr);
        ASSERT_TRUE(tip_);
        info_ = TTTOOLINFOW{};
        info_.cbSize = sizeof info_;
        info_.uFlags = TTF_SUBCLASS;
        info_.hwnd = button_;
        GetClientRect(button_, &info_.rect);
        info_.lpszText = const_cast<LPWSTR>(L"Avvia la partita");
        ASSERT_TRUE(SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info_)));
    }

    HWND form_ = nullptr, button_ = nullptr, tip_ = nullptr;
    TTTOOLINFOW info_{};
};

TEST_F(TooltipTest, AppearsAfterThePointerRestsAndGoesWhenItLeaves) {
    Backend().MouseMove(form_, 30, 20);
    Backend().RunFor(300);
    EXPECT_FALSE(IsWindowVisible(tip_)) << "not before the delay";
    Backend().RunFor(300);
    ASSERT_TRUE(IsWindowVisible(tip_));
    RECT tipRect;
    GetWindowRect(tip_, &tipRect);
    EXPECT_GT(tipRect.right - tipRect.left, 40) << "sized to its text";
    bool ink = false;
    for (int x = 0; x < tipRect.right - tipRect.left && !ink; ++x)
        for (int y = 2; y < tipRect.bottom - tipRect.top - 2; ++y)
            ink |= Backend().WindowPixel(tip_, x, y) == RGB(87, 87, 87);
    EXPECT_TRUE(ink) << "the text is drawn";
    Backend().MouseMove(form_, 200, 150);
    Backend().PumpUntilIdle();
    EXPECT_FALSE(IsWindowVisible(tip_));
    EXPECT_GT(Log().Count(WM_MOUSEMOVE, button_), 0) << "the tool window still gets its messages";
}

TEST_F(TooltipTest, ANewToolRectangleAndTextTakeEffect) {
    info_.rect = {0, 0, 10, 10};
    SendMessageW(tip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info_));
    Backend().MouseMove(form_, 60, 30);  // inside the button, outside the new tool area
    Backend().RunFor(800);
    EXPECT_FALSE(IsWindowVisible(tip_));
    info_.lpszText = const_cast<LPWSTR>(L"Altro");
    SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info_));
    Backend().MouseMove(form_, 13, 13);
    Backend().RunFor(800);
    EXPECT_TRUE(IsWindowVisible(tip_));
}

}  // namespace

namespace {

// A tool whose text is LPSTR_TEXTCALLBACKW: its window is asked for the text whenever the tip is
// about to show, and answers in szText or by pointing lpszText at a text of its own.
enum class Reply { InBuffer, ByPointer, Nothing, Keep };

struct Asked {
    HWND from;
    UINT_PTR id;
    WPARAM wParam;
    bool pointedAtBuffer;
};
std::vector<Asked> asked;
Reply reply = Reply::InBuffer;
const wchar_t kLongText[] = L"Un testo ben piu lungo di quello nel buffer";

LRESULT CALLBACK TipOwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_NOTIFY) return DefWindowProcW(hwnd, message, wParam, lParam);
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
    if (info->hdr.code != TTN_GETDISPINFOW) return 0;
    asked.push_back({info->hdr.hwndFrom, info->hdr.idFrom, wParam, info->lpszText == info->szText});
    if (reply == Reply::ByPointer) info->lpszText = const_cast<LPWSTR>(kLongText);
    if (reply == Reply::InBuffer || reply == Reply::Keep) wcscpy(info->szText, L"Breve");
    if (reply == Reply::Keep) info->uFlags |= TTF_DI_SETITEM;
    return 0;
}

class TooltipCallbackTest : public TooltipTest {
protected:
    void SetUp() override {
        TooltipTest::SetUp();
        asked.clear();
        RegisterProcClass(L"TipOwner", TipOwnerProc);
        owner_ = CreateWindowExW(0, L"TipOwner", L"", WS_CHILD | WS_VISIBLE, 100, 100, 80, 30, form_, nullptr, nullptr,
                                 nullptr);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = owner_;
        tool.uId = 42;
        tool.rect = {0, 0, 80, 30};
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        ASSERT_TRUE(SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)));
    }
    // Rests the pointer on the tool and answers the tip's width, 0 when it stays hidden.
    int ShowTip() {
        Backend().MouseMove(form_, 250, 10);
        Backend().PumpUntilIdle();
        Backend().MouseMove(form_, 120, 110);
        Backend().RunFor(800);
        RECT r{};
        GetWindowRect(tip_, &r);
        return IsWindowVisible(tip_) ? r.right - r.left : 0;
    }
    HWND owner_ = nullptr;
};

TEST_F(TooltipCallbackTest, TheToolWindowIsAskedForTheTextEachTimeTheTipShows) {
    EXPECT_EQ(SendMessageW(tip_, TTM_GETTOOLCOUNT, 0, 0), 2);
    reply = Reply::InBuffer;
    const int shortWidth = ShowTip();
    EXPECT_GT(shortWidth, 0);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].from, tip_);
    EXPECT_EQ(asked[0].id, 42u);
    EXPECT_EQ(asked[0].wParam, 42u);
    EXPECT_TRUE(asked[0].pointedAtBuffer) << "lpszText starts at szText";

    reply = Reply::ByPointer;
    EXPECT_GT(ShowTip(), shortWidth + 40) << "the text pointed at is shown";
    EXPECT_EQ(asked.size(), 2u);

    reply = Reply::Nothing;
    EXPECT_EQ(ShowTip(), 0) << "an empty text shows no tip";
}

TEST_F(TooltipCallbackTest, AnAnswerWithSetItemIsKeptAndNotAskedForAgain) {
    reply = Reply::Keep;
    const int width = ShowTip();
    EXPECT_GT(width, 0);
    reply = Reply::ByPointer;
    EXPECT_EQ(ShowTip(), width);
    EXPECT_EQ(asked.size(), 1u);
}

}  // namespace
