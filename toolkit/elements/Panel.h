// A plain area inside a form that holds other controls: its own background colour and an
// optional border, its children placed by their positions inside it. Making the panel makes
// the children made for it that are not made yet. Whatever its controls report (commands,
// notifications, scrolling) it passes on to its own parent, so that the form hears of them as
// if the controls were its own; colours it gives its controls itself, its own background.
#pragma once

#include <optional>
#include <string>

#include "toolkit/elements/Child.h"

namespace OrloUtility {

class Panel : public Child {
public:
    // 200 by 150, the form's colour, inside `parentForm`.
    explicit Panel(GUIElement* parentForm);
    // The class goes once the window is gone, and the brush with it.
    ~Panel() override;

    void SetBackColor(COLORREF colour) override;
    HBRUSH OnControlColor(HDC controlContext) override;
    void Create() override;

    // The answer to a report from one of its controls, passed on to the parent; nothing for any
    // other message.
    std::optional<LRESULT> PassOn(UINT message, WPARAM wParam, LPARAM lParam) const;

    bool bordered = false;

private:
    void RegisterWindowClass();
    void CreateChildren();
    HBRUSH Brush();

    std::wstring className_;
    HBRUSH brush_ = nullptr;  // owned; the background given to its controls
};

}  // namespace OrloUtility
