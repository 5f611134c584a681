// Tabs along the top of an area, each with a page beneath: a Panel constructed with the tab
// control as its parent, shown only while its tab is selected. Elements are put on a page by
// constructing them with the page as their parent. A person changes the tab with a click, the arrow keys
// once the tabs have the focus, or Ctrl+Tab and Ctrl+Shift+Tab from anywhere on the pages.
// The selection-changing callback may refuse a change a person asks for (false keeps the tab);
// the selection-changed callback runs once the new page shows.
#pragma once

#include <string>
#include <vector>

#include "toolkit/elements/Child.h"
#include "toolkit/elements/ControlEvents.h"
#include "toolkit/elements/Panel.h"

namespace OrloUtility {

class TabControl : public Child, public ControlEvents {
public:
    static constexpr int kNone = -1;

    // 300 by 200, no tabs, inside `parentForm`.
    explicit TabControl(GUIElement* parentForm);

    // Makes the tabs, then the pages (and what is on them), each over the area under the tabs.
    void Create() override;

    // Adds a tab at the end showing `page`, which must outlive the tab control and is made with
    // it. The first tab added is selected. Refused for a page that is made already, or is
    // another tab's.
    bool AddTab(const std::string& caption, Panel& page);
    int TabCount() const { return static_cast<int>(tabs_.size()); }
    std::wstring TabText(int index) const;
    // Null for an index out of range.
    Panel* Page(int index) const;

    // Selects the tab and shows its page, without asking or telling the callbacks: the program
    // chose it, not a person. An index out of range is refused.
    bool SetSelectedIndex(int index);
    int GetSelectedIndex();
    // What Ctrl+Tab does: the next tab (the previous one backwards), round the end, asking the
    // selection-changing callback first. False when there was nothing to move to or it refused.
    bool SelectNext(bool backwards);

    LRESULT OnControlNotify(NMHDR& header) override;

    // Every tab this wide when above 0; otherwise each as wide as its caption needs.
    int tabWidth = 0;
    QueryCallback selectionChangingCallback = nullptr;
    EventCallback selectionChangedCallback = nullptr;

private:
    struct Tab {
        std::wstring caption;
        Panel* page;  // not owned
    };

    void InsertTab(int index);
    RECT PageArea() const;
    void CreatePage(Panel& page);
    void ShowSelectedPage();
    bool ChangeAsAPersonWould(int index);

    std::vector<Tab> tabs_;
    int selected_ = kNone;
};

// The tab control a window (a page's control, a page, or the tabs themselves) belongs to; null
// when none does. Ctrl+Tab reaches the tab control through it.
TabControl* EnclosingTabControl(GUIElement* element);

}  // namespace OrloUtility
