// The program's file services over POSIX: flock(2) for the advisory lock, realpath(3) for
// links, and an open that cannot block for regular files.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <set>

#include "PlatformApi.h"
#include "kernel/NativePaths.h"
#include "kernel/RegularFiles.h"
#include "Utf8.h"

namespace {

// The descriptors that hold a lock, so that releasing anything else fails instead of closing
// a descriptor some other part of the process owns.
struct HeldLocks {
    std::mutex mutex;
    std::set<int> descriptors;
};

HeldLocks& Held() {
    static HeldLocks held;
    return held;
}

int LockWholeFile(int fd) {
    int result;
    do result = flock(fd, LOCK_EX);
    while (result != 0 && errno == EINTR);
    return result;
}

bool IsLink(const std::string& nativePath) {
    struct stat info;
    return lstat(nativePath.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

int CloseAndFail(int fd, int error) {
    close(fd);
    errno = error;
    return -1;
}

}  // namespace

namespace platform {

// Back to blocking reads once the open has not waited.
int OpenRegularNative(const std::string& nativePath, std::uint64_t maxBytes, struct stat& info) {
    const int fd = open(nativePath.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return -1;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return CloseAndFail(fd, EINVAL);
    if (static_cast<std::uint64_t>(info.st_size) > maxBytes) return CloseAndFail(fd, EFBIG);
    const int flags = fcntl(fd, F_GETFL);
    if (flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) return CloseAndFail(fd, errno);
    return fd;
}

}  // namespace platform

std::intptr_t AcquireFileLock(const std::wstring& path) {
    const std::string native = platform::NativePathOfWide(path);
    const int fd = open(native.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return kNoFileLock;
    if (LockWholeFile(fd) != 0) return CloseAndFail(fd, errno);
    const std::lock_guard<std::mutex> guard(Held().mutex);
    Held().descriptors.insert(fd);
    return fd;
}

// Closing the descriptor drops its lock.
bool ReleaseFileLock(std::intptr_t lock) {
    const std::lock_guard<std::mutex> guard(Held().mutex);
    const auto held = Held().descriptors.find(static_cast<int>(lock));
    if (lock < 0 || lock > INT_MAX || held == Held().descriptors.end()) return false;
    Held().descriptors.erase(held);
    return close(static_cast<int>(lock)) == 0;
}

std::wstring LinkTarget(const std::wstring& path) {
    const std::string native = platform::NativePathOfWide(path);
    if (!IsLink(native)) return path;
    const std::unique_ptr<char, decltype(&std::free)> target(realpath(native.c_str(), nullptr), &std::free);
    if (!target) return path;
    return platform::WideOfUtf8(target.get()).value_or(path);
}

RegularFile OpenRegularFile(const std::string& path, std::uint64_t maxBytes, bool* missing) {
    if (missing) *missing = false;
    struct stat info;
    const int fd = platform::OpenRegularNative(NativePath(path), maxBytes, info);
    if (fd < 0) {
        if (missing) *missing = errno == ENOENT;
        return {};
    }
    std::FILE* file = fdopen(fd, "rb");
    if (!file) {
        close(fd);
        return {};
    }
    const std::int64_t changed = std::int64_t{info.st_mtim.tv_sec} * 1'000'000'000 + info.st_mtim.tv_nsec;
    return {file, static_cast<std::uint64_t>(info.st_size), changed};
}
