#include "toolkit/elements/Toolbar.h"

#include <algorithm>

#include "toolkit/elements/CommandRouting.h"
#include "toolkit/elements/ElementRegistry.h"
#include "toolkit/elements/SubMenu.h"
#include "toolkit/util/TextConvert.h"

namespace OrloUtility {

namespace {

BYTE ButtonStyle(Toolbar::ButtonKind kind) {
    switch (kind) {
    case Toolbar::ButtonKind::kCheck: return BTNS_CHECK;
    case Toolbar::ButtonKind::kGroup: return BTNS_CHECKGROUP;
    case Toolbar::ButtonKind::kDropDown: return BTNS_DROPDOWN;
    default: return BTNS_BUTTON;
    }
}

}  // namespace

Toolbar::Toolbar(GUIElement* parentForm) : Child(parentForm) {
    x = 0;
    y = 0;
    width = 0;
    height = 0;
    typeName_ = "toolbar";
}

DWORD Toolbar::Style() const {
    DWORD style = WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER;
    style |= alongTop ? CCS_TOP : CCS_NORESIZE | CCS_NOPARENTALIGN;
    if (!enabled) style |= WS_DISABLED;
    return style;
}

// The platform sizes a toolbar along the top to its buttons once they are in; the element then
// reads where it stands.
void Toolbar::Create() {
    if (window_) return;
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    CreateControl(TOOLBARCLASSNAMEW, 0, Style());
    if (!window_) return;
    SendMessageW(window_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(window_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    AddImages();
    for (const Entry& entry : buttons_) AddToControl(entry);
    SendMessageW(window_, TB_AUTOSIZE, 0, 0);
    if (alongTop) {
        RECT placed{};
        GetWindowRect(window_, &placed);
        width = placed.right - placed.left;
        height = placed.bottom - placed.top;
    }
    ApplyTooltipAndFont();
}

void Toolbar::SetImageStrip(HBITMAP strip, int imageWidth, int imageHeight) {
    if (window_ || imageWidth <= 0 || imageHeight <= 0) return;
    strip_ = strip;
    imageWidth_ = imageWidth;
    imageHeight_ = imageHeight;
}

void Toolbar::AddImages() {
    SendMessageW(window_, TB_SETBITMAPSIZE, 0, MAKELPARAM(imageWidth_, imageHeight_));
    if (!strip_) return;
    BITMAP picture{};
    if (!GetObjectW(strip_, sizeof picture, &picture)) return;
    TBADDBITMAP images{nullptr, reinterpret_cast<UINT_PTR>(strip_)};
    SendMessageW(window_, TB_ADDBITMAP, static_cast<WPARAM>(picture.bmWidth / imageWidth_),
                 reinterpret_cast<LPARAM>(&images));
}

int Toolbar::AddButton(int image, const std::string& tooltip, ButtonKind kind, SubMenu* menuItem) {
    Entry entry;
    entry.commandId = static_cast<int>(TakeNextId());
    if (entry.commandId > 0xFFFF) return 0;  // a command carries its id in 16 bits
    entry.image = image;
    entry.kind = kind;
    entry.tooltip = ToWide(tooltip);
    entry.menuItem = menuItem;
    buttons_.push_back(entry);
    if (window_) {
        AddToControl(entry);
        SendMessageW(window_, TB_AUTOSIZE, 0, 0);
    }
    return entry.commandId;
}

void Toolbar::AddSeparator() {
    buttons_.push_back(Entry{});
    if (window_) AddToControl(buttons_.back());
}

// The tooltip's text is asked for when it shows (the callback text), so it can follow the
// element's.
void Toolbar::AddToControl(const Entry& entry) {
    TBBUTTON button{};
    button.iBitmap = entry.commandId ? entry.image : 0;
    button.idCommand = entry.commandId;
    button.fsState = entry.commandId ? entry.state : 0;
    button.fsStyle = entry.commandId ? ButtonStyle(entry.kind) : BTNS_SEP;
    button.iString = -1;
    SendMessageW(window_, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
}

Toolbar::Entry* Toolbar::Find(int commandId) {
    if (commandId == 0) return nullptr;
    auto it = std::find_if(buttons_.begin(), buttons_.end(), [commandId](const Entry& e) { return e.commandId == commandId; });
    return it == buttons_.end() ? nullptr : &*it;
}

void Toolbar::ReadState(Entry& entry) {
    if (!window_ || !IsWindow(window_)) return;
    const LRESULT state = SendMessageW(window_, TB_GETSTATE, static_cast<WPARAM>(entry.commandId), 0);
    if (state != -1) entry.state = static_cast<BYTE>(state);
}

bool Toolbar::SetChecked(int commandId, bool checked) {
    Entry* entry = Find(commandId);
    if (!entry) return false;
    entry->state = checked ? entry->state | TBSTATE_CHECKED : entry->state & ~TBSTATE_CHECKED;
    if (window_) SendMessageW(window_, TB_CHECKBUTTON, static_cast<WPARAM>(commandId), MAKELPARAM(checked, 0));
    return true;
}

bool Toolbar::IsChecked(int commandId) {
    Entry* entry = Find(commandId);
    if (!entry) return false;
    ReadState(*entry);
    return (entry->state & TBSTATE_CHECKED) != 0;
}

bool Toolbar::SetButtonEnabled(int commandId, bool enabledNow) {
    Entry* entry = Find(commandId);
    if (!entry) return false;
    entry->state = enabledNow ? entry->state | TBSTATE_ENABLED : entry->state & ~TBSTATE_ENABLED;
    if (window_) SendMessageW(window_, TB_ENABLEBUTTON, static_cast<WPARAM>(commandId), MAKELPARAM(enabledNow, 0));
    return true;
}

bool Toolbar::IsButtonEnabled(int commandId) {
    Entry* entry = Find(commandId);
    if (!entry) return false;
    ReadState(*entry);
    return (entry->state & TBSTATE_ENABLED) != 0;
}

HWND Toolbar::CompanionWindow() const {
    return window_ ? reinterpret_cast<HWND>(SendMessageW(window_, TB_GETTOOLTIPS, 0, 0)) : nullptr;
}

void Toolbar::OnControlCommandFrom(WORD id, WORD) {
    Entry* entry = Find(id);
    if (!entry) return;
    ReadState(*entry);
    if (entry->menuItem) ChooseMenuItem(*entry->menuItem);
    if (buttonCallback) buttonCallback(*this, id);
}

LRESULT Toolbar::OnControlNotify(NMHDR& header) {
    switch (header.code) {
    case TTN_GETDISPINFOW: return GiveTooltip(header);
    case TBN_DROPDOWN: {
        const auto& pressed = reinterpret_cast<const NMTOOLBARW&>(header);
        if (dropDownCallback && Find(pressed.iItem)) dropDownCallback(*this, pressed.iItem);
        return TBDDRET_DEFAULT;
    }
    default: return 0;
    }
}

// The tooltip reads the text after this returns, so it is kept in the element until the next.
LRESULT Toolbar::GiveTooltip(NMHDR& header) {
    auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
    Entry* entry = Find(static_cast<int>(header.idFrom));
    if (!entry) return 0;
    shownTip_ = entry->tooltip;
    info.lpszText = shownTip_.data();
    info.hinst = nullptr;
    return 0;
}

}  // namespace OrloUtility
