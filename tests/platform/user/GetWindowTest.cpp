// GetWindow: siblings in z-order (a new child goes to the back), the first child, the owner,
// and what it answers for handles and commands that name nothing.
#include "HeadlessTest.h"

namespace {

class GetWindowTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        cls_ = RegisterLoggingClass();
        top_ = Make(WS_OVERLAPPEDWINDOW, nullptr);
        for (HWND& child : children_) child = Make(WS_CHILD, top_);
    }
    HWND Make(DWORD style, HWND parent) {
        return CreateWindowExW(0, cls_, L"", style, 0, 0, 10, 10, parent, nullptr, nullptr, nullptr);
    }
    LPCWSTR cls_ = nullptr;
    HWND top_ = nullptr;
    HWND children_[3]{};
};

TEST_F(GetWindowTest, SiblingsRunFromTheFirstCreatedChildToTheLast) {
    auto [a, b, c] = children_;
    struct Case {
        HWND window;
        UINT command;
        HWND expected;
    };
    const Case cases[] = {
        {top_, GW_CHILD, a},       {b, GW_HWNDFIRST, a}, {b, GW_HWNDLAST, c},  {a, GW_HWNDNEXT, b},
        {c, GW_HWNDNEXT, nullptr}, {c, GW_HWNDPREV, b},  {a, GW_HWNDPREV, nullptr}, {b, GW_OWNER, nullptr},
        {a, GW_CHILD, nullptr},    {a, 77, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "command " << c.command);
        EXPECT_EQ(GetWindow(c.window, c.command), c.expected);
    }
}

TEST_F(GetWindowTest, APopupAnswersItsOwnerAndAGoneWindowNothing) {
    HWND popup = Make(WS_POPUP, top_);
    EXPECT_EQ(GetWindow(popup, GW_OWNER), top_);
    DestroyWindow(children_[1]);
    EXPECT_EQ(GetWindow(children_[0], GW_HWNDNEXT), children_[2]);
    SetLastError(0);
    EXPECT_EQ(GetWindow(children_[1], GW_HWNDNEXT), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_EQ(GetWindow(nullptr, GW_CHILD), nullptr);
}

}  // namespace
