// The showcase: one form with every kind of toolkit element a program is made of, each telling
// the event log when a person uses it, and a square a timer moves across the form.
//
//   File: Say hello... (a question in a message box), Exit
//   View: Moving square (checkable), Controls... (the second form)
//   Your name: [text box]  [Greet] (plain)  [Colour] (owner-drawn)
//   a greeting label, and the track the square moves along
#pragma once

#include <memory>

#include "tests/showcase/ControlsForm.h"
#include "tests/showcase/EventLog.h"
#include "tests/showcase/MovingSquare.h"
#include "toolkit/elements/Button.h"
#include "toolkit/elements/Form.h"
#include "toolkit/elements/Label.h"
#include "toolkit/elements/Menu.h"
#include "toolkit/elements/MenuBar.h"
#include "toolkit/elements/SubMenu.h"
#include "toolkit/elements/TextBox.h"
#include "toolkit/elements/Timer.h"

namespace showcase {

class ShowcaseForm : public OrloUtility::Form {
public:
    // The title the end-to-end script finds the window by.
    static constexpr const char* kTitle = "Astrovex showcase";
    // The message box's title, for the same reason.
    static constexpr const char* kQuestionTitle = "Astrovex question";

    // `log` must outlive the form.
    ShowcaseForm(HINSTANCE instance, EventLog& log);

    // Makes the window, its menu and its controls, and starts the square moving.
    void Create() override;
    void OnPaint() override;
    bool OnCloseQuery() override;

private:
    static ShowcaseForm& Of(OrloUtility::GUIElement& element);
    void BuildMenu();
    void BuildControls();
    void Greet();
    void ChangeColour();
    void AskQuestion();
    void SetMoving(bool moving);
    void ShowControls();
    void MoveSquare();
    int ClientWidthNow() const;

    EventLog& log_;
    MovingSquare square_;

    OrloUtility::MenuBar bar_{this};
    OrloUtility::Menu fileMenu_{&bar_, "&File"};
    OrloUtility::Menu viewMenu_{&bar_, "&View"};
    OrloUtility::SubMenu sayHello_{&fileMenu_, "&Say hello..."};
    OrloUtility::SubMenu separator_{&fileMenu_, ""};
    OrloUtility::SubMenu exit_{&fileMenu_, "E&xit"};
    OrloUtility::SubMenu moving_{&viewMenu_, "&Moving square"};
    OrloUtility::SubMenu controls_{&viewMenu_, "&Controls..."};

    OrloUtility::Label nameLabel_{this, "Your name:"};
    OrloUtility::TextBox name_{this, ""};
    OrloUtility::Button greet_{this, "&Greet"};
    OrloUtility::Button colour_{this, "&Colour"};
    OrloUtility::Label greeting_{this, ""};
    OrloUtility::Timer timer_{this};
    std::unique_ptr<ControlsForm> controlsForm_;  // made when first asked for, again once closed
};

}  // namespace showcase
