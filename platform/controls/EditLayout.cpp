#include "controls/EditLayout.h"

#include <algorithm>
#include <array>

#include "controls/Look.h"

namespace platform {

bool HasEditBorder(HWND hwnd) {
    return (GetWindowLongW(hwnd, GWL_STYLE) & WS_BORDER) || (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

std::wstring DisplayedText(std::wstring_view text, WCHAR passwordChar) {
    if (!passwordChar) return std::wstring(text);
    return std::wstring(text.size(), passwordChar);
}

int TextWidth(HDC dc, std::wstring_view text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// Most text is ASCII: each of its characters is measured once.
std::vector<int> CharAdvances(HDC dc, std::wstring_view text) {
    std::array<int, 128> ascii;
    ascii.fill(-1);
    std::vector<int> advances;
    advances.reserve(text.size());
    for (wchar_t c : text) {
        const bool cached = c < 128;
        if (cached && ascii[c] >= 0) {
            advances.push_back(ascii[c]);
            continue;
        }
        const int width = TextWidth(dc, std::wstring_view(&c, 1));
        if (cached) ascii[c] = width;
        advances.push_back(width);
    }
    return advances;
}

EditMeasuringDc::EditMeasuringDc(HWND hwnd, const EditState& state)
    : hwnd_(hwnd), dc_(GetDC(hwnd)), oldFont_(SelectObject(dc_, look::FontOf(hwnd, state.font))) {}

EditMeasuringDc::~EditMeasuringDc() {
    SelectObject(dc_, oldFont_);
    ReleaseDC(hwnd_, dc_);
}

EditLayout::EditLayout(HDC dc, HWND hwnd, const EditState& state) : scroll_(state.scroll) {
    RECT client{};
    GetClientRect(hwnd, &client);
    int border = HasEditBorder(hwnd) ? 1 : 0;
    box_ = {client.left + border + kEditMargin, client.top + border, client.right - border - kEditMargin,
            client.bottom - border};
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    lineHeight_ = metrics.tmHeight;
    lineTop_ = (client.bottom - lineHeight_) / 2;
    // A line's width is the sum of its characters' advances, so each boundary is measured
    // once rather than each prefix again.
    std::wstring shown = DisplayedText(state.text.Text(), state.passwordChar);
    offsets_.reserve(shown.size() + 1);
    offsets_.push_back(0);
    for (wchar_t c : shown) offsets_.push_back(offsets_.back() + TextWidth(dc, std::wstring_view(&c, 1)));
    start_ = AlignedStart(GetWindowLongW(hwnd, GWL_STYLE));
}

int EditLayout::AlignedStart(LONG style) const {
    int spare = std::max(0, Room() - LineWidth());
    switch (style & (ES_CENTER | ES_RIGHT)) {
    case ES_CENTER: return box_.left + spare / 2;
    case ES_RIGHT: return box_.left + spare;
    default: return box_.left;
    }
}

std::size_t EditLayout::BoundaryNearest(int x) const {
    int offset = x - start_ + scroll_;
    auto after = std::lower_bound(offsets_.begin(), offsets_.end(), offset);
    if (after == offsets_.end()) return offsets_.size() - 1;
    if (after != offsets_.begin() && offset - *(after - 1) < *after - offset) --after;
    return static_cast<std::size_t>(after - offsets_.begin());
}

std::pair<std::size_t, std::size_t> EditLayout::VisibleRange() const {
    std::size_t first = 0, end = offsets_.size() - 1;
    while (first < end && X(first + 1) <= box_.left) ++first;
    while (end > first && X(end - 1) >= box_.right) --end;
    return {first, end};
}

void EditLayout::ScrollToShow(std::size_t caret) {
    int caretOffset = offsets_[std::min(caret, offsets_.size() - 1)];
    scroll_ = std::min(scroll_, caretOffset);
    scroll_ = std::max(scroll_, caretOffset - Room());
    // Never leave blank room at the right while text is scrolled out at the left.
    scroll_ = std::clamp(scroll_, 0, std::max(0, LineWidth() - Room()));
}

EditLayout MeasureEdit(HWND hwnd, const EditState& state) {
    EditMeasuringDc dc(hwnd, state);
    return EditLayout(dc.Get(), hwnd, state);
}

}  // namespace platform
