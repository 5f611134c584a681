// The "Button" control: the push button, the dialog's default push button and the owner-drawn
// button. A person presses one with the left mouse button, and while it is held the button is
// down exactly when the pointer is over it; releasing it there clicks. Space does the same for
// the focused button. A click is WM_COMMAND with BN_CLICKED, sent to the parent.
//
// Check boxes, radio buttons and group boxes are not here yet; their styles act as push buttons.
#include "controls/ButtonPaint.h"
#include "controls/ButtonState.h"
#include "controls/SystemClasses.h"

namespace platform {

namespace button {

void Change(HWND hwnd, LONG_PTR flags, bool on) {
    const LONG_PTR before = Flags(hwnd);
    const LONG_PTR after = on ? (before | flags) : (before & ~flags);
    if (after == before) return;
    SetWindowLongPtrW(hwnd, kFlagsSlot, after);
    constexpr LONG_PTR kShown = BST_PUSHED | BST_FOCUS | kHot;
    if ((after ^ before) & kShown) InvalidateRect(hwnd, nullptr, FALSE);
}

}  // namespace button

using namespace button;

namespace {

bool IsInside(HWND hwnd, LPARAM lParam) {
    RECT client;
    GetClientRect(hwnd, &client);
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    return PtInRect(&client, point);
}

void NotifyClicked(HWND hwnd) {
    const WPARAM idAndCode = MAKEWPARAM(GetDlgCtrlID(hwnd), BN_CLICKED);
    SendMessageW(GetParent(hwnd), WM_COMMAND, idAndCode, reinterpret_cast<LPARAM>(hwnd));
}

// The hot face needs to know when the pointer goes; the platform tells once per request.
void AskForLeave(HWND hwnd) {
    Change(hwnd, kTracking, true);
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, hwnd, 0};
    TrackMouseEvent(&track);
}

void OnButtonDown(HWND hwnd) {
    if (GetFocus() != hwnd) SetFocus(hwnd);
    SetCapture(hwnd);
    Change(hwnd, kHeldByMouse | BST_PUSHED, true);
}

void OnMouseMove(HWND hwnd, LPARAM lParam) {
    // Outside the button the pointer is only seen while the capture is ours.
    const bool inside = IsInside(hwnd, lParam);
    if (inside && !Has(hwnd, kTracking)) AskForLeave(hwnd);
    Change(hwnd, kHot, inside);
    if (Has(hwnd, kHeldByMouse)) Change(hwnd, BST_PUSHED, inside);
}

void OnButtonUp(HWND hwnd, LPARAM lParam) {
    if (!Has(hwnd, kHeldByMouse)) return;
    const bool clicked = IsInside(hwnd, lParam);
    Change(hwnd, kHeldByMouse | BST_PUSHED, false);
    Change(hwnd, kHot, clicked);
    if (GetCapture() == hwnd) ReleaseCapture();
    // Last, as the parent may destroy the button when it hears of the click.
    if (clicked) NotifyClicked(hwnd);
}

void OnSpaceDown(HWND hwnd) {
    if (Has(hwnd, kHeldByMouse)) return;
    Change(hwnd, kHeldBySpace | BST_PUSHED, true);
}

void OnSpaceUp(HWND hwnd) {
    if (!Has(hwnd, kHeldBySpace)) return;
    const bool clicked = Has(hwnd, BST_PUSHED);
    Change(hwnd, kHeldBySpace | BST_PUSHED, false);
    if (clicked) NotifyClicked(hwnd);
}

LRESULT OnKey(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (wParam != VK_SPACE) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_KEYDOWN) OnSpaceDown(hwnd);
    else OnSpaceUp(hwnd);
    return 0;
}

// A press that ends some other way than by its release (the focus or the capture goes, the
// button is disabled) lets the button up without a click.
void CancelPress(HWND hwnd) {
    if (Has(hwnd, kHeldBySpace)) Change(hwnd, kHeldBySpace | BST_PUSHED, false);
    if (GetCapture() == hwnd) ReleaseCapture();
}

// BM_CLICK is a press and a release at the button's top-left corner; a disabled button
// ignores it as it ignores the mouse.
void Click(HWND hwnd) {
    if (!IsWindowEnabled(hwnd)) return;
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageW(hwnd, WM_LBUTTONUP, 0, 0);
}

// BM_SETSTYLE changes the kind of button, as the dialog manager does to move the default.
void SetType(HWND hwnd, WPARAM type, bool redraw) {
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    SetWindowLongW(hwnd, GWL_STYLE, (style & ~BS_TYPEMASK) | static_cast<LONG>(type & BS_TYPEMASK));
    if (redraw) InvalidateRect(hwnd, nullptr, FALSE);
}

LRESULT DialogCode(HWND hwnd) {
    switch (TypeOf(hwnd)) {
    case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_OWNERDRAW: return DLGC_BUTTON;
    default: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    }
}

LRESULT OnFontMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETFONT) return reinterpret_cast<LRESULT>(GivenFont(hwnd));
    SetWindowLongPtrW(hwnd, kFontSlot, static_cast<LONG_PTR>(wParam));
    if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, FALSE);
    return 0;
}

LRESULT OnButtonMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case BM_GETSTATE: return Flags(hwnd) & kReported;
    case BM_SETSTATE: Change(hwnd, BST_PUSHED, wParam != 0); return 0;
    case BM_SETSTYLE: SetType(hwnd, wParam, LOWORD(lParam) != 0); return 0;
    case BM_CLICK: Click(hwnd); return 0;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

LRESULT CALLBACK ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: Paint(hwnd); return 0;
    case WM_ERASEBKGND: return 1;  // painted whole in WM_PAINT
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: OnButtonDown(hwnd); return 0;
    case WM_MOUSEMOVE: OnMouseMove(hwnd, lParam); return 0;
    case WM_LBUTTONUP: OnButtonUp(hwnd, lParam); return 0;
    case WM_MOUSELEAVE: Change(hwnd, kTracking | kHot, false); return 0;
    case WM_CAPTURECHANGED: Change(hwnd, kHeldByMouse | BST_PUSHED, false); return 0;
    case WM_KEYDOWN:
    case WM_KEYUP: return OnKey(hwnd, message, wParam, lParam);
    case WM_SETFOCUS: Change(hwnd, BST_FOCUS, true); return 0;
    case WM_KILLFOCUS:
        CancelPress(hwnd);
        Change(hwnd, BST_FOCUS, false);
        return 0;
    case WM_CANCELMODE: CancelPress(hwnd); return 0;
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, FALSE); return 0;
    case WM_SETTEXT: {
        LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
        InvalidateRect(hwnd, nullptr, FALSE);
        return result;
    }
    case WM_SETFONT:
    case WM_GETFONT: return OnFontMessage(hwnd, message, wParam, lParam);
    case WM_GETDLGCODE: return DialogCode(hwnd);
    default: return OnButtonMessage(hwnd, message, wParam, lParam);
    }
}

}  // namespace platform
