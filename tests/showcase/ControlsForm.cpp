#include "tests/showcase/ControlsForm.h"

#include <string>
#include <utility>

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

// The numeric box refuses to be stepped past this, to show a refused step.
constexpr int kHighestStep = 8;

const char* StateName(UINT state) {
    switch (state) {
    case BST_CHECKED: return "checked";
    case BST_INDETERMINATE: return "indeterminate";
    default: return "unchecked";
    }
}

}  // namespace

ControlsForm::ControlsForm(HINSTANCE instance, EventLog& log, bool frameless) : Form(instance), log_(log) {
    SetText(std::string(kTitle));
    showcase::Place(*this, kLeft, kTop, kWidth, kHeight);
    sizable = false;
    framed = !frameless;
    PlaceControls();
    FillLists();
    ListenToChecks();
    ListenToLists();
    ListenToNumbers();
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
// together.
void ControlsForm::PlaceControls() {
    Place(sound_, 16, 12, 120, 24);
    Place(music_, 16, 40, 120, 24);
    music_.threeState = true;
    Place(fruit_, 16, 72, 150, 4 * kRowHeight + 4);
    Place(colour_, 184, 12, 150, 120);
    Place(city_, 184, 44, 150, 120);
    Place(volumeLabel_, 184, 84, 60, 20);
    Place(volume_, 184, 104, 180, 32);
    Place(countLabel_, 184, 148, 60, 20);
    Place(count_, 244, 144, 90, 24);
    Place(panel_, 384, 12, 160, 200);
    panel_.bordered = true;
    panel_.SetBackColor(RGB(224, 236, 248));
    Place(lights_, 8, 8, 120, 24);
    Place(rooms_, 8, 40, 140, 3 * kRowHeight + 4);
    Place(done_, 464, 240, 80, 30);
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

void ControlsForm::ListenToChecks() {
    for (OrloUtility::CheckBox* box : {&sound_, &music_, &lights_}) {
        box->changedCallback = [](GUIElement& element) {
            auto& check = static_cast<OrloUtility::CheckBox&>(element);
            Of(element).Log(element, StateName(check.GetCheckState()));
        };
    }
}

void ControlsForm::ListenToLists() {
    auto selection = [](GUIElement& element) {
        auto& list = static_cast<OrloUtility::ListBox&>(element);
        std::string line = "selection";
        for (int index : list.GetSelectedIndices()) {
            line += ' ';
            line += list.ItemText(index);
        }
        Of(element).Log(element, line);
    };
    fruit_.selectionChangedCallback = selection;
    rooms_.selectionChangedCallback = selection;
    fruit_.doubleClickCallback = [](GUIElement& element) {
        auto& list = static_cast<OrloUtility::ListBox&>(element);
        Of(element).Log(element, "double click " + list.ItemText(list.GetSelectedIndex()));
    };
    auto picked = [](GUIElement& element) {
        auto& box = static_cast<OrloUtility::ComboBox&>(element);
        Of(element).Log(element, "selection " + box.ItemText(box.GetSelectedIndex()));
    };
    colour_.selectionChangedCallback = picked;
    city_.selectionChangedCallback = picked;
    city_.editChangedCallback = [](GUIElement& element) {
        Of(element).Log(element, "edit " + element.GetNarrowText());
    };
}

void ControlsForm::ListenToNumbers() {
    volume_.SetSteps(1, 10);
    volume_.SetTickFrequency(10);
    volume_.valueChangedCallback = [](GUIElement& element) {
        Of(element).Log(element, "value " + std::to_string(static_cast<OrloUtility::Slider&>(element).GetValue()));
    };
    volume_.changeEndedCallback = [](GUIElement& element) {
        Of(element).Log(element, "end " + std::to_string(static_cast<OrloUtility::Slider&>(element).GetValue()));
    };
    count_.SetRange(-5, 20);
    count_.valueChangedCallback = [](GUIElement& element) {
        Of(element).Log(element, "value " + std::to_string(static_cast<OrloUtility::NumericBox&>(element).GetValue()));
    };
    count_.stepCallback = [](GUIElement& element, int proposed) {
        const bool allowed = proposed <= kHighestStep;
        Of(element).Log(element, "step to " + std::to_string(proposed) + (allowed ? "" : " refused"));
        return allowed;
    };
}

void ControlsForm::Create() {
    Form::Create();
    GUIElement* controls[] = {&sound_, &music_, &fruit_,     &colour_, &city_,  &volumeLabel_,
                              &volume_, &countLabel_, &count_, &panel_, &done_};
    for (GUIElement* control : controls) control->Create();
}

bool ControlsForm::OnCloseQuery() {
    log_.Write("close");
    return Form::OnCloseQuery();
}

// One line per event: the control's name, then what happened.
void ControlsForm::Log(const GUIElement& element, const std::string& what) {
    const std::pair<const GUIElement*, const char*> names[] = {
        {&sound_, "sound"}, {&music_, "music"}, {&fruit_, "fruit"},   {&colour_, "colour"}, {&city_, "city"},
        {&volume_, "volume"}, {&count_, "count"}, {&lights_, "lights"}, {&rooms_, "rooms"},   {&done_, "done"}};
    const char* name = "?";
    for (const auto& [control, controlName] : names)
        if (control == &element) name = controlName;
    log_.Write(std::string(name) + ": " + what);
}

}  // namespace showcase
