// TextFile's flags: what could not be opened, and what failed after opening.
#include <filesystem>
#include <string>

#include "ScoresTest.h"
#include "toolkit/scores/TextFile.h"
#include "toolkit/util/TextConvert.h"

namespace OrloUtility {
namespace {

TEST_F(ScoresTest, TextFileFlagsTellAFileNotOpenedFromAReadThatFailed) {
    const struct {
        const char* what;
        std::string path;  // below the data folder
        bool failed;
        bool notOpened;
    } cases[] = {
        {"a readable file", "/file.txt", false, false},
        {"a missing file", "/missing.txt", true, true},
        // A folder opens for reading here but yields no bytes.
        {"a folder", "/folder", true, false},
    };
    std::filesystem::create_directory(dataFolder_ + "/folder");
    Store("x\r\n");
    std::filesystem::rename(FilePath(), dataFolder_ + "/file.txt");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TextFile file(ToWide(dataFolder_ + c.path));
        file.ReadLines();
        EXPECT_EQ(c.failed, file.failed);
        EXPECT_EQ(c.notOpened, file.notOpened);
    }
}

TEST_F(ScoresTest, TextFileWritesLinesWithCrLfAndReportsWhatFailed) {
    TextFile file(ToWide(dataFolder_ + "/file.txt"));
    EXPECT_TRUE(file.WriteLines({"one", "", "three"}));
    EXPECT_FALSE(file.failed);
    EXPECT_EQ("one\r\n\r\nthree\r\n", Snapshot()[dataFolder_ + "/file.txt"]);

    TextFile inMissingFolder(ToWide(dataFolder_ + "/missing/file.txt"));
    EXPECT_FALSE(inMissingFolder.WriteLines({"one"}));
    EXPECT_TRUE(inMissingFolder.failed);
    EXPECT_TRUE(inMissingFolder.notOpened);

    std::filesystem::create_directory(dataFolder_ + "/folder");
    TextFile overAFolder(ToWide(dataFolder_ + "/folder"));
    EXPECT_FALSE(overAFolder.WriteLines({"one"}));
    EXPECT_TRUE(overAFolder.failed);
    EXPECT_FALSE(overAFolder.notOpened);
}

}  // namespace
}  // namespace OrloUtility
