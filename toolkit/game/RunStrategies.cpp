#include "toolkit/game/RunStrategies.h"

namespace OrloUtility {

bool ChargeAndCheck(SpriteAnim& strategy, int elapsedMs) {
    strategy.accumulatedMs += elapsedMs;
    return strategy.accumulatedMs >= strategy.periodMs;
}

StrategyList SnapshotStrategies(std::initializer_list<StrategyList*> lists, int elapsedMs) {
    std::size_t total = 0;
    for (const StrategyList* list : lists) total += list->size();
    StrategyList copies;
    copies.reserve(total);
    for (StrategyList* list : lists) {
        for (std::unique_ptr<SpriteAnim>& listed : *list) {
            copies.push_back(listed->Clone());
            if (ChargeAndCheck(*listed, elapsedMs)) listed->accumulatedMs = 0;
        }
    }
    return copies;
}

}  // namespace OrloUtility
