// The items of a list box or a combo box. The element keeps them until its control exists;
// from then on the control holds them, and every change and every read goes through the
// messages of its kind. The two kinds differ only in those messages' numbers.
#pragma once

#include <string>
#include <vector>

#include "PlatformApi.h"

namespace OrloUtility {

struct ItemMessages {
    UINT add;
    UINT insert;
    UINT remove;
    UINT reset;
    UINT count;
    UINT textLength;
    UINT text;
};

inline constexpr ItemMessages kListBoxItems{LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT,
                                            LB_GETCOUNT,  LB_GETTEXTLEN,   LB_GETTEXT};
inline constexpr ItemMessages kComboBoxItems{CB_ADDSTRING, CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT,
                                             CB_GETCOUNT,  CB_GETLBTEXTLEN, CB_GETLBTEXT};

class ItemList {
public:
    explicit ItemList(const ItemMessages& messages) : messages_(messages) {}

    // Each change takes the control, null while there is none.
    void Add(HWND control, const std::wstring& item);
    // An index past the end, or negative, appends.
    void Insert(HWND control, int index, const std::wstring& item);
    // False for an index that names no item.
    bool Remove(HWND control, int index);
    void Clear(HWND control);

    int Count(HWND control) const;
    // Empty for an index that names no item.
    std::wstring Text(HWND control, int index) const;
    // All of them, in the control's order once it exists (a sorted control orders them itself).
    std::vector<std::wstring> All(HWND control) const;

    // Hands the stored items to a control just made.
    void Fill(HWND control) const;

private:
    const ItemMessages& messages_;
    std::vector<std::wstring> stored_;
};

}  // namespace OrloUtility
