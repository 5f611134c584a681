#include "user/ScrollTracking.h"

#include <algorithm>
#include <optional>

#include "PlatformState.h"
#include "user/ScrollBarGeometry.h"
#include "user/ScrollBarPaint.h"
#include "user/ScrollBars.h"
#include "user/WindowTree.h"

namespace platform::scrolltracking {

namespace {

using scrollgeometry::Part;

// The reference platform's delays: the first repeat of a held arrow or trough, then each next.
constexpr UINT kFirstRepeatMs = 200;
constexpr UINT kRepeatMs = 50;
constexpr UINT_PTR kRepeatTimer = 1;
// How far from the bar the dragged thumb still follows the pointer, in bar thicknesses: along
// the bar, and across it. Farther away it goes back to where it was picked up.
constexpr int kDragReachAlong = 2;
constexpr int kDragReachAcross = 8;

bool tracking = false;  // one use of a bar at a time

bool Responds(Part part, UINT disabledArrows) {
    if (disabledArrows == ESB_DISABLE_BOTH) return false;
    if (part == Part::LineUp) return !(disabledArrows & ESB_DISABLE_UP);
    if (part == Part::LineDown) return !(disabledArrows & ESB_DISABLE_DOWN);
    return part != Part::None;
}

WPARAM CodeOf(Part part) {
    switch (part) {
    case Part::LineUp: return SB_LINEUP;
    case Part::PageUp: return SB_PAGEUP;
    case Part::PageDown: return SB_PAGEDOWN;
    default: return SB_LINEDOWN;
    }
}

class Tracker {
public:
    Tracker(HWND window, int bar) : window_(window), bar_(bar), vertical_(bar == SB_VERT) {}

    void Run(POINT screen) {
        const std::optional<scrollgeometry::Layout> layout = Layout();
        if (!layout || !Data()) return;
        const int along = Along(screen);
        part_ = scrollgeometry::PartAt(*layout, InBar(screen, 0, 0) ? along : -1);
        if (!Responds(part_, Data()->disabledArrows)) return;
        SetCapture(window_);
        if (part_ == Part::Thumb) PickUpThumb(*layout, along);
        else PressPart();
        Loop();
        Finish();
    }

private:
    ScrollBarData* Data() const {
        Window* w = FindWindow(window_);
        WindowScrollBars* bars = w ? scrollbars::Of(*w, false) : nullptr;
        return bars ? &bars->Of(bar_) : nullptr;
    }

    // The bar on the screen; empty once the window is gone or no longer shows it.
    RECT BarOnScreen() const {
        Window* w = FindWindow(window_);
        if (!w) return {};
        RECT bar = scrollgeometry::BarRect(*w, bar_);
        const RECT outer = ScreenRectOf(*w);
        OffsetRect(&bar, outer.left, outer.top);
        return bar;
    }

    std::optional<scrollgeometry::Layout> Layout() const {
        const RECT bar = BarOnScreen();
        ScrollBarData* data = Data();
        if (IsRectEmpty(&bar) || !data) return std::nullopt;
        return scrollgeometry::LayoutOf(vertical_ ? bar.bottom - bar.top : bar.right - bar.left, *data);
    }

    int Along(POINT screen) const {
        const RECT bar = BarOnScreen();
        return vertical_ ? screen.y - bar.top : screen.x - bar.left;
    }

    // The point is on the bar, or within `alongReach` and `acrossReach` thicknesses of it.
    bool InBar(POINT screen, int alongReach, int acrossReach) const {
        RECT bar = BarOnScreen();
        const int thickness = vertical_ ? bar.right - bar.left : bar.bottom - bar.top;
        if (vertical_) InflateRect(&bar, acrossReach * thickness, alongReach * thickness);
        else InflateRect(&bar, alongReach * thickness, acrossReach * thickness);
        return PtInRect(&bar, screen) != FALSE;
    }

    void Send(WPARAM code, int pos = 0) const {
        SendMessageW(window_, vertical_ ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, static_cast<WORD>(pos)), 0);
    }

    void Paint() const {
        scrollpaint::Pressed pressed;
        if (part_ == Part::Thumb) pressed.thumbAt = thumbAt_;
        else if (onPart_) pressed.part = part_;
        scrollpaint::PaintBar(window_, bar_, pressed);
    }

    // ---- Arrows and the trough: a step at once, again after a pause, then steadily. ----
    void PressPart() {
        Send(CodeOf(part_));
        Paint();
        State().timers.SetSystem(window_, kRepeatTimer, kFirstRepeatMs, CurrentBackend().MonotonicMs());
    }

