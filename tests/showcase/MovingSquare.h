// The square the showcase's timer moves along a track across the form, left to right and back
// in at the left, in one of a few colours.
#pragma once

#include <string>

#include "PlatformApi.h"

namespace OrloUtility {
class Drawing;
}

namespace showcase {

class MovingSquare {
public:
    static constexpr int kSide = 20;
    static constexpr int kStep = 3;  // pixels per tick

    // The track is `trackHeight` tall, its top `trackTop` below the client area's top.
    MovingSquare(int trackTop, int trackHeight) : trackTop_(trackTop), trackHeight_(trackHeight) {}

    // Moves one step along a track `trackWidth` wide and returns the area that changed: where
    // the square was and where it is now.
    RECT Step(int trackWidth);
    // Takes the next colour and returns its name.
    const char* NextColour();
    // The track across `trackWidth`, with the square on it.
    void Draw(OrloUtility::Drawing& surface, int trackWidth) const;

    RECT Bounds() const;
    RECT Track(int trackWidth) const { return {0, trackTop_, trackWidth, trackTop_ + trackHeight_}; }

private:
    int trackTop_;
    int trackHeight_;
    int left_ = 0;
    int colour_ = 0;
};

}  // namespace showcase
