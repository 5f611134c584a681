// Hand-edited or damaged leaderboard files: read without a crash, within TextFile's limits,
// and replaced by a well-formed file at the next save.
#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "ScoresTest.h"
#include "toolkit/scores/ScoreLines.h"
#include "toolkit/scores/TextFile.h"

namespace OrloUtility {
namespace {

using Lines = std::vector<std::string>;
using namespace std::string_literals;

constexpr std::size_t kMaxLineBytes = TextFile::kMaxLineBytes;
constexpr std::size_t kMaxLines = TextFile::kMaxLines;

std::string Repeated(const std::string& piece, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i) text += piece;
    return text;
}

// Bytes from a fixed seed, so a failure can be repeated.
std::string RandomBytes(std::size_t size) {
    std::mt19937 generator(20240501);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(size, '\0');
    for (char& b : bytes) b = static_cast<char>(byte(generator));
    return bytes;
}

struct DamagedFile {
    const char* what;
    std::string bytes;
    // The lines LoadLines must start with, and how many it must return (0: not checked).
    Lines firstLines;
    std::size_t lineCount;
};

const DamagedFile kDamagedFiles[] = {
    {"a line three times the kept length", std::string(3 * kMaxLineBytes, 'x') + "\r\n00000100 B\r\n",
     {std::string(kMaxLineBytes, 'x'), "00000100 B"}, 2},
    {"NUL bytes", "\0\0\0\r\n00000100 B\0\0\r\n\0"s, {"", "00000100 B", ""}, 3},
    {"binary junk", RandomBytes(64 * 1024), {}, 0},
    {"thousands of lines", Repeated("00000001 L\r\n", 5 * kMaxLines), {"00000001 L"}, kMaxLines},
    {"thousands of empty lines", std::string(5 * kMaxLines, '\n'), {""}, kMaxLines},
    {"more than is read, on one line",
     std::string(TextFile::kMaxReadBytes + kMaxLineBytes, 'y') + "\n00000100 B\n",
     {std::string(kMaxLineBytes, 'y')}, 1},
};

void ExpectWithinLimits(const Lines& lines) {
    EXPECT_LE(lines.size(), kMaxLines);
    for (const std::string& line : lines) {
        EXPECT_LE(line.size(), kMaxLineBytes);
        EXPECT_EQ(std::string::npos, line.find('\0'));
    }
}

TEST_F(ScoresTest, DamagedFilesAreReadWithinTheLimits) {
    for (const DamagedFile& file : kDamagedFiles) {
        SCOPED_TRACE(file.what);
        Store(file.bytes);
        const Lines lines = board_.LoadLines();
        EXPECT_FALSE(board_.error);
        ExpectWithinLimits(lines);
        ASSERT_GE(lines.size(), file.firstLines.size());
        EXPECT_TRUE(std::equal(file.firstLines.begin(), file.firstLines.end(), lines.begin()));
        if (file.lineCount != 0) {
            EXPECT_EQ(file.lineCount, lines.size());
        }
    }
}

TEST_F(ScoresTest, TheSaveAfterADamagedFileWritesTheBestTenWellFormed) {
    for (const DamagedFile& file : kDamagedFiles) {
        SCOPED_TRACE(file.what);
        Store(file.bytes);
        const std::size_t before = board_.LoadLines().size();
        ASSERT_TRUE(board_.AddScore(100, "NEW"));
        const Lines after = board_.LoadLines();
        EXPECT_EQ(std::min(before + 1, kMaxStoredLines), after.size());
        EXPECT_TRUE(std::is_sorted(after.begin(), after.end(), RankBefore));
        EXPECT_EQ(FileOf(after), StoredBytes());
    }
}

TEST(RankBefore, IsDescendingUnsignedByteOrder) {
    const struct {
        std::string a;
        std::string b;
        bool before;
    } cases[] = {
        {"00000200 A", "00000100 Z", true},
        {"00000100 Z", "00000200 A", false},
        {"00000100 A", "00000100 A", false},
        {"00000100 AB", "00000100 A", true},  // a longer line is greater than its prefix
        {"00000100 \xE8", "00000100 z", true},  // 0xE8 as an unsigned byte is above 'z'
        {"A", "99999999 Z", true},  // a letter is above every digit
        {"", "0", false},
        {"0", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("\"" + c.a + "\" before \"" + c.b + "\"");
        EXPECT_EQ(c.before, RankBefore(c.a, c.b));
    }
}

}  // namespace
}  // namespace OrloUtility
