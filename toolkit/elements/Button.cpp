#include "toolkit/elements/Button.h"

#include "toolkit/drawing/Drawing.h"
#include "toolkit/util/TextConvert.h"

namespace OrloUtility {

namespace {

// The image's distance from the item's left edge, and the gap between it and the text.
constexpr int kImageLeft = 5;
constexpr int kTextGap = 8;

}  // namespace

Button::Button(GUIElement* parentForm, const std::string& caption) : Child(parentForm) {
    width = 80;
    height = 30;
    text_ = ToWide(caption);
    typeName_ = "button";
}

void Button::Create() {
    if (window_) return;
    CreateControl(L"Button", 0, Style());
    ApplyTooltipAndFont();
}

DWORD Button::Style() const {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    style |= ownerDrawn ? BS_OWNERDRAW : BS_PUSHBUTTON;
    if (!enabled) style |= WS_DISABLED;
    return style;
}

int Button::DrawImage(Drawing& surface, const RECT& item, bool) {
    HBITMAP shown = enabled ? image : disabledImage;
    BITMAP size{};
    if (!shown || !GetObjectW(shown, sizeof size, &size)) return 0;
    surface.DrawMasked(item.left + kImageLeft, (item.bottom - item.top - size.bmHeight) / 2, 0, 0, shown);
    return size.bmWidth + item.left + kTextGap;
}

}  // namespace OrloUtility
