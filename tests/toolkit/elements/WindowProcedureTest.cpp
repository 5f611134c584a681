// The window procedure and the message loop, driven by input a person gives: focus and text
// changes, Tab between controls, mouse buttons, hover and leave tracking, cursors, hot keys,
// and the rule that only the first form's destruction ends the loop.
#include <string>
#include <vector>

#include "ElementTest.h"
#include "toolkit/elements/Button.h"
#include "toolkit/elements/Label.h"
#include "toolkit/elements/MessageLoop.h"
#include "toolkit/elements/TextBox.h"

namespace {

using namespace OrloUtility;

// What the callbacks under test saw, in order.
std::vector<std::string> events;

void Note(const std::string& event) { events.push_back(event); }

std::string At(const char* what, int x, int y) {
    return std::string(what) + " " + std::to_string(x) + "," + std::to_string(y);
}

class WindowProcedureTest : public ElementTest {
protected:
    void SetUp() override {
        ElementTest::SetUp();
        events.clear();
        form_ = MakeForm();
    }
    void TearDown() override {
        form_.reset();
        ElementTest::TearDown();
    }

    void Type(const std::vector<UINT>& keys) {
        for (UINT key : keys) Backend().PressKey(key);
        Backend().PumpUntilIdle();
    }

    std::unique_ptr<Form> form_;
};

struct FocusCase {
    const char* name;
    std::vector<UINT> typed;
    std::vector<std::string> events;
};

TEST_F(WindowProcedureTest, LosingTheFocusReportsATextChangeOnlyWhenTheTextChanged) {
    const FocusCase cases[] = {
        {"edited", {'A', 'B'}, {"focus lost", "text changed"}},
        {"not edited", {}, {"focus lost"}},
        {"edited back to the text it had", {'A', VK_BACK}, {"focus lost"}},
    };
    for (const FocusCase& c : cases) {
        SCOPED_TRACE(c.name);
        TextBox box(form_.get(), "nome");
        Button other(form_.get(), "OK");
        box.Create();
        other.Create();
        box.focusLostCallback = [](GUIElement&) { Note("focus lost"); };
        box.textChangedCallback = [](GUIElement&) { Note("text changed"); };
        box.Focus();
        Type(c.typed);
        events.clear();

        other.Focus();
        Backend().PumpUntilIdle();
        EXPECT_EQ(events, c.events);
        DestroyWindow(box.Handle());
        DestroyWindow(other.Handle());
    }
}

TEST_F(WindowProcedureTest, TabAndShiftTabCycleThroughTheFormsTabStopsAndTheKeyStillArrives) {
    TextBox first(form_.get(), "");
    Label label(form_.get(), "Nome");  // not a tab stop
    Button button(form_.get(), "OK");
    TextBox last(form_.get(), "");
    GUIElement* controls[] = {&first, &label, &button, &last};
    static int tabs;
    tabs = 0;
    int top = 0;
    for (GUIElement* control : controls) {
        control->y = top += 40;
        control->Create();
        control->keyDownCallback = [](GUIElement&, UINT key) { tabs += key == VK_TAB; };
    }
    first.Focus();

    struct Step {
        bool shift;
        GUIElement* focus;
    };
    const Step steps[] = {{false, &button}, {false, &last}, {false, &first}, {true, &last}, {true, &button}};
    for (const Step& step : steps) {
        if (step.shift) Backend().KeyDown(VK_SHIFT);
        Backend().PressKey(VK_TAB);
        if (step.shift) Backend().KeyUp(VK_SHIFT);
        Backend().PumpUntilIdle();
        EXPECT_EQ(GetFocus(), step.focus->Handle()) << "after Tab number " << tabs;
    }
    EXPECT_EQ(tabs, static_cast<int>(std::size(steps)));
}

TEST_F(WindowProcedureTest, MouseButtonsReachTheElementWithClientCoordinates) {
    form_->leftButtonDownCallback = [](GUIElement&, HWND, int x, int y) { Note(At("left down", x, y)); };
    form_->leftButtonUpCallback = [](GUIElement&, HWND, int x, int y) { Note(At("left up", x, y)); };
    form_->leftDoubleClickCallback = [](GUIElement&, HWND, int x, int y) { Note(At("left double", x, y)); };
    form_->rightButtonDownCallback = [](GUIElement&, HWND, int x, int y) { Note(At("right down", x, y)); };
    form_->rightButtonUpCallback = [](GUIElement&, HWND, int x, int y) { Note(At("right up", x, y)); };
    Backend().Click(form_->Handle(), 30, 40);
    Backend().Click(form_->Handle(), 30, 40);
    Backend().Click(form_->Handle(), 7, 9, platform::MouseButton::Right);
    Backend().PumpUntilIdle();
    const std::vector<std::string> expected{"left down 30,40", "left up 30,40", "left double 30,40", "left up 30,40",
                                            "right down 7,9",  "right up 7,9"};
    EXPECT_EQ(events, expected);
}

TEST_F(WindowProcedureTest, TrackingArmsOnTheFirstMoveAndAgainAfterTheLeaveNotice) {
    constexpr std::uint64_t kLongerThanHoverTime = 1000;
    form_->mouseMoveCallback = [](GUIElement&, int, int) { Note("move"); };
    form_->mouseHoverCallback = [](GUIElement&) { Note("hover"); };
    form_->mouseLeaveCallback = [](GUIElement&) { Note("leave"); };
    HWND window = form_->Handle();
    // Moving onto a plain child window leaves the form; the child is no element.
    CreateWindowExW(0, RegisterLoggingClass(), L"", WS_CHILD | WS_VISIBLE, 200, 200, 50, 50, window, nullptr,
                    nullptr, nullptr);
    for (int visit = 0; visit < 2; ++visit) {
        Backend().MouseMove(window, 50, 50);
        Backend().RunFor(kLongerThanHoverTime);
        Backend().MouseMove(window, 210, 210);
        Backend().RunFor(kLongerThanHoverTime);
    }
    const std::vector<std::string> visitEvents{"move", "hover", "leave"};
    std::vector<std::string> expected = visitEvents;
    expected.insert(expected.end(), visitEvents.begin(), visitEvents.end());
    EXPECT_EQ(events, expected);
}

struct CursorCase {
    const char* name;
    bool hand;
    bool wait;
    const wchar_t* cursor;
};

TEST_F(WindowProcedureTest, TheHandOrWaitCursorShowsOverAnElementThatAsksForIt) {
    const CursorCase cases[] = {
        {"hand", true, false, IDC_HAND},
        {"wait", false, true, IDC_WAIT},
        {"both: the hand wins", true, true, IDC_HAND},
        {"neither: the class cursor", false, false, IDC_ARROW},
    };
    int x = 10;
    for (const CursorCase& c : cases) {
        SCOPED_TRACE(c.name);
        form_->SetHandCursor(c.hand);
        form_->SetWaitCursor(c.wait);
        Backend().MouseMove(form_->Handle(), x += 10, 20);
        Backend().PumpUntilIdle();
        EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, c.cursor));
    }
}

