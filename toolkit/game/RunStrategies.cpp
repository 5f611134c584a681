#include "toolkit/game/RunStrategies.h"

namespace OrloUtility {

bool ChargeAndCheck(SpriteAnim& strategy, int elapsedMs) {
    strategy.accumulatedMs += elapsedMs;
    return strategy.accumulatedMs >= strategy.periodMs;
}

namespace {

// Lists returned after their copies ran, waiting for the next frame.
std::vector<StrategyList>& SpareCopyLists() {
    static std::vector<StrategyList> spare;
    return spare;
}

}  // namespace

StrategyList TakeCopyList() {
    std::vector<StrategyList>& spare = SpareCopyLists();
    if (spare.empty()) return {};
    StrategyList list = std::move(spare.back());
    spare.pop_back();
    return list;
}

void ReturnCopyList(StrategyList&& copies) {
    copies.clear();
    SpareCopyLists().push_back(std::move(copies));
}

void SnapshotStrategies(std::initializer_list<StrategyList*> lists, int elapsedMs, StrategyList& copies) {
    std::size_t total = copies.size();
    for (const StrategyList* list : lists) total += list->size();
    copies.reserve(total);
    for (StrategyList* list : lists) {
        for (std::unique_ptr<SpriteAnim>& listed : *list) {
            copies.push_back(listed->Clone());
            if (ChargeAndCheck(*listed, elapsedMs)) listed->accumulatedMs = 0;
        }
    }
}

}  // namespace OrloUtility
