// A date picker is a sunken white field holding the date's text, the selected field in the
// selection colours while the picker has the focus; the drop-down button at the right shows an
// arrow as a combo box's does (the up-down control, a window of its own, takes that room with
// DTS_UPDOWN), pressed while the calendar is down. DTS_SHOWNONE's check box comes first, and while it is unchecked the text is grey.
// A disabled picker is grey all over.
#include "controls/ButtonMarks.h"
#include "controls/DatePickerLayout.h"
#include "controls/DatePickerPaint.h"
#include "controls/Look.h"

namespace platform::datepick {

namespace {

constexpr int kArrowRows = 4;

// Row by row, each row whole pixels, so the arrow stays crisp.
void DrawArrow(HDC dc, const RECT& box, COLORREF ink) {
    const int middle = (box.left + box.right - 1) / 2;
    const int top = (box.top + box.bottom - kArrowRows) / 2;
    for (int row = 0; row < kArrowRows; ++row) {
        const int half = kArrowRows - 1 - row;
        look::Fill(dc, {middle - half, top + row, middle + half + 1, top + row + 1}, ink);
    }
}

// The platform's sunken edge, two pixels: the border, then the field's own colour.
void DrawEdge(HDC dc, const RECT& client, bool enabled, bool focused) {
    look::Fill(dc, client, enabled ? look::kField : look::kDisabledFace);
    look::Outline(dc, client, !enabled ? look::kDisabledBorder : focused ? look::kBorderFocus : look::kBorder);
}

void DrawButton(HDC dc, const RECT& button, bool enabled, bool pressed) {
    const COLORREF face = !enabled ? look::kDisabledFace : pressed ? look::kFacePressed : look::kFace;
    look::Fill(dc, button, face);
    DrawArrow(dc, button, enabled ? GetSysColor(COLOR_BTNTEXT) : look::kDisabledText);
}

void DrawCheck(HDC dc, const RECT& box, bool enabled, bool checked) {
    const button::MarkColours colours = enabled ? button::MarkColours{look::kField, look::kBorder, GetSysColor(COLOR_BTNTEXT)}
                                                : button::MarkColours{look::kDisabledFace, look::kDisabledBorder, look::kDisabledText};
    button::DrawCheckBoxMark(dc, box, checked ? BST_CHECKED : BST_UNCHECKED, colours);
}

int LineHeight(HDC dc) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    return static_cast<int>(metrics.tmHeight);
}

void DrawFields(HWND hwnd, HDC dc, const State& state, const Layout& layout) {
    const bool enabled = IsWindowEnabled(hwnd) != FALSE;
    const bool live = enabled && state.checked;
    const COLORREF ink = live ? GetSysColor(COLOR_WINDOWTEXT) : look::kDisabledText;
    const std::vector<RECT> rects = FieldRects(dc, layout, state);
    const int y = (layout.text.top + layout.text.bottom - LineHeight(dc)) / 2;
    SetBkMode(dc, TRANSPARENT);
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const bool highlighted = live && state.focused && static_cast<int>(i) == state.selected;
        RECT box = rects[i];
        IntersectRect(&box, &box, &layout.text);
        if (highlighted) look::Fill(dc, box, look::kSelection);
        SetTextColor(dc, highlighted ? look::kSelectionText : ink);
        const std::wstring text = ShownText(state, i);
        ExtTextOutW(dc, rects[i].left, y, ETO_CLIPPED, &box, text.c_str(), static_cast<UINT>(text.size()), nullptr);
    }
}

}  // namespace

void Paint(HWND hwnd, const State& state) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!dc) return;
    RECT client{};
    GetClientRect(hwnd, &client);
    const bool enabled = IsWindowEnabled(hwnd) != FALSE;
    const Layout layout = LayoutOf(hwnd);
    HGDIOBJ oldFont = SelectObject(dc, look::FontOf(hwnd, state.font));
    DrawEdge(dc, client, enabled, state.focused);
    if (StyleOf(hwnd) & DTS_SHOWNONE) DrawCheck(dc, layout.check, enabled, state.checked);
    DrawFields(hwnd, dc, state, layout);
    if (!HasUpDown(StyleOf(hwnd))) DrawButton(dc, layout.button, enabled, state.calendar != nullptr);
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

}  // namespace platform::datepick
