// The toolkit's random integers, from the runtime library's generator.
#pragma once

namespace OrloUtility {

// A number in [low, high], drawn with rand(); the generator is seeded from the clock on the
// first call in the process. When high < low there is no such number and the result is low.
int RandomBetween(int low, int high);

}  // namespace OrloUtility
