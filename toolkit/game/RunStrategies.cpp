#include "toolkit/game/RunStrategies.h"

#include "toolkit/ToolkitState.h"

namespace OrloUtility {

bool ChargeAndCheck(SpriteAnim& strategy, int elapsedMs) {
    strategy.accumulatedMs += elapsedMs;
    return strategy.accumulatedMs >= strategy.periodMs;
}

namespace {

std::vector<StrategyList>& SpareCopyLists() { return Toolkit().spareCopyLists; }

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
