// Text on a surface: where it lands in its box and how it is aligned and clipped, the cut
// after 1023 characters, the colour and font left as they were, and the height of a font.
#include <algorithm>
#include <string>

#include "Colours.h"
#include "DrawingTest.h"
#include "toolkit/drawing/Drawing.h"
#include "toolkit/drawing/FontInfo.h"

namespace OrloUtility {
namespace {

constexpr int kSceneWidth = 80;
constexpr int kSceneHeight = 30;

// The smallest rectangle holding every pixel that is not the background.
struct Ink {
    bool any = false;
    RECT box{kSceneWidth, kSceneHeight, 0, 0};
};

class DrawingTextTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        scene_.StorePrivateContext(PrivateContext(Filled(kSceneWidth, kSceneHeight, kBlack)));
    }
    void TearDown() override {
        scene_.EndDrawing();
        DrawingTest::TearDown();
    }

    void ClearScene() { scene_.StorePrivateContext(PrivateContext(Filled(kSceneWidth, kSceneHeight, kBlack))); }
    Ink InkOnScene() {
        Ink ink;
        for (int y = 0; y < kSceneHeight; ++y) {
            for (int x = 0; x < kSceneWidth; ++x) {
                if (GetPixel(scene_.Context(), x, y) == kBlack) continue;
                ink.any = true;
                ink.box = RECT{std::min<LONG>(ink.box.left, x), std::min<LONG>(ink.box.top, y),
                               std::max<LONG>(ink.box.right, x + 1), std::max<LONG>(ink.box.bottom, y + 1)};
            }
        }
        return ink;
    }
    // How wide `text` is in the surface's current font.
    int WidthOf(const std::wstring& text) {
        SIZE size{};
        GetTextExtentPoint32W(scene_.Context(), text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx;
    }

    Drawing scene_{nullptr};
};

TEST_F(DrawingTextTest, TextInABoxIsAlignedByItsCode) {
    const std::wstring text = L"ii";
    const int width = WidthOf(text);
    const RECT box{4, 2, 76, 22};
    const struct {
        int alignment;
        int left;  // where the text's cell starts
    } cases[] = {
        {Drawing::kAlignLeft, box.left},
        {Drawing::kAlignRight, box.right - width},
        {Drawing::kAlignCentre, box.left + (box.right - box.left - width) / 2},
        {7, box.left},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "alignment " << c.alignment);
        ClearScene();
        scene_.DrawString(box.left, box.top, box.right - box.left, box.bottom - box.top, text, kWhite, c.alignment,
                          nullptr);
        const Ink ink = InkOnScene();
        ASSERT_TRUE(ink.any);
        EXPECT_GE(ink.box.left, c.left);
        EXPECT_LE(ink.box.right, c.left + width);
        EXPECT_GE(ink.box.top, box.top);
    }
}

TEST_F(DrawingTextTest, TextIsClippedToItsBoxOnlyWhenTheBoxHasAWidthAndAHeight) {
    const std::wstring text = L"MMMMMMMM";
    const int x = 2, y = 3;
    const struct {
        int width, height;
        bool clipped;
    } cases[] = {{10, 8, true}, {0, 0, false}, {0, 8, false}, {10, 0, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "box " << c.width << " by " << c.height);
        ClearScene();
        scene_.DrawString(x, y, c.width, c.height, text, kWhite, Drawing::kAlignLeft, nullptr);
        const Ink ink = InkOnScene();
        ASSERT_TRUE(ink.any);
        EXPECT_GE(ink.box.left, x);
        EXPECT_GE(ink.box.top, y);
        if (c.clipped) {
            EXPECT_LE(ink.box.right, x + c.width);
            EXPECT_LE(ink.box.bottom, y + c.height);
        } else {
            EXPECT_GT(ink.box.right, x + 10) << "one unclipped line from (x, y)";
            EXPECT_GT(ink.box.bottom, y + 8);
        }
    }
}

