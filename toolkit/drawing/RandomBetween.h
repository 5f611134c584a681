// The toolkit's random integers, from the runtime library's generator.
#pragma once

namespace OrloUtility {

// A number in [low, high], drawn with rand(); the generator is seeded from the clock on the
// first call in the process. When high < low there is no such number and the result is low.
int RandomBetween(int low, int high);
// rand(), after the same seeding as RandomBetween.
int SeededRandom();
// Seeds the generator with `seed` and counts it as seeded: makes a run repeatable.
void SeedRandom(unsigned seed);

}  // namespace OrloUtility
