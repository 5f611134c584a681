// How a combo box looks in the controls' shared look (a drop-down list's field is a button face,
// in the selection colours while focused and closed; the arrow is crisp; disabled is grey), and
// the colours it asks its parent for, which the platform (Wine) asks as these rows say.
#include <algorithm>
#include <functional>
#include <set>
#include <utility>

#include "ComboBoxFixture.h"
#include "controls/Look.h"

namespace combotest {
namespace {

namespace look = platform::look;

// A point of a drop-down list's field right of its text.
constexpr POINT kFieldSpot{120, 12};
// The arrow's rectangle, and its triangle's rows: (first column, last column).
constexpr RECT kArrowRect{131, 2, 148, 22};
constexpr int kArrowTop = 10;
const std::pair<int, int> kArrowRows[] = {{136, 142}, {137, 141}, {138, 140}, {139, 139}};

class ComboLookTest : public ComboBoxTest {
protected:
    COLORREF Pixel(HWND window, POINT p) { return Backend().WindowPixel(window, p.x, p.y); }
    void Repaint(HWND combo) {
        for (HWND part : {combo, EditOf(combo), ListOf(combo)})
            if (part && IsWindowVisible(part)) InvalidateRect(part, nullptr, FALSE);
        Backend().PumpUntilIdle();
    }
    // The darkest and the lightest green of the field's text area: how its text is drawn.
    std::pair<int, int> Inks(HWND combo) {
        int darkest = 255, lightest = 0;
        for (int y = 4; y < 20; ++y)
            for (int x = 4; x < 60; ++x) {
                const int green = GetGValue(Backend().WindowPixel(combo, x, y));
                darkest = std::min(darkest, green);
                lightest = std::max(lightest, green);
            }
        return {darkest, lightest};
    }
};

TEST_F(ComboLookTest, ADropDownListsFieldShowsTheSelectionColoursWhileFocusedAndClosed) {
    enum class Ink { Dark, Grey, White };
    struct Row {
        const char* name;
        std::function<void(HWND)> make;
        COLORREF field;
        Ink ink;
    };
    const std::vector<Row> rows{
        {"unfocused", [](HWND) {}, look::kFace, Ink::Dark},
        {"focused", [](HWND c) { SetFocus(c); }, look::kSelection, Ink::White},
        {"focused and open", [](HWND c) { SetFocus(c); SendMessageW(c, CB_SHOWDROPDOWN, TRUE, 0); }, look::kFacePressed,
         Ink::Dark},
        {"disabled", [](HWND c) { EnableWindow(c, FALSE); }, look::kDisabledFace, Ink::Grey},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        HWND combo = Combo(CBS_DROPDOWNLIST, 3);
        SendMessageW(combo, CB_SETCURSEL, 1, 0);
        row.make(combo);
        Repaint(combo);
        EXPECT_EQ(Pixel(combo, kFieldSpot), row.field);
        const auto [darkest, lightest] = Inks(combo);
        switch (row.ink) {
        case Ink::Dark: EXPECT_LT(darkest, 0x60); break;
        case Ink::Grey:
            EXPECT_GE(darkest, GetGValue(look::kDisabledText));
            EXPECT_LT(darkest, 0xB0);
            break;
        case Ink::White: EXPECT_EQ(lightest, GetGValue(look::kSelectionText)); break;
        }
        DestroyWindow(combo);
    }
}

TEST_F(ComboLookTest, TheArrowIsWholePixelsOfInkOnTheFace) {
    struct Row {
        DWORD kind;
        bool enabled;
        COLORREF face, ink;
    };
    const COLORREF text = GetSysColor(COLOR_BTNTEXT);
    const Row rows[] = {{CBS_DROPDOWNLIST, true, look::kFace, text},
                        {CBS_DROPDOWNLIST, false, look::kDisabledFace, look::kDisabledText},
                        {CBS_DROPDOWN, true, look::kFace, text},
                        {CBS_DROPDOWN, false, look::kDisabledFace, look::kDisabledText}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "style " << row.kind << (row.enabled ? "" : ", disabled"));
        HWND combo = Combo(row.kind, 3);
        EnableWindow(combo, row.enabled);
        Repaint(combo);
        for (int y = kArrowRect.top; y < kArrowRect.bottom; ++y)
            for (int x = kArrowRect.left; x < kArrowRect.right; ++x) {
                const int r = y - kArrowTop;
                const bool ink = r >= 0 && r < 4 && x >= kArrowRows[r].first && x <= kArrowRows[r].second;
                ASSERT_EQ(Pixel(combo, {x, y}), ink ? row.ink : row.face) << "at " << x << "," << y;
            }
        DestroyWindow(combo);
    }
}

// The border shows the focus, on an edit's box as on a drop-down list's.
TEST_F(ComboLookTest, TheBorderShowsTheFocus) {
    for (DWORD kind : {CBS_DROPDOWNLIST, CBS_DROPDOWN}) {
        HWND combo = Combo(kind, 3);
        Repaint(combo);
        EXPECT_EQ(Pixel(combo, {0, 12}), look::kBorder);
        SetFocus(combo);
        Repaint(combo);
        EXPECT_EQ(Pixel(combo, {0, 12}), look::kBorderFocus);
        DestroyWindow(combo);
    }
}

TEST_F(ComboLookTest, TheOpenListShowsItsSelectionWhereThePointerIs) {
    HWND combo = Combo(CBS_DROPDOWNLIST, 5);
    SendMessageW(combo, CB_SETCURSEL, 1, 0);
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    HWND list = ListOf(combo);
    Backend().PumpUntilIdle();
    // The list's border is its own; the items sit inside it.
    EXPECT_EQ(Pixel(list, {0, 30}), look::kBorder);
    const POINT second{140, 1 + kItemHeight + 8}, fourth{140, 1 + 3 * kItemHeight + 8};
    EXPECT_EQ(Pixel(list, second), look::kSelection);
    EXPECT_EQ(Pixel(list, fourth), GetSysColor(COLOR_WINDOW));
    Backend().MouseMove(panel_, 60, ItemY(3));
    Backend().PumpUntilIdle();
    EXPECT_EQ(Pixel(list, second), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(Pixel(list, fourth), look::kSelection);
}

// Each part asks the parent: the box itself with WM_CTLCOLOREDIT, or WM_CTLCOLORSTATIC while
// disabled (the field of a drop-down list too), its edit likewise and its list with
// WM_CTLCOLORLISTBOX, both through the box, which passes them on as they came.
TEST_F(ComboLookTest, ThePartsAskTheParentForColoursThroughTheBox) {
    using Asked = std::set<std::pair<UINT, std::string>>;
    struct Row {
        const char* name;
        DWORD kind;
        bool enabled, open;
        Asked asked;
    };
    const std::vector<Row> rows{
        {"list", CBS_DROPDOWNLIST, true, false, {{WM_CTLCOLOREDIT, "combo"}}},
        {"list, disabled", CBS_DROPDOWNLIST, false, false, {{WM_CTLCOLORSTATIC, "combo"}}},
        {"list, open", CBS_DROPDOWNLIST, true, true, {{WM_CTLCOLOREDIT, "combo"}, {WM_CTLCOLORLISTBOX, "list"}}},
        {"edit", CBS_DROPDOWN, true, false, {{WM_CTLCOLOREDIT, "combo"}, {WM_CTLCOLOREDIT, "edit"}}},
        {"edit, disabled", CBS_DROPDOWN, false, false, {{WM_CTLCOLORSTATIC, "combo"}, {WM_CTLCOLORSTATIC, "edit"}}},
        {"edit, open", CBS_DROPDOWN, true, true,
         {{WM_CTLCOLOREDIT, "combo"}, {WM_CTLCOLOREDIT, "edit"}, {WM_CTLCOLORLISTBOX, "list"}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        HWND combo = Combo(row.kind, 3);
        EnableWindow(combo, row.enabled);
        if (row.open) SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
        Settle();
        Repaint(combo);
        Asked asked;
        for (const LoggedMessage& m : Log().Messages())
            if (m.hwnd == panel_ && m.message >= WM_CTLCOLOREDIT && m.message <= WM_CTLCOLORSTATIC)
                asked.insert({m.message, NameOf(reinterpret_cast<HWND>(m.lParam), combo)});
        EXPECT_EQ(asked, row.asked);
        DestroyWindow(combo);
    }
}

// Like a push button, a drop-down list keeps its face and lets the parent's brush show only
// round its corners; an edit's field and the list take the brush.
TEST_F(ComboLookTest, TheParentsBrushFillsTheEditsFieldAndTheList) {
    HWND list = Combo(CBS_DROPDOWNLIST, 3);
    Repaint(list);
    const COLORREF cornerBefore = Pixel(list, {0, 0});
    const COLORREF red = RGB(200, 0, 0);
    PanelBrush() = CreateSolidBrush(red);
    Repaint(list);
    EXPECT_EQ(Pixel(list, kFieldSpot), look::kFace);
    EXPECT_NE(Pixel(list, {0, 0}), cornerBefore);
    HWND edit = Combo(CBS_DROPDOWN, 3, {}, kLeft, 200);
    SendMessageW(edit, CB_SHOWDROPDOWN, TRUE, 0);
    Repaint(edit);
    EXPECT_EQ(Pixel(edit, {1, 12}), red);
    EXPECT_EQ(Pixel(edit, {2, 12}), red);
    EXPECT_EQ(Pixel(EditOf(edit), {120, 2}), red);
    EXPECT_EQ(Pixel(ListOf(edit), {140, 8}), red);
}

}  // namespace
}  // namespace combotest
