// Forms and the element model: class names and ids, titles, the style rules, closing, the
// 800 by 600 fit, icons, and the registry lookups that map windows back to elements.
#include <cstdint>
#include <string>
#include <vector>

#include "ElementTest.h"
#include "toolkit/elements/Button.h"
#include "toolkit/elements/Label.h"
#include "toolkit/elements/Menu.h"
#include "toolkit/elements/MenuBar.h"
#include "toolkit/elements/SubMenu.h"
#include "toolkit/elements/TextBox.h"
#include "toolkit/elements/Timer.h"

namespace platform {
// How the platform lets a program carry an icon resource, as a resource compiler would
// (core/user/Cursors.h, which needs the platform's own include paths).
HICON RegisterIconResource(int id, int size, std::vector<std::uint32_t> pixels);
}  // namespace platform

namespace {

using namespace OrloUtility;

std::wstring ClassNameOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TitleOf(HWND window) {
    wchar_t title[64] = {};
    GetWindowTextW(window, title, 64);
    return title;
}

using FormTest = ElementTest;

TEST_F(FormTest, AFreshToolkitNamesTheFirstFormWindow0AndGivesTheNextControlId2) {
    Form form(kProgram);
    EXPECT_EQ(form.Id(), 0u) << "no id before its window";
    EXPECT_EQ(form.TypeName(), "form");
    form.Create();
    Button button(&form, "OK");
    button.Create();

    EXPECT_EQ(ClassNameOf(form.Handle()), L"Window0");
    EXPECT_EQ(std::wstring(form.WindowClass().lpszClassName), L"Window0");
    EXPECT_EQ(form.Id(), 1u);
    EXPECT_EQ(button.Id(), 2u);
    EXPECT_EQ(GetDlgCtrlID(button.Handle()), 2) << "the id is the control id";
    EXPECT_EQ(MainWindow(), form.Handle());
}

struct DefaultsCase {
    GUIElement* element;
    const char* type;
    int width, height;
    const wchar_t* text;
};

TEST_F(FormTest, EveryKindStartsWithItsDefaults) {
    Form form(kProgram);
    Button button(&form, "OK");
    Label label(&form, "Nome");
    TextBox box(&form, "");
    Timer timer(&form);
    MenuBar bar(&form);
    Menu file(&bar, "&File");
    SubMenu exit(&file, "&Esci");
    const DefaultsCase cases[] = {
        {&form, "form", 100, 50, L""},       {&button, "button", 80, 30, L"OK"}, {&label, "label", 80, 30, L"Nome"},
        {&box, "textbox", 80, 30, L""},      {&timer, "timer", 50, 22, L"timer"}, {&bar, "menubar", 100, 50, L""},
        {&file, "menu", 100, 50, L"&File"}, {&exit, "submenu", 100, 50, L"&Esci"},
    };
    for (const DefaultsCase& c : cases) {
        SCOPED_TRACE(c.type);
        GUIElement& e = *c.element;
        EXPECT_TRUE(e.IsType(c.type));
        EXPECT_EQ(e.width, c.width);
        EXPECT_EQ(e.height, c.height);
        EXPECT_EQ(e.GetPosition().x, 100);
        EXPECT_EQ(e.GetPosition().y, 100);
        EXPECT_EQ(e.GetText(), c.text);
        EXPECT_EQ(e.BackColor(), GUIElement::kButtonFace);
        EXPECT_TRUE(e.enabled);
        EXPECT_EQ(e.font, nullptr);
        EXPECT_FALSE(e.IsCreated());
        EXPECT_EQ(e.Handle(), nullptr);
    }
    EXPECT_EQ(box.maxLength, TextBox::kNoLimit);
    EXPECT_TRUE(box.bordered);
    EXPECT_EQ(timer.interval, 20u);
    EXPECT_TRUE(form.topmostWhenTool && form.minimizeBox && form.sizable && form.framed);
    EXPECT_FALSE(form.toolWindow || form.modalFrame);
    EXPECT_EQ(form.IconResourceId(), 0);
}

TEST_F(FormTest, ControlsTakeConsecutiveIdsAndMenuItemsTakeTheirsWhenConstructed) {
    auto form = MakeForm();
    Label label(form.get(), "Nome");
    TextBox box(form.get(), "");
    MenuBar bar(form.get());
    Menu file(&bar, "&File");
    label.Create();
    SubMenu exit(&file, "&Esci");  // between two controls' creation
    box.Create();
    auto second = std::make_unique<Form>(kProgram);
    second->Create();

    EXPECT_EQ(box.Id(), label.Id() + 2);
    EXPECT_EQ(exit.Id(), label.Id() + 1);
    EXPECT_EQ(bar.Id(), 0u) << "bars and menus take no id";
    EXPECT_EQ(second->Id(), box.Id() + 1);
    EXPECT_EQ(ClassNameOf(second->Handle()), L"Window" + std::to_wstring(box.Id()));
    EXPECT_EQ(MainWindow(), form->Handle()) << "the first form stays the main window";
}

TEST_F(FormTest, TextSetBeforeCreateIsTheTitleAfterItAndLaterTextWritesThrough) {
    Form form(kProgram);
    form.SetText(std::string("Velocit\xE0"));
    form.Create();
    EXPECT_EQ(TitleOf(form.Handle()), L"Velocit\u00E0");

    form.SetText(std::wstring(L"Classifica"));
    EXPECT_EQ(TitleOf(form.Handle()), L"Classifica");
    SetWindowTextW(form.Handle(), L"Altro");
    EXPECT_EQ(form.GetNarrowText(), "Altro") << "read back from the window";
}

struct StyleCase {
    const char* name;
    void (*configure)(Form& form);
    DWORD style;
    DWORD exStyle;
};

// The platform adds WS_CLIPSIBLINGS to every top-level window and a window edge to framed ones.
constexpr DWORD kPlatformStyle = WS_CLIPSIBLINGS;
constexpr DWORD kPlatformExStyle = WS_EX_WINDOWEDGE;
constexpr DWORD kFramed = WS_VISIBLE | WS_CAPTION | WS_SYSMENU;

const StyleCase kStyleCases[] = {
    {"framed", [](Form&) {}, kFramed | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME, 0},
    {"no minimize box", [](Form& f) { f.minimizeBox = false; }, kFramed | WS_MAXIMIZEBOX | WS_THICKFRAME, 0},
    {"not sizable", [](Form& f) { f.sizable = false; }, kFramed | WS_MINIMIZEBOX, 0},
    {"disabled", [](Form& f) { f.enabled = false; },
     kFramed | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME | WS_DISABLED, 0},
    {"unframed", [](Form& f) { f.framed = false; }, WS_POPUP | WS_VISIBLE, 0},
    {"tool window", [](Form& f) { f.toolWindow = true; }, kFramed | WS_MAXIMIZEBOX,
     WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME | WS_EX_TOPMOST},
    {"name form: tool window, fixed size, no minimize box",
     [](Form& f) {
         f.toolWindow = true;
         f.sizable = false;
         f.minimizeBox = false;
     },
     kFramed, WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME | WS_EX_TOPMOST},
    {"tool window with modal frame, not topmost",
     [](Form& f) {
         f.toolWindow = true;
         f.modalFrame = true;
         f.topmostWhenTool = false;
     },
     kFramed | WS_MAXIMIZEBOX | 0x80, WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME},
};

TEST_F(FormTest, WindowStylesFollowTheFlags) {
    for (const StyleCase& c : kStyleCases) {
        SCOPED_TRACE(c.name);
        Form form(kProgram);
        c.configure(form);
        form.Create();
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(form.Handle(), GWL_STYLE)) & ~kPlatformStyle, c.style);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(form.Handle(), GWL_EXSTYLE)) & ~kPlatformExStyle, c.exStyle);
        DestroyWindow(form.Handle());
    }
}

