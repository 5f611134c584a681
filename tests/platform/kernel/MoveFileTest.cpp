// MoveFileExA and the runtime's commit to disk, on a temporary folder addressed with Windows
// paths (backslashes).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "PlatformApi.h"
#include "TempFolder.h"

namespace {

constexpr DWORD kSentinelError = 0xDEADBEEF;
constexpr DWORD kReplace = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;

// A fresh temporary folder holding "source.txt" and "target.txt" with different contents.
class MoveFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        Populate();
    }

    // Only the two files, whatever an earlier case left.
    void Populate() {
        std::filesystem::remove_all(root_);
        std::filesystem::create_directory(root_);
        std::ofstream(root_ + "/source.txt") << "new";
        std::ofstream(root_ + "/target.txt") << "old";
    }

    std::string NativePathOf(const std::string& relative) const { return root_ + "/" + relative; }

    // The Windows form of a path below the temporary folder.
    std::string WindowsPath(const std::string& relative) const {
        std::string path = NativePathOf(relative);
        std::replace(path.begin(), path.end(), '/', '\\');
        return path;
    }

    // The file's content, or "(missing)".
    std::string Content(const std::string& relative) const {
        std::ifstream in(NativePathOf(relative));
        if (!in) return "(missing)";
        std::ostringstream content;
        content << in.rdbuf();
        return content.str();
    }

    TempFolder temp_{"astrovex-movefile"};
    const std::string root_ = temp_.Text();
};

TEST_F(MoveFileTest, ReplacesTheTargetWithTheSource) {
    ASSERT_TRUE(MoveFileExA(WindowsPath("source.txt").c_str(), WindowsPath("target.txt").c_str(), kReplace));
    EXPECT_EQ("new", Content("target.txt"));
    EXPECT_EQ("(missing)", Content("source.txt"));
}

TEST_F(MoveFileTest, MovesToAFreeNameWithoutFlags) {
    ASSERT_TRUE(MoveFileExA(WindowsPath("source.txt").c_str(), WindowsPath("moved.txt").c_str(), 0));
    EXPECT_EQ("new", Content("moved.txt"));
    EXPECT_EQ("(missing)", Content("source.txt"));
}

struct RefusedMove {
    const char* what;
    void (*prepare)(const std::string& root);
    const char* source;  // below the temporary folder
    const char* target;
    DWORD flags;
    DWORD error;
};

void NoPreparation(const std::string&) {}
void MakeTargetReadOnly(const std::string& root) { chmod((root + "/target.txt").c_str(), 0444); }
void MakeFolderTarget(const std::string& root) { std::filesystem::create_directory(root + "/folder"); }

const RefusedMove kRefusedMoves[] = {
    {"existing target without MOVEFILE_REPLACE_EXISTING", NoPreparation, "source.txt", "target.txt",
     MOVEFILE_WRITE_THROUGH, ERROR_ALREADY_EXISTS},
    // Read-only is the file's attribute, so this holds for root as well.
    {"read-only target", MakeTargetReadOnly, "source.txt", "target.txt", kReplace, ERROR_ACCESS_DENIED},
    {"folder as target", MakeFolderTarget, "source.txt", "folder", kReplace, ERROR_ACCESS_DENIED},
    {"missing source", NoPreparation, "missing.txt", "target.txt", kReplace, ERROR_FILE_NOT_FOUND},
    {"target in a missing folder", NoPreparation, "source.txt", "missing\\target.txt", kReplace,
     ERROR_PATH_NOT_FOUND},
    {"unsupported flag", NoPreparation, "source.txt", "target.txt", kReplace | 0x2, ERROR_INVALID_PARAMETER},
};

TEST_F(MoveFileTest, RefusedMovesLeaveBothFilesAsTheyWere) {
    for (const RefusedMove& move : kRefusedMoves) {
        SCOPED_TRACE(move.what);
        Populate();
        move.prepare(root_);
        SetLastError(kSentinelError);
        const std::string source = WindowsPath(move.source);
        const std::string target = WindowsPath(move.target);
        EXPECT_FALSE(MoveFileExA(source.c_str(), target.c_str(), move.flags));
        EXPECT_EQ(move.error, GetLastError());
        EXPECT_EQ("new", Content("source.txt"));
        EXPECT_EQ("old", Content("target.txt"));
    }
}

TEST_F(MoveFileTest, NullPathIsAnInvalidParameter) {
    SetLastError(kSentinelError);
    EXPECT_FALSE(MoveFileExA(nullptr, WindowsPath("target.txt").c_str(), kReplace));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    SetLastError(kSentinelError);
    EXPECT_FALSE(MoveFileExA(WindowsPath("source.txt").c_str(), nullptr, kReplace));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
}

TEST_F(MoveFileTest, CommitPutsAStreamsDataOnDiskAndRefusesABadDescriptor) {
    std::FILE* file = std::fopen(NativePathOf("commit.txt").c_str(), "wb");
    ASSERT_NE(nullptr, file);
    ASSERT_EQ(3U, std::fwrite("abc", 1, 3, file));
    ASSERT_EQ(0, std::fflush(file));
    EXPECT_EQ(fileno(file), _fileno(file));
    EXPECT_EQ(0, _commit(_fileno(file)));
    std::fclose(file);
    EXPECT_EQ("abc", Content("commit.txt"));

    errno = 0;
    EXPECT_EQ(-1, _commit(-1));
    EXPECT_EQ(EBADF, errno);
    EXPECT_EQ(-1, _fileno(nullptr));
}

}  // namespace
