// What a "Button" control remembers between messages, kept in its window extra bytes so the
// control is nothing but a window procedure: the font it was given and its state flags.
#pragma once

#include "PlatformApi.h"

namespace platform::button {

// Extra-byte offsets.
constexpr int kFontSlot = 0;
constexpr int kFlagsSlot = sizeof(LONG_PTR);

// State flags. BST_PUSHED and BST_FOCUS are the ones BM_GETSTATE reports; the rest are the
// control's own bookkeeping.
constexpr LONG_PTR kReported = BST_PUSHED | BST_FOCUS;
constexpr LONG_PTR kHot = 0x0200;            // the pointer is over the button
constexpr LONG_PTR kTracking = 0x1000;       // a WM_MOUSELEAVE has been asked for
constexpr LONG_PTR kHeldByMouse = 0x2000;    // the left button went down on it, capture is ours
constexpr LONG_PTR kHeldBySpace = 0x4000;    // Space went down while it had the focus

inline LONG_PTR Flags(HWND hwnd) { return GetWindowLongPtrW(hwnd, kFlagsSlot); }
inline bool Has(HWND hwnd, LONG_PTR flag) { return (Flags(hwnd) & flag) != 0; }
inline HFONT GivenFont(HWND hwnd) { return reinterpret_cast<HFONT>(GetWindowLongPtrW(hwnd, kFontSlot)); }
inline UINT TypeOf(HWND hwnd) { return static_cast<UINT>(GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK); }

// Sets or clears the flags; repaints when that changes what the button shows.
void Change(HWND hwnd, LONG_PTR flags, bool on);

}  // namespace platform::button
