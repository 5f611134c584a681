// The name form shown at game over, driven by typed keys, clicks and its close box: what the
// field accepts, how a name is confirmed, what closing without one keeps, and how the window
// and its controls are laid out.
#include <memory>
#include <string>
#include <utility>

#include "toolkit/elements/ElementTest.h"
#include "toolkit/elements/TextBox.h"
#include "toolkit/scores/FormNamePlayer.h"

namespace {

using namespace OrloUtility;

enum class Confirmation { EnterInField, EnterInForm, OkButton };

class FormNamePlayerTest : public ElementTest {
protected:
    void SetUp() override {
        ElementTest::SetUp();
        main_ = MakeForm();
    }
    void TearDown() override {
        form_.reset();
        main_.reset();
        ElementTest::TearDown();
    }

    // As the game opens it at game over, over its main form.
    void Open() {
        closings = 0;
        form_ = std::make_unique<FormNamePlayer>(kProgram, "Classifica");
        form_->owner = main_.get();
        form_->destroyCallback = [](GUIElement&) { ++closings; };
        form_->SetPrompt("Inserisci il tuo nome:");
        Backend().PumpUntilIdle();
    }

    // Keys pressed without Shift, so letters arrive in lower case.
    void PressKeys(const std::string& keys) {
        for (char key : keys) Backend().PressKey(static_cast<UINT>(key));
        Backend().PumpUntilIdle();
    }

    void TypeText(const std::wstring& text) {
        Backend().TypeText(text);
        Backend().PumpUntilIdle();
    }

    void Confirm(Confirmation way) {
        if (way == Confirmation::OkButton) {
            Backend().Click(form_->okButton->Handle(), 10, 10);
        } else {
            SetFocus(way == Confirmation::EnterInField ? form_->textBox->Handle() : form_->Handle());
            Backend().PressKey(VK_RETURN);
        }
        Backend().PumpUntilIdle();
    }

    std::wstring FieldShows() const {
        wchar_t shown[32] = {};
        GetWindowTextW(form_->textBox->Handle(), shown, 32);
        return shown;
    }

    bool IsOpen() const { return IsWindow(form_->Handle()) != FALSE; }

    static inline int closings = 0;
    std::unique_ptr<Form> main_;
    std::unique_ptr<FormNamePlayer> form_;
};

struct AcceptedCase {
    const char* name;
    const char* keys;
    Confirmation way;
    const wchar_t* shown;
    const char* stored;
};

TEST_F(FormNamePlayerTest, AConfirmedNameIsStoredAsShownAndClosesTheFormOnce) {
    const AcceptedCase cases[] = {
        {"letters, Enter in the field", "MARIO", Confirmation::EnterInField, L"MARIO", "MARIO"},
        {"spaces only, OK button", "   ", Confirmation::OkButton, L"   ", "   "},
        {"letters and digits, Enter in the form", "R2D2", Confirmation::EnterInForm, L"R2D2", "R2D2"},
    };
    for (const AcceptedCase& c : cases) {
        SCOPED_TRACE(c.name);
        PlayerName().clear();
        Open();
        PressKeys(c.keys);
        EXPECT_EQ(FieldShows(), c.shown);
        EXPECT_EQ(PlayerName(), "") << "nothing is stored before the name is confirmed";

        Confirm(c.way);
        EXPECT_EQ(PlayerName(), c.stored);
        EXPECT_FALSE(IsOpen());
        EXPECT_EQ(closings, 1);
        EXPECT_FALSE(form_->IsCreated());
        EXPECT_TRUE(form_->IsDestroyed());
    }
}

struct RefusedCase {
    const char* name;
    const wchar_t* typed;
    const wchar_t* shown;
    const char* stored;
};

TEST_F(FormNamePlayerTest, TheFieldRefusesAnEleventhCharacterAndAnyThatNeedsMoreThanOneByte) {
    const RefusedCase cases[] = {
        {"an eleventh character", L"abcdefghijk", L"ABCDEFGHIJ", "ABCDEFGHIJ"},
        {"Cyrillic and Greek letters", L"\u0416a\u03B1b\u0436", L"AB", "AB"},
        {"y with diaeresis, whose capital is U+0178", L"\u00FFy", L"Y", "Y"},
        {"other Latin-1 letters and signs", L"\u00E8\u00F1 1!", L"\u00C8\u00D1 1!", "\xC8\xD1 1!"},
    };
    Open();
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.name);
        form_->textBox->SetText(std::wstring());
        TypeText(c.typed);
        EXPECT_EQ(FieldShows(), c.shown);
        EXPECT_EQ(form_->textBox->GetNarrowText(), c.stored);
    }
}

TEST_F(FormNamePlayerTest, AKeyHeldSinceBeforeTheFormOpenedTypesNothingUntilReleased) {
    Backend().KeyDown(VK_SPACE);  // the fire key, held through the last hit
    Backend().PumpUntilIdle();
    Open();
    for (int repeat = 0; repeat < 12; ++repeat) Backend().KeyDown(VK_SPACE);  // the key's auto-repeat
    PressKeys("A");
    EXPECT_EQ(FieldShows(), L"A") << "the held key typed nothing; a fresh key types as usual";
    Backend().KeyUp(VK_SPACE);
    PressKeys(" B");
    EXPECT_EQ(FieldShows(), L"A B") << "once released, the key types again";
}

