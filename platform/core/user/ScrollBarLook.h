// How a window's scroll bars look: the light, flat style of the standard controls, with their
// pressed blue and their grey for what cannot be used.
#pragma once

#include "PlatformApi.h"

namespace platform::scrolllook {

inline constexpr COLORREF kTrough = RGB(240, 240, 240);
inline constexpr COLORREF kTroughPressed = RGB(218, 218, 218);  // the trough paging under the pointer
inline constexpr COLORREF kArrowPressed = RGB(204, 228, 247);   // the controls' pressed face
inline constexpr COLORREF kGlyph = RGB(96, 96, 96);
inline constexpr COLORREF kGlyphPressed = RGB(0, 84, 153);      // the controls' pressed border
inline constexpr COLORREF kGlyphDisabled = RGB(191, 191, 191);  // the controls' disabled border
inline constexpr COLORREF kThumb = RGB(205, 205, 205);
inline constexpr COLORREF kThumbDragged = RGB(166, 166, 166);
inline constexpr COLORREF kCorner = RGB(240, 240, 240);
// The thumb stands this far from the bar's long edges.
inline constexpr int kThumbInset = 2;

}  // namespace platform::scrolllook
