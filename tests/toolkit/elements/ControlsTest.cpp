// The controls inside a form: a button's command, the label's and text box's style rules, a
// text box's limit, letter case and character filter, and timers ticking through the form's
// message queue.
#include <string>
#include <vector>

#include "ElementTest.h"
#include "toolkit/elements/Button.h"
#include "toolkit/elements/Label.h"
#include "toolkit/elements/TextBox.h"
#include "toolkit/elements/Timer.h"

namespace {

using namespace OrloUtility;

DWORD StyleOf(const GUIElement& element) { return static_cast<DWORD>(GetWindowLongW(element.Handle(), GWL_STYLE)); }
// Without the window edge the platform adds to any window with a border.
DWORD ExStyleOf(const GUIElement& element) {
    return static_cast<DWORD>(GetWindowLongW(element.Handle(), GWL_EXSTYLE)) & ~static_cast<DWORD>(WS_EX_WINDOWEDGE);
}

class ControlsTest : public ElementTest {
protected:
    void SetUp() override {
        ElementTest::SetUp();
        form_ = MakeForm();
    }
    void TearDown() override {
        form_.reset();
        ElementTest::TearDown();
    }

    void Type(const std::string& keys) {
        for (char key : keys) Backend().PressKey(static_cast<UINT>(key));
        Backend().PumpUntilIdle();
    }

    std::unique_ptr<Form> form_;
};

TEST_F(ControlsTest, ClickingAButtonRunsItsCommandWithTheButton) {
    static std::vector<GUIElement*> commanded;
    commanded.clear();
    Button button(form_.get(), "OK");
    button.x = 10;
    button.y = 10;
    button.commandCallback = [](GUIElement& element) { commanded.push_back(&element); };
    button.Create();
    EXPECT_EQ(button.TypeName(), "button");
    EXPECT_EQ(button.GetNarrowText(), "OK");

    Backend().Click(form_->Handle(), 20, 20);
    Backend().PumpUntilIdle();
    EXPECT_EQ(commanded, std::vector<GUIElement*>{&button});
}

struct LabelCase {
    const char* name;
    bool bordered, rightAligned, centred, enabled;
    DWORD style;
    DWORD exStyle;
};

TEST_F(ControlsTest, LabelStylesFollowTheFlags) {
    constexpr DWORD kBase = WS_CHILD | WS_VISIBLE | SS_NOTIFY;
    const LabelCase cases[] = {
        {"plain", false, false, false, true, kBase, 0},
        {"bordered", true, false, false, true, kBase | WS_BORDER, WS_EX_CLIENTEDGE},
        {"right-aligned wins over centred", false, true, true, true, kBase | SS_RIGHT, 0},
        {"centred, disabled", false, false, true, false, kBase | SS_CENTER | WS_DISABLED, 0},
    };
    for (const LabelCase& c : cases) {
        SCOPED_TRACE(c.name);
        Label label(form_.get(), "Nome");
        label.bordered = c.bordered;
        label.rightAligned = c.rightAligned;
        label.centred = c.centred;
        label.enabled = c.enabled;
        label.Create();
        EXPECT_EQ(StyleOf(label), c.style);
        EXPECT_EQ(ExStyleOf(label), c.exStyle);
        DestroyWindow(label.Handle());
    }
}

struct TextBoxCase {
    const char* name;
    void (*configure)(TextBox& box);
    DWORD style;
};

TEST_F(ControlsTest, TextBoxStylesFollowTheRule) {
    constexpr DWORD kBase = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER;
    constexpr DWORD kMultiLine = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    const TextBoxCase cases[] = {
        {"default", [](TextBox&) {}, kBase | ES_AUTOHSCROLL},
        {"upper case wins over lower case",
         [](TextBox& b) {
             b.upperCase = true;
             b.lowerCase = true;
         },
         kBase | ES_AUTOHSCROLL | ES_UPPERCASE},
        {"right-aligned wins over centred",
         [](TextBox& b) {
             b.rightAligned = true;
             b.centred = true;
         },
         kBase | ES_AUTOHSCROLL | ES_RIGHT},
        {"multi-line with scroll bars",
         [](TextBox& b) {
             b.multiLine = b.horizontalScrollBar = b.verticalScrollBar = true;
         },
         kBase | kMultiLine | ES_AUTOHSCROLL | WS_HSCROLL | WS_VSCROLL},
        {"multi-line wrapping words", [](TextBox& b) { b.multiLine = b.wordWrap = true; }, kBase | kMultiLine},
        {"digits only, read-only, password, unbordered, disabled",
         [](TextBox& b) {
             b.digitsOnly = b.readOnly = b.password = true;
             b.bordered = b.enabled = false;
         },
         WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_DISABLED | ES_AUTOHSCROLL | ES_NUMBER | ES_READONLY},
    };
    for (const TextBoxCase& c : cases) {
        SCOPED_TRACE(c.name);
        TextBox box(form_.get(), "");
        c.configure(box);
        box.Create();
        EXPECT_EQ(StyleOf(box), c.style);
        EXPECT_EQ(ExStyleOf(box), box.bordered ? static_cast<DWORD>(WS_EX_CLIENTEDGE) : 0u);
        DestroyWindow(box.Handle());
    }
}

TEST_F(ControlsTest, ATextBoxLimitedToTenRefusesTheEleventhCharacterAndForcesUpperCase) {
    TextBox box(form_.get(), "");
    box.maxLength = 10;
    box.upperCase = true;
    box.lowerCase = true;
    box.Create();
    box.Focus();
    Type("ABCDEFGHIJK");  // typed without Shift: lower-case letters
    EXPECT_EQ(box.GetNarrowText(), "ABCDEFGHIJ");
}

TEST_F(ControlsTest, ACharacterCallbackThatRefusesACharacterKeepsItFromTheControl) {
    TextBox box(form_.get(), "");
    box.charCallback = [](GUIElement&, WCHAR character) { return character < L'0' || character > L'9'; };
    box.Create();
    box.Focus();
    Type("A1B2");
    EXPECT_EQ(box.GetNarrowText(), "ab");
}

TEST_F(ControlsTest, ApplyStyleBringsLaterFlagsToALiveTextBox) {
    TextBox box(form_.get(), "");
    box.Create();
    box.password = true;
    box.readOnly = true;
    box.upperCase = true;
    box.ApplyStyle();
    EXPECT_EQ(SendMessageW(box.Handle(), EM_GETPASSWORDCHAR, 0, 0), L'*');
    EXPECT_TRUE(StyleOf(box) & ES_READONLY);
    EXPECT_TRUE(StyleOf(box) & ES_UPPERCASE);
    box.password = false;
    box.ApplyStyle();
    EXPECT_EQ(SendMessageW(box.Handle(), EM_GETPASSWORDCHAR, 0, 0), 0);
}

TEST_F(ControlsTest, ATooltipShowsWhileThePointerRestsOnItsControl) {
    constexpr std::uint64_t kLongerThanTheTipsDelay = 1000;
    Button plain(form_.get(), "OK");
    plain.Create();
    EXPECT_EQ(plain.Tooltip(), nullptr) << "no text, no tooltip";

    Button tipped(form_.get(), "Gioca");
    tipped.tooltipText = "Nuova partita";
    tipped.x = tipped.y = 10;
    tipped.Create();
    ASSERT_NE(tipped.Tooltip(), nullptr);
    EXPECT_FALSE(IsWindowVisible(tipped.Tooltip()));
    Backend().MouseMove(form_->Handle(), 20, 20);
    Backend().RunFor(kLongerThanTheTipsDelay);
    EXPECT_TRUE(IsWindowVisible(tipped.Tooltip()));
    tipped.tooltipText = "Inizia";
    tipped.UpdateTooltip();
    EXPECT_TRUE(IsWindow(tipped.Tooltip()));

    // When the tooltip cannot be made, the element goes on without one.
    Button destroyed(form_.get(), "OK");
    destroyed.Create();
    HWND gone = destroyed.Handle();
    DestroyWindow(gone);
    Button late(form_.get(), "OK");
    late.tooltipText = "Troppo tardi";
    late.AttachTooltip(gone);
    EXPECT_EQ(late.Tooltip(), nullptr);
}

WNDPROC procedureBeneath = nullptr;
LRESULT CALLBACK PassingOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(procedureBeneath, window, message, wParam, lParam);
}

