// Splitting and joining Windows-style paths, and creating a folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "TempFolder.h"
#include "toolkit/util/Paths.h"

namespace OrloUtility {
namespace {

TEST(Paths, SplitAndJoin) {
    const struct {
        const char* call;
        std::string (*function)(std::string);
        std::string path;
        std::string expected;
    } cases[] = {
        {"DirectoryOf", DirectoryOf, "a/b\\c.bmp", "a\\b\\"},
        {"DirectoryOf", DirectoryOf, "C:game.txt", "C:"},
        {"DirectoryOf", DirectoryOf, "readme.txt", ""},
        {"DirectoryOf", DirectoryOf, "C:\\", "C:\\"},
        {"DirectoryOf", DirectoryOf, "", ""},
        {"DirectoryOf", DirectoryOf, "C:\\x:y\\z.txt", "C:\\x:y\\"},  // a separator beats a colon
        {"FileNameOf", FileNameOf, "C:\\", ""},
        {"FileNameOf", FileNameOf, "a/b.bmp", "b.bmp"},
        {"FileNameOf", FileNameOf, "a/b\\c.bmp", "c.bmp"},
        {"FileNameOf", FileNameOf, "C:game.txt", "game.txt"},
        {"FileNameOf", FileNameOf, "readme.txt", "readme.txt"},
        {"FileNameOf", FileNameOf, "a/b/", ""},
        {"WithTrailingSeparator", WithTrailingSeparator, "", ""},
        {"WithTrailingSeparator", WithTrailingSeparator, "Score", "Score\\"},
        {"WithTrailingSeparator", WithTrailingSeparator, "Score/", "Score/"},
        {"WithTrailingSeparator", WithTrailingSeparator, "Score\\", "Score\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.call) + "(\"" + c.path + "\")");
        EXPECT_EQ(c.expected, c.function(c.path));
    }
}

class EnsureDirectoryTest : public ::testing::Test {
protected:
    TempFolder temp_{"astrovex-paths"};
    const std::string root_ = temp_.Text();
};

TEST_F(EnsureDirectoryTest, CreatesOneLevelAndAcceptsAnExistingFolder) {
    const std::string folder = root_ + "\\Astrovex";
    EXPECT_TRUE(EnsureDirectory(folder));
    EXPECT_TRUE(std::filesystem::is_directory(root_ + "/Astrovex"));
    EXPECT_TRUE(EnsureDirectory(folder));
}

TEST_F(EnsureDirectoryTest, DoesNotCreateMissingParents) {
    EXPECT_FALSE(EnsureDirectory(root_ + "\\Astrovex\\Score"));
    EXPECT_FALSE(std::filesystem::exists(root_ + "/Astrovex"));
}

}  // namespace
}  // namespace OrloUtility
