// Bitmap copies onto a surface: plain, stretched, partial and with black transparent, captures
// of a region into a new bitmap, and what happens with a null bitmap or a closed surface.
#include <functional>

#include "Colours.h"
#include "DrawingTest.h"
#include "toolkit/drawing/Drawing.h"
#include "toolkit/drawing/FontInfo.h"

namespace OrloUtility {
namespace {

// A surface that counts the platform failures it is told about.
class CountingDrawing : public Drawing {
public:
    CountingDrawing() : Drawing(nullptr) {}
    int errors = 0;

protected:
    void OnError() override { ++errors; }
};

constexpr int kSceneSize = 6;

class DrawingBitmapTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        scene_.StorePrivateContext(PrivateContext(Filled(kSceneSize, kSceneSize, kGrey)));
    }
    void TearDown() override {
        scene_.EndDrawing();
        DrawingTest::TearDown();
    }

    Pixels Scene() { return Read(scene_.Context(), kSceneSize, kSceneSize); }
    // A grey scene with `block` at (x, y).
    static Pixels GreyWith(const Pixels& block, int x, int y) {
        Pixels scene = Filled(kSceneSize, kSceneSize, kGrey);
        for (std::size_t row = 0; row < block.size(); ++row)
            for (std::size_t column = 0; column < block[row].size(); ++column)
                scene[y + row][x + column] = block[row][column];
        return scene;
    }

    CountingDrawing scene_;
};

const Pixels kSource = {{kRed, kGreen}, {kBlue, kWhite}};
const Pixels kSourceDoubled = {
    {kRed, kRed, kGreen, kGreen},
    {kRed, kRed, kGreen, kGreen},
    {kBlue, kBlue, kWhite, kWhite},
    {kBlue, kBlue, kWhite, kWhite},
};
// One red pixel on a black background.
const Pixels kRedOnBlack = {{kBlack, kRed}, {kBlack, kBlack}};
// That, stretched to 4 by 4 and drawn transparent on grey.
const Pixels kRedOnGreyDoubled = {
    {kGrey, kGrey, kRed, kRed},
    {kGrey, kGrey, kRed, kRed},
    {kGrey, kGrey, kGrey, kGrey},
    {kGrey, kGrey, kGrey, kGrey},
};
// Two frames of 2 by 2 stacked: the first red, the second green, each with one black pixel.
const Pixels kTwoFrames = {{kRed, kBlack}, {kRed, kRed}, {kGreen, kGreen}, {kBlack, kGreen}};