TEST_F(ControlsTest, AControlThatOutlivesItsElementStillWorks) {
    // Alone, and with another procedure put in front of the toolkit's after it was made (as an
    // up-down control does to its buddy), which keeps the toolkit's in the chain.
    for (bool subclassedAfter : {false, true}) {
        SCOPED_TRACE(subclassedAfter ? "subclassed after" : "alone");
        auto box = std::make_unique<TextBox>(form_.get(), "");
        box->Create();
        box->Focus();
        HWND window = box->Handle();
        if (subclassedAfter)
            procedureBeneath = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PassingOn)));
        box.reset();
        Type("AB");
        wchar_t text[8] = {};
        GetWindowTextW(window, text, 8);
        EXPECT_EQ(std::wstring(text), L"ab") << "typing reached the edit control's own procedure";
        SendMessageW(window, EM_LIMITTEXT, 5, 0);
        EXPECT_EQ(SendMessageW(window, EM_GETLIMITTEXT, 0, 0), 5);
        // Its destruction reaches it too: the sanitizer build sees nothing of it left behind.
        DestroyWindow(window);
    }
}

class TimerTest : public ControlsTest {
protected:
    static constexpr UINT kInterval = 20;
    static constexpr std::uint64_t kStretch = 100;
    static constexpr int kTicksPerStretch = kStretch / kInterval;

    void SetUp() override {
        ControlsTest::SetUp();
        ticks = 0;
        timer_ = std::make_unique<Timer>(form_.get());
        timer_->interval = kInterval;
        timer_->tickCallback = [](Timer&) { ++ticks; };
    }
    void TearDown() override {
        timer_.reset();
        ControlsTest::TearDown();
    }

    static inline int ticks = 0;
    std::unique_ptr<Timer> timer_;
};

TEST_F(TimerTest, TicksArriveThroughTheFormsMessagesAndASecondStartChangesNothing) {
    timer_->Start();
    // Started again half an interval later: a restarted timer would tick half an interval late.
    Backend().At(kInterval / 2, [this] { timer_->Start(); });
    Backend().RunFor(kStretch);
    EXPECT_EQ(ticks, kTicksPerStretch);
    EXPECT_EQ(GetParent(timer_->Handle()), form_->Handle());
    EXPECT_FALSE(IsWindowVisible(timer_->Handle()));
}

TEST_F(TimerTest, StoppingAStoppedTimerDoesNothing) {
    timer_->Stop();  // never started
    timer_->Start();
    Backend().RunFor(kStretch);
    timer_->Stop();
    timer_->Stop();
    Backend().RunFor(kStretch);
    EXPECT_EQ(ticks, kTicksPerStretch) << "no ticks while stopped";
    timer_->Start();
    Backend().RunFor(kStretch);
    EXPECT_EQ(ticks, 2 * kTicksPerStretch) << "starts again after two stops";
}

TEST_F(TimerTest, DestroyingARunningTimerStopsIt) {
    timer_->Start();
    timer_.reset();
    Backend().RunFor(kStretch);
    EXPECT_EQ(ticks, 0);
}

}  // namespace
