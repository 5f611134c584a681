// What the files drawing the "Button" control's families share. Each draws the whole client
// area in a context where the parent has already set its colours (WM_CTLCOLOR...).
#pragma once

#include <string>

#include "PlatformApi.h"

namespace platform::button {

std::wstring TextOf(HWND hwnd);

// Push buttons, and check boxes and radio buttons with BS_PUSHLIKE. `surroundings` fills what
// the rounded box leaves.
void DrawPushButton(HWND hwnd, HDC dc, const RECT& client, HBRUSH surroundings);
// Check boxes and radio buttons: the mark, the text beside it and, when focused, the focus
// rectangle round the text, on the parent's brush in the parent's text colour.
void DrawCheckButton(HWND hwnd, HDC dc, const RECT& client, HBRUSH background);
// A frame with the text set into its top edge; inside, the parent and the controls framed
// show through.
void DrawGroupBox(HWND hwnd, HDC dc, const RECT& client, HBRUSH background);

}  // namespace platform::button