TEST_F(FormNamePlayerTest, AnEmptyNameIsNotAcceptedAndEnterIsSwallowed) {
    const std::pair<const char*, Confirmation> ways[] = {{"Enter in the field", Confirmation::EnterInField},
                                                         {"Enter in the form", Confirmation::EnterInForm},
                                                         {"OK button", Confirmation::OkButton}};
    Open();
    for (const auto& [name, way] : ways) {
        SCOPED_TRACE(name);
        Confirm(way);
        EXPECT_TRUE(IsOpen());
        EXPECT_TRUE(form_->IsCreated());
        EXPECT_EQ(closings, 0);
        EXPECT_EQ(PlayerName(), "");
    }
    // 1 is the toolkit's answer for a swallowed character; the field's and the form's own
    // procedures answer 0.
    EXPECT_EQ(SendMessageW(form_->textBox->Handle(), WM_CHAR, VK_RETURN, 0), 1);
    EXPECT_EQ(SendMessageW(form_->Handle(), WM_CHAR, VK_RETURN, 0), 1);
    EXPECT_TRUE(IsOpen());
}

TEST_F(FormNamePlayerTest, TheCloseBoxClosesTheFormAndKeepsThePreviousName) {
    Open();
    PressKeys("LUIGI");
    Backend().PressCloseButton(form_->Handle());
    Backend().PumpUntilIdle();
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(closings, 1);
    EXPECT_EQ(PlayerName(), "") << "the first game of the run";

    Open();
    PressKeys("MARIO");
    Confirm(Confirmation::EnterInField);
    Open();
    PressKeys("LUIGI");
    Backend().PressCloseButton(form_->Handle());
    Backend().PumpUntilIdle();
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(closings, 1);
    EXPECT_EQ(PlayerName(), "MARIO") << "a later game";
}

TEST_F(FormNamePlayerTest, OpensActiveAsAFixedSizeTopmostToolWindowWithTheFocusInTheField) {
    Open();
    const DWORD style = static_cast<DWORD>(GetWindowLongW(form_->Handle(), GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongW(form_->Handle(), GWL_EXSTYLE));
    EXPECT_EQ(style & (WS_VISIBLE | WS_CAPTION | WS_SYSMENU), static_cast<DWORD>(WS_VISIBLE | WS_CAPTION | WS_SYSMENU));
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0u);
    EXPECT_EQ(exStyle & ~static_cast<DWORD>(WS_EX_WINDOWEDGE),
              static_cast<DWORD>(WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME | WS_EX_TOPMOST));

    RECT outer{};
    GetWindowRect(form_->Handle(), &outer);
    EXPECT_EQ(outer.left, 100);
    EXPECT_EQ(outer.top, 100);
    EXPECT_EQ(outer.right - outer.left, 250);
    EXPECT_EQ(outer.bottom - outer.top, 150);
    EXPECT_EQ(form_->GetNarrowText(), "Classifica");
    EXPECT_EQ(GetActiveWindow(), form_->Handle());
    EXPECT_EQ(GetFocus(), form_->textBox->Handle());
}

struct PlacedCase {
    const char* name;
    GUIElement* control;
    RECT rect;  // in the form's client area
    const char* text;
};

TEST_F(FormNamePlayerTest, TheControlsSitWhereTheLayoutPutsThem) {
    Open();
    const PlacedCase cases[] = {
        {"label", form_->label.get(), {5, 5, 245, 30}, "Inserisci il tuo nome:"},
        {"field", form_->textBox.get(), {5, 35, 120, 60}, ""},
        {"OK button", form_->okButton.get(), {130, 35, 210, 60}, "OK"},
    };
    for (const PlacedCase& c : cases) {
        SCOPED_TRACE(c.name);
        RECT onScreen{};
        GetWindowRect(c.control->Handle(), &onScreen);
        POINT topLeft{onScreen.left, onScreen.top}, bottomRight{onScreen.right, onScreen.bottom};
        ScreenToClient(form_->Handle(), &topLeft);
        ScreenToClient(form_->Handle(), &bottomRight);
        EXPECT_EQ(topLeft.x, c.rect.left);
        EXPECT_EQ(topLeft.y, c.rect.top);
        EXPECT_EQ(bottomRight.x, c.rect.right);
        EXPECT_EQ(bottomRight.y, c.rect.bottom);
        EXPECT_EQ(GetParent(c.control->Handle()), form_->Handle());
        EXPECT_EQ(c.control->GetNarrowText(), c.text);
    }
    EXPECT_EQ(SendMessageW(form_->textBox->Handle(), EM_GETLIMITTEXT, 0, 0), 10);
    EXPECT_TRUE(GetWindowLongW(form_->textBox->Handle(), GWL_STYLE) & ES_UPPERCASE);
}

TEST_F(FormNamePlayerTest, TheCharacterRouteLeavesElementsOfOtherFormsAlone) {
    Open();
    TextBox elsewhere(main_.get(), "");
    for (GUIElement* element : {static_cast<GUIElement*>(main_.get()), static_cast<GUIElement*>(&elsewhere)}) {
        SCOPED_TRACE(element->TypeName());
        EXPECT_TRUE(RouteChar(*element, VK_RETURN));
        EXPECT_TRUE(RouteChar(*element, L'\u0416'));
    }
    EXPECT_TRUE(IsOpen());
}

}  // namespace
