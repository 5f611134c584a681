// Fixture for the leaderboard tests: a temporary folder stands for the user's local
// application-data folder (through XDG_DATA_HOME), HOME points to a missing folder so no test
// can reach the real one, and a Leaderboard for "Astrovex" is ready.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "toolkit/scores/Leaderboard.h"

namespace OrloUtility {

class ScoresTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Native paths below the data folder.
    std::string ScoreFolderPath() const { return dataFolder_ + "/Astrovex/Score"; }
    std::string FilePath() const { return ScoreFolderPath() + "/Classifica.txt"; }

    // Creates the score folder as needed and writes `bytes` as the leaderboard file.
    void Store(const std::string& bytes) const;
    // The leaderboard file's bytes; none when it is missing.
    std::optional<std::string> StoredBytes() const;
    // Every entry below `folder` (the data folder by default) with a file's bytes, or
    // "(folder)", so a test can tell that nothing at all changed. The leaderboard's lock file
    // is left out: it holds nothing, and every save makes it.
    std::map<std::string, std::string> Snapshot() const;
    std::map<std::string, std::string> Snapshot(const std::string& folder) const;

    static void SetVariable(const char* name, const std::optional<std::string>& value);

    TempFolder temp_{"astrovex-scores"};
    const std::string root_ = temp_.Text();
    std::string dataFolder_;
    Leaderboard board_{"Astrovex"};

private:
    std::optional<std::string> savedDataHome_;
    std::optional<std::string> savedHome_;
};

// The bytes the game writes for these lines: each followed by CR LF.
std::string FileOf(const std::vector<std::string>& lines);

}  // namespace OrloUtility