TEST_F(DrawingBitmapTest, CopiesLandWhereAndHowTheyAreAsked) {
    const struct {
        const char* what;
        Pixels source;
        std::function<void(Drawing&, HBITMAP)> draw;
        Pixels block;
        int x, y;
    } cases[] = {
        {"at the origin", kSource, [](Drawing& d, HBITMAP b) { d.DrawBitmapAtOrigin(b); }, kSource, 0, 0},
        {"width and height 0: own size", kSource, [](Drawing& d, HBITMAP b) { d.DrawBitmap(2, 3, 0, 0, b); },
         kSource, 2, 3},
        {"width 0: own size", kSource, [](Drawing& d, HBITMAP b) { d.DrawBitmap(2, 3, 0, 4, b); }, kSource, 2, 3},
        {"height 0: own size", kSource, [](Drawing& d, HBITMAP b) { d.DrawBitmap(2, 3, 4, 0, b); }, kSource, 2, 3},
        {"both set: stretched", kSource, [](Drawing& d, HBITMAP b) { d.DrawBitmap(1, 1, 4, 4, b); },
         kSourceDoubled, 1, 1},
        {"a part from (1, 0)", kSource, [](Drawing& d, HBITMAP b) { d.DrawBitmapPart(3, 3, 1, 2, b, 1, 0); },
         {{kGreen}, {kWhite}}, 3, 3},
        {"masked, all black: nothing", Filled(2, 2, kBlack),
         [](Drawing& d, HBITMAP b) { d.DrawMaskedPart(1, 1, 2, 2, b, 0); }, Filled(2, 2, kGrey), 1, 1},
        {"masked: only the non-black pixels", {{kBlack, kRed}, {kNearBlack, kBlack}},
         [](Drawing& d, HBITMAP b) { d.DrawMaskedPart(1, 1, 2, 2, b, 0); }, {{kGrey, kRed}, {kNearBlack, kGrey}}, 1, 1},
        {"masked: the frame at source row 2", kTwoFrames,
         [](Drawing& d, HBITMAP b) { d.DrawMaskedPart(1, 1, 2, 2, b, 2); }, {{kGreen, kGreen}, {kGrey, kGreen}}, 1, 1},
        {"whole masked, own size", kRedOnBlack, [](Drawing& d, HBITMAP b) { d.DrawMasked(1, 1, 0, 0, b); },
         {{kGrey, kRed}, {kGrey, kGrey}}, 1, 1},
        {"whole masked, stretched", kRedOnBlack, [](Drawing& d, HBITMAP b) { d.DrawMasked(1, 1, 4, 4, b); },
         kRedOnGreyDoubled, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        scene_.StorePrivateContext(PrivateContext(Filled(kSceneSize, kSceneSize, kGrey)));
        c.draw(scene_, Bitmap(c.source));
        EXPECT_EQ(Scene(), GreyWith(c.block, c.x, c.y));
        EXPECT_EQ(scene_.errors, 0);
    }
}

TEST_F(DrawingBitmapTest, CaptureRegionGivesTheCallerItsOwnCopyOfTheBlock) {
    const Pixels pattern = Pattern(kSceneSize, kSceneSize);
    scene_.StorePrivateContext(PrivateContext(pattern));
    HBITMAP copy = scene_.CaptureRegion(1, 2, 3, 2);
    ASSERT_NE(copy, nullptr);
    // Later drawing on the surface does not reach the copy.
    scene_.DrawBitmap(0, 0, kSceneSize, kSceneSize, Bitmap(Filled(1, 1, kGrey)));
    EXPECT_EQ(SizeOf(copy).cx, 3);
    EXPECT_EQ(SizeOf(copy).cy, 2);
    const Pixels block = {{pattern[2][1], pattern[2][2], pattern[2][3]}, {pattern[3][1], pattern[3][2], pattern[3][3]}};
    EXPECT_EQ(Read(copy, 3, 2), block);
    EXPECT_TRUE(DeleteObject(copy)) << "the copy is still selected into a context";
}

TEST_F(DrawingBitmapTest, CaptureRegionIntoRefillsAnExistingBitmapOfTheBlocksSize) {
    const Pixels pattern = Pattern(kSceneSize, kSceneSize);
    scene_.StorePrivateContext(PrivateContext(pattern));
    HBITMAP target = Bitmap(Filled(2, 2, kWhite));
    ASSERT_TRUE(scene_.CaptureRegionInto(target, 3, 1, 2, 2));
    EXPECT_EQ(Read(target, 2, 2), (Pixels{{pattern[1][3], pattern[1][4]}, {pattern[2][3], pattern[2][4]}}));
    // Past the surface's edge the bitmap is black, as a new capture would be.
    ASSERT_TRUE(scene_.CaptureRegionInto(target, kSceneSize - 1, 0, 2, 2));
    EXPECT_EQ(Read(target, 2, 2), (Pixels{{pattern[0][kSceneSize - 1], kBlack}, {pattern[1][kSceneSize - 1], kBlack}}));
    // Another size, or no bitmap, is refused and changes nothing.
    const Pixels before = Read(target, 2, 2);
    EXPECT_FALSE(scene_.CaptureRegionInto(target, 0, 0, 3, 2));
    EXPECT_FALSE(scene_.CaptureRegionInto(nullptr, 0, 0, 2, 2));
    EXPECT_EQ(Read(target, 2, 2), before);
    EXPECT_EQ(scene_.errors, 0);
}

TEST_F(DrawingBitmapTest, CopyBlockFromTakesTheSamePlaceOfAnotherSurface) {
    const Pixels pattern = Pattern(kSceneSize, kSceneSize);
    CountingDrawing source;
    source.StorePrivateContext(PrivateContext(pattern));
    scene_.CopyBlockFrom(source, 1, 2, 3, 2);
    Pixels expected = Filled(kSceneSize, kSceneSize, kGrey);
    for (int y = 2; y < 4; ++y)
        for (int x = 1; x < 4; ++x) expected[y][x] = pattern[y][x];
    EXPECT_EQ(Scene(), expected);
    CountingDrawing closed;
    scene_.CopyBlockFrom(closed, 0, 0, 2, 2);
    EXPECT_EQ(Scene(), expected);
    source.EndDrawing();
}

TEST_F(DrawingBitmapTest, CaptureRegionThatCannotMakeItsBitmapReportsAndGivesNull) {
    EXPECT_EQ(scene_.CaptureRegion(0, 0, -1, 2), nullptr);
    EXPECT_EQ(scene_.errors, 1);
}

TEST_F(DrawingBitmapTest, ANullBitmapDrawsNothing) {
    scene_.DrawBitmapAtOrigin(nullptr);
    scene_.DrawBitmap(0, 0, 2, 2, nullptr);
    scene_.DrawBitmapPart(0, 0, 2, 2, nullptr, 0, 0);
    scene_.DrawMaskedPart(0, 0, 2, 2, nullptr, 0);
    scene_.DrawMasked(0, 0, 2, 2, nullptr);
    EXPECT_EQ(Scene(), Filled(kSceneSize, kSceneSize, kGrey));
    EXPECT_EQ(scene_.errors, 0);
}

TEST_F(DrawingBitmapTest, AClosedSurfaceDoesNothing) {
    CountingDrawing closed;
    HBITMAP bitmap = Bitmap(kSource);
    FontInfo font;
    closed.DrawBitmapAtOrigin(bitmap);
    closed.DrawBitmap(0, 0, 2, 2, bitmap);
    closed.DrawBitmapPart(0, 0, 2, 2, bitmap, 0, 0);
    closed.DrawMaskedPart(0, 0, 2, 2, bitmap, 0);
    closed.DrawMasked(0, 0, 2, 2, bitmap);
    closed.DrawFrame(0, 0, 2, 2, kRed);
    closed.FillBox(1, kRed, 0, 0, 2, 2, kRed);
    closed.DrawString(0, 0, 0, 0, L"Astrovex", kRed, Drawing::kAlignLeft, &font);
    EXPECT_EQ(closed.CaptureRegion(0, 0, 2, 2), nullptr);
    EXPECT_EQ(closed.CreateBackBuffer(), nullptr);
    EXPECT_EQ(closed.TextHeight(&font), -1);
    EXPECT_EQ(closed.errors, 0);
    EXPECT_EQ(Read(bitmap, 2, 2), kSource);
}

}  // namespace
}  // namespace OrloUtility
