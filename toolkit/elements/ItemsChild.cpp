#include "toolkit/elements/ItemsChild.h"

#include "toolkit/util/TextConvert.h"

namespace OrloUtility {

void ItemsChild::AddItem(const std::string& item) { items_.Add(window_, ToWide(item)); }

void ItemsChild::InsertItem(int index, const std::string& item) {
    // A sorted list places every new item by its text, as the live control does.
    if (sorted) AddItem(item);
    else items_.Insert(window_, index, ToWide(item));
}

bool ItemsChild::RemoveItem(int index) {
    if (!items_.Remove(window_, index)) return false;
    if (!window_) ForgetItem(index);
    return true;
}

void ItemsChild::ClearItems() {
    items_.Clear(window_);
    ForgetAllItems();
}

int ItemsChild::ItemCount() const { return items_.Count(window_); }

std::string ItemsChild::ItemText(int index) const { return ToNarrow(items_.Text(window_, index)); }

std::vector<std::string> ItemsChild::Items() const {
    std::vector<std::string> items;
    for (const std::wstring& item : items_.All(window_)) items.push_back(ToNarrow(item));
    return items;
}

}  // namespace OrloUtility