    // The trough's part under the pointer changes as the window scrolls: it steps only while
    // the part first pressed is still there.
    bool PointerOnPart(POINT screen) const {
        const std::optional<scrollgeometry::Layout> layout = Layout();
        if (!layout || !InBar(screen, 0, 0)) return false;
        return scrollgeometry::PartAt(*layout, Along(screen)) == part_;
    }

    void Repeat() {
        POINT cursor{};
        GetCursorPos(&cursor);
        onPart_ = PointerOnPart(cursor);
        if (onPart_) Send(CodeOf(part_));
        Paint();
        State().timers.SetSystem(window_, kRepeatTimer, kRepeatMs, CurrentBackend().MonotonicMs());
    }

    // Off the part the steps stop; back on it they start again after the steady pause.
    void MoveOverPart(POINT screen) {
        const bool on = PointerOnPart(screen);
        if (on == onPart_) return;
        onPart_ = on;
        Paint();
        if (on) State().timers.SetSystem(window_, kRepeatTimer, kRepeatMs, CurrentBackend().MonotonicMs());
        else State().timers.KillSystem(window_, kRepeatTimer);
    }

    // ---- The thumb: it follows the pointer, and says what position it stands for. ----
    void PickUpThumb(const scrollgeometry::Layout& layout, int along) {
        pickedAt_ = lastAlong_ = along;
        thumbStart_ = thumbAt_ = layout.thumbPos;
        TrackTo(thumbStart_);
    }

    void TrackTo(int thumbPos) {
        const std::optional<scrollgeometry::Layout> layout = Layout();
        ScrollBarData* data = Data();
        if (!layout || !data) return;
        thumbAt_ = scrollgeometry::ClampThumb(*layout, thumbPos);
        data->trackPos = scrollgeometry::ThumbValue(layout->length, *data, thumbPos);
        Send(SB_THUMBTRACK, *data->trackPos);
        Paint();
    }

    void DragThumb(POINT screen) {
        const std::optional<scrollgeometry::Layout> layout = Layout();
        if (!layout) return;
        int along = pickedAt_;
        if (InBar(screen, kDragReachAlong, kDragReachAcross)) along = std::clamp(Along(screen), 0, layout->length - 1);
        if (along == lastAlong_) return;
        lastAlong_ = along;
        TrackTo(thumbStart_ + along - pickedAt_);
    }

    // ---- The loop ----
    void Loop() {
        MSG msg;
        while (GetCapture() == window_ && IsWindow(window_)) {
            if (!GetMessageW(&msg, nullptr, 0, 0)) {
                PostQuitMessage(static_cast<int>(msg.wParam));  // the program's own loop must see it
                return;
            }
            if (msg.message == WM_LBUTTONUP) {
                released_ = true;
                return;
            }
            if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) Move(msg.pt);
            else if (msg.message == kSystemTimerMessage && msg.hwnd == window_ && msg.wParam == kRepeatTimer) Repeat();
            else {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
    }

    void Move(POINT screen) {
        if (part_ == Part::Thumb) DragThumb(screen);
        else MoveOverPart(screen);
    }

    // The capture goes first; the thumb's last word and the end follow, as on the reference
    // platform. The track position is kept until the end has been said.
    void Finish() {
        State().timers.KillSystem(window_, kRepeatTimer);
        if (GetCapture() == window_) ReleaseCapture();
        if (released_ && IsWindow(window_)) {
            if (part_ == Part::Thumb && Data() && Data()->trackPos) Send(SB_THUMBPOSITION, *Data()->trackPos);
            if (IsWindow(window_)) Send(SB_ENDSCROLL);
        }
        if (ScrollBarData* data = Data()) data->trackPos.reset();
        part_ = Part::None;
        onPart_ = false;
        scrollpaint::PaintBar(window_, bar_);
    }

    HWND window_;
    int bar_;
    bool vertical_;
    Part part_ = Part::None;
    bool onPart_ = true;
    bool released_ = false;
    int pickedAt_ = 0;   // where along the bar the thumb was picked up
    int lastAlong_ = 0;  // where along the bar the pointer was last seen
    int thumbStart_ = 0;
    int thumbAt_ = 0;
};

}  // namespace

void Track(HWND window, int bar, POINT screen) {
    if (tracking || !IsWindow(window) || (bar != SB_HORZ && bar != SB_VERT)) return;
    tracking = true;
    Tracker(window, bar).Run(screen);
    tracking = false;
}

}  // namespace platform::scrolltracking
