#include "toolkit/elements/WindowProcedure.h"

#include <cstdint>
#include <optional>

#include "toolkit/ToolkitState.h"
#include "toolkit/elements/Child.h"
#include "toolkit/elements/CommandRouting.h"
#include "toolkit/elements/ControlRouting.h"
#include "toolkit/elements/ElementRegistry.h"
#include "toolkit/elements/Form.h"
#include "toolkit/elements/OwnerDrawnButton.h"
#include "toolkit/elements/Panel.h"
#include "toolkit/elements/TabControl.h"
#include "toolkit/elements/Timer.h"

namespace OrloUtility {

namespace {

// The numbers of IDC_WAIT and IDC_HAND: on Windows those macros are narrow text unless the
// whole build is wide, and LoadCursorW needs wide resource names.
constexpr WORD kWaitCursor = 32514;
constexpr WORD kHandCursor = 32649;

WindowProcedureState& State() { return Toolkit().procedure; }

struct Message {
    HWND window;
    UINT id;
    WPARAM wParam;
    LPARAM lParam;
};

// Mouse positions are the signed halves of the second parameter.
int MouseX(LPARAM lParam) { return static_cast<short>(LOWORD(lParam)); }
int MouseY(LPARAM lParam) { return static_cast<short>(HIWORD(lParam)); }

void LoadCursorsOnce() {
    WindowProcedureState& state = State();
    if (state.cursorsLoaded) return;
    state.waitCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(kWaitCursor));
    state.handCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(kHandCursor));
    state.cursorsLoaded = true;
}

void OnDestroyMessage(GUIElement* element, HWND window) {
    if (auto* form = dynamic_cast<Form*>(element)) form->UnregisterHotKeys();
    if (element) element->OnDestroy();
    if (window == MainWindow()) PostQuitMessage(0);
}

void OnMouseLeaveMessage(GUIElement* element) {
    State().trackingMouse = false;
    if (element) element->OnMouseLeave();
}

void TickTimer(WPARAM timerId) {
    auto* timer = dynamic_cast<Timer*>(FindById(static_cast<std::uint32_t>(timerId)));
    if (timer && timer->tickCallback) timer->tickCallback(*timer);
}

// Hot keys belong to the form in front: the one activated in the foreground registers its
// list, the one it replaces gives its list up.
void OnActivate(GUIElement& element, HWND window) {
    auto* form = dynamic_cast<Form*>(&element);
    if (!form) return;
    if (GetForegroundWindow() != window) {
        form->UnregisterHotKeys();
        return;
    }
    if (Form* previous = State().activeForm) previous->UnregisterHotKeys();
    form->RegisterHotKeys();
    State().activeForm = form;
}

// The first move over an element asks for hover and leave notices; the leave notice ends the
// request, so the next move asks again.
void OnMouseMoveMessage(GUIElement& element, LPARAM lParam) {
    element.OnMouseMove(MouseX(lParam), MouseY(lParam));
    if (State().trackingMouse) return;
    TRACKMOUSEEVENT request{sizeof(TRACKMOUSEEVENT), TME_HOVER | TME_LEAVE, element.Handle(), HOVER_DEFAULT};
    State().trackingMouse = TrackMouseEvent(&request) != FALSE;
}

std::optional<LRESULT> OnSetCursor(const GUIElement& element, LPARAM lParam) {
    if (LOWORD(lParam) != HTCLIENT) return std::nullopt;
    if (element.GetHandCursor()) {
        SetCursor(State().handCursor);
        return TRUE;
    }
    if (element.GetWaitCursor()) {
        SetCursor(State().waitCursor);
        return TRUE;
    }
    return std::nullopt;
}

// The form an element is in, through any panels between: the element itself for a form.
HWND FormWindowOf(GUIElement& element, HWND window) {
    GUIElement* at = &element;
    while (dynamic_cast<Child*>(at) && at->parent) at = at->parent;
    return at == &element ? window : at->Handle();
}

// Tab moves the focus to the next tab stop among the controls of the element's form, those in
// its panels included (Shift+Tab to the previous one).
void FocusNextTabStop(GUIElement& element, HWND window) {
    HWND root = FormWindowOf(element, window);
    const bool backwards = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    HWND next = GetNextDlgTabItem(root, window, backwards);
    if (!next) return;
    if (GUIElement* target = FindByHandle(next)) target->Focus();
}

// Ctrl+Tab on a tab control's page, or on its tabs, turns the page, as in any tabbed dialog;
// elsewhere it is a Tab like any other.
bool TurnPage(GUIElement& element) {
    if (!(GetKeyState(VK_CONTROL) & 0x8000)) return false;
    TabControl* tabs = EnclosingTabControl(&element);
    if (!tabs) return false;
    tabs->SelectNext((GetKeyState(VK_SHIFT) & 0x8000) != 0);
    return true;
}

void OnKeyDownMessage(GUIElement& element, HWND window, UINT key) {
    if (key == VK_TAB && !TurnPage(element)) FocusNextTabStop(element, window);
    element.OnKeyDown(key);
}

std::optional<LRESULT> ControlColour(GUIElement& element, WPARAM controlContext) {
    HBRUSH brush = element.OnControlColor(reinterpret_cast<HDC>(controlContext));
    if (!brush) return std::nullopt;
    return reinterpret_cast<LRESULT>(brush);
}

