// Static text inside a form, optionally bordered, right-aligned or centred.
#pragma once

#include <string>

#include "toolkit/elements/Child.h"

namespace OrloUtility {

class Label : public Child {
public:
    // 80 by 30, showing `caption`, inside `parentForm`.
    Label(GUIElement* parentForm, const std::string& caption);

    void Create() override;

    bool bordered = false;
    bool rightAligned = false;  // wins over centred
    bool centred = false;

private:
    DWORD Style() const;
};

}  // namespace OrloUtility
