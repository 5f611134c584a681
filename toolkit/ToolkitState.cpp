#include "toolkit/ToolkitState.h"

namespace OrloUtility {

ToolkitState& Toolkit() {
    static ToolkitState state;
    return state;
}

}  // namespace OrloUtility
