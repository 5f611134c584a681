// The common controls' classes exist once InitCommonControlsEx has been asked for them, each by
// the flags that name it; the controls every program has need no call.
#include "HeadlessTest.h"

namespace {

class CommonControlsTest : public HeadlessTest {
protected:
    bool CanMake(LPCWSTR cls) {
        HWND made = CreateWindowExW(0, cls, L"", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
        if (made) DestroyWindow(made);
        return made != nullptr;
    }
};

struct FlagsCase {
    DWORD flags;
    LPCWSTR cls;
    bool registered;
};

TEST_F(CommonControlsTest, EachFlagRegistersTheClassesItNamesAndNoOthers) {
    const FlagsCase cases[] = {
        {ICC_BAR_CLASSES, TRACKBAR_CLASSW, true},
        {ICC_BAR_CLASSES, TOOLTIPS_CLASSW, true},
        {ICC_BAR_CLASSES, UPDOWN_CLASSW, false},
        {ICC_BAR_CLASSES, TOOLBARCLASSNAMEW, true},
        {ICC_UPDOWN_CLASS, TOOLBARCLASSNAMEW, false},
        {ICC_WIN95_CLASSES, TOOLBARCLASSNAMEW, true},
        {ICC_TAB_CLASSES, TOOLTIPS_CLASSW, true},
        {ICC_TAB_CLASSES, TRACKBAR_CLASSW, false},
        {ICC_TAB_CLASSES, WC_TABCONTROLW, true},
        {ICC_BAR_CLASSES, WC_TABCONTROLW, false},
        {ICC_WIN95_CLASSES, WC_TABCONTROLW, true},
        {ICC_STANDARD_CLASSES, WC_TABCONTROLW, false},
        {ICC_TREEVIEW_CLASSES, TOOLTIPS_CLASSW, true},
        {ICC_UPDOWN_CLASS, UPDOWN_CLASSW, true},
        {ICC_UPDOWN_CLASS, TOOLTIPS_CLASSW, false},
        {ICC_DATE_CLASSES, UPDOWN_CLASSW, false},
        {ICC_DATE_CLASSES, MONTHCAL_CLASSW, true},
        {ICC_WIN95_CLASSES, MONTHCAL_CLASSW, false},
        {ICC_DATE_CLASSES, DATETIMEPICK_CLASSW, true},
        {ICC_WIN95_CLASSES, DATETIMEPICK_CLASSW, false},
        {ICC_WIN95_CLASSES, TRACKBAR_CLASSW, true},
        {ICC_WIN95_CLASSES, UPDOWN_CLASSW, true},
        {ICC_WIN95_CLASSES, TOOLTIPS_CLASSW, true},
        {ICC_STANDARD_CLASSES, TRACKBAR_CLASSW, false},
    };
    for (const FlagsCase& c : cases) {
        TearDown();
        SetUp();
        INITCOMMONCONTROLSEX init{sizeof init, c.flags};
        ASSERT_TRUE(InitCommonControlsEx(&init));
        EXPECT_EQ(CanMake(c.cls), c.registered) << "flags " << std::hex << c.flags;
    }
}

TEST_F(CommonControlsTest, TheStandardControlsNeedNoCallAndTheCommonOnesDo) {
    for (LPCWSTR cls : {L"Button", L"static", L"edit", L"ListBox", L"ComboBox"}) EXPECT_TRUE(CanMake(cls));
    EXPECT_FALSE(CanMake(TRACKBAR_CLASSW));
    EXPECT_FALSE(CanMake(UPDOWN_CLASSW));
    EXPECT_FALSE(CanMake(TOOLBARCLASSNAMEW));
    EXPECT_FALSE(CanMake(WC_TABCONTROLW));
}

TEST_F(CommonControlsTest, ACallWithAWrongSizeIsRefusedAndRegistersNothing) {
    INITCOMMONCONTROLSEX wrong{sizeof wrong + 1, ICC_WIN95_CLASSES};
    EXPECT_FALSE(InitCommonControlsEx(&wrong));
    EXPECT_FALSE(InitCommonControlsEx(nullptr));
    EXPECT_FALSE(CanMake(TRACKBAR_CLASSW));
}

TEST_F(CommonControlsTest, AskingTwiceKeepsTheClassAndLeavesNoError) {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_BAR_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&init));
    SetLastError(0);
    EXPECT_TRUE(InitCommonControlsEx(&init));
    EXPECT_EQ(GetLastError(), 0u);
    EXPECT_TRUE(CanMake(TRACKBAR_CLASSW));
}

}  // namespace
