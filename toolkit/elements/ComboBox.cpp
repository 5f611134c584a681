#include "toolkit/elements/ComboBox.h"


namespace OrloUtility {

ComboBox::ComboBox(GUIElement* parentForm) : ItemsChild(parentForm, kComboBoxItems) {
    width = 160;
    height = 150;
    typeName_ = "combobox";
}

// The items go in before the selection, which names one of them; an editable box with no
// selection keeps the text it was made with.
void ComboBox::Create() {
    if (window_) return;
    CreateControl(L"ComboBox", 0, Style());
    if (window_) {
        if (itemHeight > 0) {
            SendMessageW(window_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight);
            SendMessageW(window_, CB_SETITEMHEIGHT, 0, itemHeight);
        }
        items_.Fill(window_);
        if (selected_ != kNone) SendMessageW(window_, CB_SETCURSEL, static_cast<WPARAM>(selected_), 0);
    }
    ApplyTooltipAndFont();
}

DWORD ComboBox::Style() const {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL;
    style |= editable ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST;
    if (sorted) style |= CBS_SORT;
    if (!enabled) style |= WS_DISABLED;
    return style;
}

void ComboBox::ForgetItem(int index) {
    if (selected_ == index) selected_ = kNone;
    else if (selected_ > index) --selected_;
}

void ComboBox::ForgetAllItems() { selected_ = kNone; }

void ComboBox::SetSelectedIndex(int index) {
    selected_ = index >= 0 && index < ItemCount() ? index : kNone;
    if (!window_) {
        text_ = selected_ == kNone ? std::wstring() : items_.Text(nullptr, selected_);
        return;
    }
    SendMessageW(window_, CB_SETCURSEL, static_cast<WPARAM>(selected_), 0);
}

int ComboBox::GetSelectedIndex() {
    if (window_ && IsWindow(window_)) {
        const LRESULT index = SendMessageW(window_, CB_GETCURSEL, 0, 0);
        selected_ = index >= 0 ? static_cast<int>(index) : kNone;
    }
    return selected_;
}

void ComboBox::OnControlCommand(WORD code) {
    if (code == CBN_SELCHANGE && selectionChangedCallback) selectionChangedCallback(*this);
    else if (code == CBN_EDITCHANGE && editChangedCallback) editChangedCallback(*this);
}

}  // namespace OrloUtility
