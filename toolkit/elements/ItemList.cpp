#include "toolkit/elements/ItemList.h"

namespace OrloUtility {

namespace {

// LB_ERR and CB_ERR alike.
constexpr LRESULT kError = -1;

LPARAM TextParameter(const std::wstring& item) { return reinterpret_cast<LPARAM>(item.c_str()); }

}  // namespace

void ItemList::Add(HWND control, const std::wstring& item) {
    if (control) SendMessageW(control, messages_.add, 0, TextParameter(item));
    else stored_.push_back(item);
}

void ItemList::Insert(HWND control, int index, const std::wstring& item) {
    const int count = Count(control);
    if (index < 0 || index > count) index = count;
    if (control) SendMessageW(control, messages_.insert, static_cast<WPARAM>(index), TextParameter(item));
    else stored_.insert(stored_.begin() + index, item);
}

bool ItemList::Remove(HWND control, int index) {
    if (index < 0 || index >= Count(control)) return false;
    if (control) return SendMessageW(control, messages_.remove, static_cast<WPARAM>(index), 0) != kError;
    stored_.erase(stored_.begin() + index);
    return true;
}

void ItemList::Clear(HWND control) {
    if (control) SendMessageW(control, messages_.reset, 0, 0);
    else stored_.clear();
}

int ItemList::Count(HWND control) const {
    if (!control) return static_cast<int>(stored_.size());
    const LRESULT count = SendMessageW(control, messages_.count, 0, 0);
    return count > 0 ? static_cast<int>(count) : 0;
}

std::wstring ItemList::Text(HWND control, int index) const {
    if (index < 0 || index >= Count(control)) return {};
    if (!control) return stored_[static_cast<std::size_t>(index)];
    const WPARAM at = static_cast<WPARAM>(index);
    const LRESULT length = SendMessageW(control, messages_.textLength, at, 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(control, messages_.text, at, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

std::vector<std::wstring> ItemList::All(HWND control) const {
    if (!control) return stored_;
    std::vector<std::wstring> items;
    const int count = Count(control);
    items.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) items.push_back(Text(control, i));
    return items;
}

void ItemList::Fill(HWND control) const {
    for (const std::wstring& item : stored_) SendMessageW(control, messages_.add, 0, TextParameter(item));
}

}  // namespace OrloUtility
