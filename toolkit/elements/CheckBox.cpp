#include "toolkit/elements/CheckBox.h"

#include "toolkit/util/TextConvert.h"

namespace OrloUtility {

CheckBox::CheckBox(GUIElement* parentForm, const std::string& caption) : Child(parentForm) {
    width = 120;
    height = 24;
    text_ = ToWide(caption);
    typeName_ = "checkbox";
}

void CheckBox::Create() {
    if (window_) return;
    CreateControl(L"Button", 0, Style());
    if (window_) SendMessageW(window_, BM_SETCHECK, checkState_, 0);
    ApplyTooltipAndFont();
}

// The automatic kinds turn themselves on a click or Space, so the element only has to listen.
DWORD CheckBox::Style() const {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    style |= threeState ? BS_AUTO3STATE : BS_AUTOCHECKBOX;
    if (!enabled) style |= WS_DISABLED;
    return style;
}

void CheckBox::SetCheckState(UINT state) {
    const bool allowed = state == BST_UNCHECKED || state == BST_CHECKED || (threeState && state == BST_INDETERMINATE);
    if (!allowed) return;
    checkState_ = state;
    if (window_) SendMessageW(window_, BM_SETCHECK, state, 0);
}

UINT CheckBox::GetCheckState() {
    if (window_ && IsWindow(window_)) checkState_ = static_cast<UINT>(SendMessageW(window_, BM_GETCHECK, 0, 0));
    return checkState_;
}

void CheckBox::OnControlCommand(WORD code) {
    if (code != BN_CLICKED) return;
    GetCheckState();
    if (changedCallback) changedCallback(*this);
}

}  // namespace OrloUtility
