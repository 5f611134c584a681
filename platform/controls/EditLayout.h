// Where an edit field's text sits: the box it is drawn in, its line, the x of every boundary
// between its characters, and how far it is scrolled to keep the caret in view.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "PlatformApi.h"
#include "controls/EditState.h"

namespace platform {

inline constexpr int kEditCaretWidth = 1;
// Room between the border and the text, so letters never touch the border.
inline constexpr int kEditMargin = 3;

// A thin border is drawn inside the client area for WS_BORDER or WS_EX_CLIENTEDGE.
bool HasEditBorder(HWND hwnd);

// What the field shows: its text, or the password character once for each character.
std::wstring DisplayedText(std::wstring_view text, WCHAR passwordChar);

// A context on the field's window with its font selected, for measuring outside WM_PAINT.
class EditMeasuringDc {
public:
    EditMeasuringDc(HWND hwnd, const EditState& state);
    ~EditMeasuringDc();
    EditMeasuringDc(const EditMeasuringDc&) = delete;
    EditMeasuringDc& operator=(const EditMeasuringDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
    HGDIOBJ oldFont_;
};

class EditLayout {
public:
    // Measures with `dc`, which has the field's font selected, at the state's scroll.
    EditLayout(HDC dc, HWND hwnd, const EditState& state);

    const RECT& Box() const { return box_; }
    int LineTop() const { return lineTop_; }
    int LineHeight() const { return lineHeight_; }
    int Scroll() const { return scroll_; }
    // Whether a line this wide fits the box with the caret after it.
    bool Fits(int width) const { return width <= Room(); }
    // The x of the boundary before character `index`, in client coordinates.
    int X(std::size_t index) const { return start_ - scroll_ + offsets_[index]; }
    // The boundary nearest to client x.
    std::size_t BoundaryNearest(int x) const;
    // The characters [first, end) that show in the box, wholly or in part.
    std::pair<std::size_t, std::size_t> VisibleRange() const;
    // Scrolls as little as needed for the caret at `caret` to be inside the box.
    void ScrollToShow(std::size_t caret);

private:
    int Room() const { return box_.right - box_.left - kEditCaretWidth; }
    int LineWidth() const { return offsets_.back(); }
    int AlignedStart(LONG style) const;

    RECT box_{};
    int lineTop_ = 0;
    int lineHeight_ = 0;
    int start_ = 0;   // client x of the text's start before scrolling
    int scroll_ = 0;
    std::vector<int> offsets_;  // x of each boundary from the text's start
};

EditLayout MeasureEdit(HWND hwnd, const EditState& state);
int TextWidth(HDC dc, std::wstring_view text);
// The width of each character of `text` in the font selected into `dc`.
std::vector<int> CharAdvances(HDC dc, std::wstring_view text);

}  // namespace platform
