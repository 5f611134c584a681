// The showcase's second form: one of each of the toolkit's further controls, each writing to
// the event log whatever a person does with it. A toolbar runs along the top (a check button
// that locks the tabs, two buttons of which one stays down, a plain one and one with a drop-down
// arrow); under it a tab control's pages hold the rest: "Choices" (two check boxes, one of them
// three-state; a list; a drop-down list and an editable combo box), "Numbers" (a slider; a
// numeric box; a panel with controls of its own) and "Dates" (a date picker, a date-and-time
// picker and a calendar, all within 2024). While the lock is down the tabs refuse to change.
// A Done button closes the form.
//
// Opened from the first form's View menu it is an ordinary framed window. Started on its own
// (the --controls argument) it is a frameless window at a fixed place on the screen, so that a
// script can drive it at the same screen points here and on the real platform and compare the
// two logs line by line.
#pragma once

#include "tests/showcase/EventLog.h"
#include "toolkit/drawing/GdiHandles.h"
#include "toolkit/elements/Button.h"
#include "toolkit/elements/Calendar.h"
#include "toolkit/elements/CheckBox.h"
#include "toolkit/elements/ComboBox.h"
#include "toolkit/elements/DatePicker.h"
#include "toolkit/elements/Form.h"
#include "toolkit/elements/Label.h"
#include "toolkit/elements/ListBox.h"
#include "toolkit/elements/NumericBox.h"
#include "toolkit/elements/Panel.h"
#include "toolkit/elements/Slider.h"
#include "toolkit/elements/TabControl.h"
#include "toolkit/elements/Toolbar.h"

namespace showcase {

class ControlsForm : public OrloUtility::Form {
public:
    static constexpr const char* kTitle = "Astrovex showcase: controls";
    // Where the frameless form stands, on the screen, and its size.
    static constexpr int kLeft = 100;
    static constexpr int kTop = 100;
    static constexpr int kWidth = 600;
    static constexpr int kHeight = 380;

    // `log` must outlive the form.
    ControlsForm(HINSTANCE instance, EventLog& log, bool frameless);

    // Makes the window and every control.
    void Create() override;
    bool OnCloseQuery() override;

private:
    static ControlsForm& Of(OrloUtility::GUIElement& element);
    void PlaceControls();
    void PlaceChoices();
    void PlaceNumbers();
    void PlaceDates();
    void FillLists();
    void FillToolbar();
    void ListenToChecks();
    void ListenToLists();
    void ListenToNumbers();
    void ListenToDates();
    void ListenToTabs();
    void Log(const OrloUtility::GUIElement& element, const std::string& what);

    EventLog& log_;
    OrloUtility::OwnedBitmap toolbarImages_;  // the toolbar's strip; outlives the toolbar

    OrloUtility::Toolbar toolbar_{this};
    int lockButton_ = 0;
    int easyButton_ = 0;
    int hardButton_ = 0;
    int todayButton_ = 0;
    int speedButton_ = 0;

    OrloUtility::TabControl tabs_{this};
    OrloUtility::Panel choices_{&tabs_};
    OrloUtility::Panel numbers_{&tabs_};
    OrloUtility::Panel dates_{&tabs_};

    OrloUtility::CheckBox sound_{&choices_, "&Sound"};
    OrloUtility::CheckBox music_{&choices_, "&Music"};
    OrloUtility::ListBox fruit_{&choices_};
    OrloUtility::ComboBox colour_{&choices_};
    OrloUtility::ComboBox city_{&choices_};

    OrloUtility::Label volumeLabel_{&numbers_, "Volume:"};
    OrloUtility::Slider volume_{&numbers_};
    OrloUtility::Label countLabel_{&numbers_, "Count:"};
    OrloUtility::NumericBox count_{&numbers_, 3};
    OrloUtility::Panel panel_{&numbers_};
    OrloUtility::CheckBox lights_{&panel_, "&Lights"};
    OrloUtility::ListBox rooms_{&panel_};

    OrloUtility::DatePicker day_{&dates_};
    OrloUtility::DatePicker moment_{&dates_};
    OrloUtility::Calendar calendar_{&dates_};

    OrloUtility::Button done_{this, "&Done"};
};

}  // namespace showcase
