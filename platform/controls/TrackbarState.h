// What a trackbar ("msctls_trackbar32") remembers between messages: its range, position,
// steps and tick marks, and what the mouse is doing to it. The state lives on the heap, its
// pointer in the window's extra bytes, so a handle that is gone reads as no state at all.
#pragma once

#include <vector>

#include "PlatformApi.h"

namespace platform::trackbar {

enum class MouseMode { Idle, Dragging, Paging };

struct State {
    LONG min = 0;
    LONG max = 100;
    LONG pos = 0;
    LONG lineSize = 1;
    LONG pageSize = 20;
    // Until the program picks a page size, each new range picks a fifth of itself.
    bool pageSizeGiven = false;
    UINT ticFrequency = 1;
    // Marks between the ends, sorted; the two ends are always marked besides these.
    std::vector<LONG> tics;
    MouseMode mouse = MouseMode::Idle;
    int pagingDirection = 0;  // while paging: +1 toward the maximum, -1 toward the minimum
    POINT pointer{};          // while paging: where the pointer was last seen
};

// Null once the window is gone (or before WM_NCCREATE made the state).
State* StateOf(HWND hwnd);
void SetStateOf(HWND hwnd, State* state);

inline LONG StyleOf(HWND hwnd) { return GetWindowLongW(hwnd, GWL_STYLE); }
inline bool IsVertical(HWND hwnd) { return (StyleOf(hwnd) & TBS_VERT) != 0; }

// WM_HSCROLL (WM_VSCROLL for TBS_VERT) to the parent with a TB_* code and, for the thumb's
// codes, the position. False when the trackbar did not survive the parent's answer.
bool NotifyScroll(HWND hwnd, WORD code, WORD position = 0);
// WM_NOTIFY with NM_RELEASEDCAPTURE, once the mouse lets the trackbar go.
void NotifyReleasedCapture(HWND hwnd);

// TrackbarInput.cpp
LRESULT OnKeyDown(HWND hwnd, State& state, UINT key);
LRESULT OnKeyUp(HWND hwnd, UINT key);
void OnButtonDown(HWND hwnd, State& state, POINT at);
void OnMouseMove(HWND hwnd, State& state, POINT at);
void OnButtonUp(HWND hwnd, State& state);
void OnCaptureChanged(HWND hwnd, State& state, HWND taker);
void OnTimer(HWND hwnd, State& state, WPARAM id);

// TrackbarPaint.cpp
void Paint(HWND hwnd, const State& state);

}  // namespace platform::trackbar
