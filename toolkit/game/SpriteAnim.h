// A strategy that moves or animates one sprite. It does not run by itself: it carries a period
// and the time gathered since its last step, and the game's frame handler steps it whenever the
// gathered time reaches the period (see RunStrategies).
#pragma once

#include <cstddef>
#include <memory>

#include "toolkit/game/SpriteTemplate.h"

namespace OrloUtility {

class Sprite;

class SpriteAnim {
public:
    // Starts with no time gathered, the template's frame period and its frames. The sprite and
    // the template are not owned and must outlive the strategy.
    SpriteAnim(Sprite& sprite, const SpriteTemplate& spriteTemplate);

    // The virtual operations keep this order.

    // One move or animation step of the sprite.
    virtual void Step() = 0;
    // A new strategy of the same class for the same sprite, template, period and gathered time;
    // frame-cycling strategies copy their frames too, the others take them from the template.
    virtual std::unique_ptr<SpriteAnim> Clone() const = 0;
    // Nothing calls it; it keeps its place after Clone.
    virtual void SpareHook();

    // Owners delete strategies through this base.
    virtual ~SpriteAnim() = default;

    // Every frame copies each strategy and frees the copy before the frame ends (RunStrategies):
    // the blocks of strategies are kept for reuse rather than asked of the heap fifty times a
    // second. Strategies are made and freed on the program's one thread only.
    static void* operator new(std::size_t size);
    static void operator delete(void* block, std::size_t size) noexcept;

    // Time gathered since the last step.
    int accumulatedMs = 0;
    // The step interval; zero or less steps on every frame.
    int periodMs;
    // The frames a frame-cycling strategy runs through, counted from 0.
    int firstFrame;
    int lastFrame;
    const SpriteTemplate* spriteTemplate;
    Sprite* sprite;

protected:
    // Clones start as a member-wise copy.
    SpriteAnim(const SpriteAnim&) = default;
    SpriteAnim& operator=(const SpriteAnim&) = default;
};

}  // namespace OrloUtility
