// Hand-edited or damaged leaderboard files: read whole without a crash, and replaced by a
// well-formed file at the next save.
#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "ScoresTest.h"
#include "toolkit/scores/ScoreLines.h"

namespace OrloUtility {
namespace {

using Lines = std::vector<std::string>;
using namespace std::string_literals;

// Well past the 1,024 bytes a line and 1,000 lines that reading once stopped at.
constexpr std::size_t kLongLine = 1024;
constexpr std::size_t kManyLines = 1000;

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
    {"a line three times a long line", std::string(3 * kLongLine, 'x') + "\r\n00000100 B\r\n",
     {std::string(3 * kLongLine, 'x'), "00000100 B"}, 2},
    {"NUL bytes", "\0\0\0\r\n00000100 B\0\0\r\n\0"s, {"", "00000100 B", ""}, 3},
    {"binary junk", RandomBytes(64 * 1024), {}, 0},
    {"thousands of lines", Repeated("00000001 L\r\n", 5 * kManyLines), {"00000001 L"}, 5 * kManyLines},
    {"thousands of empty lines", std::string(5 * kManyLines, '\n'), {""}, 5 * kManyLines},
    {"more than a megabyte, on one line", std::string(1024 * 1024 + kLongLine, 'y') + "\n00000100 B\n",
     {std::string(1024 * 1024 + kLongLine, 'y'), "00000100 B"}, 2},
};

void ExpectNoLineBreaksOrNuls(const Lines& lines) {
    for (const std::string& line : lines) {
        EXPECT_EQ(std::string::npos, line.find_first_of(std::string("\n\0", 2)));
    }
}

TEST_F(ScoresTest, DamagedFilesAreReadWhole) {
    for (const DamagedFile& file : kDamagedFiles) {
        SCOPED_TRACE(file.what);
        Store(file.bytes);
        const Lines lines = board_.LoadLines();
        EXPECT_FALSE(board_.error);
        ExpectNoLineBreaksOrNuls(lines);
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
