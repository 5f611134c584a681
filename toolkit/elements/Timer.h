// A periodic tick delivered through the parent form's message queue: the platform timer is set
// on the form's window with the timer's id, and the window procedure hands each WM_TIMER with
// that id to the tick callback. So a tick runs on the window thread, never alongside input handling.
#pragma once

#include "toolkit/elements/Child.h"

namespace OrloUtility {

class Timer : public Child {
public:
    using TickCallback = void (*)(Timer& timer);

    // The parent form must outlive the timer, whose destruction stops the platform timer on
    // the form's window.
    explicit Timer(GUIElement* parentForm);
    ~Timer() override;

    // Makes the hidden window that gives the timer its id.
    void Create() override;
    // Ticks every `interval` milliseconds from now on; nothing when already running.
    void Start();
    // Nothing when not running.
    void Stop();
    bool IsRunning() const { return running_; }

private:
    bool running_ = false;

public:
    UINT interval = 20;  // milliseconds
    TickCallback tickCallback = nullptr;
};

}  // namespace OrloUtility
