#include "user/menus/MenuTracking.h"

#include <algorithm>
#include <cwctype>
#include <optional>
#include <vector>

#include "PlatformState.h"
#include "Painting.h"
#include "user/menus/MenuBar.h"
#include "user/menus/MenuLook.h"
#include "user/WindowTree.h"

namespace platform::menutracking {

namespace {

class Tracker;
Tracker* active = nullptr;  // the menu being used; one at a time

bool IsMouse(UINT message) {
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCLBUTTONUP + 7);
}

bool IsDown(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_NCLBUTTONDOWN ||
           message == WM_NCLBUTTONDOWN + 3;
}

bool IsUp(UINT message) { return message == WM_LBUTTONUP || message == WM_NCLBUTTONUP; }

class Tracker {
public:
    explicit Tracker(HWND owner) : owner_(owner), bar_(GetMenu(owner)) {}

    void Run(int title, bool open) {
        MenuObject* bar = State().menus.Find(bar_);
        if (!bar || bar->items.empty()) return;
        active = this;
        SendMessageW(owner_, WM_ENTERMENULOOP, FALSE, 0);
        SendMessageW(owner_, WM_INITMENU, reinterpret_cast<WPARAM>(bar_), 0);
        SetCapture(owner_);
        Select(std::clamp<int>(title, 0, static_cast<int>(bar->items.size()) - 1), open, !open);
        Loop();
        Close();
        active = nullptr;
        if (IsWindow(owner_)) {
            menubar::Paint(owner_);
            SendMessageW(owner_, WM_EXITMENULOOP, FALSE, 0);
            if (chosen_) PostMessageW(owner_, WM_COMMAND, MAKEWPARAM(*chosen_, 0), 0);
        }
    }

    void PaintDropDown(HWND hwnd);

private:
    // Ends with a choice, with Escape or a click elsewhere, or when the window stops being the
    // active one (another program came to the front): a menu never stays open over it.
    void Loop() {
        MSG msg;
        const bool startedActive = GetActiveWindow() == owner_;
        while (!done_ && IsWindow(owner_) && !(startedActive && GetActiveWindow() != owner_)) {
            if (!GetMessageW(&msg, nullptr, 0, 0)) {
                PostQuitMessage(static_cast<int>(msg.wParam));  // the program's own loop must see it
                break;
            }
            if (IsMouse(msg.message)) Mouse(msg);
            else if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) Key(static_cast<UINT>(msg.wParam));
            else if (msg.message != WM_KEYUP && msg.message != WM_SYSKEYUP && msg.message != WM_CHAR &&
                     msg.message != WM_SYSCHAR) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
    }

    MenuObject* Bar() const { return State().menus.Find(bar_); }
    MenuObject* Drop() const { return State().menus.Find(drop_); }

    // Highlights a title; with `open`, drops its menu down (`keyboard`: with its first item hot).
    void Select(int title, bool open, bool keyboard) {
        CloseDropDown();
        title_ = title;
        open_ = open;
        MenuObject* bar = Bar();
        drop_ = bar ? bar->items[static_cast<std::size_t>(title)].Popup() : nullptr;
        if (open_ && drop_) OpenDropDown(keyboard);
        menubar::Paint(owner_, title_, open_ && drop_);
    }

    void OpenDropDown(bool keyboard) {
        SendMessageW(owner_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(drop_), MAKELPARAM(title_, FALSE));
        hot_ = keyboard ? Step(-1, 1) : -1;
        Window* w = FindWindow(owner_);
        if (!w) return;
        RECT outer = ScreenRectOf(*w);
        RECT titleRect = menubar::TitleRects(owner_)[static_cast<std::size_t>(title_)];
        SIZE size = DropDownSize();
        dropDown_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"#32768", L"", WS_POPUP,
                                    outer.left + titleRect.left, outer.top + titleRect.bottom, size.cx, size.cy,
                                    owner_, nullptr, nullptr, nullptr);
        ShowWindow(dropDown_, SW_SHOWNA);
        UpdateWindow(dropDown_);
    }

    void CloseDropDown() {
        if (dropDown_) DestroyWindow(dropDown_);
        dropDown_ = nullptr;
        hot_ = -1;
    }

    void Close() {
        CloseDropDown();
        if (GetCapture() == owner_) ReleaseCapture();
    }

    std::vector<RECT> ItemRects(int width) const {
        std::vector<RECT> rects;
        int y = 3;
        if (MenuObject* drop = Drop()) {
            for (const MenuItem& item : drop->items) {
                int height = item.Separator() ? menulook::kSeparatorHeight : menulook::kItemHeight;
                rects.push_back({2, y, width - 2, y + height});
                y += height;
            }
        }
        return rects;
    }

    SIZE DropDownSize() const {
        MenuObject* drop = Drop();
        HDC dc = GetDC(nullptr);
        int widest = 0, height = 6;
        for (const MenuItem& item : drop->items) {
            widest = std::max(widest, menulook::TextWidth(dc, item.text));
            height += item.Separator() ? menulook::kSeparatorHeight : menulook::kItemHeight;
        }
        ReleaseDC(nullptr, dc);
        return {std::max(140, widest + menulook::kCheckColumn + menulook::kRightPadding), height};
    }

    int ItemAt(POINT screen) const {
        if (!dropDown_) return -2;
        RECT box;
        GetWindowRect(dropDown_, &box);
        if (!PtInRect(&box, screen)) return -2;  // not over the drop-down at all
        POINT at{screen.x - box.left, screen.y - box.top};
        std::vector<RECT> rects = ItemRects(box.right - box.left);
        for (std::size_t i = 0; i < rects.size(); ++i)
            if (PtInRect(&rects[i], at) && !Drop()->items[i].Separator()) return static_cast<int>(i);
        return -1;
    }

