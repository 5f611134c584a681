// Maps opaque handle values to the objects they stand for, detecting stale handles.
//
// A handle is (tag << 32) | (generation << 16) | slot index, with generation and index at least
// 1, so a valid handle is never 0, never one of the small sentinel values the API gives meaning
// to (HWND_BOTTOM, HWND_BROADCAST, ...), a handle to a destroyed object never finds the slot's
// next tenant, and tables with different tags never accept each other's handles.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

template <class T, std::uintptr_t Tag = 0>
class HandleTable {
    static_assert(sizeof(std::uintptr_t) == 8 || Tag == 0, "tags need 64-bit handles");

public:
    std::uintptr_t Add(std::unique_ptr<T> object) {
        std::uint32_t index;
        if (!free_.empty()) {
            index = free_.back();
            free_.pop_back();
        } else {
            if (slots_.size() >= kMaxSlots) return 0;
            slots_.emplace_back();
            index = static_cast<std::uint32_t>(slots_.size());  // 1-based
        }
        Slot& slot = slots_[index - 1];
        slot.object = std::move(object);
        return (Tag << 32) | (static_cast<std::uintptr_t>(slot.generation) << 16) | index;
    }

    T* Get(std::uintptr_t handle) const {
        const Slot* slot = Find(handle);
        return slot ? slot->object.get() : nullptr;
    }

    // Takes the object out; the handle and every copy of it go stale.
    std::unique_ptr<T> Remove(std::uintptr_t handle) {
        Slot* slot = const_cast<Slot*>(Find(handle));
        if (!slot) return nullptr;
        std::unique_ptr<T> object = std::move(slot->object);
        slot->generation = slot->generation == 0xFFFF ? 1 : slot->generation + 1;
        free_.push_back(static_cast<std::uint32_t>(handle & 0xFFFF));
        return object;
    }

    template <class F>
    void ForEach(F&& visit) const {
        for (const Slot& slot : slots_)
            if (slot.object) visit(*slot.object);
    }

private:
    static constexpr std::size_t kMaxSlots = 0xFFFF;

    struct Slot {
        std::unique_ptr<T> object;
        std::uint16_t generation = 1;
    };

    const Slot* Find(std::uintptr_t handle) const {
        if ((handle >> 32) != Tag) return nullptr;
        const std::uintptr_t index = handle & 0xFFFF;
        const std::uintptr_t generation = (handle >> 16) & 0xFFFF;
        if (index == 0 || index > slots_.size()) return nullptr;
        const Slot& slot = slots_[index - 1];
        if (!slot.object || slot.generation != generation) return nullptr;
        return &slot;
    }

    std::vector<Slot> slots_;
    std::vector<std::uint32_t> free_;
};

}  // namespace platform
