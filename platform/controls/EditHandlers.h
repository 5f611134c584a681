// The edit field's answers to painting and to a person's keys and mouse, each in its own file;
// the window procedure (Edit.cpp) routes messages to them.
#pragma once

#include "PlatformApi.h"
#include "controls/EditState.h"

namespace platform {

// EditPaint.cpp
void PaintEdit(HWND hwnd, const EditState& state);

// EditInput.cpp
void OnEditChar(HWND hwnd, EditState& state, WCHAR c);
void OnEditKeyDown(HWND hwnd, EditState& state, UINT key);
void OnEditButtonDown(HWND hwnd, POINT at, WPARAM keys);
void OnEditMouseMove(HWND hwnd, EditState& state, POINT at);
void OnEditButtonUp(HWND hwnd, EditState& state);
void OnEditDoubleClick(HWND hwnd, EditState& state, POINT at);

}  // namespace platform
