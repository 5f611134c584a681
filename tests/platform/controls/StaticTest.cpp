// The "static" control: text in its parent's colours, aligned as its style says; a click tells
// the parent only with SS_NOTIFY, otherwise the mouse passes through to the parent.
#include "HeadlessTest.h"

namespace {

COLORREF panelText = RGB(0, 0, 200);
HBRUSH panelBrush = nullptr;

// A parent that chooses its labels' colours.
LRESULT CALLBACK PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Log().Add({hwnd, message, wParam, lParam});
    if (message == WM_CTLCOLORSTATIC) {
        SetTextColor(reinterpret_cast<HDC>(wParam), panelText);
        return reinterpret_cast<LRESULT>(panelBrush);
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

class StaticTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        panelBrush = CreateSolidBrush(RGB(255, 255, 200));
        RegisterProcClass(L"Panel", PanelProc);
        panel_ = CreateWindowExW(0, L"Panel", L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 100, nullptr, nullptr, nullptr,
                                 nullptr);
    }
    void TearDown() override {
        DestroyWindow(panel_);
        DeleteObject(panelBrush);
        HeadlessTest::TearDown();
    }

    HWND Label(const wchar_t* text, DWORD style, int id = 5) {
        return CreateWindowExW(0, L"static", text, WS_CHILD | WS_VISIBLE | style, 10, 10, 200, 30, panel_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }

    // The leftmost and rightmost columns of the label holding text-coloured pixels.
    std::pair<int, int> InkColumns(HWND label) {
        int first = -1, last = -1;
        for (int x = 0; x < 200; ++x)
            for (int y = 0; y < 30; ++y)
                if (Backend().WindowPixel(label, x, y) != RGB(255, 255, 200)) {
                    if (first < 0) first = x;
                    last = x;
                }
        return {first, last};
    }

    HWND panel_ = nullptr;
};

TEST_F(StaticTest, DrawsItsTextInTheColoursItsParentChooses) {
    HWND label = Label(L"Ciao", SS_LEFT);
    Backend().PumpUntilIdle();
    EXPECT_EQ(Backend().WindowPixel(label, 199, 29), RGB(255, 255, 200)) << "filled with the parent's brush";
    auto [first, last] = InkColumns(label);
    ASSERT_GE(first, 0) << "some text was drawn";
    bool inTextColour = false;
    for (int y = 0; y < 30; ++y)
        for (int x = first; x <= last; ++x) inTextColour |= Backend().WindowPixel(label, x, y) == panelText;
    EXPECT_TRUE(inTextColour);
}

TEST_F(StaticTest, AlignmentFollowsTheStyle) {
    struct Case {
        DWORD style;
        const char* name;
    };
    std::vector<std::pair<int, int>> columns;
    for (Case c : {Case{SS_LEFT, "left"}, Case{SS_CENTER, "centre"}, Case{SS_RIGHT, "right"}}) {
        HWND label = Label(L"Ciao", c.style);
        Backend().PumpUntilIdle();
        columns.push_back(InkColumns(label));
        DestroyWindow(label);
    }
    EXPECT_LT(columns[0].first, 5) << "left";
    EXPECT_GT(columns[2].second, 194) << "right";
    int centreMiddle = (columns[1].first + columns[1].second) / 2;
    EXPECT_NEAR(centreMiddle, 100, 3) << "centre";
}

TEST_F(StaticTest, ClickNotifiesOnlyWithSsNotifyOtherwiseReachesTheParent) {
    HWND quiet = Label(L"a", 0, 7);
    Backend().Click(panel_, 20, 20);
    Backend().PumpUntilIdle();
    EXPECT_EQ(Log().Count(WM_COMMAND), 0);
    EXPECT_EQ(Log().Count(WM_LBUTTONDOWN, panel_), 1) << "the mouse went through to the parent";
    DestroyWindow(quiet);
    HWND chatty = Label(L"b", SS_NOTIFY, 8);
    Log().Clear();
    Backend().Click(panel_, 20, 20);
    Backend().PumpUntilIdle();
    ASSERT_EQ(Log().Count(WM_COMMAND, panel_), 1);
    for (const auto& m : Log().Messages())
        if (m.message == WM_COMMAND) {
            EXPECT_EQ(m.wParam, MAKEWPARAM(8, STN_CLICKED));
            EXPECT_EQ(m.lParam, reinterpret_cast<LPARAM>(chatty));
        }
}

}  // namespace
