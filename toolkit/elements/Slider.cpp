#include "toolkit/elements/Slider.h"

#include <algorithm>
#include <utility>

namespace OrloUtility {

Slider::Slider(GUIElement* parentForm) : Child(parentForm) {
    width = 200;
    height = 32;
    typeName_ = "slider";
}

void Slider::Create() {
    if (window_) return;
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    CreateControl(TRACKBAR_CLASSW, 0, Style());
    ApplyAll();
    ApplyTooltipAndFont();
}

DWORD Slider::Style() const {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    style |= vertical ? TBS_VERT : TBS_HORZ;
    style |= tickFrequency > 0 ? TBS_AUTOTICKS : TBS_NOTICKS;
    if (!enabled) style |= WS_DISABLED;
    return style;
}

// The range goes first, so that the value it then takes is not clamped to the default range.
void Slider::ApplyAll() {
    if (!window_) return;
    SendMessageW(window_, TBM_SETRANGEMIN, FALSE, minimum);
    SendMessageW(window_, TBM_SETRANGEMAX, FALSE, maximum);
    SendMessageW(window_, TBM_SETLINESIZE, 0, lineStep);
    SendMessageW(window_, TBM_SETPAGESIZE, 0, pageStep);
    if (tickFrequency > 0) SendMessageW(window_, TBM_SETTICFREQ, static_cast<WPARAM>(tickFrequency), 0);
    SendMessageW(window_, TBM_SETPOS, TRUE, value_);
}

void Slider::SetRange(int newMinimum, int newMaximum) {
    if (newMinimum > newMaximum) std::swap(newMinimum, newMaximum);
    minimum = newMinimum;
    maximum = newMaximum;
    value_ = std::clamp(value_, minimum, maximum);
    ApplyAll();
}

void Slider::SetValue(int newValue) {
    value_ = std::clamp(newValue, std::min(minimum, maximum), std::max(minimum, maximum));
    if (window_) SendMessageW(window_, TBM_SETPOS, TRUE, value_);
}

void Slider::SetSteps(int line, int page) {
    lineStep = std::max(1, line);
    pageStep = std::max(1, page);
    ApplyAll();
}

void Slider::SetTickFrequency(int every) {
    tickFrequency = std::max(0, every);
    if (!window_) return;
    // Ticks come and go with the style; the frequency only spaces them.
    LONG style = GetWindowLongW(window_, GWL_STYLE) & ~static_cast<LONG>(TBS_AUTOTICKS | TBS_NOTICKS);
    SetWindowLongW(window_, GWL_STYLE, style | static_cast<LONG>(tickFrequency > 0 ? TBS_AUTOTICKS : TBS_NOTICKS));
    if (tickFrequency > 0) SendMessageW(window_, TBM_SETTICFREQ, static_cast<WPARAM>(tickFrequency), 0);
    InvalidateRect(window_, nullptr, TRUE);
}

int Slider::GetValue() {
    if (window_ && IsWindow(window_)) value_ = static_cast<int>(SendMessageW(window_, TBM_GETPOS, 0, 0));
    return value_;
}

// While the thumb is dragged the slider's position already follows it, so every report reads
// it; only a real change is passed on. The end of a key press or a drag ends the change.
void Slider::OnControlScroll(WORD code, int) {
    const int before = value_;
    if (GetValue() != before && valueChangedCallback) valueChangedCallback(*this);
    if (code == TB_ENDTRACK && changeEndedCallback) changeEndedCallback(*this);
}

}  // namespace OrloUtility
