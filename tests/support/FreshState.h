// Puts a layer's per-process values (the toolkit's, the game's) back as at program start, for
// a test that must not see what an earlier one left: the layer's state object is replaced
// whole, so no value can be missed, and the old values go only once the fresh ones are in place.
#pragma once

#include <utility>

template <class State>
void ReplaceWithFresh(State& state) {
    [[maybe_unused]] State old = std::exchange(state, State{});
}
