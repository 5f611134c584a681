#include "toolkit/game/SpriteAnim.h"

namespace OrloUtility {

SpriteAnim::SpriteAnim(Sprite& sprite, const SpriteTemplate& spriteTemplate)
    : periodMs(spriteTemplate.framePeriodMs),
      firstFrame(spriteTemplate.firstFrame),
      lastFrame(spriteTemplate.lastFrame),
      spriteTemplate(&spriteTemplate),
      sprite(&sprite) {}

void SpriteAnim::SpareHook() {}

}  // namespace OrloUtility
