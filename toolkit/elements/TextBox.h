// A text field inside a form: one line or several, with an optional length limit, letter
// case, alignment, digits-only, read-only and password behaviour.
#pragma once

#include <string>

#include "toolkit/elements/Child.h"

namespace OrloUtility {

class TextBox : public Child {
public:
    static constexpr int kNoLimit = -1;

    // 80 by 30, holding `initialText`, inside `parentForm`.
    TextBox(GUIElement* parentForm, const std::string& initialText);

    void Create() override;
    // Gives a live box the style of the current flags, including read-only and password,
    // which a box made earlier does not follow by itself. Nothing without a window, and
    // nothing more when the style cannot be set.
    void ApplyStyle();

    int maxLength = kNoLimit;
    bool multiLine = false;
    bool horizontalScrollBar = false;
    bool verticalScrollBar = false;
    bool readOnly = false;
    bool digitsOnly = false;
    bool password = false;  // applied by ApplyStyle only
    bool lowerCase = false;
    bool upperCase = false;  // wins over lowerCase
    bool rightAligned = false;  // wins over centred
    bool centred = false;
    bool bordered = true;
    bool wordWrap = false;  // with multiLine: wraps at the right edge instead of scrolling sideways

private:
    DWORD Style() const;
    DWORD LineStyle() const;
    DWORD CaseAndAlignment() const;
};

}  // namespace OrloUtility
