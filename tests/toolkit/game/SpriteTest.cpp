// Sprites on a surface: their first state and ids, frames, save-under when drawn and moved,
// erasing, and who deletes their pictures.
#include <memory>

#include "toolkit/drawing/Colours.h"
#include "toolkit/drawing/DrawingTest.h"
#include "toolkit/drawing/Drawing.h"
#include "toolkit/game/Sprite.h"

namespace OrloUtility {
namespace {

constexpr int kSceneWidth = 6;
constexpr int kSceneHeight = 3;

// Four 2 by 2 frames stacked, each a colour of its own with one black pixel at the top left.
const Pixels kFourFrames = {
    {kBlack, kRed},   {kRed, kRed},     {kBlack, kGreen}, {kGreen, kGreen},
    {kBlack, kBlue},  {kBlue, kBlue},   {kBlack, kWhite}, {kWhite, kWhite},
};
// One 2 by 2 frame with no black in it.
const Pixels kSolid = {{kRed, kGreen}, {kBlue, kWhite}};

class SpriteTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        scene_.StorePrivateContext(PrivateContext(kBackground));
    }
    void TearDown() override {
        scene_.EndDrawing();
        DrawingTest::TearDown();
    }

    Pixels Scene() { return Read(scene_.Context(), kSceneWidth, kSceneHeight); }
    // The background with a 2 by 2 `frame` at (x, y).
    Pixels BackgroundWith(const Pixels& frame, int x, int y) const {
        Pixels scene = kBackground;
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 2; ++column) scene[y + row][x + column] = frame[row][column];
        return scene;
    }

    const Pixels kBackground = Pattern(kSceneWidth, kSceneHeight);
    Drawing scene_{nullptr};
};

