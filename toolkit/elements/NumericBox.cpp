#include "toolkit/elements/NumericBox.h"

#include <algorithm>
#include <string>
#include <utility>

namespace OrloUtility {

namespace {

// The arrows' width, taken from the width the element was given.
constexpr int kArrowsWidth = 18;

}  // namespace

NumericBox::NumericBox(GUIElement* parentForm, int initialValue) : Child(parentForm), value_(initialValue) {
    width = 100;
    height = 24;
    value_ = std::clamp(value_, minimum, maximum);
    text_ = std::to_wstring(value_);
    typeName_ = "numericbox";
}

void NumericBox::Create() {
    if (window_) return;
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&classes);
    text_ = std::to_wstring(value_);
    CreateControl(L"edit", WS_EX_CLIENTEDGE, FieldStyle());
    if (window_) MakeArrows();
    ApplyTooltipAndFont();
}

DWORD NumericBox::FieldStyle() const {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_RIGHT;
    if (!enabled) style |= WS_DISABLED;
    return style;
}

// Aligned right, the arrows take their width from the field's, so the pair keeps the width the
// element was given. They write each stepped value into the field without thousands
// separators, which typing could not reproduce.
void NumericBox::MakeArrows() {
    DWORD style = WS_CHILD | WS_VISIBLE | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
    if (!enabled) style |= WS_DISABLED;
    arrows_ = CreateWindowExW(0, UPDOWN_CLASSW, nullptr, style, 0, 0, kArrowsWidth, height, ParentWindow(), nullptr,
                              instance_, nullptr);
    if (!arrows_) return;
    SendMessageW(arrows_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(window_), 0);
    SendMessageW(arrows_, UDM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
    SendMessageW(arrows_, UDM_SETPOS32, 0, value_);
}

void NumericBox::SetRange(int newMinimum, int newMaximum) {
    if (newMinimum > newMaximum) std::swap(newMinimum, newMaximum);
    minimum = newMinimum;
    maximum = newMaximum;
    if (arrows_) SendMessageW(arrows_, UDM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
    SetValue(value_);
}

void NumericBox::SetValue(int newValue) {
    value_ = std::clamp(newValue, minimum, maximum);
    text_ = std::to_wstring(value_);
    if (arrows_) SendMessageW(arrows_, UDM_SETPOS32, 0, value_);
    else if (window_) SetWindowTextW(window_, text_.c_str());
}

int NumericBox::GetValue() {
    if (!arrows_ || !IsWindow(arrows_)) return value_;
    BOOL failed = FALSE;
    const LRESULT read = SendMessageW(arrows_, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed));
    // A field being typed into may hold no number yet ("-", or nothing): the value stays.
    if (!failed) value_ = static_cast<int>(read);
    return value_;
}

bool NumericBox::OnChar(WCHAR character) {
    const bool control = character < L' ';
    const bool digit = character >= L'0' && character <= L'9';
    const bool sign = character == L'-' && minimum < 0;
    if (!control && !digit && !sign) return false;
    return GUIElement::OnChar(character);
}

void NumericBox::OnControlCommand(WORD code) {
    if (code != EN_CHANGE) return;
    const int before = value_;
    if (GetValue() != before && valueChangedCallback) valueChangedCallback(*this);
}

// A refused step is answered with non-zero, and the arrows leave the value as it is.
LRESULT NumericBox::OnControlNotify(NMHDR& header) {
    if (header.code != UDN_DELTAPOS || !stepCallback) return 0;
    const auto& step = reinterpret_cast<const NMUPDOWN&>(header);
    const int proposed = std::clamp(step.iPos + step.iDelta, minimum, maximum);
    return stepCallback(*this, proposed) ? 0 : 1;
}

}  // namespace OrloUtility
