// The strings a list box holds, each with the value the program attached to it and whether it
// is selected, and the searches the list box answers. Apart from the window so that a combo box,
// whose drop-down list is a list box, finds them where it expects them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "PlatformApi.h"

namespace platform {

class ListItems {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    bool Has(int index) const { return index >= 0 && index < Count(); }

    // Inserts at `index` (0..Count()); returns where the string went.
    int Insert(int index, std::wstring_view text);
    // The place a string goes in a sorted list, found by halving; where the halving meets an
    // equal string the new one takes that string's place, as on the platform.
    int SortedPosition(std::wstring_view text) const;
    void Remove(int index);
    void Clear() { items_.clear(); }

    const std::wstring& Text(int index) const { return items_[Slot(index)].text; }
    ULONG_PTR Data(int index) const { return items_[Slot(index)].data; }
    void SetData(int index, ULONG_PTR data) { items_[Slot(index)].data = data; }

    // The marks of a list box where more than one item may be selected.
    bool Selected(int index) const { return items_[Slot(index)].selected; }
    void Select(int index, bool on) { items_[Slot(index)].selected = on; }
    // Marks [first, last], both kept within the list; nothing when they cross.
    void SelectRange(int first, int last, bool on);
    int SelectedCount() const;

    // The first item after `start` whose text begins with `prefix` (or, exactly, equals
    // `text`), going round to the top; a start outside the list searches from the top. -1 for
    // none and for an empty string, which matches nothing.
    int FindPrefix(int start, std::wstring_view prefix) const;
    int FindExact(int start, std::wstring_view text) const;

private:
    struct Item {
        std::wstring text;
        ULONG_PTR data = 0;
        bool selected = false;
    };
    static std::size_t Slot(int index) { return static_cast<std::size_t>(index); }
    template <typename Matches>
    int FindAfter(int start, Matches matches) const;

    std::vector<Item> items_;
};

}  // namespace platform
