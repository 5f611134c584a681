#include "toolkit/elements/Label.h"

#include "toolkit/util/TextConvert.h"

namespace OrloUtility {

Label::Label(GUIElement* parentForm, const std::string& caption) : Child(parentForm) {
    width = 80;
    height = 30;
    text_ = ToWide(caption);
    typeName_ = "label";
}

void Label::Create() {
    if (window_) return;
    CreateControl(L"static", bordered ? WS_EX_CLIENTEDGE : 0, Style());
    ApplyTooltipAndFont();
}

// Without SS_NOTIFY a static control lets the mouse through to its parent, and the label's
// mouse callbacks would never run.
DWORD Label::Style() const {
    DWORD style = WS_CHILD | WS_VISIBLE | SS_NOTIFY;
    if (!enabled) style |= WS_DISABLED;
    if (bordered) style |= WS_BORDER;
    if (rightAligned) style |= SS_RIGHT;
    else if (centred) style |= SS_CENTER;
    return style;
}

}  // namespace OrloUtility
