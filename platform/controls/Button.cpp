// The "Button" control: push buttons, the dialog's default push button, check boxes (two- and
// three-state), radio buttons, group boxes and owner-drawn buttons. The input is in
// ButtonInput, the check state in ButtonCheck, the drawing in ButtonPaint and the
// ButtonPaint* files it hands each family to.
#include "controls/ButtonCheck.h"
#include "controls/ButtonInput.h"
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

// BM_SETSTYLE changes the kind of button, as the dialog manager does to move the default.
void SetType(HWND hwnd, WPARAM type, bool redraw) {
    const LONG style = StyleOf(hwnd);
    SetWindowLongW(hwnd, GWL_STYLE, (style & ~BS_TYPEMASK) | static_cast<LONG>(type & BS_TYPEMASK));
    if (redraw) InvalidateRect(hwnd, nullptr, FALSE);
}

LRESULT DialogCode(HWND hwnd) {
    switch (FamilyOf(hwnd)) {
    case Family::Radio: return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case Family::GroupBox: return DLGC_STATIC;
    case Family::CheckBox:
    case Family::OwnerDrawn: return DLGC_BUTTON;
    case Family::Push: break;
    }
    return DLGC_BUTTON | (TypeOf(hwnd) == BS_DEFPUSHBUTTON ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

LRESULT State(HWND hwnd) {
    const LONG_PTR flags = Flags(hwnd);
    return (flags & kReported) | ((flags & (kHeldByMouse | kHeldBySpace)) ? kPressReported : 0);
}

// A group box lets the mouse through to whatever lies under it, its parent or the controls
// it frames.
LRESULT HitTest(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    if (FamilyOf(hwnd) == Family::GroupBox) return HTTRANSPARENT;
    return DefWindowProcW(hwnd, WM_NCHITTEST, wParam, lParam);
}

LRESULT OnFontMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETFONT) return reinterpret_cast<LRESULT>(GivenFont(hwnd));
    SetWindowLongPtrW(hwnd, kFontSlot, static_cast<LONG_PTR>(wParam));
    if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, FALSE);
    return 0;
}

LRESULT OnButtonMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case BM_GETCHECK: return CheckOf(hwnd);
    case BM_SETCHECK: SetCheck(hwnd, wParam); return 0;
    case BM_GETSTATE: return State(hwnd);
    case BM_SETSTATE: Change(hwnd, BST_PUSHED, wParam != 0); return 0;
    case BM_SETSTYLE: SetType(hwnd, wParam, LOWORD(lParam) != 0); return 0;
    case BM_CLICK: Click(hwnd); return 0;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

LRESULT OnWindowMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFOCUS: OnFocus(hwnd, true); return 0;
    case WM_KILLFOCUS: OnFocus(hwnd, false); return 0;
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
    case WM_NCHITTEST: return HitTest(hwnd, wParam, lParam);
    default: return OnButtonMessage(hwnd, message, wParam, lParam);
    }
}

}  // namespace

LRESULT CALLBACK ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: Paint(hwnd); return 0;
    case WM_ERASEBKGND: return 1;  // painted whole in WM_PAINT
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_MOUSELEAVE:
    case WM_CAPTURECHANGED: return OnMouse(hwnd, message, wParam, lParam);
    case WM_KEYDOWN:
    case WM_KEYUP: return OnKey(hwnd, message, wParam, lParam);
    default: return OnWindowMessage(hwnd, message, wParam, lParam);
    }
}

}  // namespace platform
