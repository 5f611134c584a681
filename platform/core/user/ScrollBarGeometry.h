// Where a window's scroll bars lie and how one is laid out along its length: the arrow boxes at
// its ends, the thumb sized by the page and placed by the position, and the value a thumb at a
// given place stands for, measured as the reference platform measures them.
#pragma once

#include "PlatformApi.h"
#include "Window.h"

namespace platform::scrollgeometry {

// The parts of a bar, from its start (top or left) to its end.
enum class Part { None, LineUp, PageUp, Thumb, PageDown, LineDown };

// In coordinates from the window's outer top-left corner: a bar the style shows (empty when it
// does not, or when the window leaves it no room), and the box between the two bars.
RECT BarRect(const Window& window, int bar);
RECT CornerRect(const Window& window);
// The bar's thickness across its length.
int Thickness();

// A bar's parts along its length, in pixels from its start. A bar too short for a thumb has
// none (thumbSize 0), as does a bar whose both arrows are disabled.
struct Layout {
    int length = 0;
    int arrow = 0;
    int thumbPos = 0;
    int thumbSize = 0;
};
Layout LayoutOf(int length, const ScrollBarData& data);
// The part at `along` pixels from the bar's start.
Part PartAt(const Layout& layout, int along);
// The position a thumb whose start is `thumbPos` pixels from the bar's start stands for.
int ThumbValue(int length, const ScrollBarData& data, int thumbPos);
// The pixels the thumb's start may take while it is dragged.
int ClampThumb(const Layout& layout, int thumbPos);

}  // namespace platform::scrollgeometry
