// A TBSTYLE_TOOLTIPS toolbar's tooltip: made with the toolbar and owned by its parent, one tool
// per button, its text asked of the parent when a tip is about to show (an info tip first, then
// the tooltip's own TTN_GETDISPINFOW passed on), and gone with the toolbar.
#include "ToolbarFixture.h"

namespace {

using namespace toolbar_test;

class ToolbarTipsTest : public ToolbarTest {
protected:
    // Rests the pointer on button `index` until the tip shows.
    void RestOn(int index) {
        MoveOnForm(300, 200);
        heard.clear();
        const POINT p = Middle(index);
        Backend().MouseMove(toolbar, p.x, p.y);
        Backend().RunFor(800);
    }
    static HWND Tip() { return reinterpret_cast<HWND>(Send(TB_GETTOOLTIPS)); }
};

TEST_F(ToolbarTipsTest, TheTooltipIsMadeWithTheToolbarOwnedByItsParentWithAToolPerButton) {
    toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, WS_CHILD | TBSTYLE_TOOLTIPS, 0, 0, 0, 0, form_,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kId)), nullptr, nullptr);
    ASSERT_TRUE(Tip());
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(heard[0].code, static_cast<UINT>(NM_TOOLTIPSCREATED));
    wchar_t cls[32]{};
    GetClassNameW(Tip(), cls, 32);
    EXPECT_STREQ(cls, TOOLTIPS_CLASSW);
    EXPECT_EQ(GetWindow(Tip(), GW_OWNER), form_);
    Send(TB_ADDBUTTONSW, std::size(kButtons), reinterpret_cast<LPARAM>(kButtons));
    EXPECT_EQ(SendMessageW(Tip(), TTM_GETTOOLCOUNT, 0, 0), 7) << "every button but the separator";
    const HWND tip = Tip();
    DestroyWindow(toolbar);
    EXPECT_FALSE(IsWindow(tip)) << "the toolbar takes its tooltip with it";

    MakeToolbar(TBSTYLE_FLAT);
    EXPECT_EQ(Tip(), nullptr) << "no tooltip without TBSTYLE_TOOLTIPS";
}

TEST_F(ToolbarTipsTest, TheParentIsAskedForAnInfoTipAndThenForTheTooltipsText) {
    MakeToolbar(TBSTYLE_FLAT | TBSTYLE_TOOLTIPS);
    answers.dispInfo = L"Nuova partita";
    RestOn(0);
    ASSERT_TRUE(IsWindowVisible(Tip()));
    std::vector<Heard> told;
    for (const Heard& h : heard)
        if (h.code == TBN_GETINFOTIPW || h.code == TTN_GETDISPINFOW) told.push_back(h);
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[0].code, TBN_GETINFOTIPW);
    EXPECT_EQ(told[0].item, 101);
    EXPECT_EQ(told[1].code, TTN_GETDISPINFOW);
    EXPECT_EQ(told[1].from, Tip()) << "passed on as the tooltip sent it";
    EXPECT_EQ(told[1].controlId, 101);
    RECT shown{};
    GetWindowRect(Tip(), &shown);

    answers.infoTip = L"Un suggerimento molto piu lungo";
    RestOn(1);
    ASSERT_TRUE(IsWindowVisible(Tip()));
    EXPECT_EQ(std::count_if(heard.begin(), heard.end(), [](const Heard& h) { return h.code == TTN_GETDISPINFOW; }), 0)
        << "an info tip is the text";
    RECT longer{};
    GetWindowRect(Tip(), &longer);
    EXPECT_GT(longer.right - longer.left, shown.right - shown.left + 40);
}

TEST_F(ToolbarTipsTest, AnotherTooltipTakesTheToolsAndTheOldOneIsLeftAlone) {
    MakeToolbar(TBSTYLE_TOOLTIPS);
    const HWND old = Tip();
    const HWND given = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP, 0, 0, 0, 0, form_, nullptr, nullptr, nullptr);
    EXPECT_EQ(Send(TB_SETTOOLTIPS, reinterpret_cast<WPARAM>(given)), 0);
    EXPECT_EQ(Tip(), given);
    EXPECT_EQ(SendMessageW(given, TTM_GETTOOLCOUNT, 0, 0), 7);
    DestroyWindow(toolbar);
    EXPECT_TRUE(IsWindow(old));
    EXPECT_FALSE(IsWindow(given));
    DestroyWindow(old);
}

}  // namespace
