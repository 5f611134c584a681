// Panels: a plain area inside a form that makes its controls with it, paints its own colour,
// gives its controls that colour, passes their reports on to the form, and lets Tab through.
#include <string>
#include <vector>

#include "ElementTest.h"
#include "toolkit/elements/Button.h"
#include "toolkit/elements/CheckBox.h"
#include "toolkit/elements/Panel.h"

namespace {

using namespace OrloUtility;

constexpr COLORREF kPanelColour = RGB(200, 230, 250);

std::vector<std::string> heard;

class PanelTest : public ElementTest {
protected:
    void SetUp() override {
        ElementTest::SetUp();
        heard.clear();
        form_ = std::make_unique<Form>(kProgram);
        form_->width = 400;
        form_->height = 300;
        panel_ = std::make_unique<Panel>(form_.get());
        panel_->x = 20;
        panel_->y = 30;
        panel_->bordered = true;
        panel_->SetBackColor(kPanelColour);
        check_ = std::make_unique<CheckBox>(panel_.get(), "Lights");
        check_->x = check_->y = 10;
        check_->changedCallback = [](GUIElement& element) {
            heard.push_back(static_cast<CheckBox&>(element).IsChecked() ? "checked" : "unchecked");
        };
        button_ = std::make_unique<Button>(panel_.get(), "Go");
        button_->x = 10;
        button_->y = 50;
        button_->commandCallback = [](GUIElement&) { heard.push_back("go"); };
        after_ = std::make_unique<Button>(form_.get(), "After");
        after_->x = 250;
        after_->y = 30;
    }
    void TearDown() override {
        after_.reset();
        button_.reset();
        check_.reset();
        panel_.reset();
        form_.reset();
        ElementTest::TearDown();
    }
    void CreateAll() {
        form_->Create();
        panel_->Create();
        after_->Create();
        Backend().PumpUntilIdle();
    }

    std::unique_ptr<Form> form_;
    std::unique_ptr<Panel> panel_;
    std::unique_ptr<CheckBox> check_;
    std::unique_ptr<Button> button_;
    std::unique_ptr<Button> after_;
};

TEST_F(PanelTest, MakingThePanelMakesItsControlsInsideItAtTheirPlaces) {
    CreateAll();
    EXPECT_EQ(panel_->TypeName(), "panel");
    ASSERT_NE(check_->Handle(), nullptr);
    EXPECT_EQ(GetParent(check_->Handle()), panel_->Handle());
    EXPECT_EQ(GetParent(button_->Handle()), panel_->Handle());
    const POINT at = button_->GetPosition();
    EXPECT_EQ(at.x, 10);
    EXPECT_EQ(at.y, 50);
    EXPECT_TRUE(GetWindowLongW(panel_->Handle(), GWL_STYLE) & WS_BORDER);
    EXPECT_TRUE(GetWindowLongW(panel_->Handle(), GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
}

TEST_F(PanelTest, ItsControlsReportToTheirElementsThroughThePanelAndTheForm) {
    CreateAll();
    const POINT check = {20 + 1 + 10 + 8, 30 + 1 + 10 + 12};
    const POINT go = {20 + 1 + 10 + 40, 30 + 1 + 50 + 15};
    Backend().Click(form_->Handle(), check.x, check.y);
    Backend().PumpUntilIdle();
    Backend().Click(form_->Handle(), go.x, go.y);
    Backend().PumpUntilIdle();
    Backend().Click(form_->Handle(), check.x, check.y);
    Backend().PumpUntilIdle();
    EXPECT_EQ(heard, (std::vector<std::string>{"checked", "go", "unchecked"}));
}

TEST_F(PanelTest, ThePanelPaintsItsColourAndGivesItToItsControls) {
    CreateAll();
    EXPECT_EQ(Backend().WindowPixel(panel_->Handle(), 150, 100), kPanelColour) << "the panel's own background";
    EXPECT_EQ(Backend().WindowPixel(check_->Handle(), 100, 2), kPanelColour) << "behind the check box's text";
}

TEST_F(PanelTest, TabMovesThroughThePanelsControlsAndOnToTheForms) {
    CreateAll();
    check_->Focus();
    Backend().PressKey(VK_TAB);
    Backend().PumpUntilIdle();
    EXPECT_EQ(GetFocus(), button_->Handle());
    Backend().PressKey(VK_TAB);
    Backend().PumpUntilIdle();
    EXPECT_EQ(GetFocus(), after_->Handle());
    Backend().PressKey(VK_TAB);
    Backend().PumpUntilIdle();
    EXPECT_EQ(GetFocus(), check_->Handle()) << "round again";
}

}  // namespace
