#include "toolkit/elements/GUIElement.h"

#include <algorithm>

#include "toolkit/drawing/FontInfo.h"
#include "toolkit/elements/ElementRegistry.h"
#include "toolkit/util/TextConvert.h"

namespace OrloUtility {

namespace {

// A tooltip shows at most this many characters of its text.
constexpr std::size_t kLongestTooltip = 2024;
// FitClientArea's client size: the game's field.
constexpr int kFittedClientWidth = 800;
constexpr int kFittedClientHeight = 600;

std::wstring ReadWindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring buffer(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, buffer.data(), length + 1);
    buffer.resize(static_cast<std::size_t>(std::max(0, copied)));
    return buffer;
}

COLORREF ShownColour(COLORREF colour) {
    return colour == GUIElement::kButtonFace ? GetSysColor(COLOR_BTNFACE) : colour;
}

}  // namespace

GUIElement::GUIElement(HINSTANCE instance) : instance_(instance) { RegisterElement(*this); }

GUIElement::~GUIElement() { UnregisterElement(*this); }

// ---- Virtual operations ----

void GUIElement::SetBackColor(COLORREF colour) {
    backColor_ = colour;
    if (!window_) return;
    FillBackground(colour);
    backgroundPainted_ = true;
}

void GUIElement::FillBackground(COLORREF colour) {
    InvalidateRect(window_, nullptr, FALSE);
    PAINTSTRUCT paint{};
    if (HDC context = BeginPaint(window_, &paint)) {
        RECT client{};
        GetClientRect(window_, &client);
        SetBkColor(context, ShownColour(colour));
        ExtTextOutW(context, 0, 0, ETO_OPAQUE, &client, L"", 0, nullptr);
    }
    EndPaint(window_, &paint);
}

void GUIElement::SetText(const std::wstring& newText) {
    text_ = newText;
    if (window_) SetWindowTextW(window_, text_.c_str());
}

void GUIElement::SetText(const std::string& newText) { SetText(ToWide(newText)); }

void GUIElement::OnLeftButtonUp(int mouseX, int mouseY) {
    if (leftButtonUpCallback) leftButtonUpCallback(*this, window_, mouseX, mouseY);
}

void GUIElement::OnLeftButtonDown(int mouseX, int mouseY) {
    if (leftButtonDownCallback) leftButtonDownCallback(*this, window_, mouseX, mouseY);
}

void GUIElement::OnLeftDoubleClick(int mouseX, int mouseY) {
    if (leftDoubleClickCallback) leftDoubleClickCallback(*this, window_, mouseX, mouseY);
}

void GUIElement::OnRightButtonUp(int mouseX, int mouseY) {
    if (rightButtonUpCallback) rightButtonUpCallback(*this, window_, mouseX, mouseY);
}

void GUIElement::OnRightButtonDown(int mouseX, int mouseY) {
    if (rightButtonDownCallback) rightButtonDownCallback(*this, window_, mouseX, mouseY);
}

void GUIElement::OnRightDoubleClick(int mouseX, int mouseY) {
    if (rightDoubleClickCallback) rightDoubleClickCallback(*this, window_, mouseX, mouseY);
}

void GUIElement::OnKeyUp(UINT key) {
    if (keyUpCallback) keyUpCallback(*this, key);
}

void GUIElement::OnKeyDown(UINT key) {
    if (keyDownCallback) keyDownCallback(*this, key);
}

bool GUIElement::OnChar(WCHAR character) { return charCallback ? charCallback(*this, character) : true; }

void GUIElement::OnMouseMove(int mouseX, int mouseY) {
    if (mouseMoveCallback) mouseMoveCallback(*this, mouseX, mouseY);
}

void GUIElement::OnMouseHover() {
    if (mouseHoverCallback) mouseHoverCallback(*this);
}

void GUIElement::OnMouseLeave() {
    if (mouseLeaveCallback) mouseLeaveCallback(*this);
}

void GUIElement::Focus() {
    if (window_) SetFocus(window_);
}

void GUIElement::OnMove() {
    GetPosition();
    if (moveCallback) moveCallback(*this);
}

void GUIElement::OnSize() {
    if (sizeCallback) sizeCallback(*this);
}

// A colour set with SetBackColor is painted again, since a repaint would otherwise show the
// class background.
void GUIElement::OnPaint() {
    if (backgroundPainted_) SetBackColor(backColor_);
    if (paintCallback) paintCallback(*this);
}

HBRUSH GUIElement::OnControlColor(HDC) { return nullptr; }

