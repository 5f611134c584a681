// A row of picture buttons along the top of a form (or at its own place), each showing one image
// of a strip and a tooltip of its own, with separators between groups. A button may be a plain
// one, a check button that stays down, one of a group of which one stays down, or one with a
// drop-down arrow. A button may stand for a menu item: clicking it is choosing the item, its
// check mark flipping as it would from the menu. Every click also reaches the button callback
// with the button's command id.
#pragma once

#include <string>
#include <vector>

#include "toolkit/elements/Child.h"
#include "toolkit/elements/ControlEvents.h"

namespace OrloUtility {

class SubMenu;

class Toolbar : public Child, public ControlEvents {
public:
    enum class ButtonKind { kPush, kCheck, kGroup, kDropDown };
    // Called with the toolbar and the command id of the button.
    using ButtonCallback = void (*)(Toolbar& toolbar, int commandId);

    // Along the top of `parentForm`'s client area, as wide as it, with 16 by 16 images.
    explicit Toolbar(GUIElement* parentForm);

    void Create() override;

    // The images: a bitmap of `imageWidth` by `imageHeight` pictures side by side, which must
    // outlive the toolbar. Before Create only.
    void SetImageStrip(HBITMAP strip, int imageWidth, int imageHeight);
    // Adds a button showing image `image` of the strip; returns its command id, or 0 when the
    // toolbar could not take it. `menuItem` (not owned) is the item it stands for, if any.
    int AddButton(int image, const std::string& tooltip, ButtonKind kind = ButtonKind::kPush,
                  SubMenu* menuItem = nullptr);
    void AddSeparator();

    // False for a command id that is no button of this toolbar.
    bool SetChecked(int commandId, bool checked);
    bool IsChecked(int commandId);
    bool SetButtonEnabled(int commandId, bool enabledNow);
    bool IsButtonEnabled(int commandId);
    int ButtonCount() const { return static_cast<int>(buttons_.size()); }

    HWND CompanionWindow() const override;
    void OnControlCommandFrom(WORD id, WORD code) override;
    LRESULT OnControlNotify(NMHDR& header) override;

    // Placed by the platform along the parent's top, as wide as it; false keeps x, y, width
    // and height.
    bool alongTop = true;
    ButtonCallback buttonCallback = nullptr;
    ButtonCallback dropDownCallback = nullptr;

private:
    struct Entry {
        int commandId = 0;  // 0 for a separator
        int image = 0;
        ButtonKind kind = ButtonKind::kPush;
        std::wstring tooltip;
        SubMenu* menuItem = nullptr;
        BYTE state = TBSTATE_ENABLED;
    };

    DWORD Style() const;
    void AddImages();
    void AddToControl(const Entry& entry);
    Entry* Find(int commandId);
    void ReadState(Entry& entry);
    LRESULT GiveTooltip(NMHDR& header);

    std::vector<Entry> buttons_;
    HBITMAP strip_ = nullptr;  // not owned
    int imageWidth_ = 16;
    int imageHeight_ = 16;
    std::wstring shownTip_;  // the text a tooltip is showing, kept while it shows
};

}  // namespace OrloUtility
