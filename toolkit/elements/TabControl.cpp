#include "toolkit/elements/TabControl.h"

#include "toolkit/util/TextConvert.h"

namespace OrloUtility {

TabControl::TabControl(GUIElement* parentForm) : Child(parentForm) {
    width = 300;
    height = 200;
    typeName_ = "tabcontrol";
}

// The pages are the tab control's own children, so that Tab finds the controls on the page
// shown (a control parent). The tabs do not clip their children: each time they are drawn
// again the page is drawn again over them.
void TabControl::Create() {
    if (window_) return;
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    if (tabWidth > 0) style |= TCS_FIXEDWIDTH;
    if (!enabled) style |= WS_DISABLED;
    CreateControl(WC_TABCONTROLW, WS_EX_CONTROLPARENT, style);
    ApplyTooltipAndFont();
    if (!window_) return;
    if (tabWidth > 0) SendMessageW(window_, TCM_SETITEMSIZE, 0, MAKELPARAM(tabWidth, 0));
    for (int i = 0; i < TabCount(); ++i) InsertTab(i);
    if (selected_ != kNone) SendMessageW(window_, TCM_SETCURSEL, static_cast<WPARAM>(selected_), 0);
    for (Tab& tab : tabs_) CreatePage(*tab.page);
    ShowSelectedPage();
}

bool TabControl::AddTab(const std::string& caption, Panel& page) {
    if (page.Handle()) return false;
    for (const Tab& tab : tabs_)
        if (tab.page == &page) return false;
    page.parent = this;
    tabs_.push_back(Tab{ToWide(caption), &page});
    const int index = TabCount() - 1;
    if (selected_ == kNone) selected_ = index;
    if (!window_) return true;
    InsertTab(index);
    if (index == selected_) SendMessageW(window_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    CreatePage(page);
    ShowSelectedPage();
    return true;
}

// Every page covers the area under the tabs, whatever size it was given.
void TabControl::CreatePage(Panel& page) {
    const RECT area = PageArea();
    page.x = area.left;
    page.y = area.top;
    page.width = area.right - area.left;
    page.height = area.bottom - area.top;
    page.Create();
}

void TabControl::InsertTab(int index) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = tabs_[static_cast<std::size_t>(index)].caption.data();
    SendMessageW(window_, TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

std::wstring TabControl::TabText(int index) const {
    if (index < 0 || index >= TabCount()) return L"";
    return tabs_[static_cast<std::size_t>(index)].caption;
}

Panel* TabControl::Page(int index) const {
    if (index < 0 || index >= TabCount()) return nullptr;
    return tabs_[static_cast<std::size_t>(index)].page;
}

// The area the tab control leaves for a page, in its own client coordinates.
RECT TabControl::PageArea() const {
    RECT area{0, 0, width, height};
    if (window_) {
        GetClientRect(window_, &area);
        SendMessageW(window_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    }
    return area;
}

// The page to show first, so that the one going never leaves a gap drawn. The focus never stays
// on a control that is hidden with its page: it goes to the tabs.
void TabControl::ShowSelectedPage() {
    if (Panel* shown = Page(selected_); shown && shown->Handle()) ShowWindow(shown->Handle(), SW_SHOW);
    HWND focus = GetFocus();
    for (int i = 0; i < TabCount(); ++i) {
        HWND page = Page(i)->Handle();
        if (i == selected_ || !page) continue;
        if (focus && (focus == page || IsChild(page, focus))) SetFocus(window_);
        ShowWindow(page, SW_HIDE);
    }
}

bool TabControl::SetSelectedIndex(int index) {
    if (index < 0 || index >= TabCount()) return false;
    selected_ = index;
    if (window_) SendMessageW(window_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    ShowSelectedPage();
    return true;
}

int TabControl::GetSelectedIndex() {
    if (window_ && IsWindow(window_)) selected_ = static_cast<int>(SendMessageW(window_, TCM_GETCURSEL, 0, 0));
    return selected_;
}

bool TabControl::SelectNext(bool backwards) {
    if (TabCount() < 2) return false;
    const int step = backwards ? TabCount() - 1 : 1;
    return ChangeAsAPersonWould((GetSelectedIndex() + step) % TabCount());
}

// The same order of events as a click on the tab: asked, changed, told.
bool TabControl::ChangeAsAPersonWould(int index) {
    if (selectionChangingCallback && !selectionChangingCallback(*this)) return false;
    SetSelectedIndex(index);
    if (selectionChangedCallback) selectionChangedCallback(*this);
    return true;
}

// The tabs have already moved when the change is told; the page follows them.
LRESULT TabControl::OnControlNotify(NMHDR& header) {
    switch (header.code) {
    case TCN_SELCHANGING: return selectionChangingCallback && !selectionChangingCallback(*this) ? TRUE : FALSE;
    case TCN_SELCHANGE:
        GetSelectedIndex();
        ShowSelectedPage();
        if (selectionChangedCallback) selectionChangedCallback(*this);
        return 0;
    default: return 0;
    }
}

TabControl* EnclosingTabControl(GUIElement* element) {
    for (GUIElement* at = element; at; at = dynamic_cast<Child*>(at) ? at->parent : nullptr)
        if (auto* tabs = dynamic_cast<TabControl*>(at)) return tabs;
    return nullptr;
}

}  // namespace OrloUtility
