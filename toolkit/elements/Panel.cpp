#include "toolkit/elements/Panel.h"

#include <vector>

#include "toolkit/elements/ElementRegistry.h"
#include "toolkit/elements/WindowProcedure.h"

namespace OrloUtility {

namespace {

constexpr WORD kArrowCursor = 32512;

bool IsReport(UINT message) {
    return message == WM_COMMAND || message == WM_NOTIFY || message == WM_HSCROLL || message == WM_VSCROLL ||
           message == WM_DRAWITEM;
}

}  // namespace

Panel::Panel(GUIElement* parentForm) : Child(parentForm) {
    width = 200;
    height = 150;
    typeName_ = "panel";
}

Panel::~Panel() {
    if (brush_) DeleteObject(brush_);
    if (!className_.empty()) UnregisterClassW(className_.c_str(), nullptr);
}

void Panel::Create() {
    if (window_) return;
    RegisterWindowClass();
    // The dialog manager's Tab looks into a control parent for tab stops.
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    if (bordered) style |= WS_BORDER;
    if (!enabled) style |= WS_DISABLED;
    CreateControl(className_.c_str(), WS_EX_CONTROLPARENT, style);
    ApplyTooltipAndFont();
    if (window_) CreateChildren();
}

// The class is the panel's own, so that its background brush is the panel's colour; the
// procedure is the toolkit's from the start, nothing to put in front of.
void Panel::RegisterWindowClass() {
    className_ = L"Panel" + std::to_wstring(IdCounter() + 1);
    windowClass_ = WNDCLASSW{};
    windowClass_.style = CS_DBLCLKS;
    windowClass_.lpfnWndProc = WindowProcedure;
    windowClass_.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(kArrowCursor));
    windowClass_.hbrBackground =
        backColor_ == kButtonFace ? GetSysColorBrush(COLOR_BTNFACE) : CreateSolidBrush(backColor_);
    windowClass_.lpszClassName = className_.c_str();
    RegisterClassW(&windowClass_);
}

// Made in the order they were constructed, which is their tab order.
void Panel::CreateChildren() {
    std::vector<GUIElement*> children;
    for (GUIElement* element : Elements())
        if (element->parent == this && !element->Handle()) children.push_back(element);
    for (GUIElement* child : children) child->Create();
}

// Every paint sets the colour again; only a new colour has the controls drawn again on it.
void Panel::SetBackColor(COLORREF colour) {
    const bool changed = colour != backColor_;
    if (changed && brush_) {
        DeleteObject(brush_);
        brush_ = nullptr;
    }
    GUIElement::SetBackColor(colour);
    if (changed && window_) RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

HBRUSH Panel::Brush() {
    if (!brush_) brush_ = CreateSolidBrush(backColor_ == kButtonFace ? GetSysColor(COLOR_BTNFACE) : backColor_);
    return brush_;
}

// Its controls sit on its background, so they are given that colour behind their text.
HBRUSH Panel::OnControlColor(HDC controlContext) {
    SetBkColor(controlContext, backColor_ == kButtonFace ? GetSysColor(COLOR_BTNFACE) : backColor_);
    return Brush();
}

std::optional<LRESULT> Panel::PassOn(UINT message, WPARAM wParam, LPARAM lParam) const {
    HWND above = ParentWindow();
    if (!IsReport(message) || !above) return std::nullopt;
    return SendMessageW(above, message, wParam, lParam);
}

}  // namespace OrloUtility
