// What a "Button" control remembers between messages, kept in its window extra bytes so the
// control is nothing but a window procedure: the font it was given and its state flags. Also
// which family of button a style makes, since that decides most of what the control does.
#pragma once

#include "PlatformApi.h"

namespace platform::button {

// Extra-byte offsets.
constexpr int kFontSlot = 0;
constexpr int kFlagsSlot = sizeof(LONG_PTR);

// State flags. The check state (BST_CHECKED or BST_INDETERMINATE), BST_PUSHED and BST_FOCUS
// are the ones BM_GETSTATE reports; the rest are the control's own bookkeeping.
constexpr LONG_PTR kCheckBits = BST_CHECKED | BST_INDETERMINATE;
constexpr LONG_PTR kReported = kCheckBits | BST_PUSHED | BST_FOCUS;
constexpr LONG_PTR kHot = 0x0200;            // the pointer is over the button
constexpr LONG_PTR kTracking = 0x1000;       // a WM_MOUSELEAVE has been asked for
constexpr LONG_PTR kHeldByMouse = 0x2000;    // the left button went down on it, capture is ours
constexpr LONG_PTR kHeldBySpace = 0x4000;    // Space went down while it had the focus
// The system reports a press under way in BM_GETSTATE with this bit besides BST_PUSHED.
constexpr LONG_PTR kPressReported = 0x0040;

inline LONG_PTR Flags(HWND hwnd) { return GetWindowLongPtrW(hwnd, kFlagsSlot); }
inline bool Has(HWND hwnd, LONG_PTR flag) { return (Flags(hwnd) & flag) != 0; }
inline HFONT GivenFont(HWND hwnd) { return reinterpret_cast<HFONT>(GetWindowLongPtrW(hwnd, kFontSlot)); }
inline LONG StyleOf(HWND hwnd) { return GetWindowLongW(hwnd, GWL_STYLE); }
inline UINT TypeOf(HWND hwnd) { return static_cast<UINT>(StyleOf(hwnd) & BS_TYPEMASK); }
inline LRESULT CheckOf(HWND hwnd) { return Flags(hwnd) & kCheckBits; }

// Sets or clears the flags; repaints when that changes what the button shows.
void Change(HWND hwnd, LONG_PTR flags, bool on);

enum class Family { Push, CheckBox, Radio, GroupBox, OwnerDrawn };

// Push buttons, the user button and the types the system does not name all act as push buttons.
constexpr Family FamilyOf(UINT type) {
    switch (type) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE: return Family::CheckBox;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return Family::Radio;
    case BS_GROUPBOX: return Family::GroupBox;
    case BS_OWNERDRAW: return Family::OwnerDrawn;
    default: return Family::Push;
    }
}

inline Family FamilyOf(HWND hwnd) { return FamilyOf(TypeOf(hwnd)); }

// A check box or radio button with BS_PUSHLIKE looks like a push button, down while checked.
inline bool IsPushLike(HWND hwnd) {
    const Family family = FamilyOf(hwnd);
    return (family == Family::CheckBox || family == Family::Radio) && (StyleOf(hwnd) & BS_PUSHLIKE);
}

}  // namespace platform::button
