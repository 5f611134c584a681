#include "user/ScrollBarGeometry.h"

#include <algorithm>
#include <cstdint>

#include "user/ScrollInfo.h"

namespace platform::scrollgeometry {

namespace {

constexpr int kThickness = 17;  // SM_CXVSCROLL, SM_CYHSCROLL
constexpr int kMinThumb = 8;
// Below this much trough between full arrows, the arrows shrink to share what there is.
constexpr int kMinTrough = 4;

// The classic MulDiv: a * b / c, rounded half away from zero; wide enough that no range of
// 32-bit positions overflows it.
std::int64_t MulDiv(std::int64_t a, std::int64_t b, std::int64_t c) {
    if (c == 0) return -1;
    if (c < 0) {
        a = -a;
        c = -c;
    }
    const std::int64_t product = a * b;
    return product < 0 ? (product - c / 2) / c : (product + c / 2) / c;
}

// The page's share of the trough, never less than a thumb can be; a thumb as thick as the bar
// when there is no page.
int ThumbSizeFor(int pixels, const ScrollBarData& data) {
    if (data.page == 0) return kThickness;
    const std::int64_t span = static_cast<std::int64_t>(data.max) - data.min + 1;
    return static_cast<int>(std::max<std::int64_t>(kMinThumb, MulDiv(pixels, data.page, span)));
}

RECT InsideWindow(RECT rect, const Window& window) {
    const RECT all{0, 0, window.rect.right - window.rect.left, window.rect.bottom - window.rect.top};
    if (!IntersectRect(&rect, &rect, &all)) return {};
    return rect;
}

RECT ClientInWindow(const Window& window) {
    RECT client = window.client;
    OffsetRect(&client, -window.rect.left, -window.rect.top);
    return client;
}

}  // namespace

int Thickness() { return kThickness; }

RECT BarRect(const Window& window, int bar) {
    const RECT client = ClientInWindow(window);
    if (bar == SB_VERT && (window.style & WS_VSCROLL))
        return InsideWindow({client.right, client.top, client.right + kThickness, client.bottom}, window);
    if (bar == SB_HORZ && (window.style & WS_HSCROLL))
        return InsideWindow({client.left, client.bottom, client.right, client.bottom + kThickness}, window);
    return {};
}

RECT CornerRect(const Window& window) {
    if ((window.style & (WS_VSCROLL | WS_HSCROLL)) != (WS_VSCROLL | WS_HSCROLL)) return {};
    const RECT client = ClientInWindow(window);
    return InsideWindow({client.right, client.bottom, client.right + kThickness, client.bottom + kThickness}, window);
}

Layout LayoutOf(int length, const ScrollBarData& data) {
    Layout layout;
    layout.length = length;
    if (length <= 2 * kThickness + kMinTrough) layout.arrow = length > kMinTrough ? (length - kMinTrough) / 2 : 0;
    else layout.arrow = kThickness;
    int pixels = length - 2 * layout.arrow;
    if (pixels <= 0 || data.disabledArrows == ESB_DISABLE_BOTH) return layout;
    const int thumb = ThumbSizeFor(pixels, data);
    pixels -= thumb;
    if (pixels < 0) return layout;
    layout.thumbSize = thumb;
    const int last = scrollinfo::LastPosition(data);
    layout.thumbPos = layout.arrow;
    if (data.min < last) {
        const std::int64_t into = static_cast<std::int64_t>(data.pos) - data.min;
        layout.thumbPos += static_cast<int>(MulDiv(pixels, into, static_cast<std::int64_t>(last) - data.min));
    }
    return layout;
}

Part PartAt(const Layout& layout, int along) {
    if (along < 0 || along >= layout.length) return Part::None;
    if (along < layout.arrow) return Part::LineUp;
    if (along >= layout.length - layout.arrow) return Part::LineDown;
    // Without a thumb the whole trough pages up, as on the reference platform.
    if (layout.thumbSize == 0 || along < layout.thumbPos) return Part::PageUp;
    return along < layout.thumbPos + layout.thumbSize ? Part::Thumb : Part::PageDown;
}

// Measured with full arrows whatever the bar's length, as the reference platform measures it.
int ThumbValue(int length, const ScrollBarData& data, int thumbPos) {
    int pixels = length - 2 * kThickness;
    if (pixels <= 0) return data.min;
    pixels -= ThumbSizeFor(pixels, data);
    if (pixels <= 0) return data.min;
    const int offset = std::clamp(thumbPos - kThickness, 0, pixels);
    const int top = data.page ? scrollinfo::LastPosition(data) : data.max;
    return static_cast<int>(data.min + MulDiv(offset, static_cast<std::int64_t>(top) - data.min, pixels));
}

int ClampThumb(const Layout& layout, int thumbPos) {
    return std::max(layout.arrow, std::min(thumbPos, layout.length - layout.arrow - layout.thumbSize));
}

}  // namespace platform::scrollgeometry