TEST_F(WindowProcedureTest, AHotKeyReachesTheFormInFrontAndLeavesWithItsActivation) {
    static std::vector<UINT> pressed;
    pressed.clear();
    auto handler = [](Form&, UINT modifiers, UINT key) {
        pressed.push_back(modifiers);
        pressed.push_back(key);
    };
    Form keyed(kProgram);
    keyed.hotKeys.push_back({MOD_CONTROL, 'K', handler});
    keyed.Create();  // activated in the foreground: its hot keys are registered
    auto pressControlK = [this] {
        Backend().KeyDown(VK_CONTROL);
        Backend().PressKey('K');
        Backend().KeyUp(VK_CONTROL);
        Backend().PumpUntilIdle();
    };
    pressControlK();
    EXPECT_EQ(pressed, (std::vector<UINT>{MOD_CONTROL, 'K'}));

    pressed.clear();
    SetForegroundWindow(form_->Handle());
    pressControlK();
    EXPECT_TRUE(pressed.empty()) << "given up when another form came to the front";
    EXPECT_EQ(ActiveForm(), form_.get());
}

class MessageLoopTest : public ElementTest {};

TEST_F(MessageLoopTest, OnlyTheDestructionOfTheFirstFormEndsTheLoop) {
    auto main = MakeForm();
    auto second = MakeForm(300, 300);
    bool secondGone = false, mainGone = false;
    Backend().At(100, [&] {
        DestroyWindow(second->Handle());
        secondGone = true;
    });
    Backend().At(200, [&] {
        EXPECT_TRUE(IsWindow(main->Handle())) << "the loop went on after the second form went";
        DestroyWindow(main->Handle());
        mainGone = true;
    });

    EXPECT_EQ(RunMessageLoop(main.get()), 0);
    EXPECT_TRUE(secondGone && mainGone);
    EXPECT_FALSE(Backend().Starved()) << "ended by the quit message, not by running out of things to do";
}

}  // namespace
