// A leaderboard file that is a symbolic link, to keep the scores in a folder of the user's
// choosing: a save writes through the link and leaves it a link.
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "ScoresTest.h"

namespace OrloUtility {
namespace {

using Lines = std::vector<std::string>;

TEST_F(ScoresTest, ALinkedFileStaysALinkAndItsTargetGetsTheResults) {
    const std::string target = root_ + "/elsewhere/scores.txt";
    std::filesystem::create_directory(root_ + "/elsewhere");
    Store("");
    std::filesystem::remove(FilePath());
    std::filesystem::create_symlink(target, FilePath());
    std::ofstream(target, std::ios::binary) << FileOf({"00000500 BOB"});

    ASSERT_TRUE(board_.AddScore(900, "ANNA"));
    ASSERT_TRUE(std::filesystem::is_symlink(FilePath()));
    EXPECT_EQ(target, std::filesystem::read_symlink(FilePath()).string());
    EXPECT_EQ(FileOf({"00000900 ANNA", "00000500 BOB"}), StoredBytes());
    // Nothing was left beside the link or beside its target.
    EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(root_ + "/elsewhere"),
                               std::filesystem::directory_iterator()));
    EXPECT_EQ((std::map<std::string, std::string>{{FilePath(), FileOf({"00000900 ANNA", "00000500 BOB"})}}),
              Snapshot(ScoreFolderPath()));
}

}  // namespace
}  // namespace OrloUtility
