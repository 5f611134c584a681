#include "game/ProcessState.h"

namespace MyGame {

ProcessState& Process() {
    static ProcessState state;
    return state;
}

}  // namespace MyGame