TEST_F(DrawingTextTest, OnlyTheFirst1023CharactersAreDrawn) {
    // An "M" after n spaces, drawn so that the spaces fall off the left edge and the "M" lands
    // at x = 0: it shows only if it is among the characters drawn.
    const struct {
        std::size_t spaces;
        bool narrow;
        bool shown;
    } cases[] = {{1022, false, true}, {1023, false, false}, {1022, true, true}, {1023, true, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.spaces << " spaces, " << (c.narrow ? "narrow" : "wide"));
        ClearScene();
        const int x = -WidthOf(std::wstring(c.spaces, L' '));
        if (c.narrow) {
            scene_.DrawString(x, 0, 0, 0, std::string(c.spaces, ' ') + "M", kWhite, Drawing::kAlignLeft, nullptr);
        } else {
            scene_.DrawString(x, 0, 0, 0, std::wstring(c.spaces, L' ') + L"M", kWhite, Drawing::kAlignLeft, nullptr);
        }
        EXPECT_EQ(InkOnScene().any, c.shown);
    }
}

TEST_F(DrawingTextTest, TextLeavesTheBackgroundAndPutsBackColourAndFont) {
    scene_.StorePrivateContext(PrivateContext(Filled(kSceneWidth, kSceneHeight, kGrey)));
    SetTextColor(scene_.Context(), kBlue);
    SetBkColor(scene_.Context(), kWhite);
    HGDIOBJ font = GetCurrentObject(scene_.Context(), OBJ_FONT);
    FontInfo big("DejaVu Sans", 20);
    scene_.DrawString(0, 0, kSceneWidth, kSceneHeight, L"Wave", kRed, Drawing::kAlignLeft, &big);
    EXPECT_EQ(GetTextColor(scene_.Context()), kBlue);
    EXPECT_EQ(GetCurrentObject(scene_.Context(), OBJ_FONT), font);
    int red = 0, white = 0;
    for (int y = 0; y < kSceneHeight; ++y) {
        for (int x = 0; x < kSceneWidth; ++x) {
            red += GetPixel(scene_.Context(), x, y) == kRed;
            white += GetPixel(scene_.Context(), x, y) == kWhite;
        }
    }
    EXPECT_GT(red, 0) << "drawn in the colour asked";
    EXPECT_EQ(white, 0) << "the background colour filled the text cells";
}

TEST_F(DrawingTextTest, TextIsDrawnInTheFontGiven) {
    FontInfo small("DejaVu Sans", 12);
    FontInfo large("DejaVu Sans", 28);
    auto inkHeight = [&](FontInfo& font) {
        ClearScene();
        scene_.DrawString(0, 0, 0, 0, L"M", kWhite, Drawing::kAlignLeft, &font);
        const Ink ink = InkOnScene();
        EXPECT_LE(ink.box.bottom, scene_.TextHeight(&font)) << "height " << font.height;
        return ink.box.bottom - ink.box.top;
    };
    EXPECT_GT(inkHeight(large), inkHeight(small));
}

TEST_F(DrawingTextTest, TextHeightIsTheFontsMetricHeight) {
    FontInfo small("DejaVu Sans", 12);
    FontInfo large("DejaVu Sans", 30);
    HGDIOBJ font = GetCurrentObject(scene_.Context(), OBJ_FONT);
    for (FontInfo* info : {&small, &large}) {
        SCOPED_TRACE(::testing::Message() << "height " << info->height);
        const int height = scene_.TextHeight(info);
        EXPECT_EQ(GetCurrentObject(scene_.Context(), OBJ_FONT), font);
        SelectObject(scene_.Context(), info->Handle());
        TEXTMETRICW metrics{};
        ASSERT_TRUE(GetTextMetricsW(scene_.Context(), &metrics));
        SelectObject(scene_.Context(), font);
        EXPECT_EQ(height, metrics.tmHeight);
    }
    EXPECT_GT(scene_.TextHeight(&large), scene_.TextHeight(&small));
    EXPECT_EQ(scene_.TextHeight(nullptr), -1);
}

}  // namespace
}  // namespace OrloUtility
