#include "toolkit/elements/ListBox.h"

#include <algorithm>


namespace OrloUtility {

ListBox::ListBox(GUIElement* parentForm) : ItemsChild(parentForm, kListBoxItems) {
    width = 160;
    height = 120;
    typeName_ = "listbox";
}

void ListBox::Create() {
    if (window_) return;
    CreateControl(L"ListBox", bordered ? WS_EX_CLIENTEDGE : 0, Style());
    if (window_) {
        if (itemHeight > 0) SendMessageW(window_, LB_SETITEMHEIGHT, 0, itemHeight);
        items_.Fill(window_);
        ApplySelection();
    }
    ApplyTooltipAndFont();
}

// The list tells of a person's changes only with LBS_NOTIFY; the whole height is used for items
// rather than shrunk to a whole number of them, so the list is the size it was given.
DWORD ListBox::Style() const {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    if (multipleSelection) style |= LBS_EXTENDEDSEL;
    if (sorted) style |= LBS_SORT;
    if (!enabled) style |= WS_DISABLED;
    return style;
}

void ListBox::ForgetItem(int index) {
    std::erase(selected_, index);
    for (int& at : selected_)
        if (at > index) --at;
}

void ListBox::ForgetAllItems() { selected_.clear(); }

void ListBox::SetSelectedIndex(int index) {
    selected_.clear();
    if (index >= 0 && index < ItemCount()) selected_.push_back(index);
    ApplySelection();
}

int ListBox::GetSelectedIndex() {
    ReadSelection();
    return selected_.empty() ? kNone : selected_.front();
}

void ListBox::SetItemSelected(int index, bool selected) {
    if (index < 0 || index >= ItemCount()) return;
    if (!multipleSelection) {
        if (selected) SetSelectedIndex(index);
        else if (GetSelectedIndex() == index) SetSelectedIndex(kNone);
        return;
    }
    ReadSelection();
    std::erase(selected_, index);
    if (selected) selected_.insert(std::upper_bound(selected_.begin(), selected_.end(), index), index);
    if (window_) SendMessageW(window_, LB_SETSEL, selected ? TRUE : FALSE, index);
}

std::vector<int> ListBox::GetSelectedIndices() {
    ReadSelection();
    return selected_;
}

// A single-selection list takes LB_SETCURSEL; a multiple one has its whole selection replaced.
void ListBox::ApplySelection() {
    if (!window_) return;
    if (!multipleSelection) {
        const int index = selected_.empty() ? kNone : selected_.front();
        SendMessageW(window_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        return;
    }
    SendMessageW(window_, LB_SETSEL, FALSE, -1);
    for (int index : selected_) SendMessageW(window_, LB_SETSEL, TRUE, index);
}

void ListBox::ReadSelection() {
    if (!window_ || !IsWindow(window_)) return;
    selected_.clear();
    if (!multipleSelection) {
        const LRESULT index = SendMessageW(window_, LB_GETCURSEL, 0, 0);
        if (index >= 0) selected_.push_back(static_cast<int>(index));
        return;
    }
    const LRESULT count = SendMessageW(window_, LB_GETSELCOUNT, 0, 0);
    if (count <= 0) return;
    selected_.resize(static_cast<std::size_t>(count));
    const LRESULT read = SendMessageW(window_, LB_GETSELITEMS, static_cast<WPARAM>(count),
                                      reinterpret_cast<LPARAM>(selected_.data()));
    selected_.resize(read > 0 ? static_cast<std::size_t>(read) : 0);
}

void ListBox::OnControlCommand(WORD code) {
    if (code == LBN_SELCHANGE && selectionChangedCallback) selectionChangedCallback(*this);
    else if (code == LBN_DBLCLK && doubleClickCallback) doubleClickCallback(*this);
}

}  // namespace OrloUtility
