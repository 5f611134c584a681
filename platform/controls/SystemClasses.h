// The window classes the system provides to every program: the standard controls, the
// tooltip, menus' drop-down windows and message boxes.
#pragma once

#include "PlatformApi.h"

namespace platform {

// Registers the system classes once per platform state; FindClass calls it before it gives up.
void EnsureSystemClasses();

// The procedures of the system classes.
LRESULT CALLBACK ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TooltipProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform
