// The "static" control: a piece of text in its parent's colours, aligned left, centred or
// right; with SS_NOTIFY a click tells the parent.
#include <string>

#include "controls/Look.h"
#include "controls/SystemClasses.h"

namespace platform {

namespace {

// The font given with WM_SETFONT, kept in the window's extra bytes.
constexpr int kFontSlot = 0;

HFONT GivenFont(HWND hwnd) { return reinterpret_cast<HFONT>(GetWindowLongPtrW(hwnd, kFontSlot)); }

// Left, centred and right text breaks between words at the control's width, as the system's
// labels do.
UINT LayoutOf(LONG style) {
    switch (style & 0x3) {
    case SS_CENTER: return DT_CENTER | DT_WORDBREAK;
    case SS_RIGHT: return DT_RIGHT | DT_WORDBREAK;
    default: return DT_LEFT | DT_WORDBREAK;
    }
}

void Paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!dc) return;
    RECT client;
    GetClientRect(hwnd, &client);
    // The parent chooses the colours (WM_CTLCOLORSTATIC) and answers with the brush to fill with.
    HBRUSH brush = look::ParentColours(hwnd, dc, WM_CTLCOLORSTATIC);
    FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    if (style & WS_BORDER) look::Outline(dc, client, look::kBorder);
    int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    if (!IsWindowEnabled(hwnd)) SetTextColor(dc, look::kDisabledText);
    HGDIOBJ oldFont = SelectObject(dc, look::FontOf(hwnd, GivenFont(hwnd)));
    SetBkMode(dc, TRANSPARENT);
    RECT box = client;
    if (style & WS_BORDER) InflateRect(&box, -2, -1);
    UINT prefix = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    DrawTextW(dc, text.c_str(), length, &box, LayoutOf(style) | prefix);
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

void Notify(HWND hwnd, UINT code) {
    if (!(GetWindowLongW(hwnd, GWL_STYLE) & SS_NOTIFY)) return;
    SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), code), reinterpret_cast<LPARAM>(hwnd));
}

}  // namespace

LRESULT CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: Paint(hwnd); return 0;
    case WM_ERASEBKGND: return 1;  // painted whole in WM_PAINT
    case WM_SETTEXT: {
        LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return result;
    }
    case WM_SETFONT:
        SetWindowLongPtrW(hwnd, kFontSlot, static_cast<LONG_PTR>(wParam));
        if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(GivenFont(hwnd));
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_LBUTTONDOWN: Notify(hwnd, STN_CLICKED); return 0;
    case WM_LBUTTONDBLCLK: Notify(hwnd, STN_DBLCLK); return 0;
    case WM_NCHITTEST:
        // Without SS_NOTIFY a label lets the mouse through to its parent.
        if (!(GetWindowLongW(hwnd, GWL_STYLE) & SS_NOTIFY)) return HTTRANSPARENT;
        return HTCLIENT;
    case WM_GETDLGCODE: return DLGC_STATIC;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace platform
