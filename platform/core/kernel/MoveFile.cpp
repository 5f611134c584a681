// Renaming a file, replacing what bore the new name in one step, over rename(2).
//
// rename(2) already replaces its destination atomically. What the real platform adds is
// refusing to replace a read-only file or a folder, and, with MOVEFILE_WRITE_THROUGH, returning
// only once the move is on the disk, which here means syncing the folder that holds the new
// name: without that, a crash could bring back the old name after the call has returned.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "PlatformApi.h"
#include "kernel/NativePaths.h"

namespace {

constexpr DWORD kSupportedFlags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;

BOOL Fail(DWORD error) {
    SetLastError(error);
    return FALSE;
}

bool Exists(const std::string& nativePath) {
    struct stat info;
    return lstat(nativePath.c_str(), &info) == 0;
}

// Why rename(2) or a sync failed, in the platform's terms. A missing entry is the source
// itself when it is gone, else a folder on one of the two paths.
DWORD ErrorOf(int error, const std::string& nativeSource) {
    switch (error) {
        case ENOENT: return Exists(nativeSource) ? ERROR_PATH_NOT_FOUND : ERROR_FILE_NOT_FOUND;
        case ENOTDIR: return ERROR_PATH_NOT_FOUND;
        case EXDEV: return ERROR_NOT_SAME_DEVICE;
        case ENOSPC:
        case EDQUOT: return ERROR_DISK_FULL;
        default: return ERROR_ACCESS_DENIED;
    }
}

// 0 when the destination may be taken over, else the error the platform gives. Read-only is
// the owner's write permission, as for GetFileAttributes, so the answer does not depend on who
// asks (root included).
DWORD ReplaceError(const std::string& nativeDestination, DWORD flags) {
    struct stat info;
    if (lstat(nativeDestination.c_str(), &info) != 0) return ERROR_SUCCESS;
    if (!(flags & MOVEFILE_REPLACE_EXISTING)) return ERROR_ALREADY_EXISTS;
    if (S_ISDIR(info.st_mode) || !(info.st_mode & S_IWUSR)) return ERROR_ACCESS_DENIED;
    return ERROR_SUCCESS;
}

std::string FolderOf(std::string nativePath) {
    while (nativePath.size() > 1 && nativePath.back() == '/') nativePath.pop_back();
    const std::size_t slash = nativePath.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : nativePath.substr(0, slash);
}

// A file system that cannot sync a folder (EINVAL) has nothing more to write.
bool SyncFolderOf(const std::string& nativePath) {
    const int fd = open(FolderOf(nativePath).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = fsync(fd) == 0 || errno == EINVAL;
    const int syncError = errno;
    close(fd);
    errno = syncError;
    return synced;
}

// Both forms take native paths from here on.
BOOL MoveNative(const std::string& source, const std::string& destination, DWORD dwFlags) {
    if (!Exists(source)) return Fail(ErrorOf(ENOENT, source));
    if (const DWORD error = ReplaceError(destination, dwFlags)) return Fail(error);
    if (rename(source.c_str(), destination.c_str()) != 0) return Fail(ErrorOf(errno, source));
    if ((dwFlags & MOVEFILE_WRITE_THROUGH) && !SyncFolderOf(destination)) {
        return Fail(ErrorOf(errno, source));
    }
    return TRUE;
}

}  // namespace

BOOL WINAPI MoveFileExA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, DWORD dwFlags) {
    if (!lpExistingFileName || !lpNewFileName || (dwFlags & ~kSupportedFlags)) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    return MoveNative(NativePath(lpExistingFileName), NativePath(lpNewFileName), dwFlags);
}

BOOL WINAPI MoveFileExW(LPCWSTR lpExistingFileName, LPCWSTR lpNewFileName, DWORD dwFlags) {
    if (!lpExistingFileName || !lpNewFileName || (dwFlags & ~kSupportedFlags)) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    return MoveNative(platform::NativePathOfWide(lpExistingFileName), platform::NativePathOfWide(lpNewFileName),
                      dwFlags);
}
