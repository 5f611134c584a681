// A multi-line edit field's view moving over its lines: scrolled by the program, by the
// window's own scroll bars, by the wheel and by a caret that leaves the view, with the bars
// kept in step (range over the lines and the widest line's pixels, page the box, position the
// view) and the parent told EN_VSCROLL and EN_HSCROLL as on the platform.
#pragma once

#include "PlatformApi.h"
#include "controls/EditState.h"
#include "controls/EditView.h"

namespace platform {

// Scrolls `dy` lines and `dx` pixels, kept within the text as the platform keeps them; false
// when the field did not survive the parent hearing of it.
bool ScrollView(HWND hwnd, EditState& state, EditView& view, int dx, int dy);
// Sets the bars the field was made with; none while the person drags that bar's thumb.
void UpdateScrollBars(HWND hwnd, const EditState& state, const EditView& view);
// Moves the caret to its place in the view, when the field has the focus.
void PlaceCaret(HWND hwnd, const EditState& state, const EditView& view);

// The caret scrolled into view, in whole lines down and a third of the box sideways.
void ShowMultiLineSelection(HWND hwnd, EditState& state);
// The view kept within the lines after the box or the font changed.
void ShowMultiLineLayout(HWND hwnd, EditState& state);

// The messages that scroll or ask about the view; single-line fields answer as the platform's do.
bool IsScrollMessage(UINT message);
LRESULT OnScrollMessage(HWND hwnd, EditState& state, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform
