// File attributes and the runtime's folder services, on a temporary folder addressed with
// Windows paths (backslashes).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "PlatformApi.h"
#include "TempFolder.h"

namespace {

constexpr DWORD kSentinelError = 0xDEADBEEF;

std::string WithBackslashes(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// A fresh temporary folder holding a file, a read-only file and a folder.
class FileApiTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::ofstream(root_ + "/file.txt") << "x";
        std::ofstream(root_ + "/readonly.txt") << "x";
        ASSERT_EQ(0, chmod((root_ + "/readonly.txt").c_str(), 0444));
        ASSERT_EQ(0, mkdir((root_ + "/folder").c_str(), 0755));
    }

    // The Windows form of a path below the temporary folder.
    std::string WindowsPath(const std::string& relative) const {
        return WithBackslashes(root_ + "/" + relative);
    }

    TempFolder temp_{"astrovex-fileapi"};
    const std::string root_ = temp_.Text();
};

struct AttributeCase {
    const char* relative;  // below the temporary folder, backslashes
    DWORD attributes;
    DWORD error;  // looked at only when the call fails
};

const AttributeCase kAttributeCases[] = {
    {"file.txt", FILE_ATTRIBUTE_NORMAL, 0},
    {"readonly.txt", FILE_ATTRIBUTE_READONLY, 0},
    {"folder", FILE_ATTRIBUTE_DIRECTORY, 0},
    {"folder\\", FILE_ATTRIBUTE_DIRECTORY, 0},
    {"missing.txt", INVALID_FILE_ATTRIBUTES, ERROR_FILE_NOT_FOUND},
    {"folder\\missing.txt", INVALID_FILE_ATTRIBUTES, ERROR_FILE_NOT_FOUND},
    {"missing\\file.txt", INVALID_FILE_ATTRIBUTES, ERROR_PATH_NOT_FOUND},
    {"file.txt\\inside", INVALID_FILE_ATTRIBUTES, ERROR_PATH_NOT_FOUND},
};

void ExpectAttributes(const AttributeCase& c, DWORD attributes) {
    EXPECT_EQ(c.attributes, attributes);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        EXPECT_EQ(c.error, GetLastError());
    }
}

TEST_F(FileApiTest, GetFileAttributesReportsKindAndWhyAnEntryIsMissing) {
    for (const AttributeCase& c : kAttributeCases) {
        SCOPED_TRACE(c.relative);
        const std::string path = WindowsPath(c.relative);
        SetLastError(kSentinelError);
        ExpectAttributes(c, GetFileAttributesA(path.c_str()));
        // The paths here are ASCII, so widening byte by byte gives the same path.
        SetLastError(kSentinelError);
        ExpectAttributes(c, GetFileAttributesW(std::wstring(path.begin(), path.end()).c_str()));
    }
}

TEST_F(FileApiTest, GetFileAttributesWFindsNamesBeyondAscii) {
    // e acute (2 bytes in UTF-8), euro sign (3) and rocket (4, outside the 16-bit range).
    std::ofstream(root_ + "/\xC3\xA9\xE2\x82\xAC\xF0\x9F\x9A\x80.txt") << "x";
    const std::string root = WindowsPath("");
    const std::wstring path =
        std::wstring(root.begin(), root.end()) + L"\u00E9\u20AC\U0001F680.txt";
    EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_NORMAL), GetFileAttributesW(path.c_str()));
}

TEST(GetFileAttributes, NullPathIsAnInvalidParameter) {
    SetLastError(kSentinelError);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    SetLastError(kSentinelError);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
}

TEST(NativePath, TurnsBackslashesIntoSlashes) {
    EXPECT_EQ("../images_games/Title.bmp", NativePath("..\\images_games\\Title.bmp"));
    EXPECT_EQ("a/b/c/", NativePath("a\\b/c\\"));
}

// The program's narrow text is one character a byte; the system names files in UTF-8.
TEST(NativePath, GivesTheSystemUtf8ForCharactersPastAscii) {
    EXPECT_EQ("/home/Jos\xC3\xA9/.local", NativePath("\\home\\Jos\xE9\\.local"));
    EXPECT_EQ("\xC3\xBF", NativePath("\xFF"));
}

TEST_F(FileApiTest, MkdirCreatesOneFolderThatAccessThenFinds) {
    const std::string created = WindowsPath("created");
    EXPECT_EQ(-1, _access(created.c_str(), 0));
    EXPECT_EQ(0, _mkdir(created.c_str()));
    EXPECT_TRUE(std::filesystem::is_directory(root_ + "/created"));
    EXPECT_EQ(0, _access(created.c_str(), 0));

    EXPECT_EQ(-1, _mkdir(created.c_str()));
    EXPECT_EQ(EEXIST, errno);
    EXPECT_EQ(-1, _mkdir(WindowsPath("missing\\child").c_str()));
    EXPECT_EQ(ENOENT, errno);
}

}  // namespace
