// The group box: a one-pixel frame whose top edge runs through the middle of the caption, the
// caption set into it a little in from the left. Only the band the caption stands in is filled
// with the parent's brush (so a shorter caption leaves nothing of a longer one); the inside is
// left alone, as the controls it frames lie there.
#include <algorithm>

#include "controls/ButtonDrawing.h"
#include "controls/Look.h"

namespace platform::button {

namespace {

constexpr int kCaptionIndent = 8;  // from the frame's left edge to the caption
constexpr int kCaptionPadding = 2;  // cleared round the caption on the frame line

// The size the caption takes; an empty caption still has a line's height.
SIZE CaptionSize(HDC dc, const std::wstring& text) {
    RECT measured{0, 0, 0, 0};
    const wchar_t* sample = text.empty() ? L"M" : text.c_str();
    DrawTextW(dc, sample, -1, &measured, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
    return {text.empty() ? 0 : measured.right, measured.bottom};
}

}  // namespace

void DrawGroupBox(HWND hwnd, HDC dc, const RECT& client, HBRUSH background) {
    const std::wstring text = TextOf(hwnd);
    const SIZE caption = CaptionSize(dc, text);
    const RECT band{client.left, client.top, client.right, std::min(client.bottom, client.top + caption.cy)};
    FillRect(dc, &band, background);
    const bool enabled = IsWindowEnabled(hwnd);
    const RECT frame{client.left, client.top + caption.cy / 2, client.right, client.bottom};
    look::Outline(dc, frame, enabled ? look::kBorder : look::kDisabledBorder);
    if (text.empty()) return;
    const int left = client.left + kCaptionIndent;
    const RECT clearing{left - kCaptionPadding, band.top, std::min(client.right, left + caption.cx + kCaptionPadding),
                        band.bottom};
    FillRect(dc, &clearing, background);
    RECT written{left, band.top, std::min(client.right, left + caption.cx), band.bottom};
    if (!enabled) SetTextColor(dc, look::kDisabledText);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &written, DT_LEFT | DT_SINGLELINE);
}

}  // namespace platform::button
