#include "user/ScrollInfo.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace platform::scrollinfo {

namespace {

// The reference platform computes in 32-bit integers that wrap; so do we, without overflow.
int Wrap(std::int64_t value) { return static_cast<int>(static_cast<std::uint32_t>(value)); }

// A page larger than the range is cut to it; one that reads as negative is none.
void ClampPage(ScrollBarData& bar) {
    const int limit = Wrap(static_cast<std::int64_t>(bar.max) - bar.min + 1);
    const int page = static_cast<int>(bar.page);
    if (page < 0) bar.page = 0;
    else if (page > limit) bar.page = static_cast<UINT>(limit);
}

void ClampPosition(ScrollBarData& bar) {
    const int last = LastPosition(bar);
    if (bar.pos < bar.min) bar.pos = bar.min;
    else if (bar.pos > last) bar.pos = last;
}

// The numbers SetScrollInfo was given; true when the range, the page or the position changed.
// A position counts as changed when it differs from the one kept, before either is cut to the
// range: asking again for a position that was cut is a change.
bool Store(ScrollBarData& bar, const SCROLLINFO& info) {
    bool changed = false;
    if ((info.fMask & SIF_PAGE) && bar.page != info.nPage) {
        bar.page = info.nPage;
        changed = true;
    }
    if ((info.fMask & SIF_POS) && bar.pos != info.nPos) {
        bar.pos = info.nPos;
        changed = true;
    }
    if (info.fMask & SIF_RANGE) {
        // A range upside down is no range at all.
        const bool upsideDown = info.nMin > info.nMax;
        const int min = upsideDown ? 0 : info.nMin;
        const int max = upsideDown ? 0 : info.nMax;
        changed = changed || bar.min != min || bar.max != max;
        bar.min = min;
        bar.max = max;
    }
    ClampPage(bar);
    ClampPosition(bar);
    return changed;
}

}  // namespace

bool IsWindowBar(int bar) { return bar == SB_HORZ || bar == SB_VERT; }

bool IsValidSize(UINT cbSize) {
    return cbSize == sizeof(SCROLLINFO) || cbSize == offsetof(SCROLLINFO, nTrackPos);
}

int LastPosition(const ScrollBarData& bar) {
    const int pageRest = std::max(Wrap(static_cast<std::int64_t>(static_cast<int>(bar.page)) - 1), 0);
    return Wrap(static_cast<std::int64_t>(bar.max) - pageRest);
}

bool IsEmpty(const ScrollBarData& bar) { return bar.min >= LastPosition(bar); }

// A bar with nothing to scroll is hidden, or disabled when the caller asks to keep it; one with
// something to scroll is enabled, and shown, unless only its page was given. Either happens only
// when the range, the page or the position changed, and only when the range or the page was
// given: the position alone never shows, hides or enables a bar.
Visibility Apply(ScrollBarData& bar, const SCROLLINFO& info) {
    const bool changed = Store(bar, info);
    if (!(info.fMask & (SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL))) return Visibility::Keep;
    if (IsEmpty(bar)) {
        if (info.fMask & SIF_DISABLENOSCROLL) bar.disabledArrows = ESB_DISABLE_BOTH;
        else if (changed) return Visibility::Hide;
        return Visibility::Keep;
    }
    if (info.fMask == SIF_PAGE) return Visibility::Keep;
    bar.disabledArrows = ESB_ENABLE_BOTH;
    return changed ? Visibility::Show : Visibility::Keep;
}

void Read(const ScrollBarData& bar, SCROLLINFO& info) {
    if (info.fMask & SIF_RANGE) {
        info.nMin = bar.min;
        info.nMax = bar.max;
    }
    if (info.fMask & SIF_PAGE) info.nPage = bar.page;
    if (info.fMask & SIF_POS) info.nPos = bar.pos;
    if ((info.fMask & SIF_TRACKPOS) && info.cbSize == sizeof(SCROLLINFO))
        info.nTrackPos = bar.trackPos.value_or(bar.pos);
}

}  // namespace platform::scrollinfo
