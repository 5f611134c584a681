#include "toolkit/scores/ScoreLines.h"

#include <algorithm>

#include "toolkit/util/Padding.h"

namespace OrloUtility {

namespace {

constexpr std::size_t kScoreDigits = 8;

bool ByteLess(char a, char b) { return static_cast<unsigned char>(a) < static_cast<unsigned char>(b); }

}  // namespace

std::string ScoreLine(int score, const std::string& namePart) {
    std::string digits = ZeroPadded(score, static_cast<int>(kScoreDigits));
    if (digits.size() > kScoreDigits) digits.erase(0, digits.size() - kScoreDigits);
    return digits + " " + namePart;
}

bool RankBefore(const std::string& a, const std::string& b) {
    // Names may hold bytes from 0x80 up (the file is ISO 8859-1), which plain char may sign.
    return std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), ByteLess);
}

std::vector<std::string> BestLines(std::vector<std::string> lines) {
    std::sort(lines.begin(), lines.end(), RankBefore);
    if (lines.size() > kMaxStoredLines) lines.resize(kMaxStoredLines);
    return lines;
}

}  // namespace OrloUtility
