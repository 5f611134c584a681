// Drawing list items, apart from the list box's window so that any list of strings drawn in the
// controls' look (a combo box's own field, for one) draws an item the same way.
#pragma once

#include <string_view>

#include "PlatformApi.h"

namespace platform::listbox {

struct ItemLook {
    bool selected = false;
    bool focused = false;   // the focus rectangle goes round it
    bool enabled = true;
    COLORREF text = 0;      // the text colour of an item that is not selected
};

// One item in `rect`, drawn within `clip`, in the font selected into `dc`; the background of an
// unselected item is left as it is.
void DrawItem(HDC dc, const RECT& rect, const RECT& clip, std::wstring_view text, const ItemLook& look);

}  // namespace platform::listbox
