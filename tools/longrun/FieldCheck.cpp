#include "FieldCheck.h"

#include <sstream>

#include "game/MovingSprite.h"

namespace LongRun {

namespace {

// UFOs start up to this far beyond their starting edge.
constexpr int kWaitingRoom = 100;

bool Alive(const OrloUtility::Sprite& sprite) {
    const auto* moving = dynamic_cast<const MyGame::MovingSprite*>(&sprite);
    return !moving || moving->alive;
}

std::optional<std::string> Outside(const OrloUtility::Sprite& sprite, int fieldWidth, int fieldHeight) {
    if (!Alive(sprite)) return std::nullopt;
    const bool across = sprite.x >= -(sprite.width + kWaitingRoom) && sprite.x <= fieldWidth + kWaitingRoom;
    const bool down = sprite.y >= 0 && sprite.y + sprite.height <= fieldHeight;
    if (across && down) return std::nullopt;
    std::ostringstream text;
    text << "sprite " << sprite.Id() << " (" << sprite.width << " x " << sprite.height << ") is outside the field at ("
         << sprite.x << ", " << sprite.y << ")";
    return text.str();
}

}  // namespace

std::optional<std::string> SpriteOutsideField(const MyGame::FormMain& game) {
    const int fieldWidth = game.playerTemplate.fieldWidth, fieldHeight = game.playerTemplate.fieldHeight;
    for (OrloUtility::GameElement* element : game.elements)
        if (const auto* sprite = dynamic_cast<const OrloUtility::Sprite*>(element))
            if (auto found = Outside(*sprite, fieldWidth, fieldHeight)) return found;
    for (const auto& bullet : game.playerBullets)
        if (auto found = Outside(*bullet, fieldWidth, fieldHeight)) return found;
    return std::nullopt;
}

std::vector<RECT> RectanglesInPlay(const MyGame::FormMain& game) {
    std::vector<RECT> rectangles;
    auto add = [&](const OrloUtility::Sprite& sprite) {
        rectangles.push_back({sprite.x, sprite.y, sprite.x + sprite.width, sprite.y + sprite.height});
    };
    for (OrloUtility::GameElement* element : game.elements)
        if (const auto* sprite = dynamic_cast<const OrloUtility::Sprite*>(element)) add(*sprite);
    for (const auto& bullet : game.playerBullets) add(*bullet);
    return rectangles;
}

}  // namespace LongRun
