// The few values of the game that live once per process rather than per window: the frame
// clock, the title animation and the two fire cool-downs.
#pragma once

#include "PlatformApi.h"
#include "toolkit/util/TimeStamp.h"

namespace MyGame {

struct ProcessState {
    // ---- Frame clock ----
    // Set by the first tick.
    bool ticking = false;
    // The local time of the last tick that did work.
    OrloUtility::TimeStamp lastTick;
    // When the running interlude ends; the unset stamp when none runs.
    OrloUtility::TimeStamp interludeDeadline;
    // True while a tick does its work: a tick arriving inside it (from a message box's loop)
    // returns at once.
    bool tickBusy = false;

    // ---- Title animation ----
    bool blinking = false;
    OrloUtility::TimeStamp lastBlink;
    int blinkCount = 0;
    COLORREF promptColour = 0x0000FF;

    // ---- Fire cool-downs, one for the player and one shared by every UFO ----
    bool firstPlayerShot = true;
    OrloUtility::TimeStamp lastPlayerShot;
    bool firstEnemyShot = true;
    OrloUtility::TimeStamp lastEnemyShot;
};

// The one instance.
ProcessState& Process();
// Back to the values at program start, for tests that play several games in one process.
void ResetProcessState();

}  // namespace MyGame
