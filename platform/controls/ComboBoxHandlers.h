// The combo box's answers, each group in its own file; the window procedure (ComboBox.cpp)
// routes messages to them.
#pragma once

#include "PlatformApi.h"
#include "controls/ComboBoxState.h"

namespace platform::combo {

// ComboBoxMessages.cpp: the CB_ messages, most of them handed to the list or the edit, and
// the field's text (WM_SETTEXT, WM_GETTEXT, WM_GETTEXTLENGTH).
bool IsComboMessage(UINT message);
LRESULT OnComboMessage(HWND hwnd, State& state, UINT message, WPARAM wParam, LPARAM lParam);

// ComboBoxInput.cpp: a person's mouse and keys, the focus coming and going, and what the list
// tells of them. Each finds the state again after telling the parent anything.
void OnButtonDown(HWND hwnd, POINT at);
void OnMouseMove(HWND hwnd, POINT at, WPARAM keys);
void OnButtonUp(HWND hwnd);
void OnCaptureLost(HWND hwnd);
// A key the box (or its edit) was given; false when it is not the box's to act on.
bool OnKey(HWND hwnd, UINT key);
bool OnSysKey(HWND hwnd, UINT key, LPARAM keyData);
void OnChar(HWND hwnd, WCHAR c);
void OnWheel(HWND hwnd, short delta);
void OnFocusGained(HWND hwnd);
void OnFocusLost(HWND hwnd);
// LBN_ notices from the list.
void OnListNotice(HWND hwnd, UINT code);

// ComboBoxPaint.cpp
void Paint(HWND hwnd, const State& state);

}  // namespace platform::combo
