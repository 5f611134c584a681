// A month of days inside a form, today marked, one day selected. A person moves the selection
// with a click, the arrow keys, Page Up and Page Down (a month), or the arrows beside the
// month's name; dates outside the range cannot be selected. The selection-changed callback runs
// whenever the selected day becomes another; the chosen callback when a person picks a day
// outright (a click on it).
#pragma once

#include "toolkit/elements/Child.h"
#include "toolkit/elements/ControlEvents.h"
#include "toolkit/util/CalendarDate.h"

namespace OrloUtility {

class Calendar : public Child, public ControlEvents {
public:
    // Today selected, any date, inside `parentForm`; as large as one month needs once made,
    // unless given a size.
    explicit Calendar(GUIElement* parentForm);

    void Create() override;

    // Each stores until Create and applies to a live calendar at once. False, and nothing
    // changed, for a date the platform refuses or one outside the range; for a range whose ends
    // are invalid or the wrong way round, or that leaves the selection outside it.
    bool SetSelectedDate(const SYSTEMTIME& date);
    bool SetRange(const DateRange& range);
    // The day marked as today; the platform's today until set.
    bool SetToday(const SYSTEMTIME& date);
    // The live calendar's selection (stored as the element's), or the stored one.
    SYSTEMTIME GetSelectedDate();

    LRESULT OnControlNotify(NMHDR& header) override;

    EventCallback selectionChangedCallback = nullptr;
    EventCallback chosenCallback = nullptr;

private:
    void FitToOneMonth();
    void ApplyAll();

    SYSTEMTIME selected_{};
    std::optional<SYSTEMTIME> today_;
    DateRange range_;
};

}  // namespace OrloUtility
