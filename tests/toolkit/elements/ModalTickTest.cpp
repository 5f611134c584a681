// A message box opened inside a timer tick: the box's own loop keeps the timer ticking, so the
// tick is entered again while the first one waits for the person; a game guards against that
// with a flag, and here the test sees both the nesting and the guard.
#include "ElementTest.h"

#include "toolkit/elements/Timer.h"
#include "toolkit/util/ShowError.h"

namespace {

int ticks = 0;
int deepest = 0;
int depth = 0;
int refusedWhileBusy = 0;
int ticksAtClose = 0;
bool busy = false;

void TickShowingABox(OrloUtility::Timer&) {
    ++ticks;
    ++depth;
    deepest = std::max(deepest, depth);
    if (busy) {
        ++refusedWhileBusy;  // the re-entrancy guard a frame handler keeps
    } else {
        busy = true;
        if (ticks == 1) {
            OrloUtility::ShowError("Errore durante la partita", "Astrovex");
            ticksAtClose = ticks;
        }
        busy = false;
    }
    --depth;
}

class ModalTickTest : public ElementTest {};

TEST_F(ModalTickTest, TheTimerKeepsTickingInsideAMessageBoxAndTheTickSeesItself) {
    ticks = deepest = depth = refusedWhileBusy = ticksAtClose = 0;
    busy = false;
    auto form = MakeForm();
    OrloUtility::Timer timer(form.get());
    timer.interval = 20;
    timer.tickCallback = TickShowingABox;
    timer.Start();
    int ticksWhileOpen = 0;
    Backend().At(Backend().MonotonicMs() + 500, [&] {
        ticksWhileOpen = ticks;
        SendMessageW(FindWindowW(L"#32770", nullptr), WM_COMMAND, IDOK, 0);
    });
    Backend().RunFor(600);
    EXPECT_GE(ticksWhileOpen, 20) << "ticks went on while the box waited";
    EXPECT_EQ(deepest, 2) << "the tick was entered again from inside itself";
    EXPECT_EQ(refusedWhileBusy, ticksAtClose - 1) << "every tick while the box was up met the guard";
    EXPECT_GT(ticks, ticksWhileOpen) << "and the timer goes on after the box";
    timer.Stop();
}

}  // namespace
