// The leaderboard file as the game uses it: reading it line by line, adding results, ranking
// and keeping the best ten, with the exact bytes on disk.
#include <filesystem>
#include <string>
#include <vector>

#include "ScoresTest.h"
#include "toolkit/util/Padding.h"

namespace OrloUtility {
namespace {

using Lines = std::vector<std::string>;
using namespace std::string_literals;

const Lines kTenResults = {"00001000 A", "00000900 B", "00000800 C", "00000700 D", "00000600 E",
                           "00000500 F", "00000400 G", "00000300 H", "00000200 I", "00000100 J"};

// Lines for the scores from `first` to `last` (either way), each named after its score.
Lines Results(int first, int last) {
    Lines lines;
    const int step = first <= last ? 1 : -1;
    for (int score = first; score != last + step; score += step) {
        const std::string digits = std::to_string(score);
        lines.push_back(std::string(8 - digits.size(), '0') + digits + " P" + digits);
    }
    return lines;
}

// A hand-edited file: fifteen results, worst first.
const Lines kFifteenResults = Results(1, 15);

Lines Concat(Lines first, const Lines& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

TEST_F(ScoresTest, FirstRunCreatesBothFolderLevelsAndWritesOneLine) {
    ASSERT_FALSE(std::filesystem::exists(dataFolder_ + "/Astrovex"));
    // The game-over flow's name part: the name padded to 12, then the level.
    EXPECT_TRUE(board_.AddScore(4250, PadRight("ANNA", ' ', 12) + " Level 3"));
    EXPECT_FALSE(board_.error);
    EXPECT_TRUE(std::filesystem::is_directory(dataFolder_ + "/Astrovex/Score"));
    EXPECT_EQ("00004250 ANNA         Level 3\r\n", StoredBytes());
    EXPECT_EQ((Lines{"00004250 ANNA         Level 3"}), board_.LoadLines());
}

// A data folder whose name holds an accented letter (named in UTF-8 on disk, as the desktop
// names it) is the one written to, not a look-alike with the letter's single byte.
TEST_F(ScoresTest, ADataFolderWithAnAccentedNameIsUsedAsNamed) {
    const std::string accented = root_ + "/donn\xC3\xA9" "es";
    std::filesystem::create_directory(accented);
    SetVariable("XDG_DATA_HOME", accented);
    EXPECT_TRUE(board_.AddScore(50, "MARIO"));
    EXPECT_TRUE(std::filesystem::is_regular_file(accented + "/Astrovex/Score/Classifica.txt"));
    EXPECT_EQ((Lines{"00000050 MARIO"}), board_.LoadLines());
}

// A new account may not have its data folder yet: it is made, rather than the results going
// to whatever folder the game was started from.
TEST_F(ScoresTest, AMissingDataFolderIsMadeRatherThanWritingIntoTheWorkingFolder) {
    const std::string missing = root_ + "/new-account/.local/share";
    SetVariable("XDG_DATA_HOME", missing);
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::create_directory(root_ + "/work");
    std::filesystem::current_path(root_ + "/work");
    EXPECT_TRUE(board_.AddScore(50, "MARIO"));
    std::filesystem::current_path(before);
    EXPECT_TRUE(std::filesystem::is_regular_file(missing + "/Astrovex/Score/Classifica.txt"));
    EXPECT_FALSE(std::filesystem::exists(root_ + "/work/Astrovex"));
}

TEST_F(ScoresTest, LoadingWithoutAFileGivesNoLinesAndWritesNothing) {
    EXPECT_EQ(Lines{}, board_.LoadLines());
    EXPECT_FALSE(board_.error);
    EXPECT_EQ(std::nullopt, StoredBytes());
}

TEST_F(ScoresTest, LoadLinesReadsEveryLineAsStored) {
    const struct {
        const char* what;
        std::string bytes;
        Lines lines;
    } cases[] = {
        {"CR LF line ends", "00000300 A\r\n00000100 B\r\n", {"00000300 A", "00000100 B"}},
        {"a last line without a line break", "00000300 A\r\n00000100 B", {"00000300 A", "00000100 B"}},
        {"LF alone ends a line too", "00000300 A\n00000100 B\n", {"00000300 A", "00000100 B"}},
        {"a blank line is an empty entry", "00000300 A\r\n\r\n00000100 B\r\n", {"00000300 A", "", "00000100 B"}},
        {"a CR not before LF stays", "00000300 A\rB\r\r\nC\r", {"00000300 A\rB\r", "C\r"}},
        {"spaces are not trimmed", "00000300   A  \r\n", {"00000300   A  "}},
        {"bytes from 0x80 up stay", "00000300 \xC8\xFF\r\n", {"00000300 \xC8\xFF"}},
        {"a NUL ends what is kept of a line", "00000300 A\0junk\r\nB\r\n"s, {"00000300 A", "B"}},
        {"an empty file", "", {}},
        {"fifteen lines, returned whole", FileOf(kFifteenResults), kFifteenResults},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Store(c.bytes);
        EXPECT_EQ(c.lines, board_.LoadLines());
        EXPECT_FALSE(board_.error);
    }
}

TEST_F(ScoresTest, AddScoreRanksTheNewLineAndKeepsTheBestTen) {
    const struct {
        const char* what;
        std::string stored;
        int score;
        std::string namePart;
        Lines expected;
    } cases[] = {
        {"a result below ten stored ones changes nothing", FileOf(kTenResults), 50, "K", kTenResults},
        {"a new best pushes the tenth out", FileOf(kTenResults), 2000, "NEW",
         Concat({"00002000 NEW"}, Lines(kTenResults.begin(), kTenResults.end() - 1))},
        {"nine digits keep their last eight", "", 123456789, "X", {"23456789 X"}},
        {"zero", "", 0, "X", {"00000000 X"}},
        {"the fill goes before the sign", "", -5, "X", {"000000-5 X"}},
        {"the smallest int", "", -2147483647 - 1, "X", {"47483648 X"}},
        {"equal scores: the greater name part first", FileOf({"00000100 ANNA"}), 100, "ZOE",
         {"00000100 ZOE", "00000100 ANNA"}},
        {"equal scores and names: level 9 before 10", FileOf({"00000100 BOB          Level 10"}), 100,
         "BOB          Level 9", {"00000100 BOB          Level 9", "00000100 BOB          Level 10"}},
        {"bytes compare unsigned", FileOf({"00000100 Z"}), 100, "\xC8", {"00000100 \xC8", "00000100 Z"}},
        {"the name part is stored exactly as passed", "", 7, "  two  spaces  ", {"00000007   two  spaces  "}},
        {"a last line without a line break", "00000300 A\r\n00000100 B", 200, "C",
         {"00000300 A", "00000200 C", "00000100 B"}},
        {"a blank line ranks last", "00000300 A\r\n\r\n00000100 B\r\n", 200, "C",
         {"00000300 A", "00000200 C", "00000100 B", ""}},
        {"fifteen lines are cut to the best ten", FileOf(kFifteenResults), 0, "LOW", Results(15, 6)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(dataFolder_ + "/Astrovex");
        if (!c.stored.empty()) Store(c.stored);
        EXPECT_TRUE(board_.AddScore(c.score, c.namePart));
        EXPECT_FALSE(board_.error);
        EXPECT_EQ(FileOf(c.expected), StoredBytes());
    }
}

}  // namespace
}  // namespace OrloUtility
