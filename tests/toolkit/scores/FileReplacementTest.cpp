// Replacing a file through a temporary file beside it: the target changes only on commit, and
// only as a whole.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

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
    // Every file beside the target: the temporary files.
    std::vector<std::string> TemporaryFiles() const {
        std::vector<std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(ScoreFolderPath()))
            if (entry.path() != FilePath()) files.push_back(entry.path().string());
        return files;
    }
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
    EXPECT_EQ(std::vector<std::string>{}, TemporaryFiles());
}

TEST_F(FileReplacementTest, WithoutCommitTheFileStaysAndTheTemporaryFileGoes) {
    {
        FileReplacement replacement(ProgramPath());
        ASSERT_TRUE(replacement.Open());
        EXPECT_TRUE(replacement.Write("new content"));
        EXPECT_EQ(1U, TemporaryFiles().size());
    }
    EXPECT_EQ("old content\r\n", StoredBytes());
    EXPECT_EQ(std::vector<std::string>{}, TemporaryFiles());
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
        ASSERT_EQ(1U, TemporaryFiles().size());
        EXPECT_EQ(room, std::filesystem::file_size(TemporaryFiles()[0]));
    }
    EXPECT_EQ("old content\r\n", StoredBytes());
    EXPECT_EQ(std::vector<std::string>{}, TemporaryFiles());
}

// A second save of the same file, in this game or another, must not empty the first one's
// temporary file on its way.
TEST_F(FileReplacementTest, TwoReplacementsOfOneFileWriteTemporaryFilesOfTheirOwn) {
    FileReplacement first(ProgramPath());
    FileReplacement second(ProgramPath());
    EXPECT_NE(first.TemporaryPath(), second.TemporaryPath());
    ASSERT_TRUE(first.Open());
    EXPECT_TRUE(first.Write("first\r\n"));
    ASSERT_TRUE(second.Open());
    EXPECT_TRUE(second.Write("second\r\n"));
    EXPECT_TRUE(first.Commit());
    EXPECT_EQ("first\r\n", StoredBytes());
    EXPECT_TRUE(second.Commit());
    EXPECT_EQ("second\r\n", StoredBytes());
    EXPECT_EQ(std::vector<std::string>{}, TemporaryFiles());
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
