// Menu elements: the tree of bar, menus and items becoming the form's menu, items chosen from
// the keyboard running their commands, and the check-mark rules.
#include <vector>

#include "ElementTest.h"
#include "toolkit/elements/Menu.h"
#include "toolkit/elements/MenuBar.h"
#include "toolkit/elements/SubMenu.h"

namespace {

using namespace OrloUtility;

class MenuElementsTest : public ElementTest {
protected:
    void SetUp() override {
        ElementTest::SetUp();
        form_ = MakeForm();
        bar_ = std::make_unique<MenuBar>(form_.get());
        file_ = std::make_unique<Menu>(bar_.get(), "&File");
        options_ = std::make_unique<Menu>(bar_.get(), "&Opzioni");
        exit_ = std::make_unique<SubMenu>(file_.get(), "&Esci");
        joystick_ = std::make_unique<SubMenu>(options_.get(), "&Abilita Joystick");
    }
    void TearDown() override {
        joystick_.reset();
        exit_.reset();
        options_.reset();
        file_.reset();
        bar_.reset();
        form_.reset();
        ElementTest::TearDown();
    }

    // Alt+O opens "&Opzioni", A chooses "&Abilita Joystick", as a person does.
    void ChooseJoystickFromTheKeyboard() {
        Backend().KeyDown(VK_MENU);
        Backend().PressKey('O');
        Backend().KeyUp(VK_MENU);
        Backend().PressKey('A');
        Backend().PumpUntilIdle();
    }

    UINT ShownState(const SubMenu& item) { return GetMenuState(options_->MenuHandle(), item.Id(), MF_BYCOMMAND); }

    std::unique_ptr<Form> form_;
    std::unique_ptr<MenuBar> bar_;
    std::unique_ptr<Menu> file_, options_;
    std::unique_ptr<SubMenu> exit_, joystick_;
};

TEST_F(MenuElementsTest, TheTreeBecomesTheFormsMenuInOrder) {
    SubMenu separator(options_.get(), "");
    separator.itemFlags = MF_SEPARATOR;
    SubMenu level(options_.get(), "&Livello");
    SubMenu easy(&level, "&Facile");
    bar_->Create();
    SubMenu hard(&level, "&Difficile");  // added to a made pop-up: made at once

    HMENU bar = GetMenu(form_->Handle());
    ASSERT_EQ(bar, bar_->MenuHandle());
    EXPECT_EQ(bar_->Handle(), reinterpret_cast<HWND>(bar)) << "menu elements keep their menu as their window";
    EXPECT_EQ(GetMenuItemCount(bar), 2);
    EXPECT_EQ(GetSubMenu(bar, 0), file_->MenuHandle());
    EXPECT_EQ(GetSubMenu(bar, 1), options_->MenuHandle());
    HMENU options = options_->MenuHandle();
    EXPECT_EQ(GetMenuItemCount(options), 3);
    EXPECT_EQ(GetMenuState(options, 1, MF_BYPOSITION), static_cast<UINT>(MF_SEPARATOR)) << "empty text: no text";
    EXPECT_EQ(GetSubMenu(options, 2), level.PopupHandle());
    EXPECT_EQ(GetMenuItemCount(level.PopupHandle()), 2);
    EXPECT_EQ(GetMenuState(level.PopupHandle(), hard.Id(), MF_BYCOMMAND), 0u) << "a plain item, found";
    EXPECT_TRUE(joystick_->IsCreated());
    EXPECT_EQ(joystick_->Handle(), nullptr) << "a command item has no menu of its own";
}

TEST_F(MenuElementsTest, ACheckableItemFlipsItsMarkBeforeItsCommandRuns) {
    struct Seen {
        bool checked;
        UINT shown;
    };
    static std::vector<Seen> seen;
    static HMENU options;
    seen.clear();
    joystick_->checkable = true;
    joystick_->checked = true;
    joystick_->commandCallback = [](GUIElement& element) {
        auto& item = dynamic_cast<SubMenu&>(element);
        seen.push_back({item.checked, GetMenuState(options, item.Id(), MF_BYCOMMAND)});
    };
    bar_->Create();
    options = options_->MenuHandle();
    EXPECT_EQ(ShownState(*joystick_), static_cast<UINT>(MF_CHECKED)) << "marked as soon as made";

    ChooseJoystickFromTheKeyboard();
    ChooseJoystickFromTheKeyboard();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_FALSE(seen[0].checked);
    EXPECT_EQ(seen[0].shown, static_cast<UINT>(MF_UNCHECKED));
    EXPECT_TRUE(seen[1].checked);
    EXPECT_EQ(seen[1].shown, static_cast<UINT>(MF_CHECKED));
}

struct MarkCase {
    const char* name;
    UINT flags;
    bool checkable;
    bool checked;
    UINT shown;
    bool readsChecked;
};

TEST_F(MenuElementsTest, TheMarkShowsOnlyOnCheckableItemsAndReadsCheckedOnlyWhenAlone) {
    const MarkCase cases[] = {
        {"plain", 0, false, false, 0, false},
        {"checkable, checked", 0, true, true, MF_CHECKED, true},
        {"checkable, unchecked", 0, true, false, 0, false},
        {"checked but not checkable", 0, false, true, 0, false},
        {"greyed and checked", MF_GRAYED, true, true, MF_CHECKED | MF_GRAYED, false},
    };
    std::vector<std::unique_ptr<SubMenu>> items;
    for (const MarkCase& c : cases) {
        items.push_back(std::make_unique<SubMenu>(options_.get(), c.name));
        items.back()->itemFlags = c.flags;
        items.back()->checkable = c.checkable;
        items.back()->checked = c.checked;
        EXPECT_EQ(items.back()->IsChecked(), c.checked) << c.name << ": not made yet, the stored state";
    }
    bar_->Create();
    for (std::size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(cases[i].name);
        SubMenu& item = *items[i];
        EXPECT_EQ(ShownState(item), cases[i].shown);
        EXPECT_EQ(item.IsChecked(), cases[i].readsChecked);
        EXPECT_EQ(item.checked, cases[i].readsChecked) << "the state read is stored";
    }
}

TEST_F(MenuElementsTest, ItemsOfAMenuNotOnAMadeBarWaitForTheBar) {
    joystick_->Create();
    options_->Create();
    EXPECT_FALSE(joystick_->IsCreated());
    EXPECT_FALSE(options_->IsCreated());
    EXPECT_EQ(GetMenu(form_->Handle()), nullptr);

    MenuBar orphan(nullptr);
    orphan.Create();
    EXPECT_FALSE(orphan.IsCreated()) << "a bar waits for its form's window";
}

}  // namespace