TEST_F(SpriteTest, StartsUndrawnAtTheOriginWithTheFirstFrame) {
    HBITMAP picture = Bitmap(kSolid);
    Sprite shared(2, 3, picture);
    Sprite plain(4, 5);
    const struct {
        const char* what;
        const Sprite& sprite;
        HBITMAP image;
        bool sharedImage;
        int width, height;
    } cases[] = {
        {"with a shared image", shared, picture, true, 2, 3},
        {"without an image", plain, nullptr, false, 4, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Sprite& s = c.sprite;
        EXPECT_EQ(s.image, c.image);
        EXPECT_EQ(s.sharedImage, c.sharedImage);
        EXPECT_EQ(s.width, c.width);
        EXPECT_EQ(s.height, c.height);
        EXPECT_EQ(s.frame, 1);
        EXPECT_EQ(s.x, 0);
        EXPECT_EQ(s.y, 0);
        EXPECT_EQ(s.name, "");
        EXPECT_FALSE(s.IsDrawn());
        EXPECT_EQ(s.LastX(), -1);
        EXPECT_EQ(s.LastY(), -1);
        EXPECT_EQ(s.SavedBackground(), nullptr);
        EXPECT_TRUE(s.saveBackground);
        EXPECT_TRUE(s.transparent);
    }
}

TEST_F(SpriteTest, IdsFollowCreationOrderWhateverTheKind) {
    struct Kind : Sprite {
        Kind() : Sprite(1, 1) {}
    };
    Sprite first(1, 1);
    Kind second;
    Sprite third(1, 1, nullptr);
    EXPECT_EQ(second.Id(), first.Id() + 1);
    EXPECT_EQ(third.Id(), second.Id() + 1);
}

TEST_F(SpriteTest, DrawsTheChosenFrameTransparentOrOpaque) {
    const struct {
        int index;
        bool transparent;
        Pixels shown;
    } cases[] = {
        {0, true, {{kBackground[1][2], kRed}, {kRed, kRed}}},
        {3, true, {{kBackground[1][2], kWhite}, {kWhite, kWhite}}},
        {0, false, {{kBlack, kRed}, {kRed, kRed}}},
        {3, false, {{kBlack, kWhite}, {kWhite, kWhite}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "SetFrame(" << c.index << "), transparent " << c.transparent);
        scene_.StorePrivateContext(PrivateContext(kBackground));
        Sprite sprite(2, 2, Bitmap(kFourFrames));
        sprite.transparent = c.transparent;
        sprite.SetFrame(c.index);
        sprite.x = 2;
        sprite.y = 1;
        sprite.Draw(scene_);
        EXPECT_EQ(sprite.frame, c.index + 1);
        EXPECT_EQ(Scene(), BackgroundWith(c.shown, 2, 1));
    }
}

TEST_F(SpriteTest, DrawingInPlaceSavesTheBackgroundOnlyOnce) {
    Sprite sprite(2, 2, Bitmap(kSolid));
    sprite.x = 1;
    EXPECT_EQ(sprite.Draw(scene_).x, -1) << "never drawn before";
    HBITMAP saved = sprite.SavedBackground();
    ASSERT_NE(saved, nullptr);
    const POINT previous = sprite.Draw(scene_);
    EXPECT_EQ(previous.x, 1);
    EXPECT_EQ(previous.y, 0);
    EXPECT_EQ(sprite.SavedBackground(), saved);
    const Pixels under = {{kBackground[0][1], kBackground[0][2]}, {kBackground[1][1], kBackground[1][2]}};
    EXPECT_EQ(Read(saved, 2, 2), under) << "a second capture would have saved the sprite itself";
}

TEST_F(SpriteTest, MovingPutsTheOldBackgroundBackBeforeSavingTheNewOne) {
    // Moves that leave the old place and moves that overlap it: a capture before the restore
    // would save part of the sprite and leave it behind when erased.
    const struct {
        int toX, toY;
    } moves[] = {{4, 1}, {1, 0}, {1, 1}, {0, 1}};
    for (const auto& move : moves) {
        SCOPED_TRACE(::testing::Message() << "to (" << move.toX << ", " << move.toY << ")");
        scene_.StorePrivateContext(PrivateContext(kBackground));
        Sprite sprite(2, 2, Bitmap(kSolid));
        sprite.Draw(scene_);
        sprite.x = move.toX;
        sprite.y = move.toY;
        const POINT previous = sprite.Draw(scene_);
        EXPECT_EQ(previous.x, 0);
        EXPECT_EQ(previous.y, 0);
        EXPECT_EQ(Scene(), BackgroundWith(kSolid, move.toX, move.toY));
        sprite.Erase(scene_);
        EXPECT_EQ(Scene(), kBackground);
    }
}

TEST_F(SpriteTest, ASpriteMovingAlongAndPastTheEdgeKeepsItsObjectsAndLeavesTheBackground) {
    scene_.StorePrivateContext(PrivateContext(kBackground));
    Sprite sprite(2, 2, Bitmap(kSolid));
    sprite.Draw(scene_);
    sprite.x = 1;
    sprite.Draw(scene_);
    const platform::GdiCounts settled = platform::CountGdiObjects();
    // Along the field and partly off its far edge, where the saved background is part black.
    for (int x : {2, 3, 4, 5, 3, 0}) {
        sprite.x = x;
        sprite.Draw(scene_);
        EXPECT_EQ(platform::CountGdiObjects(), settled) << "at x = " << x;
    }
    sprite.Erase(scene_);
    EXPECT_EQ(Scene(), kBackground);
}

TEST_F(SpriteTest, EraseRestoresTheBackgroundAndForgetsThePlace) {
    Sprite sprite(2, 2, Bitmap(kSolid));
    sprite.x = 3;
    sprite.y = 1;
    sprite.Draw(scene_);
    sprite.Erase(scene_);
    EXPECT_EQ(Scene(), kBackground);
    EXPECT_FALSE(sprite.IsDrawn());
    EXPECT_EQ(sprite.LastX(), -1);
    EXPECT_EQ(sprite.LastY(), -1);
    EXPECT_EQ(sprite.SavedBackground(), nullptr);
}

TEST_F(SpriteTest, EraseWithNothingSavedChangesNothing) {
    const struct {
        const char* what;
        bool draw;
        bool saveBackground;
    } cases[] = {
        {"never drawn", false, true},
        {"drawn without save-under", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        scene_.StorePrivateContext(PrivateContext(kBackground));
        Sprite sprite(2, 2, Bitmap(kSolid));
        sprite.saveBackground = c.saveBackground;
        if (c.draw) sprite.Draw(scene_);
        const Pixels before = Scene();
        sprite.Erase(scene_);
        EXPECT_EQ(Scene(), before);
        EXPECT_EQ(sprite.IsDrawn(), c.draw);
        EXPECT_EQ(sprite.LastX(), c.draw ? 0 : -1);
        EXPECT_EQ(sprite.LastY(), c.draw ? 0 : -1);
    }
}

TEST_F(SpriteTest, ASharedImageOutlivesItsSprites) {
    HBITMAP picture = Bitmap(kSolid);
    {
        Sprite first(2, 2, picture);
        first.Draw(scene_);
        first.Erase(scene_);
    }
    Sprite other(2, 2, picture);
    other.x = 4;
    other.Draw(scene_);
    EXPECT_EQ(Read(picture, 2, 2), kSolid);
    EXPECT_EQ(Scene(), BackgroundWith(kSolid, 4, 0));
}

TEST_F(SpriteTest, AnImageThatIsNotSharedIsDeletedWithItsSprite) {
    // The scene keeps a mask of its own from its first transparent copy on.
    const int bitmaps = platform::CountGdiObjects().bitmaps + 1;
    {
        Sprite sprite(2, 2);
        sprite.image = CreateBitmap(2, 2, 1, 32, nullptr);
        sprite.Draw(scene_);
        EXPECT_EQ(platform::CountGdiObjects().bitmaps, bitmaps + 2) << "the image and the saved background";
    }
    EXPECT_EQ(platform::CountGdiObjects().bitmaps, bitmaps);
}

TEST_F(SpriteTest, DeletingThroughTheBaseRunsTheKindsDestructor) {
    struct Kind : Sprite {
        explicit Kind(bool& destroyed) : Sprite(1, 1), destroyed(destroyed) {}
        ~Kind() override { destroyed = true; }
        bool& destroyed;
    };
    bool destroyed = false;
    std::unique_ptr<GameElement> element = std::make_unique<Kind>(destroyed);
    element.reset();
    EXPECT_TRUE(destroyed);
}

}  // namespace
}  // namespace OrloUtility
