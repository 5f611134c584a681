#include <cstdio>
#include <string>

#include "tests/showcase/ControlsForm.h"
#include "tests/showcase/ToolbarStrip.h"
#include "toolkit/util/TextConvert.h"

// What each control of the controls form writes to the log when a person uses it.
namespace showcase {

using OrloUtility::GUIElement;

namespace {

// The numeric box refuses to be stepped past this, to show a refused step.
constexpr int kHighestStep = 8;

const char* StateName(UINT state) {
    switch (state) {
    case BST_CHECKED: return "checked";
    case BST_INDETERMINATE: return "indeterminate";
    default: return "unchecked";
    }
}

// Dates are logged the same way in any locale.
std::string DateText(const SYSTEMTIME& date, bool withTime = false) {
    char text[32];
    if (withTime)
        std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u", date.wYear, date.wMonth, date.wDay, date.wHour,
                      date.wMinute);
    else
        std::snprintf(text, sizeof text, "%04u-%02u-%02u", date.wYear, date.wMonth, date.wDay);
    return text;
}

}  // namespace

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

void ControlsForm::FillToolbar() {
    using Kind = OrloUtility::Toolbar::ButtonKind;
    toolbarImages_.reset(DrawToolbarStrip());
    toolbar_.SetImageStrip(toolbarImages_.get(), kToolbarImageSize, kToolbarImageSize);
    lockButton_ = toolbar_.AddButton(0, "Lock the tabs", Kind::kCheck);
    toolbar_.AddSeparator();
    easyButton_ = toolbar_.AddButton(1, "Easy", Kind::kGroup);
    hardButton_ = toolbar_.AddButton(2, "Hard", Kind::kGroup);
    toolbar_.SetChecked(easyButton_, true);
    toolbar_.AddSeparator();
    todayButton_ = toolbar_.AddButton(3, "Back to the 27th");
    speedButton_ = toolbar_.AddButton(4, "Speed", Kind::kDropDown);
    toolbar_.buttonCallback = [](OrloUtility::Toolbar& toolbar, int commandId) {
        ControlsForm& form = Of(toolbar);
        if (commandId == form.lockButton_) form.Log(toolbar, toolbar.IsChecked(commandId) ? "lock on" : "lock off");
        if (commandId == form.easyButton_ || commandId == form.hardButton_)
            form.Log(toolbar, toolbar.IsChecked(form.easyButton_) ? "easy" : "hard");
        if (commandId == form.todayButton_) {
            form.Log(toolbar, "back to the 27th");
            form.calendar_.SetSelectedDate(SYSTEMTIME{2024, 2, 0, 27, 0, 0, 0, 0});
        }
        if (commandId == form.speedButton_) form.Log(toolbar, "speed");
    };
    toolbar_.dropDownCallback = [](OrloUtility::Toolbar& toolbar, int) {
        Of(toolbar).Log(toolbar, "speed menu");
    };
}


void ControlsForm::ListenToDates() {
    day_.changedCallback = [](GUIElement& element) {
        Of(element).Log(element, "changed " + DateText(static_cast<OrloUtility::DatePicker&>(element).GetDate()));
    };
    moment_.changedCallback = [](GUIElement& element) {
        Of(element).Log(element, "changed " + DateText(static_cast<OrloUtility::DatePicker&>(element).GetDate(), true));
    };
    for (OrloUtility::DatePicker* picker : {&day_, &moment_}) {
        picker->dropDownCallback = [](GUIElement& element) { Of(element).Log(element, "drop down"); };
        picker->closeUpCallback = [](GUIElement& element) { Of(element).Log(element, "close up"); };
    }
    calendar_.selectionChangedCallback = [](GUIElement& element) {
        Of(element).Log(element, "selection " + DateText(static_cast<OrloUtility::Calendar&>(element).GetSelectedDate()));
    };
    calendar_.chosenCallback = [](GUIElement& element) {
        Of(element).Log(element, "chosen " + DateText(static_cast<OrloUtility::Calendar&>(element).GetSelectedDate()));
    };
}

// The tabs stay where they are while the toolbar's lock is down.
void ControlsForm::ListenToTabs() {
    tabs_.selectionChangingCallback = [](GUIElement& element) {
        ControlsForm& form = Of(element);
        const bool locked = form.toolbar_.IsChecked(form.lockButton_);
        if (locked) form.Log(element, "change refused");
        return !locked;
    };
    tabs_.selectionChangedCallback = [](GUIElement& element) {
        auto& tabs = static_cast<OrloUtility::TabControl&>(element);
        Of(element).Log(element, "page " + OrloUtility::ToNarrow(tabs.TabText(tabs.GetSelectedIndex())));
    };
}

}  // namespace showcase