    // The next item from `from` in direction `step` that is not a separator, wrapping.
    int Step(int from, int step) const {
        MenuObject* drop = Drop();
        int count = drop ? static_cast<int>(drop->items.size()) : 0;
        for (int i = 1; i <= count; ++i) {
            int index = ((from + step * i) % count + count) % count;
            if (!drop->items[static_cast<std::size_t>(index)].Separator()) return index;
        }
        return -1;
    }

    void SetHot(int item) {
        if (item == hot_) return;
        hot_ = item;
        if (dropDown_) {
            InvalidateRect(dropDown_, nullptr, FALSE);
            UpdateWindow(dropDown_);
        }
    }

    void Mouse(const MSG& msg) {
        int title = menubar::TitleAt(owner_, msg.pt);
        int item = ItemAt(msg.pt);
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
            if (title >= 0 && title != title_ && open_) Select(title, true, false);
            else if (item != -2) SetHot(item);
        } else if (IsDown(msg.message)) {
            if (title >= 0 && title == title_ && open_) done_ = true;  // a second click on the title closes
            else if (title >= 0) Select(title, true, false);
            else if (item == -2) done_ = true;  // a click elsewhere closes
        } else if (IsUp(msg.message)) {
            if (item >= 0) Choose(item);
            else if (title >= 0 && title == title_ && !drop_) ChooseTitle();
        }
    }

    void Key(UINT vk) {
        MenuObject* bar = Bar();
        int titles = bar ? static_cast<int>(bar->items.size()) : 0;
        switch (vk) {
        case VK_ESCAPE: case VK_MENU: case VK_F10: done_ = true; return;
        case VK_LEFT: Select((title_ + titles - 1) % titles, open_, true); return;
        case VK_RIGHT: Select((title_ + 1) % titles, open_, true); return;
        case VK_DOWN: case VK_UP:
            if (!open_) Select(title_, true, true);
            else SetHot(Step(hot_, vk == VK_DOWN ? 1 : -1));
            return;
        case VK_RETURN:
            if (!open_) Select(title_, true, true);
            else if (hot_ >= 0) Choose(hot_);
            return;
        default: AccessKey(static_cast<wchar_t>(std::towlower(static_cast<wint_t>(vk))));
        }
    }

    void AccessKey(wchar_t key) {
        if (open_ && Drop()) {
            const auto& items = Drop()->items;
            for (std::size_t i = 0; i < items.size(); ++i)
                if (menulook::AccessKey(items[i].text) == key && !items[i].Inert()) return Choose(static_cast<int>(i));
            return;
        }
        if (MenuObject* bar = Bar()) {
            for (std::size_t i = 0; i < bar->items.size(); ++i)
                if (menulook::AccessKey(bar->items[i].text) == key) return Select(static_cast<int>(i), true, true);
        }
    }

    void Choose(int item) {
        const MenuItem& chosen = Drop()->items[static_cast<std::size_t>(item)];
        if (chosen.Inert() || chosen.Popup()) return;  // greyed items do nothing
        chosen_ = static_cast<UINT>(chosen.id);
        done_ = true;
    }

    void ChooseTitle() {
        const MenuItem& title = Bar()->items[static_cast<std::size_t>(title_)];
        if (title.Inert()) return;
        chosen_ = static_cast<UINT>(title.id);
        done_ = true;
    }

    HWND owner_;
    HMENU bar_;
    HMENU drop_ = nullptr;
    HWND dropDown_ = nullptr;
    int title_ = 0;
    int hot_ = -1;
    bool open_ = false;
    bool done_ = false;
    std::optional<UINT> chosen_;
};

void Tracker::PaintDropDown(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    paint::Fill(dc, client, menulook::kDropFace);
    paint::Outline(dc, client, menulook::kDropBorder);
    std::vector<RECT> rects = ItemRects(client.right);
    MenuObject* drop = Drop();
    for (std::size_t i = 0; drop && i < rects.size(); ++i) {
        const MenuItem& item = drop->items[i];
        const RECT& r = rects[i];
        if (item.Separator()) {
            int middle = (r.top + r.bottom) / 2;
            paint::Fill(dc, {r.left + menulook::kCheckColumn, middle, r.right - 2, middle + 1}, menulook::kSeparator);
            continue;
        }
        if (static_cast<int>(i) == hot_) paint::Fill(dc, r, menulook::kItemHot);
        COLORREF colour = item.Inert() ? menulook::kGreyText : menulook::kText;
        int textY = r.top + (r.bottom - r.top - 15) / 2;
        if (item.flags & MF_CHECKED) menulook::DrawText(dc, r.left + 8, textY, L"\u2713", colour);
        menulook::DrawText(dc, r.left + menulook::kCheckColumn, textY, item.text, colour);
    }
    EndPaint(hwnd, &ps);
}

}  // namespace

void TrackFromClick(HWND window, int title) {
    if (active || title < 0) return;
    Tracker(window).Run(title, true);
}

void TrackFromKeyboard(HWND window, wchar_t accessKey) {
    if (active || !GetMenu(window)) return;
    MenuObject* bar = State().menus.Find(GetMenu(window));
    if (!accessKey) {
        Tracker(window).Run(0, false);
        return;
    }
    for (std::size_t i = 0; i < bar->items.size(); ++i)
        if (menulook::AccessKey(bar->items[i].text) == static_cast<wchar_t>(std::towlower(static_cast<wint_t>(accessKey)))) {
            Tracker(window).Run(static_cast<int>(i), true);
            return;
        }
}

LRESULT CALLBACK DropDownProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        if (active) active->PaintDropDown(hwnd);
        else DefWindowProcW(hwnd, message, wParam, lParam);
        return 0;
    case WM_ERASEBKGND: return 1;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace platform::menutracking
