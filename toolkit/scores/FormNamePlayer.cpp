#include "toolkit/scores/FormNamePlayer.h"

#include "toolkit/ToolkitState.h"

#include <utility>

namespace OrloUtility {

namespace {

constexpr int kFormWidth = 250;
constexpr int kFormHeight = 150;
// The label fills the first row; the field and the button share the second.
constexpr int kMargin = 5;
constexpr int kRowHeight = 25;
constexpr int kSecondRowTop = 35;
constexpr int kOkButtonWidth = 80;
constexpr int kLongestName = 10;
constexpr WCHAR kEnter = 13;
// A name keeps one byte per character, the character's own code, so a character beyond U+00FF
// would be stored as an unrelated byte. The y with diaeresis, the last one-byte code, is out as
// well: the upper-case field turns it into its capital, U+0178.
constexpr WCHAR kSmallYWithDiaeresis = 0xFF;

bool NameCanHold(WCHAR character) { return character < kSmallYWithDiaeresis; }

// The form's callbacks are plugged into the name form only.
FormNamePlayer& NameForm(GUIElement& element) { return static_cast<FormNamePlayer&>(element); }

void Place(GUIElement& control, int left, int top, int controlWidth, int controlHeight) {
    control.x = left;
    control.y = top;
    control.width = controlWidth;
    control.height = controlHeight;
}

}  // namespace

FormNamePlayer::FormNamePlayer(HINSTANCE instance, const std::string& title) : Form(instance, DialogVariant{}) {
    minimizeBox = false;
    sizable = false;
    width = kFormWidth;
    height = kFormHeight;
    SetText(title);
    createCallback = [](GUIElement& form, HWND) { NameForm(form).BuildControls(); };
    closeQueryCallback = [](GUIElement& form) { return NameForm(form).QueryClose(); };
    sizeCallback = [](GUIElement& form) { NameForm(form).OnFormSize(); };
    charCallback = RouteChar;
    keyDownCallback = [](GUIElement& form, UINT key) { NameForm(form).OnFormKeyDown(key); };
    keyUpCallback = [](GUIElement& form, UINT key) { NameForm(form).OnFormKeyUp(key); };
    Create();
}

// The controls go while the form they name as their parent is still whole.
FormNamePlayer::~FormNamePlayer() {
    textBox.reset();
    label.reset();
    okButton.reset();
}

void FormNamePlayer::BuildControls() {
    // While the window is being made the created flag is still clear: the stored outer width.
    const int formWidth = created_ ? GetClientWidth() : width;
    BuildLabel(formWidth);
    BuildTextBox(formWidth);
    BuildOkButton(formWidth);
}

void FormNamePlayer::BuildLabel(int formWidth) {
    label = std::make_unique<Label>(this, prompt);
    Place(*label, kMargin, kMargin, formWidth - 2 * kMargin, kRowHeight);
    label->Create();
}

// The edit control makes letters capitals and refuses an eleventh character by itself.
void FormNamePlayer::BuildTextBox(int formWidth) {
    textBox = std::make_unique<TextBox>(this, "");
    Place(*textBox, kMargin, kSecondRowTop, formWidth / 2 - 2 * kMargin, kRowHeight);
    textBox->maxLength = kLongestName;
    textBox->upperCase = true;
    textBox->lowerCase = false;
    textBox->charCallback = RouteChar;
    textBox->keyDownCallback = [](GUIElement& field, UINT key) { NameForm(*field.parent).OnFieldKeyDown(key); };
    textBox->keyUpCallback = [](GUIElement& field, UINT key) { NameForm(*field.parent).OnFieldKeyUp(key); };
    RememberKeysHeldAtOpen();
    textBox->Create();
    textBox->Focus();
}

void FormNamePlayer::BuildOkButton(int formWidth) {
    okButton = std::make_unique<Button>(this, "OK");
    Place(*okButton, formWidth / 2 + kMargin, kSecondRowTop, kOkButtonWidth, kRowHeight);
    okButton->commandCallback = [](GUIElement& button) {
        if (auto* form = dynamic_cast<FormNamePlayer*>(button.parent)) form->OnControlCommand(button);
    };
    okButton->Create();
}

// The program gives this form no hot keys, so releasing them frees nothing today.
bool FormNamePlayer::QueryClose() {
    UnregisterHotKeys();
    return true;
}

void FormNamePlayer::OnFormSize() {}

void FormNamePlayer::RememberKeysHeldAtOpen() {
    for (int key = 1; key < static_cast<int>(heldAtOpen_.size()); ++key)
        heldAtOpen_[static_cast<std::size_t>(key)] = (GetAsyncKeyState(key) & 0x8000) != 0;
}

void FormNamePlayer::OnFieldKeyDown(UINT key) { lastKeyHeldOver_ = key < heldAtOpen_.size() && heldAtOpen_[key]; }

void FormNamePlayer::OnFieldKeyUp(UINT key) {
    if (key < heldAtOpen_.size()) heldAtOpen_[key] = false;
}

bool FormNamePlayer::OnFormChar(WCHAR character) {
    if (lastKeyHeldOver_) return false;
    if (character == kEnter) {
        if (okButton) OnControlCommand(*okButton);
        return false;
    }
    return NameCanHold(character);
}

void FormNamePlayer::OnFormKeyDown(UINT) {}

void FormNamePlayer::OnFormKeyUp(UINT) {}

void FormNamePlayer::OnControlCommand(GUIElement& element) {
    if (!okButton || !textBox || element.Id() != okButton->Id()) return;
    std::string name = textBox->GetNarrowText();
    if (name.empty()) return;
    PlayerName() = std::move(name);
    // Handled before SendMessageW returns: the window is destroyed, and the opener's destroy
    // callback runs, inside this call.
    SendMessageW(window_, WM_CLOSE, 0, 0);
    created_ = false;
}

void FormNamePlayer::SetPrompt(const std::string& text) {
    prompt = text;
    if (window_ && label) label->SetText(prompt);
}

bool RouteChar(GUIElement& element, WCHAR character) {
    GUIElement* target = dynamic_cast<TextBox*>(&element) ? element.parent : &element;
    auto* form = dynamic_cast<FormNamePlayer*>(target);
    return form ? form->OnFormChar(character) : true;
}

std::string& PlayerName() { return Toolkit().playerName; }

}  // namespace OrloUtility
