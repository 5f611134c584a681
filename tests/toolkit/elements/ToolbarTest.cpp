// Toolbars: a click on a button reaches the button callback with its command id, and a button
// standing for a menu item chooses the item (its check mark flipping as from the menu); check
// buttons keep their state; the tooltip's text is the button's; the drop-down arrow is told.
#include <string>
#include <vector>

#include "ElementTest.h"
#include "toolkit/elements/Menu.h"
#include "toolkit/elements/MenuBar.h"
#include "toolkit/elements/SubMenu.h"
#include "toolkit/elements/Toolbar.h"

namespace {

using namespace OrloUtility;

std::vector<std::string> heard;

class ToolbarTest : public ElementTest {
protected:
    void SetUp() override {
        ElementTest::SetUp();
        heard.clear();
        form_ = MakeForm();
        toolbar_ = std::make_unique<Toolbar>(form_.get());
        toolbar_->buttonCallback = [](Toolbar& toolbar, int id) {
            heard.push_back("button " + std::to_string(id) + (toolbar.IsChecked(id) ? " checked" : ""));
        };
        toolbar_->dropDownCallback = [](Toolbar&, int id) { heard.push_back("drop down " + std::to_string(id)); };
    }
    void TearDown() override {
        toolbar_.reset();
        form_.reset();
        ElementTest::TearDown();
    }
    // The middle of the button, in the form's client coordinates.
    POINT Centre(int id) {
        const int index = static_cast<int>(SendMessageW(toolbar_->Handle(), TB_COMMANDTOINDEX, static_cast<WPARAM>(id), 0));
        RECT button{};
        SendMessageW(toolbar_->Handle(), TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button));
        POINT at{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
        ClientToScreen(toolbar_->Handle(), &at);
        ScreenToClient(form_->Handle(), &at);
        return at;
    }
    void ClickButton(int id, int dx = 0) {
        const POINT at = Centre(id);
        Backend().Click(form_->Handle(), at.x + dx, at.y);
        Backend().PumpUntilIdle();
    }

    std::unique_ptr<Form> form_;
    std::unique_ptr<Toolbar> toolbar_;
};

TEST_F(ToolbarTest, ClicksReachTheCallbackWithTheButtonsIdAndCheckButtonsStayDown) {
    const int plain = toolbar_->AddButton(0, "Plain");
    toolbar_->AddSeparator();
    const int check = toolbar_->AddButton(1, "Check", Toolbar::ButtonKind::kCheck);
    ASSERT_NE(plain, 0);
    ASSERT_NE(plain, check);
    toolbar_->Create();
    Backend().PumpUntilIdle();
    EXPECT_EQ(toolbar_->TypeName(), "toolbar");
    EXPECT_EQ(toolbar_->GetPosition().y, 0) << "along the top";
    EXPECT_EQ(toolbar_->GetWindowWidth(), form_->GetClientWidth());
    ClickButton(plain);
    ClickButton(check);
    ClickButton(check);
    EXPECT_EQ(heard, (std::vector<std::string>{"button " + std::to_string(plain), "button " + std::to_string(check) + " checked",
                                               "button " + std::to_string(check)}));
    EXPECT_FALSE(toolbar_->IsChecked(plain));
}

TEST_F(ToolbarTest, AButtonStandingForAMenuItemChoosesIt) {
    MenuBar bar(form_.get());
    Menu menu(&bar, "&Game");
    SubMenu pause(&menu, "&Pause");
    pause.checkable = true;
    pause.commandCallback = [](GUIElement& item) {
        heard.push_back(std::string("pause ") + (static_cast<SubMenu&>(item).checked ? "on" : "off"));
    };
    bar.Create();
    const int button = toolbar_->AddButton(0, "Pause", Toolbar::ButtonKind::kCheck, &pause);
    toolbar_->Create();
    Backend().PumpUntilIdle();
    ClickButton(button);
    ClickButton(button);
    EXPECT_EQ(heard, (std::vector<std::string>{"pause on", "button " + std::to_string(button) + " checked", "pause off",
                                               "button " + std::to_string(button)}));
    EXPECT_FALSE(pause.IsChecked());
}

TEST_F(ToolbarTest, ATooltipAsksTheElementForTheButtonsText) {
    const int button = toolbar_->AddButton(0, "Avvia la partita");
    toolbar_->Create();
    NMTTDISPINFOW info{};
    info.hdr = {toolbar_->CompanionWindow(), static_cast<UINT_PTR>(button), TTN_GETDISPINFOW};
    ASSERT_NE(info.hdr.hwndFrom, nullptr) << "the toolbar's tooltip is the element's companion";
    SendMessageW(form_->Handle(), WM_NOTIFY, static_cast<WPARAM>(button), reinterpret_cast<LPARAM>(&info));
    ASSERT_NE(info.lpszText, nullptr);
    EXPECT_EQ(std::wstring(info.lpszText), L"Avvia la partita");
}

TEST_F(ToolbarTest, TheDropDownArrowIsToldAndDisabledButtonsAreNot) {
    const int speed = toolbar_->AddButton(0, "Speed", Toolbar::ButtonKind::kDropDown);
    const int off = toolbar_->AddButton(1, "Off");
    toolbar_->Create();
    Backend().PumpUntilIdle();
    EXPECT_TRUE(toolbar_->SetButtonEnabled(off, false));
    EXPECT_FALSE(toolbar_->IsButtonEnabled(off));
    EXPECT_FALSE(toolbar_->SetButtonEnabled(12345, true)) << "no such button";
    RECT arrow{};
    SendMessageW(toolbar_->Handle(), TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&arrow));
    ClickButton(speed, (arrow.right - arrow.left) / 2 - 3);
    ClickButton(off);
    EXPECT_EQ(heard, (std::vector<std::string>{"drop down " + std::to_string(speed)}));
}

}  // namespace
