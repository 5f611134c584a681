// Drawing of the "Button" control. A push button is a rounded, flat box in the controls' look:
// its face follows the pointer and the mouse, the default button and the focused one wear a
// thicker frame in the accent colour, and the focused one a dotted focus rectangle. Check
// boxes, radio buttons and group boxes are drawn by their own files; an owner-drawn button
// draws nothing of its own: its parent gets WM_DRAWITEM.
//
// Before drawing, the parent is asked for its colours as on the real platform: WM_CTLCOLORBTN
// for push buttons (those that look like one included) and owner-drawn buttons,
// WM_CTLCOLORSTATIC for check boxes, radio buttons and group boxes. Like a themed push button
// there, ours keeps its own face and text colours: the brush the parent returns only fills the
// corners outside the rounded box, where the parent shows through. The other families draw on
// the parent's brush in its text colour. For an owner-drawn button the colours the parent sets
// stay in the context it then draws with.
#include "controls/ButtonPaint.h"

#include "controls/ButtonDrawing.h"
#include "controls/ButtonState.h"
#include "controls/Look.h"

namespace platform::button {

namespace {

// The dotted focus rectangle lies this far inside the button's edge; the text stays within it.
constexpr int kFocusInset = 3;

struct Colours {
    COLORREF face;
    COLORREF border;
    COLORREF text;
    int borderWidth;
};

// A push-like check box or radio button stays down while checked.
bool IsDown(HWND hwnd, LONG_PTR flags) {
    return (flags & BST_PUSHED) || (IsPushLike(hwnd) && (flags & kCheckBits));
}

Colours ColoursOf(HWND hwnd) {
    if (!IsWindowEnabled(hwnd)) return {look::kDisabledFace, look::kDisabledBorder, look::kDisabledText, 1};
    const LONG_PTR flags = Flags(hwnd);
    const bool marked = TypeOf(hwnd) == BS_DEFPUSHBUTTON || (flags & BST_FOCUS);
    const int width = marked ? 2 : 1;
    const COLORREF text = GetSysColor(COLOR_BTNTEXT);
    if (IsDown(hwnd, flags)) return {look::kFacePressed, look::kBorderPressed, text, width};
    if (flags & kHot) return {look::kFaceHot, look::kBorderFocus, text, width};
    return {look::kFace, marked ? look::kBorderFocus : look::kBorder, text, width};
}

UINT ItemStateOf(HWND hwnd) {
    const LONG_PTR flags = Flags(hwnd);
    UINT state = 0;
    if (flags & BST_PUSHED) state |= ODS_SELECTED;
    if (flags & BST_FOCUS) state |= ODS_FOCUS;
    if (!IsWindowEnabled(hwnd)) state |= ODS_DISABLED;
    return state;
}

// Every paint redraws the whole button, so the action is always ODA_DRAWENTIRE.
void AskParentToDraw(HWND hwnd, HWND parent, HDC dc, const RECT& client) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = ItemStateOf(hwnd);
    item.hwndItem = hwnd;
    item.hDC = dc;
    item.rcItem = client;
    SendMessageW(parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
}

bool LooksLikePushButton(HWND hwnd) {
    const Family family = FamilyOf(hwnd);
    return family == Family::Push || family == Family::OwnerDrawn || IsPushLike(hwnd);
}

void DrawFamily(HWND hwnd, HDC dc, const RECT& client, HBRUSH brush) {
    switch (FamilyOf(hwnd)) {
    case Family::OwnerDrawn: {
        HWND parent = GetParent(hwnd);
        AskParentToDraw(hwnd, parent ? parent : hwnd, dc, client);
        return;
    }
    case Family::GroupBox: DrawGroupBox(hwnd, dc, client, brush); return;
    case Family::CheckBox:
    case Family::Radio:
        if (!IsPushLike(hwnd)) {
            DrawCheckButton(hwnd, dc, client, brush);
            return;
        }
        break;
    case Family::Push: break;
    }
    DrawPushButton(hwnd, dc, client, brush);
}

}  // namespace

std::wstring TextOf(HWND hwnd) {
    int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void DrawPushButton(HWND hwnd, HDC dc, const RECT& client, HBRUSH surroundings) {
    FillRect(dc, &client, surroundings);
    const Colours colours = ColoursOf(hwnd);
    look::RoundedBox(dc, client, colours.face, colours.border, colours.borderWidth);
    const std::wstring text = TextOf(hwnd);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colours.text);
    RECT box = client;
    InflateRect(&box, -kFocusInset, -colours.borderWidth);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (!Has(hwnd, BST_FOCUS)) return;
    RECT focus = client;
    InflateRect(&focus, -kFocusInset, -kFocusInset);
    DrawFocusRect(dc, &focus);
}

void Paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!dc) return;
    RECT client;
    GetClientRect(hwnd, &client);
    HGDIOBJ oldFont = SelectObject(dc, look::FontOf(hwnd, GivenFont(hwnd)));
    const UINT colourMessage = LooksLikePushButton(hwnd) ? WM_CTLCOLORBTN : WM_CTLCOLORSTATIC;
    HBRUSH brush = look::ParentColours(hwnd, dc, colourMessage);
    DrawFamily(hwnd, dc, client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

}  // namespace platform::button
