// CBS_DROPDOWN's field: an "edit" child the combo box makes, keeps in step with its list, and
// listens to.
#pragma once

#include <string>
#include <string_view>

#include "PlatformApi.h"
#include "controls/ComboBoxState.h"

namespace platform::combo {

// The edit's id, as the platform numbers it.
inline constexpr int kEditId = 1001;

HWND CreateEdit(HWND hwnd);

std::wstring EditText(const State& state);
// Puts text in the edit without a word to the parent; while the box has the focus the whole
// text is then selected.
void SetEditText(HWND hwnd, State& state, std::wstring_view text);
// The item's text in the edit (-1 empties it).
void ShowItemInEdit(HWND hwnd, State& state, int index);
// The list follows the edit's text: the first item the text begins becomes the list's caret
// and top item and, with `select`, its selection; otherwise nothing is selected. Returns that
// item, or -1.
int MatchEditText(HWND hwnd, State& state, bool select);

// EN_ notices from the edit.
void OnEditNotice(HWND hwnd, UINT code);

}  // namespace platform::combo
