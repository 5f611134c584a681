// The third base of the elements whose control reports more than a click: check boxes, list
// and combo boxes, sliders and numeric boxes. The window procedure hands every report such a
// control sends its parent (WM_COMMAND, WM_NOTIFY, WM_HSCROLL, WM_VSCROLL) to the element the
// control belongs to, wherever in the form's tree the report arrives.
#pragma once

#include "PlatformApi.h"

namespace OrloUtility {

class ControlEvents {
public:
    // A WM_COMMAND notification from the control, by its code (BN_CLICKED, LBN_SELCHANGE, ...).
    virtual void OnControlCommand(WORD code);
    // The same with the id the command carries, which a control of many buttons (a toolbar)
    // needs; by default the id is not looked at.
    virtual void OnControlCommandFrom(WORD id, WORD code);
    // A WM_NOTIFY from the control; the answer goes back to the control, and so do the fields
    // a notification asks to have filled in (a tooltip's text).
    virtual LRESULT OnControlNotify(NMHDR& header);
    // A WM_HSCROLL or WM_VSCROLL from the control: the scroll code and the position word.
    virtual void OnControlScroll(WORD code, int position);
    // A second window the element is made of, whose reports are the element's too (the arrows
    // of a numeric box); null when there is none.
    virtual HWND CompanionWindow() const;

protected:
    // Never deleted through this base, so it needs no virtual destructor.
    ~ControlEvents() = default;
};

}  // namespace OrloUtility
