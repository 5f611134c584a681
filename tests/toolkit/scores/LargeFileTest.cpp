// A long leaderboard file, written by hand or by merging files: every line is read whole and
// the save keeps the best results wherever they stood. Only a file too large to hold is
// refused, and then left exactly as it was.
#include <string>
#include <vector>

#include "ScoresTest.h"
#include "toolkit/scores/ScoreLines.h"
#include "toolkit/scores/TextFile.h"

namespace OrloUtility {
namespace {

using Lines = std::vector<std::string>;

// `count` results, the scores rising line by line, so the best come last.
Lines RisingScores(int count) {
    Lines lines;
    for (int i = 1; i <= count; ++i) lines.push_back(ScoreLine(i, "PLAYER"));
    return lines;
}

TEST_F(ScoresTest, ALongFileIsReadWholeAndItsBestLinesSurviveTheSave) {
    const struct {
        const char* what;
        Lines stored;
    } cases[] = {
        {"ten thousand lines, the best last", RisingScores(10000)},
        {"a line of three thousand bytes", {"00000100 A", ScoreLine(99999, std::string(3000, 'N')), "00000200 B"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Store(FileOf(c.stored));
        EXPECT_EQ(c.stored, board_.LoadLines());

        ASSERT_TRUE(board_.AddScore(1, "LAST"));
        Lines expected = c.stored;
        expected.push_back(ScoreLine(1, "LAST"));
        EXPECT_EQ(FileOf(BestLines(expected)), StoredBytes());
    }
}

TEST_F(ScoresTest, AFileTooLargeToHoldIsLeftAsItIsAndTheResultIsNotAdded) {
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"one byte past the size cap",
         "00000100 A\r\n" + std::string(TextFile::kMaxFileBytes - 12 + 1, 'x')},
        {"one line past the line cap", std::string(TextFile::kMaxLines + 1, '\n')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Store(c.bytes);
        EXPECT_EQ(Lines{}, board_.LoadLines());
        EXPECT_FALSE(board_.AddScore(2000, "NEW"));
        EXPECT_FALSE(board_.error);
        EXPECT_EQ(c.bytes, StoredBytes());
    }
}

TEST_F(ScoresTest, AFileJustAtTheCapsIsReadWhole) {
    const struct {
        const char* what;
        std::string bytes;
        std::size_t lines;
    } cases[] = {
        {"exactly the size cap", "00000100 A\r\n" + std::string(TextFile::kMaxFileBytes - 12, 'x'), 2},
        {"exactly the line cap", std::string(TextFile::kMaxLines, '\n'), TextFile::kMaxLines},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Store(c.bytes);
        EXPECT_EQ(c.lines, board_.LoadLines().size());
        EXPECT_TRUE(board_.AddScore(2000, "NEW"));
    }
}

}  // namespace
}  // namespace OrloUtility
