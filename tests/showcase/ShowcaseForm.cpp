#include "tests/showcase/ShowcaseForm.h"

#include "toolkit/drawing/Drawing.h"
#include "toolkit/util/TextConvert.h"

namespace showcase {

using OrloUtility::GUIElement;

namespace {

constexpr int kTrackTop = 96;
constexpr int kTrackHeight = 40;

void Place(GUIElement& element, int x, int y, int width, int height) {
    element.x = x;
    element.y = y;
    element.width = width;
    element.height = height;
}

}  // namespace

ShowcaseForm::ShowcaseForm(HINSTANCE instance, EventLog& log)
    : Form(instance), log_(log), square_(kTrackTop, kTrackHeight) {
    SetText(std::string(kTitle));
    Place(*this, 120, 120, 460, 200);
    sizable = false;
    BuildMenu();
    BuildControls();
}

// Every callback is a plain function of the element; the form is found up the parent chain.
ShowcaseForm& ShowcaseForm::Of(GUIElement& element) {
    GUIElement* at = &element;
    while (!dynamic_cast<ShowcaseForm*>(at)) at = at->parent;
    return *static_cast<ShowcaseForm*>(at);
}

void ShowcaseForm::BuildMenu() {
    separator_.itemFlags = MF_SEPARATOR;
    sayHello_.commandCallback = [](GUIElement& item) { Of(item).AskQuestion(); };
    exit_.commandCallback = [](GUIElement& item) {
        Of(item).log_.Write("menu: exit");
        SendMessageW(Of(item).Handle(), WM_CLOSE, 0, 0);
    };
    moving_.checkable = true;
    moving_.checked = true;
    // The mark has already flipped when the command runs.
    moving_.commandCallback = [](GUIElement& item) {
        Of(item).SetMoving(static_cast<OrloUtility::SubMenu&>(item).checked);
    };
    controls_.commandCallback = [](GUIElement& item) { Of(item).ShowControls(); };
}

// showcase_e2e.sh clicks these places: they move together.
void ShowcaseForm::BuildControls() {
    Place(nameLabel_, 16, 20, 84, 22);
    Place(name_, 104, 16, 160, 26);
    Place(greet_, 276, 14, 76, 30);
    Place(colour_, 360, 14, 76, 30);
    colour_.ownerDrawn = true;
    Place(greeting_, 16, 56, 420, 22);
    greet_.commandCallback = [](GUIElement& button) { Of(button).Greet(); };
    colour_.commandCallback = [](GUIElement& button) { Of(button).ChangeColour(); };
    name_.textChangedCallback = [](GUIElement& box) { Of(box).log_.Write("typed", box.GetText()); };
    timer_.interval = 20;
    timer_.tickCallback = [](OrloUtility::Timer& timer) { Of(timer).MoveSquare(); };
}

void ShowcaseForm::Create() {
    Form::Create();
    bar_.Create();
    GUIElement* controls[] = {&nameLabel_, &name_, &greet_, &colour_, &greeting_};
    for (GUIElement* control : controls) control->Create();
    DrawMenuBar(Handle());
    SetMoving(true);
}

void ShowcaseForm::OnPaint() {
    OrloUtility::Drawing surface(this);
    surface.StoreContext(BeginPaint(Handle(), surface.PaintRecord()));
    square_.Draw(surface, ClientWidthNow());
    surface.EndDrawing();
    Form::OnPaint();
}

bool ShowcaseForm::OnCloseQuery() {
    log_.Write("close");
    return Form::OnCloseQuery();
}

void ShowcaseForm::Greet() {
    const std::wstring name = name_.GetText();
    log_.Write("click Greet", name);
    greeting_.SetText(L"Hello, " + (name.empty() ? std::wstring(L"stranger") : name) + L"!");
}

void ShowcaseForm::ChangeColour() {
    log_.Write(std::string("click Colour: ") + square_.NextColour());
    const RECT square = square_.Bounds();
    InvalidateRect(Handle(), &square, FALSE);
}

void ShowcaseForm::AskQuestion() {
    const int answer = MessageBoxW(Handle(), L"Say hello to the square?", OrloUtility::ToWide(kQuestionTitle).c_str(),
                                   MB_YESNO | MB_ICONQUESTION);
    log_.Write(std::string("message box: ") + (answer == IDYES ? "yes" : answer == IDNO ? "no" : "none"));
}

// The timer runs only while the item is checked, so a form with the square still is idle.
void ShowcaseForm::SetMoving(bool moving) {
    if (moving) timer_.Start();
    else timer_.Stop();
    log_.Write(std::string("moving square: ") + (moving ? "on" : "off"));
}

void ShowcaseForm::ShowControls() {
    if (controlsForm_ && !controlsForm_->IsDestroyed()) {
        SetForegroundWindow(controlsForm_->Handle());
        return;
    }
    controlsForm_.reset();
    controlsForm_ = std::make_unique<ControlsForm>(Instance(), log_, false);
    controlsForm_->Create();
    log_.Write("controls: shown");
}

void ShowcaseForm::MoveSquare() {
    const RECT changed = square_.Step(ClientWidthNow());
    InvalidateRect(Handle(), &changed, FALSE);
}

int ShowcaseForm::ClientWidthNow() const {
    RECT client{};
    GetClientRect(Handle(), &client);
    return client.right - client.left;
}

}  // namespace showcase
