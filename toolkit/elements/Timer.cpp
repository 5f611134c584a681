#include "toolkit/elements/Timer.h"

namespace OrloUtility {

Timer::Timer(GUIElement* parentForm) : Child(parentForm) {
    width = 50;
    height = 22;
    text_ = L"timer";
    typeName_ = "timer";
}

Timer::~Timer() { Stop(); }

void Timer::Create() {
    if (window_) return;
    CreateControl(L"static", 0, enabled ? WS_CHILD : WS_CHILD | WS_DISABLED);
}

void Timer::Start() {
    if (running_) return;
    Create();
    SetTimer(ParentWindow(), id_, interval, nullptr);
    running_ = true;
}

void Timer::Stop() {
    if (!running_) return;
    KillTimer(ParentWindow(), id_);
    running_ = false;
}

}  // namespace OrloUtility
