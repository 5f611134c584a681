// Replacing a file through a temporary file beside it: the target changes only on commit, and
// only as a whole.
#include <algorithm>
#include <filesystem>
#include <string>

#include "FileSizeLimit.h"
#include "ScoresTest.h"
#include "toolkit/scores/FileReplacement.h"
#include "toolkit/util/TextConvert.h"

namespace OrloUtility {
namespace {

class FileReplacementTest : public ScoresTest {
protected:
    void SetUp() override {
        ScoresTest::SetUp();
        Store("old content\r\n");
    }

    // The program's form of the file's path.
    std::wstring ProgramPath() const {
        std::string path = FilePath();
        std::replace(path.begin(), path.end(), '/', '\\');
        return ToWide(path);
    }
    std::string TemporaryFile() const { return FilePath() + ".tmp"; }
};

TEST_F(FileReplacementTest, CommitReplacesTheWholeFileAndLeavesNoTemporaryFile) {
    {
        FileReplacement replacement(ProgramPath());
        ASSERT_TRUE(replacement.Open());
        EXPECT_TRUE(replacement.Write("new "));
        EXPECT_TRUE(replacement.Write("content"));
        EXPECT_EQ("old content\r\n", StoredBytes());
        EXPECT_TRUE(replacement.Commit());
    }
    EXPECT_EQ("new content", StoredBytes());
    EXPECT_FALSE(std::filesystem::exists(TemporaryFile()));
}

TEST_F(FileReplacementTest, WithoutCommitTheFileStaysAndTheTemporaryFileGoes) {
    {
        FileReplacement replacement(ProgramPath());
        ASSERT_TRUE(replacement.Open());
        EXPECT_TRUE(replacement.Write("new content"));
        EXPECT_TRUE(std::filesystem::exists(TemporaryFile()));
    }
    EXPECT_EQ("old content\r\n", StoredBytes());
    EXPECT_FALSE(std::filesystem::exists(TemporaryFile()));
}

TEST_F(FileReplacementTest, AWriteFailingHalfWayFailsTheCommitAndKeepsTheFile) {
    const std::string content(100, 'x');
    const std::size_t room = content.size() / 2;
    {
        FileReplacement replacement(ProgramPath());
        ASSERT_TRUE(replacement.Open());
        EXPECT_TRUE(replacement.Write(content));
        bool committed = true;
        {
            FileSizeLimit limit(room);
            committed = replacement.Commit();
        }
        EXPECT_FALSE(committed);
        // Half of the content had reached the temporary file when the write failed.
        EXPECT_EQ(room, std::filesystem::file_size(TemporaryFile()));
    }
    EXPECT_EQ("old content\r\n", StoredBytes());
    EXPECT_FALSE(std::filesystem::exists(TemporaryFile()));
}

TEST_F(FileReplacementTest, CallsOutOfOrderAreRefused) {
    FileReplacement replacement(ProgramPath());
    EXPECT_FALSE(replacement.Write("early"));
    EXPECT_FALSE(replacement.Commit());
    ASSERT_TRUE(replacement.Open());
    EXPECT_FALSE(replacement.Open());
    EXPECT_TRUE(replacement.Commit());
    EXPECT_FALSE(replacement.Write("late"));
    EXPECT_FALSE(replacement.Commit());
    EXPECT_EQ("", StoredBytes());
}

}  // namespace
}  // namespace OrloUtility
