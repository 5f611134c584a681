// Tab controls: each tab's page is made inside the tabs over the area under them and shows only
// while its tab is selected; a person's change may be refused by the changing callback, and
// Ctrl+Tab turns the pages from anywhere on them.
#include <array>
#include <string>
#include <vector>

#include "ElementTest.h"
#include "toolkit/elements/CheckBox.h"
#include "toolkit/elements/Slider.h"
#include "toolkit/elements/TabControl.h"

namespace {

using namespace OrloUtility;

std::vector<std::string> heard;
bool allowChange = true;

class TabControlTest : public ElementTest {
protected:
    void SetUp() override {
        ElementTest::SetUp();
        heard.clear();
        allowChange = true;
        form_ = std::make_unique<Form>(kProgram);
        form_->width = 400;
        form_->height = 300;
        tabs_ = std::make_unique<TabControl>(form_.get());
        tabs_->x = 10;
        tabs_->y = 10;
        tabs_->width = 300;
        tabs_->height = 200;
        tabs_->selectionChangingCallback = [](GUIElement& element) {
            heard.push_back("changing from " + std::to_string(static_cast<TabControl&>(element).GetSelectedIndex()));
            return allowChange;
        };
        tabs_->selectionChangedCallback = [](GUIElement& element) {
            heard.push_back("changed to " + std::to_string(static_cast<TabControl&>(element).GetSelectedIndex()));
        };
        for (auto& page : pages_) page = std::make_unique<Panel>(tabs_.get());
        const char* captions[] = {"A", "B", "C"};
        for (std::size_t i = 0; i < pages_.size(); ++i) ASSERT_TRUE(tabs_->AddTab(captions[i], *pages_[i]));
        for (std::size_t i = 0; i < pages_.size(); ++i) {
            checks_[i] = std::make_unique<CheckBox>(pages_[i].get(), captions[i]);
            checks_[i]->x = checks_[i]->y = 10;
        }
    }
    void TearDown() override {
        for (auto& check : checks_) check.reset();
        tabs_.reset();
        for (auto& page : pages_) page.reset();
        form_.reset();
        ElementTest::TearDown();
    }
    void CreateAll() {
        form_->Create();
        tabs_->Create();
        Backend().PumpUntilIdle();
    }
    // The middle of tab `index`, in the form's client coordinates.
    POINT TabCentre(int index) {
        RECT tab{};
        SendMessageW(tabs_->Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&tab));
        return {tabs_->x + (tab.left + tab.right) / 2, tabs_->y + (tab.top + tab.bottom) / 2};
    }
    std::vector<bool> Shown() {
        std::vector<bool> shown;
        for (auto& page : pages_) shown.push_back(IsWindowVisible(page->Handle()) != FALSE);
        return shown;
    }
    void PressWith(UINT modifier, UINT key, UINT second = 0) {
        Backend().KeyDown(modifier);
        if (second) Backend().KeyDown(second);
        Backend().PressKey(key);
        if (second) Backend().KeyUp(second);
        Backend().KeyUp(modifier);
        Backend().PumpUntilIdle();
    }

    std::unique_ptr<Form> form_;
    std::unique_ptr<TabControl> tabs_;
    std::array<std::unique_ptr<Panel>, 3> pages_;
    std::array<std::unique_ptr<CheckBox>, 3> checks_;
};

