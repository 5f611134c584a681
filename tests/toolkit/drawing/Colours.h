// The few colours the drawing and sprite tests paint with (0x00BBGGRR).
#pragma once

#include "PlatformApi.h"

inline constexpr COLORREF kBlack = RGB(0, 0, 0);
inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kGrey = RGB(90, 90, 90);
inline constexpr COLORREF kRed = RGB(255, 0, 0);
inline constexpr COLORREF kGreen = RGB(0, 255, 0);
inline constexpr COLORREF kBlue = RGB(0, 0, 255);
// Not the transparent key: only exact black is.
inline constexpr COLORREF kNearBlack = RGB(0, 0, 1);
