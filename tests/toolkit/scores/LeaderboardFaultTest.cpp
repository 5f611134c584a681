// What the leaderboard does when its folder or file cannot be used: it reports it and leaves
// every stored result as it was.
//
// The tests may run as root, for whom permission bits do not stop a write, so no test relies
// on them. A folder that cannot be created is one whose name a file already takes, or a name
// too long for a folder. A lock that cannot be had is simulated by a folder taking the lock
// file's name. A read-only file is one without its owner's write bit, which the
// platform treats as the read-only attribute for everyone, root included.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "FileSizeLimit.h"
#include "ScoresTest.h"

namespace OrloUtility {
namespace {

using Lines = std::vector<std::string>;

const Lines kStored = {"00000900 ANNA", "00000500 BOB", "00000100 CARLO"};

TEST_F(ScoresTest, AFolderThatCannotBeCreatedSetsErrorAndWritesNothing) {
    const struct {
        const char* what;
        std::string gameName;
        void (*prepare)(const std::string& dataFolder);
    } cases[] = {
        {"a file takes the game folder's name", "Astrovex",
         [](const std::string& data) { std::ofstream(data + "/Astrovex") << "not a folder"; }},
        {"a game name too long for a folder", std::string(300, 'A'), [](const std::string&) {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.prepare(dataFolder_);
        const auto before = Snapshot();
        Leaderboard board(c.gameName);
        EXPECT_EQ(Lines{}, board.LoadLines());
        EXPECT_TRUE(board.error);
        board.error = false;
        EXPECT_FALSE(board.AddScore(100, "ANNA"));
        EXPECT_TRUE(board.error);
        board.error = false;
        EXPECT_FALSE(board.SaveLines({"00000100 ANNA"}));
        EXPECT_TRUE(board.error);
        EXPECT_EQ(before, Snapshot());
    }
}

// When the system names no local application-data folder at all (no data or home folder set),
// the game keeps its scores below the current folder.
TEST_F(ScoresTest, WithoutADataFolderTheScoresGoBelowTheCurrentFolder) {
    SetVariable("XDG_DATA_HOME", std::nullopt);
    SetVariable("HOME", std::nullopt);
    const std::string work = root_ + "/work";
    std::filesystem::create_directory(work);
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(work);
    const bool added = board_.AddScore(100, "ANNA");
    std::filesystem::current_path(previous);

    EXPECT_TRUE(added);
    EXPECT_FALSE(board_.error);
    const std::map<std::string, std::string> expected = {
        {work + "/Astrovex", "(folder)"},
        {work + "/Astrovex/Score", "(folder)"},
        {work + "/Astrovex/Score/Classifica.txt", "00000100 ANNA\r\n"},
    };
    EXPECT_EQ(expected, Snapshot(work));
}

TEST_F(ScoresTest, AFileThatCannotBeReplacedKeepsItsResults) {
    const struct {
        const char* what;
        void (*prepare)(const std::string& scoreFolder);
    } cases[] = {
        {"a read-only file", [](const std::string& folder) { chmod((folder + "/Classifica.txt").c_str(), 0444); }},
        {"a folder in the lock file's place",
         [](const std::string& folder) { std::filesystem::create_directory(folder + "/Classifica.txt.lock"); }},
        {"a folder in the file's place",
         [](const std::string& folder) {
             std::filesystem::remove(folder + "/Classifica.txt");
             std::filesystem::create_directory(folder + "/Classifica.txt");
             std::ofstream(folder + "/Classifica.txt/keep") << "kept";
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(dataFolder_ + "/Astrovex");
        Store(FileOf(kStored));
        c.prepare(ScoreFolderPath());
        const auto before = Snapshot();
        EXPECT_FALSE(board_.AddScore(2000, "NEW"));
        EXPECT_FALSE(board_.SaveLines({"00002000 NEW"}));
        EXPECT_FALSE(board_.error);
        EXPECT_EQ(before, Snapshot());
    }
}

// Saving after a failed read would replace every stored result by the new one alone. Here the
// file's name leads to a folder elsewhere: it exists, cannot be read, and could be replaced.
TEST_F(ScoresTest, AFileThatCannotBeReadIsNotReplaced) {
    Store("");
    std::filesystem::remove(FilePath());
    std::filesystem::create_directory(root_ + "/elsewhere");
    std::filesystem::create_directory_symlink(root_ + "/elsewhere", FilePath());
    const auto before = Snapshot();
    EXPECT_EQ(Lines{}, board_.LoadLines());
    EXPECT_FALSE(board_.error);
    EXPECT_FALSE(board_.AddScore(2000, "NEW"));
    EXPECT_FALSE(board_.error);
    EXPECT_EQ(before, Snapshot());
}

TEST_F(ScoresTest, AWriteFailingHalfWayKeepsTheOldFileAndLeavesNoTemporaryFile) {
    Store(FileOf(kStored));
    const auto before = Snapshot();
    // Room for the first line and part of the second.
    const rlim_t room = kStored[0].size() + 8;
    bool added = true;
    {
        FileSizeLimit limit(room);
        added = board_.AddScore(2000, "NEW");
    }
    EXPECT_FALSE(added);
    EXPECT_FALSE(board_.error);
    EXPECT_EQ(before, Snapshot());
}

}  // namespace
}  // namespace OrloUtility