bool GUIElement::OnCloseQuery() { return closeQueryCallback ? closeQueryCallback(*this) : true; }

void GUIElement::OnDestroy() {
    if (destroyCallback) destroyCallback(*this);
    destroyed_ = true;
}

void GUIElement::OnFocusGained() {
    textAtFocus_ = GetText();
    if (focusGainedCallback) focusGainedCallback(*this);
}

void GUIElement::OnFocusLost() {
    if (focusLostCallback) focusLostCallback(*this);
    if (GetText() != textAtFocus_ && textChangedCallback) textChangedCallback(*this);
}

void GUIElement::OnCreate(HWND newWindow) {
    if (!window_) window_ = newWindow;
    if (!attached_ && createCallback) createCallback(*this, newWindow);
    attached_ = true;
}

void GUIElement::Redraw() {
    if (window_) RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

bool GUIElement::GetWaitCursor() const { return waitCursor_; }

bool GUIElement::GetHandCursor() const { return handCursor_; }

void GUIElement::SetWaitCursor(bool shown) { waitCursor_ = shown; }

void GUIElement::SetHandCursor(bool shown) { handCursor_ = shown; }

void GUIElement::OnShow() {}

// ---- Reading the window ----

std::wstring GUIElement::GetText() {
    if (window_) text_ = ReadWindowText(window_);
    return text_;
}

std::string GUIElement::GetNarrowText() { return ToNarrow(GetText()); }

POINT GUIElement::GetPosition() {
    RECT outer{};
    if (!window_ || !GetWindowRect(window_, &outer)) return {x, y};
    POINT corner{outer.left, outer.top};
    if (parent) ScreenToClient(parent->Handle(), &corner);
    x = corner.x;
    y = corner.y;
    return corner;
}

int GUIElement::GetClientWidth() {
    RECT client{};
    if (window_ && GetClientRect(window_, &client)) width = client.right - client.left;
    return width;
}

int GUIElement::GetClientHeight() {
    RECT client{};
    if (window_ && GetClientRect(window_, &client)) height = client.bottom - client.top;
    return height;
}

int GUIElement::GetWindowWidth() {
    RECT outer{};
    if (window_ && GetWindowRect(window_, &outer)) width = outer.right - outer.left;
    return width;
}

int GUIElement::GetWindowHeight() {
    RECT outer{};
    if (window_ && GetWindowRect(window_, &outer)) height = outer.bottom - outer.top;
    return height;
}

// ---- Tooltips and layout ----

void GUIElement::AttachTooltip(HWND target) {
    if (tooltipText.empty() || !target) return;
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, target, nullptr, instance_,
                               nullptr);
    if (!tooltip_) return;
    SetWindowPos(tooltip_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    std::wstring tipText = ToWide(tooltipText).substr(0, kLongestTooltip);
    TTTOOLINFOW tool = ToolFor(target, tipText);
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void GUIElement::UpdateTooltip() {
    if (!tooltip_) {
        AttachTooltip(window_);
        return;
    }
    std::wstring tipText = ToWide(tooltipText).substr(0, kLongestTooltip);
    TTTOOLINFOW tool = ToolFor(window_, tipText);
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

// The one tool of an element's tooltip: the whole client area of `target`, which the tooltip
// watches by subclassing it. `tipText` must outlive the use of the record.
TTTOOLINFOW GUIElement::ToolFor(HWND target, std::wstring& tipText) const {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = target;
    tool.hinst = instance_;
    tool.lpszText = tipText.data();
    GetClientRect(target, &tool.rect);
    return tool;
}

void GUIElement::FitClientArea() {
    RECT outer{}, client{};
    if (!window_ || !GetWindowRect(window_, &outer) || !GetClientRect(window_, &client)) return;
    const int sideBorders = std::max<int>(0, (outer.right - outer.left) - (client.right - client.left));
    const int topAndBottom = std::max<int>(0, (outer.bottom - outer.top) - (client.bottom - client.top));
    const POINT at = GetPosition();
    SetWindowPos(window_, nullptr, at.x - sideBorders, at.y - 2 * topAndBottom, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Redraw();
    SetWindowPos(window_, nullptr, 0, 0, sideBorders + kFittedClientWidth, topAndBottom + kFittedClientHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateTooltip();
    Redraw();
}

void GUIElement::ApplyTooltipAndFont() {
    AttachTooltip(window_);
    if (font && window_) SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font->Handle()), TRUE);
}

}  // namespace OrloUtility
