// The showcase's second form: one of each of the toolkit's further controls (two check boxes,
// one of them three-state; a list; a drop-down list and an editable combo box; a slider; a
// numeric box; and a panel with controls of its own), each writing to the event log whatever
// a person does with it. A Done button closes it.
//
// Opened from the first form's View menu it is an ordinary framed window. Started on its own
// (the --controls argument) it is a frameless window at a fixed place on the screen, so that a
// script can drive it at the same screen points here and on the real platform and compare the
// two logs line by line.
#pragma once

#include "tests/showcase/EventLog.h"
#include "toolkit/elements/Button.h"
#include "toolkit/elements/CheckBox.h"
#include "toolkit/elements/ComboBox.h"
#include "toolkit/elements/Form.h"
#include "toolkit/elements/Label.h"
#include "toolkit/elements/ListBox.h"
#include "toolkit/elements/NumericBox.h"
#include "toolkit/elements/Panel.h"
#include "toolkit/elements/Slider.h"

namespace showcase {

class ControlsForm : public OrloUtility::Form {
public:
    static constexpr const char* kTitle = "Astrovex showcase: controls";
    // Where the frameless form stands, on the screen, and its size.
    static constexpr int kLeft = 100;
    static constexpr int kTop = 100;
    static constexpr int kWidth = 560;
    static constexpr int kHeight = 300;

    // `log` must outlive the form.
    ControlsForm(HINSTANCE instance, EventLog& log, bool frameless);

    // Makes the window and every control.
    void Create() override;
    bool OnCloseQuery() override;

private:
    static ControlsForm& Of(OrloUtility::GUIElement& element);
    void PlaceControls();
    void FillLists();
    void ListenToChecks();
    void ListenToLists();
    void ListenToNumbers();
    void Log(const OrloUtility::GUIElement& element, const std::string& what);

    EventLog& log_;

    OrloUtility::CheckBox sound_{this, "&Sound"};
    OrloUtility::CheckBox music_{this, "&Music"};
    OrloUtility::ListBox fruit_{this};
    OrloUtility::ComboBox colour_{this};
    OrloUtility::ComboBox city_{this};
    OrloUtility::Label volumeLabel_{this, "Volume:"};
    OrloUtility::Slider volume_{this};
    OrloUtility::Label countLabel_{this, "Count:"};
    OrloUtility::NumericBox count_{this, 3};
    OrloUtility::Panel panel_{this};
    OrloUtility::CheckBox lights_{&panel_, "&Lights"};
    OrloUtility::ListBox rooms_{&panel_};
    OrloUtility::Button done_{this, "&Done"};
};

}  // namespace showcase
