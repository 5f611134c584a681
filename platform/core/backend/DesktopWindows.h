// What a display backend may know of the program's top-level windows to mirror them on a real
// desktop: their kind, place, title and icon, their pixels and what changed in them, the
// cursor. Read only, apart from taking the changes: the windows themselves stay the core's.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "PlatformApi.h"

namespace platform {

// The numbers of the system's stock cursors (the IDC_ resource ids).
namespace systemcursor {
constexpr int kArrow = 32512;
constexpr int kIBeam = 32513;
constexpr int kWait = 32514;
constexpr int kCross = 32515;
constexpr int kSizeAll = 32646;
constexpr int kNo = 32648;
constexpr int kHand = 32649;
}  // namespace systemcursor

namespace desktop {

struct TopLevel {
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND owner = nullptr;  // the top-level window it stays with, if any
    bool visible = false;
    RECT outer{};          // the whole window, on the screen
    RECT shown{};          // the part the desktop shows (inside a frame it draws itself), on the screen
    std::wstring title;
};

// A frameless pop-up that floats over the program's windows (a drop-down menu or list, a
// tooltip): owned by another window, a tool window or topmost. The desktop places it where the
// program says, never frames it and never gives it the keyboard. A frameless pop-up that is none
// of these is a program's own window without a frame, which the desktop manages like any other.
bool IsFloatingPopup(const TopLevel& window);

// A top-level window as the desktop should show it; nothing for a window that is gone.
std::optional<TopLevel> TopLevelOf(HWND window);
// The part of a top-level window the desktop shows, on the screen: what a pointer event's
// position is measured from. Nothing for a window that is gone.
std::optional<RECT> ShownOnScreen(HWND window);
// The top-level window holding `window`.
HWND RootOf(HWND window);
// The program's visible top-level windows, the bottom one first.
std::vector<HWND> TopLevelsFromBottom();

// A square picture, rows top-down, 0xAARRGGBB.
struct Picture {
    int size = 0;
    const std::uint32_t* pixels = nullptr;
};
// The window's icon (the big one, else the small one), when it has a picture.
std::optional<Picture> IconOf(HWND window);
// Which stock cursor a cursor is (a systemcursor number); 0 for none or the program's own.
int SystemCursorOf(HCURSOR cursor);

// A top-level window's pixels: its whole outer area, rows top-down, 0x00RRGGBB.
struct WindowPixels {
    const std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int sharedId = -1;  // the System V shared-memory segment holding them; -1 when not shared
    RECT shown{};       // the part the desktop shows, in the pixels' own coordinates
};
// The pixels of a visible top-level window, made when not made yet; nothing when it has none.
std::optional<WindowPixels> PixelsOf(HWND window);

inline constexpr int kMaxChanges = 8;
// The rectangles of a window's pixels that changed since they were last taken, within the part
// the desktop shows; taking them forgets them.
struct Changes {
    std::array<RECT, kMaxChanges> rects{};
    int count = 0;
};
Changes TakeChanges(HWND window);
bool HasChanges(HWND window);

// A pixel of a window's own client area, as a person would see it; nothing outside it.
std::optional<COLORREF> ClientPixel(HWND window, int x, int y);

// When the next timer of the program falls due (monotonic milliseconds), if one is set.
std::optional<std::uint64_t> NextTimerDue();

}  // namespace desktop
}  // namespace platform