void OnMouseButton(GUIElement& element, UINT message, LPARAM lParam) {
    const int mouseX = MouseX(lParam), mouseY = MouseY(lParam);
    switch (message) {
    case WM_LBUTTONDOWN: element.OnLeftButtonDown(mouseX, mouseY); break;
    case WM_LBUTTONUP: element.OnLeftButtonUp(mouseX, mouseY); break;
    case WM_LBUTTONDBLCLK: element.OnLeftDoubleClick(mouseX, mouseY); break;
    case WM_RBUTTONDOWN: element.OnRightButtonDown(mouseX, mouseY); break;
    case WM_RBUTTONUP: element.OnRightButtonUp(mouseX, mouseY); break;
    case WM_RBUTTONDBLCLK: element.OnRightDoubleClick(mouseX, mouseY); break;
    default: break;
    }
}

// The messages that reach the window's element. A value is the result of a consumed message.
std::optional<LRESULT> RouteToElement(GUIElement& element, const Message& m) {
    switch (m.id) {
    case WM_CREATE:
        if (dynamic_cast<Form*>(&element)) element.OnCreate(m.window);
        break;
    case WM_MOVE: element.OnMove(); break;
    case WM_ACTIVATE: OnActivate(element, m.window); break;
    case WM_SETFOCUS: element.OnFocusGained(); break;
    case WM_KILLFOCUS: element.OnFocusLost(); break;
    case WM_PAINT: element.OnPaint(); break;
    case WM_MOUSEMOVE: OnMouseMoveMessage(element, m.lParam); break;
    case WM_MOUSEHOVER: element.OnMouseHover(); break;
    case WM_CLOSE:
        if (!element.OnCloseQuery()) return 1;
        break;
    case WM_SHOWWINDOW:
        element.OnShow();
        element.OnSize();
        break;
    case WM_SIZE: element.OnSize(); break;
    case WM_SETCURSOR: return OnSetCursor(element, m.lParam);
    case WM_DRAWITEM:
        if (PaintOwnerDrawnButton(m.wParam, *reinterpret_cast<const DRAWITEMSTRUCT*>(m.lParam))) return TRUE;
        break;
    case WM_KEYDOWN: OnKeyDownMessage(element, m.window, static_cast<UINT>(m.wParam)); break;
    case WM_KEYUP: element.OnKeyUp(static_cast<UINT>(m.wParam)); break;
    case WM_CHAR:
        if (!element.OnChar(static_cast<WCHAR>(m.wParam))) return 1;
        break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC: return ControlColour(element, m.wParam);
    case WM_HOTKEY:
        if (auto* form = dynamic_cast<Form*>(&element)) RouteHotKey(*form, m.window, m.wParam);
        break;
    default: OnMouseButton(element, m.id, m.lParam); break;
    }
    return std::nullopt;
}

// A panel's controls report to the panel, which passes the reports on to its form.
std::optional<LRESULT> PassedOnByPanel(GUIElement* element, const Message& m) {
    auto* panel = dynamic_cast<Panel*>(element);
    return panel ? panel->PassOn(m.id, m.wParam, m.lParam) : std::nullopt;
}

// Destruction, leave notices, timers and commands are handled even for a window no element owns.
std::optional<LRESULT> Route(GUIElement* element, const Message& m) {
    if (std::optional<LRESULT> passed = PassedOnByPanel(element, m)) return passed;
    switch (m.id) {
    case WM_DESTROY: OnDestroyMessage(element, m.window); return std::nullopt;
    case WM_MOUSELEAVE: OnMouseLeaveMessage(element); return std::nullopt;
    case WM_TIMER: TickTimer(m.wParam); return std::nullopt;
    // A report an element heard goes no further: a control holding pages (a tab control) would
    // take its page's slider for its own scroll arrows. Reports of the window's own scroll bars
    // (no control named) and of controls no element owns go on to the window's own procedure.
    case WM_COMMAND: return RouteCommand(m.wParam, m.lParam) ? std::optional<LRESULT>(0) : std::nullopt;
    case WM_NOTIFY: return RouteControlNotify(reinterpret_cast<NMHDR*>(m.lParam));
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (m.lParam && RouteControlScroll(reinterpret_cast<HWND>(m.lParam), LOWORD(m.wParam), HIWORD(m.wParam)))
            return 0;
        return std::nullopt;
    default: return element ? RouteToElement(*element, m) : std::nullopt;
    }
}

// The procedure of a control whose element is gone, kept for it; null for any other window.
WNDPROC OrphanProcedure(HWND window) {
    for (const auto& [orphan, procedure] : State().orphans)
        if (orphan == window) return procedure;
    return nullptr;
}

void ForgetOrphan(HWND window) {
    std::erase_if(State().orphans, [window](const auto& entry) { return entry.first == window; });
}

// A control without its element still gets its own procedure, to the end: it frees what it
// holds when it hears WM_NCDESTROY.
LRESULT CallOrphan(WNDPROC procedure, const Message& m) {
    const LRESULT result = CallWindowProcW(procedure, m.window, m.id, m.wParam, m.lParam);
    if (m.id == WM_NCDESTROY) ForgetOrphan(m.window);
    return result;
}

}  // namespace

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LoadCursorsOnce();
    GUIElement* element = FindByHandle(window);
    if (!element) {
        if (WNDPROC orphan = OrphanProcedure(window)) return CallOrphan(orphan, {window, message, wParam, lParam});
    }
    // Taken now: the element may be gone once its operation has run.
    WNDPROC controlProcedure = element ? element->ControlProcedure() : nullptr;
    if (std::optional<LRESULT> result = Route(element, {window, message, wParam, lParam})) return *result;
    if (controlProcedure) return CallWindowProcW(controlProcedure, window, message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

void RememberControlProcedure(HWND window, WNDPROC procedure) {
    ForgetOrphan(window);
    State().orphans.emplace_back(window, procedure);
}

Form* ActiveForm() { return State().activeForm; }

void ForgetActiveForm(const Form& form) {
    if (State().activeForm == &form) State().activeForm = nullptr;
}

}  // namespace OrloUtility
