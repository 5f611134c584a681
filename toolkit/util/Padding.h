// Fixed-width layouts of numbers and text for the score, the leaderboard and its ranks.
//
// Each pads to at least the given width and never cuts a longer text.
#pragma once

#include <string>

namespace OrloUtility {

// The decimal text of `value`, filled on the left with '0' to `width` characters. The fill
// goes in front of the sign, as a stream with fill '0' does it: -5 in 8 gives "000000-5".
std::string ZeroPadded(int value, int width);
// `text` followed by as many `fill` bytes as it takes to reach `width`.
std::string PadRight(std::string text, char fill, unsigned width);
// `text` preceded by as many `fill` bytes as it takes to reach `width`.
std::string PadLeft(std::string text, char fill, unsigned width);

}  // namespace OrloUtility
