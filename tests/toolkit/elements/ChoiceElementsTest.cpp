// Check boxes and list boxes as a program uses them: what they hold before and after they are
// made, and the callbacks a person's clicks and keys run through the window procedure.
#include <string>
#include <vector>

#include "ElementTest.h"
#include "toolkit/elements/CheckBox.h"
#include "toolkit/elements/ListBox.h"

namespace {

using namespace OrloUtility;

std::vector<std::string> heard;

class ChoiceElementsTest : public ElementTest {
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

    void ClickAt(int x, int y) {
        Backend().Click(form_->Handle(), x, y);
        Backend().PumpUntilIdle();
    }
    void Press(UINT key) {
        Backend().PressKey(key);
        Backend().PumpUntilIdle();
    }
    // A click with a modifier key held.
    void ClickWith(UINT modifier, int x, int y) {
        Backend().KeyDown(modifier);
        ClickAt(x, y);
        Backend().KeyUp(modifier);
        Backend().PumpUntilIdle();
    }

    std::unique_ptr<Form> form_;
};

std::string StateName(UINT state) {
    return state == BST_CHECKED ? "checked" : state == BST_INDETERMINATE ? "indeterminate" : "unchecked";
}

struct CheckCase {
    const char* name;
    bool threeState;
    std::vector<std::string> afterThreeClicks;  // two clicks, then Space
};

TEST_F(ChoiceElementsTest, ClickingACheckBoxOrPressingSpaceRunsItsCallbackWithTheNewStateInPlace) {
    const CheckCase cases[] = {
        {"two states", false, {"checked", "unchecked", "checked"}},
        {"three states", true, {"checked", "indeterminate", "unchecked"}},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.name);
        heard.clear();
        CheckBox box(form_.get(), "&Sound");
        box.x = box.y = 10;
        box.threeState = c.threeState;
        box.changedCallback = [](GUIElement& element) {
            heard.push_back(StateName(static_cast<CheckBox&>(element).GetCheckState()));
        };
        box.Create();
        EXPECT_EQ(box.TypeName(), "checkbox");
        for (int i = 0; i < 2; ++i) ClickAt(20, 20);
        Press(VK_SPACE);  // the clicks left it focused
        EXPECT_EQ(heard, c.afterThreeClicks);
        DestroyWindow(box.Handle());
    }
}

TEST_F(ChoiceElementsTest, ACheckBoxKeepsItsStateUntilMadeAndRefusesWhatItCannotShow) {
    CheckBox box(form_.get(), "Music");
    box.SetCheckState(BST_INDETERMINATE);
    EXPECT_EQ(box.GetCheckState(), static_cast<UINT>(BST_UNCHECKED)) << "a two-state box has no third state";
    box.SetChecked(true);
    box.Create();
    EXPECT_EQ(SendMessageW(box.Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(box.IsChecked());
    box.SetChecked(false);
    EXPECT_EQ(SendMessageW(box.Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    // Set by someone else, read back through the element.
    SendMessageW(box.Handle(), BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_TRUE(box.IsChecked());
}

// The list's rows: 20 pixels, below the 2-pixel edge of a bordered list at (10, 10).
constexpr int kRow = 20;
int RowY(int row) { return 10 + 2 + row * kRow + kRow / 2; }

struct ListFixture {
    explicit ListFixture(Form& form, bool multiple = false) : list(&form) {
        list.x = list.y = 10;
        list.height = 4 * kRow + 4;
        list.itemHeight = kRow;
        list.multipleSelection = multiple;
        list.selectionChangedCallback = [](GUIElement& element) {
            std::string line = "selection";
            auto& box = static_cast<ListBox&>(element);
            for (int index : box.GetSelectedIndices()) line += " " + box.ItemText(index);
            heard.push_back(line);
        };
        list.doubleClickCallback = [](GUIElement& element) {
            auto& box = static_cast<ListBox&>(element);
            heard.push_back("double click " + box.ItemText(box.GetSelectedIndex()));
        };
    }
    ListBox list;
};

TEST_F(ChoiceElementsTest, AListHoldsItsItemsBeforeAndAfterItIsMadeInItsOwnOrder) {
    ListFixture fixture(*form_);
    ListBox& list = fixture.list;
    list.sorted = true;
    for (const char* item : {"cherry", "Apple", "banana"}) list.AddItem(item);
    list.InsertItem(0, "date");
    EXPECT_TRUE(list.RemoveItem(2));
    EXPECT_FALSE(list.RemoveItem(9));
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"cherry", "Apple", "date"})) << "unmade: kept as added";
    list.Create();
    EXPECT_EQ(list.TypeName(), "listbox");
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"Apple", "cherry", "date"})) << "made: sorted by the list";
    list.InsertItem(0, "Banana");
    EXPECT_EQ(list.ItemText(1), "Banana") << "a sorted list places an inserted item by its text";
    EXPECT_EQ(list.ItemCount(), 4);
    list.ClearItems();
    EXPECT_EQ(list.ItemCount(), 0);
    EXPECT_EQ(list.ItemText(0), "");
}

