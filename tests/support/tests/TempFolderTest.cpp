// The tests' temporary folders: made fresh under TMPDIR, or /tmp without it, one of their own
// for every holder, and gone with all they hold when their holder goes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;

class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* value = std::getenv("TMPDIR")) saved_ = value;
    }
    void TearDown() override {
        if (saved_) setenv("TMPDIR", saved_->c_str(), 1);
        else unsetenv("TMPDIR");
    }

private:
    std::optional<std::string> saved_;
};

TEST_F(TempFolderTest, IsMadeEmptyUnderTmpdirOrTmpWithoutIt) {
    TempFolder outer("outer");
    const struct {
        const char* what;
        std::optional<std::string> tmpdir;
        fs::path expectedParent;
    } cases[] = {
        {"TMPDIR set", outer.Text(), outer.Path()},
        {"TMPDIR empty", "", "/tmp"},
        {"TMPDIR unset", std::nullopt, "/tmp"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.tmpdir) setenv("TMPDIR", c.tmpdir->c_str(), 1);
        else unsetenv("TMPDIR");
        TempFolder folder("astrovex-check");
        EXPECT_EQ(folder.Path().parent_path(), c.expectedParent);
        EXPECT_EQ(folder.Path().filename().string().rfind("astrovex-check-", 0), 0u) << folder.Text();
        EXPECT_TRUE(fs::is_directory(folder.Path()));
        EXPECT_TRUE(fs::is_empty(folder.Path()));
    }
}

TEST_F(TempFolderTest, EveryHolderHasAFolderOfItsOwn) {
    TempFolder first("same"), second("same");
    EXPECT_NE(first.Path(), second.Path());
}

TEST_F(TempFolderTest, GoesWithEverythingInItWhenItsHolderGoes) {
    fs::path made;
    {
        TempFolder folder;
        made = folder.Path();
        fs::create_directories(made / "inner" / "deeper");
        std::ofstream(made / "inner" / "deeper" / "file.txt") << "x";
    }
    EXPECT_FALSE(fs::exists(made));
}

TEST_F(TempFolderTest, AFolderThatCannotBeMadeThrows) {
    setenv("TMPDIR", "/no/such/folder", 1);
    EXPECT_THROW(TempFolder folder, std::system_error);
}

}  // namespace
