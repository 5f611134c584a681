// How a toolbar looks, pixel by pixel where the platform's toolbar (comctl32 under Wine, its
// classic look) put them: the edges of plain and flat buttons in each state, where the image
// lies and which of its pixels are transparent, a disabled image's emboss, the flat toolbar's
// separators and dithered checked buttons, the drop-down arrow and the divider.
#include "ToolbarFixture.h"

namespace {

using namespace toolbar_test;

enum class Setup { None, PressFirst, FirstHot, Arrows };

struct Spot {
    const char* name;
    DWORD style;
    Setup setup;
    int x, y;
    COLORREF colour;
};

COLORREF Sys(int index) { return GetSysColor(index); }

TEST_F(ToolbarTest, EachPartIsDrawnWhereAndHowThePlatformDrawsIt) {
    const COLORREF red = kImageColours[0], face = Sys(COLOR_BTNFACE), light = Sys(COLOR_BTNHIGHLIGHT),
                   shadow = Sys(COLOR_BTNSHADOW), dark = Sys(COLOR_3DDKSHADOW), parent = Sys(COLOR_WINDOW);
    const Spot spots[] = {
        {"plain: a raised edge, outer top left", 0, Setup::None, 0, 2, light},
        {"plain: outer bottom right", 0, Setup::None, 22, 23, dark},
        {"plain: inner top left", 0, Setup::None, 1, 3, Sys(COLOR_3DLIGHT)},
        {"plain: inner bottom right", 0, Setup::None, 21, 22, shadow},
        {"plain: the image is centred", 0, Setup::None, 3, 5, red},
        {"plain: left of the image", 0, Setup::None, 2, 5, face},
        {"plain: the image's last row", 0, Setup::None, 18, 16, red},
        {"plain: face-coloured rows are transparent", 0, Setup::None, 10, 17, face},
        {"plain: a face-coloured pixel is transparent", 0, Setup::None, 7, 9, face},
        {"plain: the background is the button face", 0, Setup::None, 300, 10, face},
        {"plain: pressed by the mouse, sunken", 0, Setup::PressFirst, 0, 2, shadow},
        {"plain: pressed, the image moves down and right", 0, Setup::PressFirst, 3, 5, face},
        {"plain: pressed, moved image", 0, Setup::PressFirst, 4, 6, red},
        {"plain: checked, sunken outer", 0, Setup::None, 77, 2, shadow},
        {"plain: checked, sunken inner", 0, Setup::None, 78, 3, dark},
        {"plain: checked, sunken bottom right", 0, Setup::None, 99, 23, light},
        {"plain: checked, the face is not dithered", 0, Setup::None, 80, 4, face},
        {"disabled: the image's shape in shadow", 0, Setup::None, 126, 5, shadow},
        {"disabled: lit below", 0, Setup::None, 130, 17, light},
        {"disabled: lit right", 0, Setup::None, 142, 8, light},
        {"arrows: the face part's right edge", 0, Setup::Arrows, 122, 2, dark},
        {"arrows: the arrow part's own edge", 0, Setup::Arrows, 123, 2, light},
        {"arrows: the triangle's top row", 0, Setup::Arrows, 126, 11, Sys(COLOR_BTNTEXT)},
        {"arrows: the triangle's top row, right", 0, Setup::Arrows, 130, 11, Sys(COLOR_BTNTEXT)},
        {"arrows: the triangle's tip", 0, Setup::Arrows, 128, 13, Sys(COLOR_BTNTEXT)},
        {"arrows: beside the tip", 0, Setup::Arrows, 127, 13, face},
        {"flat: the parent's background", TBSTYLE_FLAT, Setup::None, 300, 10, parent},
        {"flat: no edge", TBSTYLE_FLAT, Setup::None, 0, 2, parent},
        {"flat: transparent pixels show the parent", TBSTYLE_FLAT, Setup::None, 7, 9, parent},
        {"flat: hot, thin raised edge, top left", TBSTYLE_FLAT, Setup::FirstHot, 0, 2, light},
        {"flat: hot, bottom right", TBSTYLE_FLAT, Setup::FirstHot, 22, 23, shadow},
        {"flat: hot, right", TBSTYLE_FLAT, Setup::FirstHot, 22, 10, shadow},
        {"flat: hot, one pixel thin", TBSTYLE_FLAT, Setup::FirstHot, 21, 10, parent},
        {"flat: pressed, thin sunken", TBSTYLE_FLAT, Setup::PressFirst, 0, 2, shadow},
        {"flat: checked, thin sunken", TBSTYLE_FLAT, Setup::None, 77, 2, shadow},
        {"flat: checked, dithered", TBSTYLE_FLAT, Setup::None, 79, 4, face},
        {"flat: checked, dithered beside", TBSTYLE_FLAT, Setup::None, 80, 4, light},
        {"flat: separator line", TBSTYLE_FLAT, Setup::None, 49, 10, shadow},
        {"flat: separator lit side", TBSTYLE_FLAT, Setup::None, 50, 10, light},
        {"flat: separator stops short of the top", TBSTYLE_FLAT, Setup::None, 49, 3, parent},
    };
    for (const Spot& s : spots) {
        SCOPED_TRACE(s.name);
        MakeToolbar(s.style);
        if (s.setup == Setup::Arrows) Send(TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
        if (s.setup == Setup::FirstHot) Send(TB_SETHOTITEM, 0);
        if (s.setup == Setup::PressFirst) Down(Middle(0));
        Backend().PumpUntilIdle();
        EXPECT_EQ(Pixel(s.x, s.y), s.colour) << std::hex << Pixel(s.x, s.y);
        if (s.setup == Setup::PressFirst) Up(Middle(0));
        DestroyWindow(toolbar);
    }
}

TEST_F(ToolbarTest, TheDividerLiesAboveTheClientAreaUnlessAskedAway) {
    MakeToolbar(0);
    EXPECT_EQ(Backend().WindowPixel(form_, 10, 0), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(Backend().WindowPixel(form_, 10, 1), Sys(COLOR_BTNHIGHLIGHT));
    DestroyWindow(toolbar);
    MakeToolbar(CCS_NODIVIDER);
    EXPECT_EQ(Backend().WindowPixel(form_, 10, 0), Sys(COLOR_BTNFACE));
}

TEST_F(ToolbarTest, ALaterStateChangeIsRepainted) {
    MakeToolbar(0);
    Send(TB_CHECKBUTTON, 101, TRUE);
    Backend().PumpUntilIdle();
    EXPECT_EQ(Pixel(0, 2), Sys(COLOR_BTNSHADOW));
    Send(TB_ENABLEBUTTON, 101, FALSE);
    Send(TB_CHECKBUTTON, 101, FALSE);
    Backend().PumpUntilIdle();
    EXPECT_EQ(Pixel(0, 2), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(Pixel(3, 5), Sys(COLOR_BTNSHADOW)) << "disabled";
}

}  // namespace
