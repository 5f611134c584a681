// Where a multi-line edit field's text sits: the box its lines are drawn in (whole lines only,
// as on the platform), the lines, the x of every boundary between characters, and how far the
// view is scrolled down (in lines) and sideways (in pixels).
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "PlatformApi.h"
#include "controls/EditLines.h"
#include "controls/EditState.h"

namespace platform {

class EditView {
public:
    // Measures with `dc`, which has the field's font selected, at the state's scroll.
    EditView(HDC dc, HWND hwnd, const EditState& state);

    const RECT& Box() const { return box_; }
    int BoxWidth() const { return box_.right - box_.left; }
    int LineHeight() const { return lineHeight_; }
    // The average character's width: a line's step when scrolled sideways.
    int CharWidth() const { return charWidth_; }
    int LineCount() const { return static_cast<int>(lines_.size()); }
    // Whole lines the box shows; one at least.
    int PageLines() const { return pageLines_; }
    int MaxFirstLine() const;
    int TextWidth() const { return textWidth_; }
    const EditLine& Line(int line) const { return lines_[static_cast<std::size_t>(line)]; }

    int FirstLine() const { return firstLine_; }
    int XOffset() const { return xOffset_; }
    void ScrollTo(int firstLine, int xOffset);

    // The line holding boundary `index`; at a wrapped line's end, `afterWrap` keeps it there
    // rather than at the start of the next.
    int LineOf(std::size_t index, bool afterWrap) const;
    // Client coordinates: a line's top, a boundary's x on its line.
    int LineTop(int line) const { return box_.top + (line - firstLine_) * lineHeight_; }
    int X(int line, std::size_t index) const;
    // The boundary nearest a client point, on the line under it (the first or last line beyond
    // them); `afterWrap` tells whether it is a wrapped line's end.
    std::size_t IndexAt(POINT at, bool& afterWrap) const;
    // The characters [first, end) of a line that show in the box, wholly or in part.
    std::pair<std::size_t, std::size_t> VisibleRange(int line) const;

private:
    int LineWidth(int line) const;
    int LineStart(int line) const;

    RECT box_{};
    int lineHeight_ = 1;
    int charWidth_ = 1;
    int pageLines_ = 1;
    int textWidth_ = 0;
    int firstLine_ = 0;
    int xOffset_ = 0;
    LONG alignment_ = 0;
    std::vector<int> prefix_;  // x of each boundary from the text's start, along the whole text
    std::vector<EditLine> lines_;
};

// The view measured with a context of the field's own.
EditView MeasureView(HWND hwnd, const EditState& state);

}  // namespace platform
