#include "controls/ButtonInput.h"

#include "controls/ButtonCheck.h"
#include "controls/ButtonState.h"

namespace platform::button {

namespace {

constexpr LONG_PTR kPress = kHeldByMouse | kHeldBySpace | BST_PUSHED;

bool IsInside(HWND hwnd, LPARAM lParam) {
    RECT client;
    GetClientRect(hwnd, &client);
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    return PtInRect(&client, point);
}

// Last, as the parent may destroy the button when it hears of the click.
void FinishClick(HWND hwnd) {
    ApplyClick(hwnd);
    Notify(hwnd, BN_CLICKED);
}

// The hot face needs to know when the pointer goes; the platform tells once per request.
void AskForLeave(HWND hwnd) {
    Change(hwnd, kTracking, true);
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, hwnd, 0};
    TrackMouseEvent(&track);
}

void OnButtonDown(HWND hwnd) {
    if (GetFocus() != hwnd) SetFocus(hwnd);
    // A press Space began carries on as the mouse's.
    Change(hwnd, kHeldBySpace, false);
    SetCapture(hwnd);
    Change(hwnd, kHeldByMouse | BST_PUSHED, true);
}

// Radio buttons and owner-drawn buttons, and any button with BS_NOTIFY, tell the parent of a
// double click instead of taking it as a second press.
bool TellsOfDoubleClicks(HWND hwnd) {
    const UINT type = TypeOf(hwnd);
    return (StyleOf(hwnd) & BS_NOTIFY) || type == BS_RADIOBUTTON || type == BS_OWNERDRAW;
}

void OnDoubleClick(HWND hwnd) {
    if (TellsOfDoubleClicks(hwnd)) Notify(hwnd, BN_DBLCLK);
    else OnButtonDown(hwnd);
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
    Change(hwnd, kPress, false);
    Change(hwnd, kHot, clicked);
    if (GetCapture() == hwnd) ReleaseCapture();
    if (clicked) FinishClick(hwnd);
}

// Space holds the capture as the mouse does, so a press it began ends when the capture goes.
void OnSpaceDown(HWND hwnd) {
    if (Has(hwnd, kHeldByMouse | kHeldBySpace)) return;
    SetCapture(hwnd);
    Change(hwnd, kHeldBySpace | BST_PUSHED, true);
}

void OnSpaceUp(HWND hwnd) {
    if (!Has(hwnd, kHeldBySpace)) return;
    const bool clicked = Has(hwnd, BST_PUSHED);
    Change(hwnd, kPress, false);
    if (GetCapture() == hwnd) ReleaseCapture();
    if (clicked) FinishClick(hwnd);
}

}  // namespace

void Notify(HWND hwnd, WORD code) {
    const WPARAM idAndCode = MAKEWPARAM(GetDlgCtrlID(hwnd), code);
    SendMessageW(GetParent(hwnd), WM_COMMAND, idAndCode, reinterpret_cast<LPARAM>(hwnd));
}

LRESULT OnMouse(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN: OnButtonDown(hwnd); return 0;
    case WM_LBUTTONDBLCLK: OnDoubleClick(hwnd); return 0;
    case WM_MOUSEMOVE: OnMouseMove(hwnd, lParam); return 0;
    case WM_LBUTTONUP: OnButtonUp(hwnd, lParam); return 0;
    case WM_MOUSELEAVE: Change(hwnd, kTracking | kHot, false); return 0;
    case WM_CAPTURECHANGED: Change(hwnd, kPress, false); return 0;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

LRESULT OnKey(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (wParam != VK_SPACE) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_KEYDOWN) OnSpaceDown(hwnd);
    else OnSpaceUp(hwnd);
    return 0;
}

void OnFocus(HWND hwnd, bool gained) {
    if (!gained) CancelPress(hwnd);
    Change(hwnd, BST_FOCUS, gained);
    if (StyleOf(hwnd) & BS_NOTIFY) Notify(hwnd, gained ? BN_SETFOCUS : BN_KILLFOCUS);
}

void CancelPress(HWND hwnd) {
    Change(hwnd, kPress, false);
    if (GetCapture() == hwnd) ReleaseCapture();
}

// BM_CLICK is a press and a release at the button's top-left corner; a disabled button
// ignores it as it ignores the mouse.
void Click(HWND hwnd) {
    if (!IsWindowEnabled(hwnd)) return;
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageW(hwnd, WM_LBUTTONUP, 0, 0);
}

}  // namespace platform::button