TEST_F(FormTest, TheDialogVariantIsAToolWindow) {
    Form dialog(kProgram, Form::DialogVariant{});
    EXPECT_TRUE(dialog.toolWindow);
    EXPECT_EQ(dialog.TypeName(), "form");
}

struct CloseCase {
    const char* name;
    GUIElement::QueryCallback query;
    bool staysOpen;
};

TEST_F(FormTest, TheCloseQueryDecidesWhetherTheCloseButtonClosesTheForm) {
    static int destroyed;
    const CloseCase cases[] = {
        {"refused", [](GUIElement&) { return false; }, true},
        {"allowed", [](GUIElement&) { return true; }, false},
        {"no query", nullptr, false},
    };
    for (const CloseCase& c : cases) {
        SCOPED_TRACE(c.name);
        destroyed = 0;
        auto form = MakeForm();
        form->closeQueryCallback = c.query;
        form->destroyCallback = [](GUIElement&) { ++destroyed; };
        Backend().PressCloseButton(form->Handle());
        Backend().PumpUntilIdle();
        EXPECT_EQ(IsWindow(form->Handle()) != FALSE, c.staysOpen);
        EXPECT_EQ(form->IsDestroyed(), !c.staysOpen);
        EXPECT_EQ(destroyed, c.staysOpen ? 0 : 1);
        if (c.staysOpen) DestroyWindow(form->Handle());
    }
}

