#include "controls/ListBoxItems.h"

#include <algorithm>

#include "controls/SortOrder.h"

namespace platform {

int ListItems::Insert(int index, std::wstring_view text) {
    items_.insert(items_.begin() + index, Item{std::wstring(text)});
    return index;
}

int ListItems::SortedPosition(std::wstring_view text) const {
    int low = 0, high = Count() - 1;
    while (low <= high) {
        const int middle = (low + high) / 2;
        const int order = CompareForSort(text, Text(middle));
        if (order == 0) return middle;
        if (order < 0) high = middle - 1;
        else low = middle + 1;
    }
    return low;
}

void ListItems::Remove(int index) { items_.erase(items_.begin() + index); }

void ListItems::SelectRange(int first, int last, bool on) {
    first = std::max(first, 0);
    last = std::min(last, Count() - 1);
    for (int i = first; i <= last; ++i) Select(i, on);
}

int ListItems::SelectedCount() const {
    return static_cast<int>(std::count_if(items_.begin(), items_.end(), [](const Item& i) { return i.selected; }));
}

template <typename Matches>
int ListItems::FindAfter(int start, Matches matches) const {
    const int count = Count();
    if (!Has(start)) start = -1;
    for (int step = 1; step <= count; ++step) {
        const int index = (start + step) % count;
        if (matches(Text(index))) return index;
    }
    return -1;
}

int ListItems::FindPrefix(int start, std::wstring_view prefix) const {
    if (prefix.empty()) return -1;
    return FindAfter(start, [&](const std::wstring& text) { return StartsWithFolded(text, prefix); });
}

int ListItems::FindExact(int start, std::wstring_view text) const {
    if (text.empty()) return -1;
    return FindAfter(start, [&](const std::wstring& item) { return CompareForSort(item, text) == 0; });
}

}  // namespace platform
