#include "tests/showcase/ControlsForm.h"

#include <string>
#include <utility>

#include "tests/showcase/ToolbarStrip.h"

namespace showcase {

using OrloUtility::GUIElement;

namespace {

void Place(GUIElement& element, int x, int y, int width, int height) {
    element.x = x;
    element.y = y;
    element.width = width;
    element.height = height;
}

// Rows of a fixed height, so that a script finds the same item at the same point whatever the
// font's own height is.
constexpr int kRowHeight = 20;

SYSTEMTIME Day(WORD year, WORD month, WORD day, WORD hour = 0, WORD minute = 0) {
    return SYSTEMTIME{year, month, 0, day, hour, minute, 0, 0};
}

}  // namespace

ControlsForm::ControlsForm(HINSTANCE instance, EventLog& log, bool frameless) : Form(instance), log_(log) {
    SetText(std::string(kTitle));
    showcase::Place(*this, kLeft, kTop, kWidth, kHeight);
    sizable = false;
    framed = !frameless;
    PlaceControls();
    FillLists();
    FillToolbar();
    ListenToChecks();
    ListenToLists();
    ListenToNumbers();
    ListenToDates();
    ListenToTabs();
    done_.commandCallback = [](GUIElement& button) {
        Of(button).Log(button, "click");
        SendMessageW(Of(button).Handle(), WM_CLOSE, 0, 0);
    };
}

ControlsForm& ControlsForm::Of(GUIElement& element) {
    GUIElement* at = &element;
    while (!dynamic_cast<ControlsForm*>(at)) at = at->parent;
    return *static_cast<ControlsForm*>(at);
}

// controls_e2e.sh and the comparison with the real platform click these places: they move
// together. A page's controls stand at their places inside the page.
void ControlsForm::PlaceControls() {
    Place(tabs_, 8, 40, 584, 290);
    // Tabs of one width, so that a script finds each at the same place whatever the font.
    tabs_.tabWidth = 90;
    tabs_.AddTab("Choices", choices_);
    tabs_.AddTab("Numbers", numbers_);
    tabs_.AddTab("Dates", dates_);
    PlaceChoices();
    PlaceNumbers();
    PlaceDates();
    Place(done_, 504, 340, 80, 30);
}

void ControlsForm::PlaceChoices() {
    Place(sound_, 16, 12, 120, 24);
    Place(music_, 16, 40, 120, 24);
    music_.threeState = true;
    Place(fruit_, 16, 72, 150, 4 * kRowHeight + 4);
    Place(colour_, 184, 12, 150, 120);
    Place(city_, 184, 44, 150, 120);
}

void ControlsForm::PlaceNumbers() {
    Place(volumeLabel_, 16, 12, 60, 20);
    Place(volume_, 16, 32, 180, 32);
    Place(countLabel_, 16, 80, 60, 20);
    Place(count_, 76, 76, 90, 24);
    Place(panel_, 240, 12, 160, 200);
    panel_.bordered = true;
    panel_.SetBackColor(RGB(224, 236, 248));
    Place(lights_, 8, 8, 120, 24);
    Place(rooms_, 8, 40, 140, 3 * kRowHeight + 4);
}

// Every date stays within 2024, a leap year, so that the last of February is the 29th.
void ControlsForm::PlaceDates() {
    Place(day_, 16, 12, 120, 24);
    Place(moment_, 16, 48, 180, 24);
    moment_.showTime = true;
    calendar_.x = 240;
    calendar_.y = 12;
    const OrloUtility::DateRange year{Day(2024, 1, 1), Day(2024, 12, 31)};
    day_.SetDate(Day(2024, 2, 27));
    day_.SetRange(year);
    moment_.SetDate(Day(2024, 2, 27, 9, 30));
    moment_.SetRange(year);
    calendar_.SetToday(Day(2024, 2, 29));
    calendar_.SetSelectedDate(Day(2024, 2, 27));
    calendar_.SetRange(year);
}

void ControlsForm::FillLists() {
    for (const char* item : {"Cherry", "apple", "Banana", "date", "Elderberry", "fig", "Grape"}) fruit_.AddItem(item);
    fruit_.sorted = true;
    fruit_.itemHeight = kRowHeight;
    for (const char* item : {"Red", "Green", "Blue"}) colour_.AddItem(item);
    colour_.itemHeight = kRowHeight;
    colour_.SetSelectedIndex(0);
    for (const char* item : {"Roma", "Milano", "Napoli"}) city_.AddItem(item);
    city_.editable = true;
    city_.itemHeight = kRowHeight;
    for (const char* item : {"Kitchen", "Hall", "Attic", "Cellar"}) rooms_.AddItem(item);
    rooms_.multipleSelection = true;
    rooms_.itemHeight = kRowHeight;
}

void ControlsForm::Create() {
    Form::Create();
    GUIElement* controls[] = {&toolbar_, &tabs_, &done_};
    for (GUIElement* control : controls) control->Create();
}

bool ControlsForm::OnCloseQuery() {
    log_.Write("close");
    return Form::OnCloseQuery();
}

// One line per event: the control's name, then what happened.
void ControlsForm::Log(const GUIElement& element, const std::string& what) {
    const std::pair<const GUIElement*, const char*> names[] = {
        {&sound_, "sound"},   {&music_, "music"}, {&fruit_, "fruit"},   {&colour_, "colour"},
        {&city_, "city"},     {&volume_, "volume"}, {&count_, "count"}, {&lights_, "lights"},
        {&rooms_, "rooms"},   {&done_, "done"},   {&tabs_, "tabs"},     {&day_, "day"},
        {&moment_, "moment"}, {&calendar_, "calendar"}, {&toolbar_, "toolbar"}};
    const char* name = "?";
    for (const auto& [control, controlName] : names)
        if (control == &element) name = controlName;
    log_.Write(std::string(name) + ": " + what);
}

}  // namespace showcase
