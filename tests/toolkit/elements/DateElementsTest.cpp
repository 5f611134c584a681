// Date pickers and calendars: a date the platform refuses, or one outside the range, is never
// stored, before the window is made and after; what a person does reaches the callbacks.
#include <string>
#include <vector>

#include "ElementTest.h"
#include "toolkit/elements/Calendar.h"
#include "toolkit/elements/DatePicker.h"

namespace {

using namespace OrloUtility;

SYSTEMTIME Day(WORD year, WORD month, WORD day, WORD hour = 0, WORD minute = 0) {
    return SYSTEMTIME{year, month, 0, day, hour, minute, 0, 0};
}

std::string Text(const SYSTEMTIME& date) {
    return std::to_string(date.wYear) + "-" + std::to_string(date.wMonth) + "-" + std::to_string(date.wDay);
}

std::vector<std::string> heard;

class DateElementsTest : public ElementTest {
protected:
    void SetUp() override {
        ElementTest::SetUp();
        heard.clear();
    }
    const DateRange kYear{Day(2024, 1, 1), Day(2024, 12, 31)};
};

struct DateCase {
    SYSTEMTIME date;
    bool taken;
};

// From 2024-02-27 within 2024: each date is tried in turn and the last one taken stays.
const DateCase kDates[] = {
    {Day(2024, 2, 29), true},  {Day(2023, 2, 29), false}, {Day(2024, 4, 31), false},
    {Day(2024, 13, 1), false}, {Day(2025, 1, 1), false},  {Day(2023, 12, 31), false},
    {Day(2024, 12, 31), true}, {Day(2024, 6, 15, 24), false},
};

template <class Element, class Set, class Get>
void TryDates(Element& element, Set set, Get get, const char* when) {
    for (const DateCase& c : kDates) EXPECT_EQ((element.*set)(c.date), c.taken) << when << " " << Text(c.date);
    EXPECT_EQ(Text((element.*get)()), "2024-12-31") << when;
}

TEST_F(DateElementsTest, RefusedDatesAreNeverStoredBeforeOrAfterTheWindowIsMade) {
    auto form = MakeForm();
    for (bool made : {false, true}) {
        DatePicker picker(form.get());
        Calendar calendar(form.get());
        ASSERT_TRUE(picker.SetDate(Day(2024, 2, 27)));
        ASSERT_TRUE(calendar.SetSelectedDate(Day(2024, 2, 27)));
        ASSERT_TRUE(picker.SetRange(kYear));
        ASSERT_TRUE(calendar.SetRange(kYear));
        if (made) {
            picker.Create();
            calendar.Create();
        }
        const char* when = made ? "made" : "not made";
        TryDates(picker, &DatePicker::SetDate, &DatePicker::GetDate, when);
        TryDates(calendar, &Calendar::SetSelectedDate, &Calendar::GetSelectedDate, when);
    }
}

TEST_F(DateElementsTest, ARangeIsRefusedWhenItIsInvalidBackwardsOrLeavesTheDateOut) {
    auto form = MakeForm();
    DatePicker picker(form.get());
    ASSERT_TRUE(picker.SetDate(Day(2024, 2, 29)));
    EXPECT_FALSE(picker.SetRange({Day(2024, 3, 1), Day(2024, 2, 1)}));
    EXPECT_FALSE(picker.SetRange({Day(2023, 2, 29), std::nullopt}));
    EXPECT_FALSE(picker.SetRange({Day(2024, 3, 1), std::nullopt})) << "the date would fall outside";
    EXPECT_FALSE(picker.Range().earliest.has_value());
    EXPECT_TRUE(picker.SetRange({Day(2024, 2, 29), Day(2024, 2, 29)}));
    EXPECT_EQ(Text(*picker.Range().latest), "2024-2-29");
}

}  // namespace
