#include "toolkit/elements/Child.h"

#include "toolkit/elements/ElementRegistry.h"
#include "toolkit/elements/WindowProcedure.h"

namespace OrloUtility {

Child::Child(GUIElement* parentElement) : GUIElement(nullptr) { parent = parentElement; }

Child::~Child() { RemoveSubclass(); }

void Child::CreateControl(LPCWSTR className, DWORD exStyle, DWORD style) {
    id_ = TakeNextId();
    HMENU controlId = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id_));
    MakingControl making(*this);
    window_ = CreateWindowExW(exStyle, className, text_.c_str(), style, x, y, width, height, ParentWindow(), controlId,
                              instance_, nullptr);
    if (window_) Subclass();
    created_ = true;
}

// SetWindowLongPtrW with GWLP_WNDPROC rather than SetWindowLongW with GWL_WNDPROC: the 32-bit
// form would cut a procedure's address in half on a 64-bit system.
// A window of one of the toolkit's own classes (a panel) already has the toolkit's procedure,
// and handing its messages on to that same procedure would never end.
void Child::Subclass() {
    if (GetWindowLongPtrW(window_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&WindowProcedure)) return;
    LONG_PTR previous = SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProcedure));
    controlProcedure_ = reinterpret_cast<WNDPROC>(previous);
}

// Without its element the toolkit's procedure no longer knows the control's own, and would
// hand every message, the control's destruction included, to the default procedure instead.
// A procedure put in front of ours later (an up-down control's, on its buddy) cannot be stepped
// round: ours stays in the chain and is told the control's own procedure to hand messages to.
void Child::RemoveSubclass() {
    if (!controlProcedure_ || !IsWindow(window_)) return;
    if (GetWindowLongPtrW(window_, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&WindowProcedure)) {
        RememberControlProcedure(window_, controlProcedure_);
        return;
    }
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(controlProcedure_));
}

void Child::MarkMenuCreated(HMENU menu) {
    window_ = reinterpret_cast<HWND>(menu);
    created_ = true;
}

}  // namespace OrloUtility
