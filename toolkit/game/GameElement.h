// The common base of everything a game form keeps in its element list. It has no operations of
// its own; it lets the list hold any game object and ask at run time (dynamic_cast) whether an
// entry is a Sprite or a particular kind of Sprite.
#pragma once

namespace OrloUtility {

class GameElement {
public:
    // Virtual because the game deletes its objects through their base types.
    virtual ~GameElement() = default;
};

}  // namespace OrloUtility
