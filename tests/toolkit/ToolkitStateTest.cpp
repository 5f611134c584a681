// The toolkit's per-process values live in its one state object: replacing that object brings
// back the program's start, and a second run in the same process behaves as the first did.
#include "FreshState.h"
#include "elements/ElementTest.h"
#include "toolkit/ToolkitState.h"
#include "toolkit/game/Sprite.h"
#include "toolkit/scores/FormNamePlayer.h"

namespace {

using namespace OrloUtility;

class ToolkitStateTest : public ElementTest {};

TEST_F(ToolkitStateTest, AFreshStateForgetsEverythingTheLastRunLeft) {
    auto form = MakeForm();
    SetForegroundWindow(form->Handle());
    Backend().PumpUntilIdle();
    PlayerName() = "MARIO";
    const Sprite used(4, 4);
    ASSERT_EQ(MainWindow(), form->Handle());
    ASSERT_EQ(ActiveForm(), form.get());
    ASSERT_GT(IdCounter(), 0u);

    ReplaceWithFresh(Toolkit());

    EXPECT_EQ(MainWindow(), nullptr);
    EXPECT_EQ(ActiveForm(), nullptr);
    EXPECT_EQ(IdCounter(), 0u);
    EXPECT_EQ(FindByHandle(form->Handle()), nullptr) << "the old run's elements are forgotten";
    EXPECT_EQ(PlayerName(), "");
    EXPECT_EQ(Sprite(4, 4).Id(), 1) << "sprite ids start again";
}

TEST_F(ToolkitStateTest, TheFirstFormOfTheNextRunIsItsMainWindow) {
    MakeForm();  // the first run's main form, made and gone
    ReplaceWithFresh(Toolkit());

    auto next = MakeForm();
    EXPECT_EQ(MainWindow(), next->Handle());
    EXPECT_EQ(next->Id(), 1u);
}

}  // namespace
