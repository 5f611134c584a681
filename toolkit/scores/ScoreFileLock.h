// Holds the leaderboard's lock for as long as it lives, so that one game's read, add and save
// is one step for every other game: two games that save at once would otherwise both read the
// old file and the second save would drop the first one's result.
//
// The lock is the system's advisory lock of a small file beside the leaderboard ("...lock"),
// never of the leaderboard itself, which every save replaces with a new file. A game that dies
// holding it loses it at once.
#pragma once

#include <cstdint>
#include <string>

namespace OrloUtility {

class ScoreFileLock {
public:
    // Waits for the lock of the file at `filePath` (wide text, backslashes).
    explicit ScoreFileLock(const std::wstring& filePath);
    ~ScoreFileLock();
    ScoreFileLock(const ScoreFileLock&) = delete;
    ScoreFileLock& operator=(const ScoreFileLock&) = delete;

    // False when the lock could not be had (its file cannot be made): nothing may be saved then.
    bool Held() const;

private:
    std::intptr_t lock_;
};

}  // namespace OrloUtility
