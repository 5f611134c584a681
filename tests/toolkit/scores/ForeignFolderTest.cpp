// A user's data folder named in any script: the leaderboard finds it, writes there and reads
// its results back, so no score is lost to a folder name the program's narrow text cannot hold.
#include <filesystem>
#include <string>
#include <vector>

#include "ScoresTest.h"

namespace OrloUtility {
namespace {

using Lines = std::vector<std::string>;

// Folder names as the system spells them, in UTF-8.
const struct {
    const char* script;
    const char* name;
} kForeignNames[] = {
    {"Turkish", "\xC4\xB1\xC5\x9F\xC4\xB1k"},  // ışık
    {"Cyrillic", "\xD0\x9E\xD1\x87\xD0\xBA\xD0\xB8"},  // Очки
    {"Chinese", "\xE5\x88\x86\xE6\x95\xB0"},  // 分数
};

TEST_F(ScoresTest, AScoreIsKeptInADataFolderNamedInAnyScript) {
    for (const auto& foreign : kForeignNames) {
        SCOPED_TRACE(foreign.script);
        const std::string folder = dataFolder_ + "/" + foreign.name;
        std::filesystem::create_directory(folder);
        SetVariable("XDG_DATA_HOME", folder);

        ASSERT_TRUE(board_.AddScore(700, "ANNA"));
        EXPECT_TRUE(board_.AddScore(900, "BOB"));
        EXPECT_FALSE(board_.error);

        const Lines expected = {"00000900 BOB", "00000700 ANNA"};
        const std::map<std::string, std::string> files = {
            {folder + "/Astrovex", "(folder)"},
            {folder + "/Astrovex/Score", "(folder)"},
            {folder + "/Astrovex/Score/Classifica.txt", FileOf(expected)},
        };
        EXPECT_EQ(files, Snapshot(folder));
        EXPECT_EQ(expected, board_.LoadLines());
    }
    // Nothing went anywhere but into the three folders.
    EXPECT_EQ(std::size(kForeignNames), std::distance(std::filesystem::directory_iterator(dataFolder_),
                                                      std::filesystem::directory_iterator()));
}

}  // namespace
}  // namespace OrloUtility
