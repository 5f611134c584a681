#include "user/NonClient.h"

#include <algorithm>

#include "PlatformState.h"

namespace platform::nonclient {

namespace {

// The default theme's measures, as the reference platform reports them at 96 dots per inch.
constexpr int kBorder = 1;        // SM_CXBORDER
constexpr int kDialogFrame = 3;   // SM_CXDLGFRAME, SM_CXFIXEDFRAME
constexpr int kSizingFrame = 4;   // SM_CXFRAME, SM_CXSIZEFRAME
constexpr int kCaption = 19;      // SM_CYCAPTION: 18 of title bar and its bottom line
constexpr int kSmallCaption = 16; // SM_CYSMCAPTION: a tool window's title bar
constexpr int kMenu = 19;         // SM_CYMENU
constexpr int kEdge = 2;          // SM_CXEDGE
constexpr int kCaptionButton = 18;
constexpr int kSmallCaptionButton = 15;
constexpr int kIcon = 32;
constexpr int kSmallIcon = 16;
constexpr int kMinTrackWidth = 112;
constexpr int kMinTrackHeight = 27;
constexpr int kScrollBar = 17;
// A maximized window's frame hangs over the screen's edges by its sizing border on each side.
constexpr int kMaxTrackOverhang = 2 * (kSizingFrame + 2);

// The outer edge, the sizing border and the inner line, as the platform adds them up.
int BorderOf(DWORD style, DWORD exStyle) {
    int width = 0;
    if ((exStyle & (WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME)) == WS_EX_STATICEDGE) width = 1;
    else if ((exStyle & WS_EX_DLGMODALFRAME) || (style & (WS_THICKFRAME | WS_DLGFRAME))) width = 2;
    if (style & WS_THICKFRAME) width += kSizingFrame - kDialogFrame;
    if ((style & (WS_BORDER | WS_DLGFRAME)) || (exStyle & WS_EX_DLGMODALFRAME)) width += kBorder;
    return width;
}

}  // namespace

Frame FrameOf(DWORD style, DWORD exStyle, bool hasMenu) {
    Frame frame;
    frame.border = BorderOf(style, exStyle);
    if ((style & WS_CAPTION) == WS_CAPTION) frame.caption = (exStyle & WS_EX_TOOLWINDOW) ? kSmallCaption : kCaption;
    if (hasMenu) frame.menu = kMenu;
    if (exStyle & WS_EX_CLIENTEDGE) frame.clientEdge = kEdge;
    return frame;
}

Frame FrameOf(const Window& window) {
    if (window.IsChild()) return {};
    return FrameOf(window.style, window.exStyle, State().menus.Find(window.menu) != nullptr);
}

RECT ClientInside(const RECT& outer, const Frame& frame) {
    const int side = frame.border + frame.clientEdge;
    RECT client{outer.left + side, outer.top + frame.border + frame.caption + frame.menu + frame.clientEdge,
                outer.right - side, outer.bottom - side};
    client.right = std::max(client.left, client.right);
    client.bottom = std::max(client.top, client.bottom);
    return client;
}

RECT WithoutScrollBars(const RECT& client, DWORD style) {
    RECT rest = client;
    if ((style & WS_VSCROLL) && rest.right - rest.left >= kScrollBar) rest.right -= kScrollBar;
    if ((style & WS_HSCROLL) && rest.bottom - rest.top > kScrollBar) rest.bottom -= kScrollBar;
    return rest;
}

RECT OuterAround(const RECT& client, const Frame& frame) {
    const int side = frame.border + frame.clientEdge;
    return {client.left - side, client.top - (frame.border + frame.caption + frame.menu + frame.clientEdge),
            client.right + side, client.bottom + side};
}

RECT CaptionRect(const Window& window) {
    const Frame frame = FrameOf(window);
    const int width = window.rect.right - window.rect.left;
    return {frame.border, frame.border, std::max(frame.border, width - frame.border), frame.border + frame.caption};
}

RECT MenuBarRect(const Window& window) {
    const Frame frame = FrameOf(window);
    RECT bar = CaptionRect(window);
    bar.top = bar.bottom;
    bar.bottom += frame.menu;
    return bar;
}

RECT DesktopArea(const Window& window) {
    const Frame frame = FrameOf(window);
    const int width = window.rect.right - window.rect.left;
    const int height = window.rect.bottom - window.rect.top;
    RECT area{frame.border, frame.border + frame.caption, width - frame.border, height - frame.border};
    area.right = std::max(area.left, area.right);
    area.bottom = std::max(area.top, area.bottom);
    return area;
}

int FrameMetric(int index) {
    switch (index) {
    case SM_CXBORDER: case SM_CYBORDER: return kBorder;
    case SM_CXDLGFRAME: case SM_CYDLGFRAME: return kDialogFrame;
    case SM_CXFRAME: case SM_CYFRAME: return kSizingFrame;
    case SM_CYCAPTION: return kCaption;
    case SM_CYSMCAPTION: return kSmallCaption;
    case SM_CYMENU: return kMenu;
    case SM_CXEDGE: case SM_CYEDGE: return kEdge;
    case SM_CXSIZE: case SM_CYSIZE: return kCaptionButton;
    case SM_CXSMSIZE: case SM_CYSMSIZE: return kSmallCaptionButton;
    case SM_CXICON: case SM_CYICON: return kIcon;
    case SM_CXSMICON: case SM_CYSMICON: return kSmallIcon;
    case SM_CXMIN: case SM_CXMINTRACK: return kMinTrackWidth;
    case SM_CYMIN: case SM_CYMINTRACK: return kMinTrackHeight;
    case SM_CXVSCROLL: case SM_CYHSCROLL: return kScrollBar;
    case SM_CXPADDEDBORDER: return 0;
    case SM_CXMAXTRACK: return CurrentBackend().ScreenSize().cx + kMaxTrackOverhang;
    case SM_CYMAXTRACK: return CurrentBackend().ScreenSize().cy + kMaxTrackOverhang;
    default: return -1;
    }
}

}  // namespace platform::nonclient
