#include "controls/EditView.h"

#include <algorithm>

#include "controls/EditLayout.h"

namespace platform {

namespace {

// A bordered field keeps a pixel between its border and its lines, as the platform's does.
constexpr int kBorderAndGap = 2;

// Rounds down, negative numbers too.
int FloorDiv(int value, int by) { return value >= 0 ? value / by : -((-value + by - 1) / by); }

}  // namespace

EditView::EditView(HDC dc, HWND hwnd, const EditState& state)
    : firstLine_(state.firstLine), xOffset_(state.scroll) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    lineHeight_ = std::max(1, static_cast<int>(metrics.tmHeight));
    charWidth_ = std::max(1, static_cast<int>(metrics.tmAveCharWidth));
    RECT client{};
    GetClientRect(hwnd, &client);
    const int side = HasEditBorder(hwnd) ? kBorderAndGap : 0;
    box_ = {client.left + side + kEditMargin, client.top, client.right - side - kEditMargin, client.bottom};
    box_.right = std::max(box_.right, box_.left + charWidth_);
    if (side && client.bottom - client.top >= lineHeight_ + 2 * side) InflateRect(&box_, 0, -side);
    pageLines_ = std::max(1, static_cast<int>(box_.bottom - box_.top) / lineHeight_);
    box_.bottom = std::min(static_cast<int>(box_.top) + pageLines_ * lineHeight_, static_cast<int>(client.bottom));

    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    alignment_ = (style & ES_RIGHT) ? ES_RIGHT : style & ES_CENTER;
    const std::wstring& text = state.text.Text();
    const std::vector<int> advances = CharAdvances(dc, text);
    prefix_.reserve(advances.size() + 1);
    prefix_.push_back(0);
    for (int advance : advances) prefix_.push_back(prefix_.back() + advance);
    lines_ = SplitLines(text, advances, state.lines.autoHScroll ? 0 : BoxWidth());
    for (int line = 0; line < LineCount(); ++line) textWidth_ = std::max(textWidth_, LineWidth(line));
}

EditView MeasureView(HWND hwnd, const EditState& state) {
    EditMeasuringDc dc(hwnd, state);
    return EditView(dc.Get(), hwnd, state);
}

int EditView::MaxFirstLine() const { return std::max(0, LineCount() - PageLines()); }

void EditView::ScrollTo(int firstLine, int xOffset) {
    firstLine_ = firstLine;
    xOffset_ = xOffset;
}

int EditView::LineWidth(int line) const { return prefix_[Line(line).end] - prefix_[Line(line).start]; }

int EditView::LineStart(int line) const {
    const int spare = std::max(0, BoxWidth() - LineWidth(line));
    const int aligned = alignment_ == ES_RIGHT ? spare : alignment_ == ES_CENTER ? spare / 2 : 0;
    return box_.left - xOffset_ + aligned;
}

int EditView::LineOf(std::size_t index, bool afterWrap) const {
    const auto after = std::upper_bound(lines_.begin(), lines_.end(), index,
                                        [](std::size_t i, const EditLine& line) { return i < line.start; });
    int line = std::max(0, static_cast<int>(after - lines_.begin()) - 1);
    if (afterWrap && line > 0 && Line(line - 1).wrapped && Line(line - 1).end == index) --line;
    return line;
}

int EditView::X(int line, std::size_t index) const {
    const EditLine& l = Line(line);
    const std::size_t kept = std::clamp(index, l.start, l.end);
    return LineStart(line) + prefix_[kept] - prefix_[l.start];
}

std::size_t EditView::IndexAt(POINT at, bool& afterWrap) const {
    const int line = std::clamp(firstLine_ + FloorDiv(at.y - box_.top, lineHeight_), 0, LineCount() - 1);
    const EditLine& l = Line(line);
    const int offset = at.x - LineStart(line) + prefix_[l.start];
    const auto begin = prefix_.begin() + static_cast<std::ptrdiff_t>(l.start);
    const auto end = prefix_.begin() + static_cast<std::ptrdiff_t>(l.end) + 1;
    auto nearest = std::lower_bound(begin, end, offset);
    if (nearest == end || (nearest != begin && offset - *(nearest - 1) < *nearest - offset)) --nearest;
    const auto index = static_cast<std::size_t>(nearest - prefix_.begin());
    afterWrap = l.wrapped && index == l.end;
    return index;
}

std::pair<std::size_t, std::size_t> EditView::VisibleRange(int line) const {
    const EditLine& l = Line(line);
    const int origin = LineStart(line) - prefix_[l.start];
    const auto begin = prefix_.begin() + static_cast<std::ptrdiff_t>(l.start);
    const auto end = prefix_.begin() + static_cast<std::ptrdiff_t>(l.end) + 1;
    // The first character whose right edge passes the box's left, the last whose left edge
    // comes before its right.
    const auto first = std::upper_bound(begin, end, box_.left - origin);
    const auto last = std::lower_bound(begin, end, box_.right - origin);
    const std::size_t from = first == begin ? l.start : static_cast<std::size_t>(first - prefix_.begin()) - 1;
    const std::size_t to = last == end ? l.end : static_cast<std::size_t>(last - prefix_.begin());
    return {std::min(from, l.end), std::max(std::min(to, l.end), std::min(from, l.end))};
}

}  // namespace platform
