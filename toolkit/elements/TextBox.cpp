#include "toolkit/elements/TextBox.h"

#include "toolkit/util/TextConvert.h"

namespace OrloUtility {

namespace {

constexpr WCHAR kPasswordChar = L'*';

}  // namespace

TextBox::TextBox(GUIElement* parentForm, const std::string& initialText) : Child(parentForm) {
    width = 80;
    height = 30;
    text_ = ToWide(initialText);
    typeName_ = "textbox";
}

void TextBox::Create() {
    if (window_) return;
    CreateControl(L"edit", bordered ? WS_EX_CLIENTEDGE : 0, Style());
    if (maxLength != kNoLimit) SendMessageW(window_, EM_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
    ApplyTooltipAndFont();
}

void TextBox::ApplyStyle() {
    if (!window_) return;
    // A previous style of 0 is a failure only when the call says so through the last error.
    SetLastError(0);
    if (SetWindowLongW(window_, GWL_STYLE, static_cast<LONG>(Style())) == 0 && GetLastError() != 0) return;
    SendMessageW(window_, EM_SETREADONLY, readOnly, 0);
    SendMessageW(window_, EM_SETPASSWORDCHAR, password ? kPasswordChar : 0, 0);
    SetWindowPos(window_, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
}

DWORD TextBox::Style() const {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    if (!enabled) style |= WS_DISABLED;
    if (horizontalScrollBar) style |= WS_HSCROLL;
    if (verticalScrollBar) style |= WS_VSCROLL;
    if (digitsOnly) style |= ES_NUMBER;
    if (bordered) style |= WS_BORDER;
    style |= LineStyle();
    if (readOnly) style |= ES_READONLY;
    return style | CaseAndAlignment();
}

DWORD TextBox::LineStyle() const {
    if (!multiLine) return ES_AUTOHSCROLL;
    DWORD style = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    if (!wordWrap) style |= ES_AUTOHSCROLL;
    return style;
}

DWORD TextBox::CaseAndAlignment() const {
    DWORD style = 0;
    if (upperCase) style |= ES_UPPERCASE;
    else if (lowerCase) style |= ES_LOWERCASE;
    if (rightAligned) style |= ES_RIGHT;
    else if (centred) style |= ES_CENTER;
    return style;
}

}  // namespace OrloUtility
