// SHGetFolderPathW for the local application-data folder, which is the XDG data folder here.
// Every test points XDG_DATA_HOME and HOME into its own temporary folder.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "PlatformApi.h"
#include "TempFolder.h"

namespace {

class FolderPathTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedDataHome_ = Saved("XDG_DATA_HOME");
        savedHome_ = Saved("HOME");
    }

    void TearDown() override {
        Restore("XDG_DATA_HOME", savedDataHome_);
        Restore("HOME", savedHome_);
    }

    // Sets or, for null, removes an environment variable.
    static void Set(const char* name, const char* value) {
        if (value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }

    // The folder's result and the text it left in a buffer filled with 'X' beforehand.
    static std::pair<HRESULT, std::wstring> Query(int csidl, DWORD flags = SHGFP_TYPE_CURRENT) {
        WCHAR path[MAX_PATH];
        std::fill(std::begin(path), std::end(path), L'X');
        const HRESULT result = SHGetFolderPathW(nullptr, csidl, nullptr, flags, path);
        return {result, std::wstring(path, std::find(std::begin(path), std::end(path), L'\0'))};
    }

    static std::wstring Wide(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

    TempFolder temp_{"astrovex-folderpath"};
    const std::string root_ = temp_.Text();

private:
    static std::optional<std::string> Saved(const char* name) {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    }
    static void Restore(const char* name, const std::optional<std::string>& value) {
        Set(name, value ? value->c_str() : nullptr);
    }

    std::optional<std::string> savedDataHome_;
    std::optional<std::string> savedHome_;
};

TEST_F(FolderPathTest, ReportsXdgDataHomeElseTheDataFolderInHome) {
    std::filesystem::create_directories(root_ + "/data");
    std::filesystem::create_directories(root_ + "/home/.local/share");
    const std::string data = root_ + "/data";
    const std::string homeData = root_ + "/home/.local/share";
    const struct {
        const char* what;
        std::optional<std::string> dataHome;
        std::string expected;
    } cases[] = {
        {"XDG_DATA_HOME set", data, data},
        {"trailing separators dropped", data + "//", data},
        {"XDG_DATA_HOME unset", std::nullopt, homeData},
        {"XDG_DATA_HOME empty", "", homeData},
        {"XDG_DATA_HOME relative, so ignored", "relative/data", homeData},
    };
    Set("HOME", (root_ + "/home").c_str());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Set("XDG_DATA_HOME", c.dataHome ? c.dataHome->c_str() : nullptr);
        EXPECT_EQ(std::make_pair(S_OK, Wide(c.expected)), Query(CSIDL_LOCAL_APPDATA));
    }
}

TEST_F(FolderPathTest, AMissingFolderFailsUnlessCreationIsAsked) {
    const std::string missing = root_ + "/a/b";
    Set("XDG_DATA_HOME", missing.c_str());
    EXPECT_EQ(std::make_pair(E_FAIL, std::wstring()), Query(CSIDL_LOCAL_APPDATA));
    EXPECT_FALSE(std::filesystem::exists(root_ + "/a"));

    EXPECT_EQ(std::make_pair(S_OK, Wide(missing)), Query(CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE));
    struct stat info;
    ASSERT_EQ(0, stat(missing.c_str(), &info));
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(0700U, info.st_mode & 0777U);
}

TEST_F(FolderPathTest, ThePathMustFitMaxPathWithItsTerminator) {
    // Folders named with 'd' until the whole path has exactly `length` characters.
    auto folderOfLength = [&](std::size_t length) {
        std::string path = root_;
        while (path.size() < length) {
            path += "/" + std::string(std::min<std::size_t>(100, length - path.size() - 1), 'd');
        }
        std::filesystem::create_directories(path);
        return path;
    };
    const std::string longest = folderOfLength(MAX_PATH - 1);
    Set("XDG_DATA_HOME", longest.c_str());
    EXPECT_EQ(std::make_pair(S_OK, Wide(longest)), Query(CSIDL_LOCAL_APPDATA));

    const std::string tooLong = folderOfLength(MAX_PATH);
    Set("XDG_DATA_HOME", tooLong.c_str());
    EXPECT_EQ(std::make_pair(E_FAIL, std::wstring()), Query(CSIDL_LOCAL_APPDATA));
}

TEST_F(FolderPathTest, NamesBeyondAsciiComeBackAsTheirCharacters) {
    // e acute (2 bytes in UTF-8), euro sign (3) and rocket (4).
    const std::string folder = root_ + "/donn\xC3\xA9\x65s\xE2\x82\xAC\xF0\x9F\x9A\x80";
    std::filesystem::create_directories(folder);
    Set("XDG_DATA_HOME", folder.c_str());
    const std::wstring expected = Wide(root_) + L"/donn\u00E9es\u20AC\U0001F680";
    EXPECT_EQ(std::make_pair(S_OK, expected), Query(CSIDL_LOCAL_APPDATA));
}

TEST_F(FolderPathTest, Failures) {
    const std::string notUtf8 = root_ + "/bad\xFF";
    const std::string overlong = root_ + "/slash\xC0\xAF";
    std::filesystem::create_directories(notUtf8);
    std::filesystem::create_directories(overlong);
    std::filesystem::create_directories(root_ + "/data");
    const std::string data = root_ + "/data";
    const struct {
        const char* what;
        std::optional<std::string> dataHome;
        std::optional<std::string> home;
        int csidl;
        DWORD flags;
        HRESULT result;
    } cases[] = {
        {"no data folder and no home", std::nullopt, std::nullopt, CSIDL_LOCAL_APPDATA, SHGFP_TYPE_CURRENT, E_FAIL},
        {"a name that is not UTF-8", notUtf8, std::nullopt, CSIDL_LOCAL_APPDATA, SHGFP_TYPE_CURRENT, E_FAIL},
        {"an overlong UTF-8 form", overlong, std::nullopt, CSIDL_LOCAL_APPDATA, SHGFP_TYPE_CURRENT, E_FAIL},
        {"a folder other than local app data", data, std::nullopt, 0x001a, SHGFP_TYPE_CURRENT, E_INVALIDARG},
        {"unknown flags", data, std::nullopt, CSIDL_LOCAL_APPDATA, 2, E_INVALIDARG},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Set("XDG_DATA_HOME", c.dataHome ? c.dataHome->c_str() : nullptr);
        Set("HOME", c.home ? c.home->c_str() : nullptr);
        EXPECT_EQ(std::make_pair(c.result, std::wstring()), Query(c.csidl, c.flags));
    }
    EXPECT_EQ(E_INVALIDARG,
              SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, nullptr));
}

}  // namespace
