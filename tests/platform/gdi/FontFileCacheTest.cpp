// Font files kept between runs: found again under the same setup, forgotten under another one
// or when the file went, and a damaged cache file is only a cache miss.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "TempFolder.h"
#include "gdi/text/FontFileCache.h"

namespace {

namespace fs = std::filesystem;
using platform::FontFile;
using platform::FontFileCache;

class FontFileCacheTest : public ::testing::Test {
protected:
    void SetUp() override {
        font_ = (root_ / "Face.ttf").string();
        std::ofstream(font_) << "not really a font";
        path_ = (root_ / "cache" / "prog" / "font-files").string();
    }
    FontFile Face() const { return FontFile{font_, 2, L"Fam\u00EDly", true, false}; }

    TempFolder temp_{"astrovex-fontcache"};
    const fs::path root_ = temp_.Path();
    std::string font_;
    std::string path_;
};

TEST_F(FontFileCacheTest, AFileKeptInOneRunIsFoundInTheNextUnderTheSameSetup) {
    FontFileCache(path_, "setup-1").Store("Lucida Console|2|", Face());
    const std::optional<FontFile> found = FontFileCache(path_, "setup-1").Find("Lucida Console|2|");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->path, font_);
    EXPECT_EQ(found->faceIndex, 2);
    EXPECT_EQ(found->family, L"Fam\u00EDly");
    EXPECT_TRUE(found->bold);
    EXPECT_FALSE(found->italic);
    EXPECT_FALSE(FontFileCache(path_, "setup-1").Find("Arial|0|"));
}

TEST_F(FontFileCacheTest, AnotherSetupAMissingFontOrADamagedCacheFindsNothing) {
    FontFileCache(path_, "setup-1").Store("Arial|0|", Face());
    EXPECT_FALSE(FontFileCache(path_, "setup-2").Find("Arial|0|")) << "fonts installed since";
    fs::rename(font_, font_ + ".gone");
    EXPECT_FALSE(FontFileCache(path_, "setup-1").Find("Arial|0|")) << "the file went";
    fs::rename(font_ + ".gone", font_);
    for (const char* damaged : {"", "stamp\tsetup-1\nArial|0|\tonly three\tfields\n", "\x01\x02garbage"}) {
        std::ofstream(path_, std::ios::trunc) << damaged;
        EXPECT_FALSE(FontFileCache(path_, "setup-1").Find("Arial|0|")) << damaged;
    }
}

TEST_F(FontFileCacheTest, KeysOrPathsThatWouldBreakTheFileAreNotKept) {
    FontFileCache cache(path_, "setup-1");
    cache.Store("Bad\tFace|0|", Face());
    cache.Store("Bad\nFace|0|", Face());
    EXPECT_FALSE(fs::exists(path_));
    cache.Store("Good|0|", Face());
    EXPECT_TRUE(FontFileCache(path_, "setup-1").Find("Good|0|"));
    EXPECT_FALSE(FontFileCache(path_, "setup-1").Find("Bad\tFace|0|"));
    // Nowhere to write: kept for this run only, and no failure.
    FontFileCache nowhere("/proc/astrovex-no-such-folder/font-files", "setup-1");
    nowhere.Store("Good|0|", Face());
    EXPECT_TRUE(nowhere.Find("Good|0|"));
}

TEST_F(FontFileCacheTest, TheCacheLivesInTheUsersCacheFolder) {
    const char* savedCache = std::getenv("XDG_CACHE_HOME");
    const std::string restore = savedCache ? savedCache : "";
    setenv("XDG_CACHE_HOME", "/x/cache", 1);
    EXPECT_EQ(platform::FontCachePath("astrovex"), "/x/cache/astrovex/font-files");
    setenv("XDG_CACHE_HOME", "relative/cache", 1);
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') {
        EXPECT_EQ(platform::FontCachePath("astrovex"), std::string(home) + "/.cache/astrovex/font-files");
    }
    EXPECT_EQ(platform::FontCachePath("../escape"), "");
    if (savedCache) setenv("XDG_CACHE_HOME", restore.c_str(), 1);
    else unsetenv("XDG_CACHE_HOME");
    EXPECT_FALSE(platform::FontSetupStamp().empty());
}

}  // namespace
