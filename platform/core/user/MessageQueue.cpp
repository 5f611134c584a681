#include "user/MessageQueue.h"

namespace platform {

bool InRange(UINT message, UINT first, UINT last) {
    if (first == 0 && last == 0) return true;
    return message >= first && message <= last;
}

bool PassesFilter(const MSG& msg, HWND window, UINT first, UINT last) {
    if (!InRange(msg.message, first, last)) return false;
    if (!window) return true;
    if (window == reinterpret_cast<HWND>(-1)) return msg.hwnd == nullptr;
    return msg.hwnd == window || IsChild(window, msg.hwnd);
}

std::optional<MSG> MessageQueue::TakePosted(HWND window, UINT first, UINT last, bool remove) {
    for (auto it = posted_.begin(); it != posted_.end(); ++it) {
        if (!PassesFilter(*it, window, first, last)) continue;
        MSG msg = *it;
        if (remove) posted_.erase(it);
        return msg;
    }
    return std::nullopt;
}

}  // namespace platform
