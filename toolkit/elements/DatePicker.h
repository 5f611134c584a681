// A date field inside a form, in the user's short date format, and optionally the time after it.
// A person edits it field by field (a click or the arrow keys pick the day, month or year; Up
// and Down or digits change it) or picks a day from the calendar its button drops down. Dates
// outside the range can never be chosen; a date the platform would refuse is never stored.
// The changed callback runs after every change a person makes; the drop-down and close-up
// callbacks when the calendar opens and closes.
#pragma once

#include "toolkit/elements/Child.h"
#include "toolkit/elements/ControlEvents.h"
#include "toolkit/util/CalendarDate.h"

namespace OrloUtility {

class DatePicker : public Child, public ControlEvents {
public:
    // 120 by 24 (180 with the time), today's date, any date, inside `parentForm`.
    explicit DatePicker(GUIElement* parentForm);

    void Create() override;

    // Each stores until Create and applies to a live picker at once. False, and nothing changed,
    // for a date the platform refuses or one outside the range; for a range whose ends are
    // invalid or the wrong way round; for a range that leaves the date outside it.
    bool SetDate(const SYSTEMTIME& date);
    bool SetRange(const DateRange& range);
    // The live picker's date (stored as the element's), or the stored one.
    SYSTEMTIME GetDate();
    const DateRange& Range() const { return range_; }

    LRESULT OnControlNotify(NMHDR& header) override;

    bool showTime = false;
    EventCallback changedCallback = nullptr;
    EventCallback dropDownCallback = nullptr;
    EventCallback closeUpCallback = nullptr;

private:
    void ApplyFormat();
    void ApplyRange();

    SYSTEMTIME date_{};
    DateRange range_;
};

}  // namespace OrloUtility
