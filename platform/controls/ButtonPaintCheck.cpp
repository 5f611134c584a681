// Check boxes and radio buttons: the mark at the left, vertically centred (at the right with
// BS_LEFTTEXT), the text beside it. The text is written in the colours the parent set in the
// context, its background mode included, as the system's own do.
#include <algorithm>

#include "controls/ButtonDrawing.h"
#include "controls/ButtonMarks.h"
#include "controls/ButtonState.h"
#include "controls/Look.h"

namespace platform::button {

namespace {

constexpr int kTextGap = 4;  // between the mark and the text

MarkColours MarkColoursOf(HWND hwnd) {
    if (!IsWindowEnabled(hwnd)) return {look::kDisabledFace, look::kDisabledBorder, look::kDisabledText};
    const LONG_PTR flags = Flags(hwnd);
    if (flags & BST_PUSHED) return {look::kFacePressed, look::kBorderPressed, look::kBorderPressed};
    if (flags & kHot) return {look::kFaceHot, look::kBorderFocus, look::kBorderFocus};
    return {look::kField, look::kBorder, look::kBorderFocus};
}

struct Layout {
    RECT mark;
    RECT text;
};

Layout LayoutOf(HWND hwnd, const RECT& client) {
    const int height = client.bottom - client.top;
    const int size = std::clamp(height, 0, kMarkSize);
    const int top = client.top + (height - size) / 2;
    if (StyleOf(hwnd) & BS_LEFTTEXT)
        return {{client.right - size, top, client.right, top + size},
                {client.left, client.top, client.right - size - kTextGap, client.bottom}};
    return {{client.left, top, client.left + size, top + size},
            {client.left + size + kTextGap, client.top, client.right, client.bottom}};
}

void DrawMark(HWND hwnd, HDC dc, const RECT& mark) {
    const MarkColours colours = MarkColoursOf(hwnd);
    if (FamilyOf(hwnd) == Family::Radio) DrawRadioMark(dc, mark, CheckOf(hwnd) == BST_CHECKED, colours);
    else DrawCheckBoxMark(dc, mark, CheckOf(hwnd), colours);
}

// The text, vertically centred; answers the rectangle it takes, for the focus rectangle.
RECT DrawLabel(HWND hwnd, HDC dc, const RECT& area) {
    const std::wstring text = TextOf(hwnd);
    const int length = static_cast<int>(text.size());
    RECT taken = area;
    DrawTextW(dc, text.c_str(), length, &taken, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
    const int height = taken.bottom - taken.top;
    taken.top = area.top + (area.bottom - area.top - height) / 2;
    taken.bottom = taken.top + height;
    taken.right = std::min(taken.right, area.right);
    if (!IsWindowEnabled(hwnd)) SetTextColor(dc, look::kDisabledText);
    DrawTextW(dc, text.c_str(), length, &taken, DT_LEFT | DT_SINGLELINE);
    return taken;
}

void DrawFocus(HDC dc, const RECT& around, const RECT& client) {
    RECT focus = around;
    InflateRect(&focus, 1, 1);
    IntersectRect(&focus, &focus, &client);
    DrawFocusRect(dc, &focus);
}

}  // namespace

void DrawCheckButton(HWND hwnd, HDC dc, const RECT& client, HBRUSH background) {
    FillRect(dc, &client, background);
    const Layout layout = LayoutOf(hwnd, client);
    DrawMark(hwnd, dc, layout.mark);
    const RECT label = DrawLabel(hwnd, dc, layout.text);
    if (!Has(hwnd, BST_FOCUS)) return;
    DrawFocus(dc, IsRectEmpty(&label) ? layout.mark : label, client);
}

}  // namespace platform::button
