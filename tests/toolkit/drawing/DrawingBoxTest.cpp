// Outlined and filled boxes: which pixels each pen and brush reach, and that the surface's own
// pen and brush are back in place afterwards.
#include <functional>

#include "Colours.h"
#include "DrawingTest.h"
#include "toolkit/drawing/Drawing.h"

namespace OrloUtility {
namespace {

TEST_F(DrawingTest, BoxesDrawTheirOutlineAndFillAndRestoreThePenAndBrush) {
    const COLORREF G = kGrey, R = kRed, B = kBlue;
    const struct {
        const char* what;
        std::function<void(Drawing&)> draw;
        Pixels expected;
    } cases[] = {
        {"frame: outline only", [](Drawing& d) { d.DrawFrame(1, 1, 4, 3, kRed); },
         {{G, G, G, G, G, G}, {G, R, R, R, R, G}, {G, R, G, G, R, G}, {G, R, R, R, R, G}, {G, G, G, G, G, G}}},
        {"box with a pen", [](Drawing& d) { d.FillBox(1, kRed, 1, 1, 4, 3, kBlue); },
         {{G, G, G, G, G, G}, {G, R, R, R, R, G}, {G, R, B, B, R, G}, {G, R, R, R, R, G}, {G, G, G, G, G, G}}},
        // Without an outline the platform fills one pixel less to the right and bottom.
        {"box with pen width 0: no outline", [](Drawing& d) { d.FillBox(0, kRed, 1, 1, 4, 3, kBlue); },
         {{G, G, G, G, G, G}, {G, B, B, B, G, G}, {G, B, B, B, G, G}, {G, G, G, G, G, G}, {G, G, G, G, G, G}}},
        {"box with a negative pen width: no outline", [](Drawing& d) { d.FillBox(-3, kRed, 1, 1, 4, 3, kBlue); },
         {{G, G, G, G, G, G}, {G, B, B, B, G, G}, {G, B, B, B, G, G}, {G, G, G, G, G, G}, {G, G, G, G, G, G}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Drawing scene(nullptr);
        scene.StorePrivateContext(PrivateContext(Filled(6, 5, kGrey)));
        HGDIOBJ pen = GetCurrentObject(scene.Context(), OBJ_PEN);
        HGDIOBJ brush = GetCurrentObject(scene.Context(), OBJ_BRUSH);
        c.draw(scene);
        EXPECT_EQ(Read(scene.Context(), 6, 5), c.expected);
        EXPECT_EQ(GetCurrentObject(scene.Context(), OBJ_PEN), pen);
        EXPECT_EQ(GetCurrentObject(scene.Context(), OBJ_BRUSH), brush);
    }
}

}  // namespace
}  // namespace OrloUtility
