// Where a combo box's parts sit: the selection field, the arrow at its right and the edit of
// CBS_DROPDOWN inside the field; the window's own height, which is its field's; and where the
// room its list drops into begins. Numbers as the platform lays them out.
#pragma once

#include "PlatformApi.h"
#include "controls/ComboBoxState.h"

namespace platform::combo {

// The frame between the window's edges and the field, each side.
inline constexpr int kFrame = 2;

struct Layout {
    RECT field{};  // where the selected item shows (the edit's surroundings for CBS_DROPDOWN)
    RECT arrow{};  // the button that drops the list
    RECT edit{};   // CBS_DROPDOWN's edit, a pixel inside the field
};

Layout LayoutOf(HWND hwnd, const State& state);

// The field a font needs: its line and two pixels above and below.
int FieldHeightFor(HWND hwnd, HFONT font);
// The window's height: the field within its frame.
inline int WindowHeight(const State& state) { return state.fieldHeight + 2 * kFrame; }
// How far below the window's top the room for the list begins, when the height the window was
// made with is shared between the field and the list.
int DroppedTop(HWND hwnd, const State& state);

// After the field's height changed: the window takes it, the edit follows.
void FitToField(HWND hwnd, const State& state);
void PlaceEdit(HWND hwnd, const State& state);

}  // namespace platform::combo