TEST_F(ChoiceElementsTest, ASelectionMadeBeforeTheListIsMadeIsShownByIt) {
    ListFixture single(*form_);
    for (const char* item : {"a", "b", "c"}) single.list.AddItem(item);
    single.list.SetSelectedIndex(1);
    single.list.Create();
    EXPECT_EQ(SendMessageW(single.list.Handle(), LB_GETCURSEL, 0, 0), 1);

    ListFixture multiple(*form_, true);
    for (const char* item : {"a", "b", "c", "d"}) multiple.list.AddItem(item);
    multiple.list.SetItemSelected(3, true);
    multiple.list.SetItemSelected(1, true);
    multiple.list.RemoveItem(0);
    EXPECT_EQ(multiple.list.GetSelectedIndices(), (std::vector<int>{0, 2})) << "indexes follow a removal";
    multiple.list.Create();
    EXPECT_EQ(multiple.list.GetSelectedIndices(), (std::vector<int>{0, 2}));
    multiple.list.SetItemSelected(0, false);
    EXPECT_EQ(multiple.list.GetSelectedIndices(), (std::vector<int>{2}));
    EXPECT_TRUE(heard.empty()) << "a program's own changes run no callback";
}

TEST_F(ChoiceElementsTest, APersonsClicksAndKeysRunTheListsCallbacks) {
    ListFixture fixture(*form_);
    for (const char* item : {"apple", "banana", "cherry", "date", "fig", "grape"}) fixture.list.AddItem(item);
    fixture.list.Create();
    ClickAt(40, RowY(1));
    Press(VK_DOWN);
    Press(VK_END);
    EXPECT_EQ(fixture.list.GetSelectedIndex(), 5);
    Press(VK_HOME);
    Backend().Click(form_->Handle(), 40, RowY(2));
    Backend().Click(form_->Handle(), 40, RowY(2));
    Backend().PumpUntilIdle();
    EXPECT_EQ(heard, (std::vector<std::string>{"selection banana", "selection cherry", "selection grape",
                                               "selection apple", "selection cherry", "double click cherry"}));
}

TEST_F(ChoiceElementsTest, ShiftAndCtrlClicksChangeAMultipleSelection) {
    ListFixture fixture(*form_, true);
    for (const char* item : {"kitchen", "hall", "attic", "cellar"}) fixture.list.AddItem(item);
    fixture.list.Create();
    ClickAt(40, RowY(0));
    ClickWith(VK_SHIFT, 40, RowY(2));
    ClickWith(VK_CONTROL, 40, RowY(1));
    EXPECT_EQ(heard, (std::vector<std::string>{"selection kitchen", "selection kitchen hall attic",
                                               "selection kitchen attic"}));
    EXPECT_EQ(fixture.list.GetSelectedIndex(), 0) << "the first of several";
}

}  // namespace
