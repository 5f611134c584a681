// The small window that asks for the player's name when a game is over: a prompt, a field for
// up to ten capital letters and an OK button. A confirmed name goes to PlayerName() and the
// window closes; the form that opened it learns of the end through the destroy callback it
// installed, which runs once, inside that closing.
//
// The form is not modal: it shares the program's message loop and stays above the main window
// as a topmost tool window. Closing it with its close box keeps the previous name.
#pragma once

#include <bitset>
#include <memory>
#include <string>

#include "toolkit/elements/Button.h"
#include "toolkit/elements/Form.h"
#include "toolkit/elements/Label.h"
#include "toolkit/elements/TextBox.h"

namespace OrloUtility {

class FormNamePlayer : public Form {
public:
    // Makes, shows and activates the window at once, at the default position, with its
    // controls built and the focus in the name field.
    FormNamePlayer(HINSTANCE instance, const std::string& title);
    ~FormNamePlayer() override;

    // Runs while the window is being made, so a subclass's version is not the one called then.
    virtual void BuildControls();
    // Closing is always allowed.
    virtual bool QueryClose();
    virtual void OnFormSize();
    // Enter confirms the name and is swallowed, as is a character a name cannot hold; any
    // other character is typed as usual.
    virtual bool OnFormChar(WCHAR character);
    virtual void OnFormKeyDown(UINT key);
    virtual void OnFormKeyUp(UINT key);
    // From the OK button: a non-empty name becomes PlayerName() and the window closes.
    // Anything else, or an empty field, changes nothing.
    virtual void OnControlCommand(GUIElement& element);

    // Shown by the label at once when the label exists, and by a label built later.
    void SetPrompt(const std::string& text);

    Form* owner = nullptr;  // the form that opened this one; not owned
    std::unique_ptr<TextBox> textBox;  // null until BuildControls, like the two below
    std::unique_ptr<Label> label;
    std::unique_ptr<Button> okButton;
    std::string prompt;

private:
    void BuildLabel(int formWidth);
    void BuildTextBox(int formWidth);
    void BuildOkButton(int formWidth);
    // A key still down from before the form opened (the fire key held through the game's end)
    // types nothing, however long it repeats; once released it types again.
    void RememberKeysHeldAtOpen();
    void OnFieldKeyDown(UINT key);
    void OnFieldKeyUp(UINT key);

    std::bitset<256> heldAtOpen_;
    bool lastKeyHeldOver_ = false;
};

// The character callback of the name form and of its field: hands the character to the form's
// OnFormChar. True (type it as usual) for any element that belongs to no name form.
bool RouteChar(GUIElement& element, WCHAR character);

// The name accepted last in this run, as typed; empty until a name is first accepted. Only the
// name form writes it.
std::string& PlayerName();

}  // namespace OrloUtility
