// The thread's queue of posted messages and its quit flag.
#pragma once

#include <deque>
#include <optional>

#include "PlatformApi.h"

namespace platform {

// Whether a message passes GetMessageW's filters: a window filter of null takes every
// message, (HWND)-1 only thread messages, any other window itself and its descendants.
bool PassesFilter(const MSG& msg, HWND window, UINT first, UINT last);
bool InRange(UINT message, UINT first, UINT last);

class MessageQueue {
public:
    void Post(const MSG& msg) { posted_.push_back(msg); }
    // The first posted message that passes the filters; removed when `remove`.
    std::optional<MSG> TakePosted(HWND window, UINT first, UINT last, bool remove);

    void SetQuit(int exitCode) { quitCode_ = exitCode; }
    std::optional<int> QuitCode() const { return quitCode_; }
    void ClearQuit() { quitCode_.reset(); }

    DWORD lastMessageTime = 0;

private:
    std::deque<MSG> posted_;
    std::optional<int> quitCode_;
};

}  // namespace platform