TEST_F(TabControlTest, PagesAreMadeInsideTheTabsUnderThemAndOnlyTheSelectedOneShows) {
    CreateAll();
    EXPECT_EQ(tabs_->TypeName(), "tabcontrol");
    ASSERT_NE(tabs_->Handle(), nullptr);
    EXPECT_EQ(tabs_->TabCount(), 3);
    EXPECT_EQ(tabs_->TabText(1), L"B");
    RECT area{};
    GetClientRect(tabs_->Handle(), &area);
    SendMessageW(tabs_->Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    for (auto& page : pages_) {
        EXPECT_EQ(GetParent(page->Handle()), tabs_->Handle());
        EXPECT_EQ(page->GetPosition().x, area.left);
        EXPECT_EQ(page->GetPosition().y, area.top);
        EXPECT_EQ(page->GetClientWidth(), area.right - area.left);
    }
    for (auto& check : checks_) EXPECT_NE(check->Handle(), nullptr) << "made with its page";
    EXPECT_EQ(tabs_->GetSelectedIndex(), 0);
    EXPECT_EQ(Shown(), (std::vector<bool>{true, false, false}));
}

TEST_F(TabControlTest, AClickOnATabAsksThenShowsItsPageThenTells) {
    struct Case {
        bool allow;
        int selectedAfter;
        std::vector<std::string> heard;
        std::vector<bool> shown;
    };
    const Case cases[] = {
        {true, 2, {"changing from 0", "changed to 2"}, {false, false, true}},
        {false, 0, {"changing from 0"}, {true, false, false}},
    };
    for (const Case& c : cases) {
        TearDown();
        SetUp();
        CreateAll();
        allowChange = c.allow;
        const POINT at = TabCentre(2);
        Backend().Click(form_->Handle(), at.x, at.y);
        Backend().PumpUntilIdle();
        EXPECT_EQ(heard, c.heard) << "allowed " << c.allow;
        EXPECT_EQ(tabs_->GetSelectedIndex(), c.selectedAfter);
        EXPECT_EQ(Shown(), c.shown);
    }
}

TEST_F(TabControlTest, CtrlTabTurnsThePagesRoundFromAControlOnAPage) {
    CreateAll();
    checks_[0]->Focus();
    PressWith(VK_CONTROL, VK_TAB);
    EXPECT_EQ(tabs_->GetSelectedIndex(), 1);
    EXPECT_EQ(GetFocus(), tabs_->Handle()) << "the focus leaves the hidden page for the tabs";
    PressWith(VK_CONTROL, VK_TAB, VK_SHIFT);
    PressWith(VK_CONTROL, VK_TAB, VK_SHIFT);
    EXPECT_EQ(tabs_->GetSelectedIndex(), 2) << "backwards round the start";
    EXPECT_EQ(heard, (std::vector<std::string>{"changing from 0", "changed to 1", "changing from 1", "changed to 0",
                                               "changing from 0", "changed to 2"}));
    allowChange = false;
    PressWith(VK_CONTROL, VK_TAB);
    EXPECT_EQ(tabs_->GetSelectedIndex(), 2) << "refused";
    EXPECT_EQ(Shown(), (std::vector<bool>{false, false, true}));
}

TEST_F(TabControlTest, APlainTabStillMovesThroughThePageShown) {
    CheckBox second(pages_[0].get(), "Second");
    second.x = 10;
    second.y = 40;
    CreateAll();
    checks_[0]->Focus();
    Backend().PressKey(VK_TAB);
    Backend().PumpUntilIdle();
    EXPECT_EQ(GetFocus(), second.Handle());
    EXPECT_EQ(tabs_->GetSelectedIndex(), 0);
}

TEST_F(TabControlTest, ControlsOnAPageReportToTheirElements) {
    checks_[0]->changedCallback = [](GUIElement& element) {
        heard.push_back(static_cast<CheckBox&>(element).IsChecked() ? "checked" : "unchecked");
    };
    CreateAll();
    POINT at{8, 12};
    ClientToScreen(checks_[0]->Handle(), &at);
    ScreenToClient(form_->Handle(), &at);
    Backend().Click(form_->Handle(), at.x, at.y);
    Backend().PumpUntilIdle();
    EXPECT_EQ(heard, (std::vector<std::string>{"checked"}));
}

// The tab control takes scroll reports for its own arrows: a page's slider must not move the tabs.
TEST_F(TabControlTest, ASlidersReportsOnAPageDoNotScrollTheTabs) {
    tabs_->tabWidth = 140;  // three tabs wider than the control, so that the tabs can scroll
    Slider slider(pages_[0].get());
    slider.valueChangedCallback = [](GUIElement& element) {
        heard.push_back("value " + std::to_string(static_cast<Slider&>(element).GetValue()));
    };
    CreateAll();
    RECT before{}, after{};
    SendMessageW(tabs_->Handle(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&before));
    SendMessageW(slider.Handle(), TBM_SETPOS, TRUE, 60);
    SendMessageW(pages_[0]->Handle(), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 60),
                 reinterpret_cast<LPARAM>(slider.Handle()));
    SendMessageW(tabs_->Handle(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&after));
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(heard, (std::vector<std::string>{"value 60"}));
}

TEST_F(TabControlTest, TheProgramsOwnChoicesAskAndTellNothing) {
    CreateAll();
    EXPECT_TRUE(tabs_->SetSelectedIndex(1));
    EXPECT_FALSE(tabs_->SetSelectedIndex(3));
    EXPECT_FALSE(tabs_->SetSelectedIndex(-1));
    EXPECT_EQ(tabs_->GetSelectedIndex(), 1);
    EXPECT_EQ(Shown(), (std::vector<bool>{false, true, false}));
    EXPECT_TRUE(heard.empty());
}

TEST_F(TabControlTest, APageIsTakenOnceAndOnlyBeforeItIsMade) {
    EXPECT_FALSE(tabs_->AddTab("Again", *pages_[0]));
    CreateAll();
    Panel late(tabs_.get());
    EXPECT_TRUE(tabs_->AddTab("D", late));
    EXPECT_EQ(GetParent(late.Handle()), tabs_->Handle()) << "made at once by a live tab control";
    EXPECT_FALSE(IsWindowVisible(late.Handle()));
    Panel made(form_.get());
    made.Create();
    EXPECT_FALSE(tabs_->AddTab("E", made));
    EXPECT_EQ(tabs_->TabCount(), 4);
}

}  // namespace
