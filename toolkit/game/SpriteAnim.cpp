#include "toolkit/game/SpriteAnim.h"

#include <array>
#include <new>
#include <vector>

namespace OrloUtility {

namespace {

// Blocks are kept by size, in steps of 16 bytes up to 256; a larger strategy is rare enough to
// come from the heap each time.
constexpr std::size_t kStep = 16;
constexpr std::size_t kLargestKept = 256;

std::size_t ClassOf(std::size_t size) { return (size + kStep - 1) / kStep - 1; }

// Never destroyed: the blocks it holds stay reachable to the end, for leak checkers too, and a
// strategy freed during static destruction still finds it.
std::vector<void*>& FreeBlocks(std::size_t sizeClass) {
    static auto* free = new std::array<std::vector<void*>, kLargestKept / kStep>();
    return (*free)[sizeClass];
}

}  // namespace

void* SpriteAnim::operator new(std::size_t size) {
    if (size == 0 || size > kLargestKept) return ::operator new(size);
    std::vector<void*>& free = FreeBlocks(ClassOf(size));
    if (free.empty()) return ::operator new((ClassOf(size) + 1) * kStep);
    void* block = free.back();
    free.pop_back();
    return block;
}

void SpriteAnim::operator delete(void* block, std::size_t size) noexcept {
    if (!block) return;
    if (size == 0 || size > kLargestKept) {
        ::operator delete(block);
        return;
    }
    std::vector<void*>& free = FreeBlocks(ClassOf(size));
    try {
        free.push_back(block);
    } catch (const std::bad_alloc&) {
        // No room to remember it: it goes back to the heap instead.
        ::operator delete(block);
    }
}

SpriteAnim::SpriteAnim(Sprite& sprite, const SpriteTemplate& spriteTemplate)
    : periodMs(spriteTemplate.framePeriodMs),
      firstFrame(spriteTemplate.firstFrame),
      lastFrame(spriteTemplate.lastFrame),
      spriteTemplate(&spriteTemplate),
      sprite(&sprite) {}

void SpriteAnim::SpareHook() {}

}  // namespace OrloUtility
