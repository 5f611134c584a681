// The file services beyond the runtime: the advisory lock, the target of a link, and opening
// only regular files.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "PlatformApi.h"
#include "TempFolder.h"

namespace {

class FileServicesTest : public ::testing::Test {
protected:
    static std::wstring Wide(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

    // Whether another open of the file could take its lock now, without waiting.
    static bool FreeToLock(const std::string& path) {
        const int fd = open(path.c_str(), O_RDWR);
        const bool free = fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) == 0;
        if (fd >= 0) close(fd);
        return free;
    }

    TempFolder temp_{"astrovex-fileservices"};
    const std::string root_ = temp_.Text();
};

TEST_F(FileServicesTest, ALockHoldsOffOthersUntilReleased) {
    const std::string path = root_ + "/board.lock";
    const std::intptr_t lock = AcquireFileLock(Wide(path));
    ASSERT_NE(kNoFileLock, lock);
    EXPECT_FALSE(FreeToLock(path));
    EXPECT_TRUE(ReleaseFileLock(lock));
    EXPECT_TRUE(FreeToLock(path));
    EXPECT_FALSE(ReleaseFileLock(lock)) << "released once only";
}

TEST_F(FileServicesTest, ReleasingWhatIsNoLockFailsAndClosesNothing) {
    for (std::intptr_t token : {kNoFileLock, std::intptr_t{0}, std::intptr_t{STDOUT_FILENO}, std::intptr_t{1} << 40}) {
        EXPECT_FALSE(ReleaseFileLock(token)) << token;
    }
    EXPECT_NE(-1, fcntl(STDOUT_FILENO, F_GETFD));
    EXPECT_EQ(kNoFileLock, AcquireFileLock(Wide(root_ + "/missing/board.lock")));
}

TEST_F(FileServicesTest, ALinkLeadsToItsTargetAndAnythingElseStaysAsItIs) {
    std::ofstream(root_ + "/target.txt") << "x";
    std::filesystem::create_symlink(root_ + "/target.txt", root_ + "/link.txt");
    EXPECT_EQ(Wide(root_ + "/target.txt"), LinkTarget(Wide(root_ + "/link.txt")));
    EXPECT_EQ(Wide(root_ + "/target.txt"), LinkTarget(Wide(root_ + "/target.txt")));
    EXPECT_EQ(Wide(root_ + "/missing.txt"), LinkTarget(Wide(root_ + "/missing.txt")));
}

TEST_F(FileServicesTest, OnlyARegularFileWithinItsSizeIsOpened) {
    std::ofstream(root_ + "/five.txt") << "12345";
    ASSERT_EQ(0, mkfifo((root_ + "/pipe").c_str(), 0644));
    std::filesystem::create_symlink("/dev/zero", root_ + "/zero");
    std::filesystem::create_directory(root_ + "/folder");
    const struct {
        const char* name;
        std::uint64_t maxBytes;
        bool opened;
        bool missing;
    } cases[] = {
        {"five.txt", 5, true, false}, {"five.txt", 4, false, false}, {"pipe", 5, false, false},
        {"zero", 5, false, false},    {"folder", 5, false, false},   {"missing", 5, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " within " + std::to_string(c.maxBytes));
        bool missing = !c.missing;
        const RegularFile found = OpenRegularFile(root_ + "\\" + c.name, c.maxBytes, &missing);
        EXPECT_EQ(c.opened, found.file != nullptr);
        EXPECT_EQ(c.missing, missing);
        if (found.file) {
            EXPECT_EQ(5U, found.size);
            char bytes[8] = {};
            EXPECT_EQ(5U, std::fread(bytes, 1, sizeof bytes, found.file));
            std::fclose(found.file);
        }
    }
}

}  // namespace
