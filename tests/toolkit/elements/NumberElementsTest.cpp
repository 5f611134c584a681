// Sliders and numeric boxes as a program uses them: their numbers before and after they are
// made, and the callbacks a person's keys, clicks and drags run through the window procedure.
#include <string>
#include <vector>

#include "ElementTest.h"
#include "toolkit/elements/NumericBox.h"
#include "toolkit/elements/Slider.h"

namespace {

using namespace OrloUtility;

std::vector<std::string> heard;

class NumberElementsTest : public ElementTest {
protected:
    void SetUp() override {
        ElementTest::SetUp();
        heard.clear();
        form_ = MakeForm();
    }
    void TearDown() override {
        form_.reset();
        ElementTest::TearDown();
    }
    void Press(UINT key) {
        Backend().PressKey(key);
        Backend().PumpUntilIdle();
    }
    void Type(const std::wstring& text) {
        Backend().TypeText(text);
        Backend().PumpUntilIdle();
    }

    std::unique_ptr<Form> form_;
};

void HearSlider(Slider& slider) {
    slider.valueChangedCallback = [](GUIElement& element) {
        heard.push_back("value " + std::to_string(static_cast<Slider&>(element).GetValue()));
    };
    slider.changeEndedCallback = [](GUIElement& element) {
        heard.push_back("end " + std::to_string(static_cast<Slider&>(element).GetValue()));
    };
}

TEST_F(NumberElementsTest, ASliderTakesItsNumbersWhenMadeAndKeepsThemInRange) {
    Slider slider(form_.get());
    slider.SetRange(50, -50);  // backwards: put the right way round
    slider.SetValue(80);
    slider.SetSteps(5, 25);
    slider.SetTickFrequency(10);
    EXPECT_EQ(slider.GetValue(), 50);
    slider.Create();
    EXPECT_EQ(slider.TypeName(), "slider");
    HWND bar = slider.Handle();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(SendMessageW(bar, TBM_GETRANGEMIN, 0, 0), -50);
    EXPECT_EQ(SendMessageW(bar, TBM_GETRANGEMAX, 0, 0), 50);
    EXPECT_EQ(SendMessageW(bar, TBM_GETPOS, 0, 0), 50);
    EXPECT_EQ(SendMessageW(bar, TBM_GETLINESIZE, 0, 0), 5);
    EXPECT_EQ(SendMessageW(bar, TBM_GETPAGESIZE, 0, 0), 25);
    EXPECT_TRUE(GetWindowLongW(bar, GWL_STYLE) & TBS_AUTOTICKS);
    slider.SetRange(0, 10);
    EXPECT_EQ(slider.GetValue(), 10) << "a narrower range pulls the value in";
    slider.SetTickFrequency(0);
    EXPECT_TRUE(GetWindowLongW(bar, GWL_STYLE) & TBS_NOTICKS);
    EXPECT_TRUE(heard.empty()) << "a program's own changes run no callback";
}

TEST_F(NumberElementsTest, KeysChangeTheSliderAndEachReleaseEndsTheChange) {
    Slider slider(form_.get());
    slider.SetSteps(1, 10);
    HearSlider(slider);
    slider.Create();
    slider.Focus();
    Press(VK_RIGHT);
    Press(VK_NEXT);
    Press(VK_HOME);
    Press(VK_HOME);  // already there: the key still ends a change, with no new value
    Press(VK_END);
    EXPECT_EQ(heard, (std::vector<std::string>{"value 1", "end 1", "value 11", "end 11", "value 0", "end 0", "end 0",
                                               "value 100", "end 100"}));
}

TEST_F(NumberElementsTest, DraggingTheThumbReportsEachValueOnTheWayAndTheEnd) {
    Slider slider(form_.get());
    slider.x = 10;
    slider.y = 10;
    HearSlider(slider);
    slider.Create();
    RECT thumb{};
    SendMessageW(slider.Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const int grabX = 10 + (thumb.left + thumb.right) / 2, grabY = 10 + (thumb.top + thumb.bottom) / 2;
    Backend().MouseDown(form_->Handle(), grabX, grabY);
    Backend().MouseMove(form_->Handle(), grabX + 300, grabY);
    Backend().MouseUp(form_->Handle(), grabX + 300, grabY);
    Backend().PumpUntilIdle();
    ASSERT_GE(heard.size(), 2u);
    EXPECT_EQ(heard.front(), "value 100") << "past the end of the track: the highest value";
    EXPECT_EQ(heard.back(), "end 100");
    EXPECT_EQ(slider.GetValue(), 100);
}

void HearNumbers(NumericBox& box) {
    box.valueChangedCallback = [](GUIElement& element) {
        heard.push_back("value " + std::to_string(static_cast<NumericBox&>(element).GetValue()));
    };
    box.stepCallback = [](GUIElement&, int proposed) {
        heard.push_back("step to " + std::to_string(proposed) + (proposed > 5 ? " refused" : ""));
        return proposed <= 5;
    };
}

TEST_F(NumberElementsTest, ANumericBoxShowsItsValueWithArrowsBesideIt) {
    NumericBox box(form_.get(), 7);
    box.x = 10;
    box.y = 10;
    box.SetRange(10, -3);
    box.Create();
    EXPECT_EQ(box.TypeName(), "numericbox");
    EXPECT_EQ(box.GetNarrowText(), "7");
    HWND arrows = box.CompanionWindow();
    ASSERT_NE(arrows, nullptr);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(arrows, UDM_GETBUDDY, 0, 0)), box.Handle());
    RECT field{}, beside{};
    GetWindowRect(box.Handle(), &field);
    GetWindowRect(arrows, &beside);
    EXPECT_LE(beside.left, field.right) << "the arrows sit at the field's right";
    // The arrows take their width from the field's and overlap its edge a little.
    EXPECT_LE(beside.right - field.left, 100) << "together no wider than the element";
    EXPECT_GE(beside.right - field.left, 96);
    box.SetValue(40);
    EXPECT_EQ(box.GetValue(), 10);
    EXPECT_EQ(box.GetNarrowText(), "10");
}

TEST_F(NumberElementsTest, ArrowsTypingAndTheUpKeyRunTheCallbacksAndAStepCanBeRefused) {
    NumericBox box(form_.get(), 3);
    box.x = 10;
    box.y = 10;
    box.SetRange(-5, 20);
    HearNumbers(box);
    box.Create();
    RECT arrows{};
    GetWindowRect(box.CompanionWindow(), &arrows);
    POINT upper{arrows.left + 4, arrows.top + 4};
    ScreenToClient(form_->Handle(), &upper);
    Backend().Click(form_->Handle(), upper.x, upper.y);
    Backend().PumpUntilIdle();
    box.Focus();
    SendMessageW(box.Handle(), EM_SETSEL, 0, -1);
    Type(L"x-");
    Type(L"2");
    Press(VK_UP);
    SendMessageW(box.Handle(), EM_SETSEL, 0, -1);
    Type(L"5");
    Press(VK_UP);
    EXPECT_EQ(heard, (std::vector<std::string>{"step to 4", "value 4", "value -2", "step to -1", "value -1",
                                               "value 5", "step to 6 refused"}));
    EXPECT_EQ(box.GetNarrowText(), "5");
}

TEST_F(NumberElementsTest, ANumericBoxWithNoNegativesRefusesTheMinusSign) {
    NumericBox box(form_.get(), 1);
    box.Create();
    box.Focus();
    SendMessageW(box.Handle(), EM_SETSEL, 0, -1);
    Type(L"-4a2");
    EXPECT_EQ(box.GetNarrowText(), "42");
}

}  // namespace