TEST_F(FormTest, FitClientAreaMakesTheClientAreaEightHundredBySixHundred) {
    for (bool withBar : {false, true}) {
        SCOPED_TRACE(withBar ? "with a menu bar" : "without a menu bar");
        auto form = MakeForm(200, 150, 300, 200);
        MenuBar bar(form.get());
        Menu file(&bar, "&File");
        SubMenu exit(&file, "&Esci");
        if (withBar) bar.Create();
        RECT frame{0, 0, 0, 0};
        AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(form->Handle(), GWL_STYLE)), withBar,
                           static_cast<DWORD>(GetWindowLongW(form->Handle(), GWL_EXSTYLE)));
        const int sides = frame.right - frame.left;
        const int borders = frame.bottom - frame.top;

        form->FitClientArea();

        RECT outer{}, client{};
        GetWindowRect(form->Handle(), &outer);
        GetClientRect(form->Handle(), &client);
        EXPECT_EQ(client.right, 800);
        EXPECT_EQ(client.bottom, 600);
        EXPECT_EQ(outer.right - outer.left, 800 + sides);
        EXPECT_EQ(outer.bottom - outer.top, 600 + borders);
        EXPECT_EQ(outer.left, 200 - sides) << "moved left by both side borders";
        EXPECT_EQ(outer.top, 150 - 2 * borders) << "moved up by twice the vertical borders";
        DestroyWindow(form->Handle());
    }
}

TEST_F(FormTest, TheCreateCallbackRunsOnceWhileTheWindowIsBeingMade) {
    struct Seen {
        HWND window;
        bool created;
        bool mainWindowRecorded;
    };
    static std::vector<Seen> seen;
    static std::unique_ptr<Label> prompt;
    seen.clear();
    Form form(kProgram);
    // As the name form does: its controls are built while its window is being made.
    form.createCallback = [](GUIElement& element, HWND window) {
        seen.push_back({window, element.IsCreated(), MainWindow() != nullptr});
        prompt = std::make_unique<Label>(&element, "Inserisci il tuo nome:");
        prompt->Create();
    };
    form.Create();

    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].window, form.Handle());
    EXPECT_FALSE(seen[0].mainWindowRecorded) << "runs inside CreateWindowExW, through WM_CREATE";
    EXPECT_FALSE(seen[0].created);
    EXPECT_EQ(GetParent(prompt->Handle()), form.Handle()) << "the form's window was known inside the callback";
    prompt.reset();
}

TEST_F(FormTest, LookupsMapHandlesAndIdsBackToElements) {
    auto form = MakeForm();
    Button button(form.get(), "OK");
    button.Create();
    MenuBar bar(form.get());
    Menu options(&bar, "&Opzioni");
    SubMenu joystick(&options, "&Abilita Joystick");
    HWND stranger = CreateWindowExW(0, RegisterLoggingClass(), L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    nullptr, nullptr);
    bar.Create();  // the item, registered last, is made: no element is being created

    EXPECT_EQ(FindByHandle(form->Handle()), form.get());
    EXPECT_EQ(FindByHandle(button.Handle()), &button);
    EXPECT_EQ(FindByHandle(stranger), nullptr);
    EXPECT_EQ(FindById(button.Id()), &button);
    EXPECT_EQ(FindById(joystick.Id()), &joystick);
    EXPECT_EQ(FindMenuItemById(joystick.Id()), &joystick);
    EXPECT_EQ(FindMenuItemById(button.Id()), nullptr) << "a button is no menu item";
}

TEST_F(FormTest, SetIconShowsTheProgramsIconOnALiveWindow) {
    constexpr int kIconId = 1005;
    HICON programIcon = platform::RegisterIconResource(kIconId, 1, {0xFF00FF00});
    Form form(kProgram);
    form.SetIcon(kIconId);
    EXPECT_EQ(form.WindowIcon(), nullptr) << "no window yet: only the id is kept";
    form.Create();
    EXPECT_EQ(form.WindowClass().hIcon, programIcon);
    form.SetIcon(kIconId);
    EXPECT_EQ(form.WindowIcon(), programIcon);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(form.Handle(), WM_GETICON, ICON_SMALL, 0)), programIcon);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(form.Handle(), WM_GETICON, ICON_BIG, 0)), programIcon)
        << "the taskbar's icon too";

    form.SetIcon(kIconId + 1);  // a resource the program does not have
    EXPECT_EQ(form.WindowIcon(), programIcon);
    EXPECT_EQ(form.IconResourceId(), kIconId + 1);
}

}  // namespace
