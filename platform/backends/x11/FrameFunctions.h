// Which of the frame's buttons and functions a window manager gives a window.
#pragma once

namespace platform::x11 {

// Moving and closing always; minimizing, maximizing and resizing only as allowed. A window
// without the resize function also keeps a fixed size.
struct FrameFunctions {
    bool minimize = false;
    bool maximize = false;
    bool resize = false;
};

}  // namespace platform::x11
