// All the game's values that live once per process rather than per window, in one place so
// that tests can replace them whole: the frame clock, the title animation, the two fire
// cool-downs and the explosion's check.
#pragma once

#include "PlatformApi.h"
#include "game/Assets.h"
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

    // ---- The explosion's sound file, checked at every hit and read again only when it changed ----
    CheckedAsset explosion{kExplosionChecksum};
};

// The one instance.
ProcessState& Process();

}  // namespace MyGame
