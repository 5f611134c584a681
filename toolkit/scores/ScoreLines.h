// The layout and the order of the leaderboard's lines.
//
// A line the game writes starts with the score as eight digits, so plain byte order ranks the
// lines by score; lines in any other layout are ranked by the same rule.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace OrloUtility {

// How many lines the leaderboard keeps after a save.
inline constexpr std::size_t kMaxStoredLines = 10;

// The line stored for one result: the score zero-filled to eight characters (only the last
// eight kept when longer, so 123456789 gives 23456789 and -5 gives 000000-5), one space, then
// `namePart` exactly as passed.
std::string ScoreLine(int score, const std::string& namePart);
// True when `a` is greater than `b` in byte order, bytes compared as unsigned values and a
// longer line greater than its own prefix. Sorting with it ranks the best line first and an
// empty line last.
bool RankBefore(const std::string& a, const std::string& b);
// The lines in rank order, cut to the best kMaxStoredLines.
std::vector<std::string> BestLines(std::vector<std::string> lines);

}  // namespace OrloUtility
