// The few services on files that the program needs beyond the runtime library: an advisory
// lock that the system holds for a process, the file a link leads to, and opening a file only
// when it is a regular one.
//
// On Windows they are a few lines over the real platform's calls, here; elsewhere the
// platform's kernel implements them over POSIX.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#if defined(_WIN32)
#include <cerrno>
#endif

inline constexpr std::intptr_t kNoFileLock = -1;

// What OpenRegularFile found: the open file (binary, for reading; the caller closes it), its
// size and the time of its last change, in units that only compare.
struct RegularFile {
    std::FILE* file = nullptr;
    std::uint64_t size = 0;
    std::int64_t changed = 0;
};

// AcquireFileLock (path): an exclusive lock of the file at `path` (created when missing, never
// truncated), waiting while another process holds it. The system drops it when the lock is
// released or the process ends, however it ends, so a crashed holder never blocks the others.
// The result is a token for ReleaseFileLock; kNoFileLock when the file cannot be opened or
// locked.
//
// ReleaseFileLock (lock): drops a lock AcquireFileLock gave; false for any other token.
//
// LinkTarget (path): the path of the file that `path` leads to through a symbolic link; the
// path unchanged when it is no link or leads to nothing yet.
//
// OpenRegularFile (path, maxBytes, missing): opens the file at `path` (the program's path) for
// reading only when it is a regular file of at most `maxBytes` bytes, and never waits on the
// open, as a named pipe or a device would make it. No file when the path is anything else;
// `missing`, when given, tells whether the path leads nowhere.

#if defined(_WIN32)

inline std::intptr_t AcquireFileLock(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return kNoFileLock;
    OVERLAPPED whole = {};
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole)) {
        CloseHandle(file);
        return kNoFileLock;
    }
    return reinterpret_cast<std::intptr_t>(file);
}

// Closing the handle drops its lock.
inline bool ReleaseFileLock(std::intptr_t lock) {
    if (lock == kNoFileLock || lock == 0) return false;
    return CloseHandle(reinterpret_cast<HANDLE>(lock)) != FALSE;
}

inline std::wstring LinkTarget(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return path;
    HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return path;
    std::wstring target(32768, L'\0');
    const DWORD length = GetFinalPathNameByHandleW(file, target.data(), static_cast<DWORD>(target.size()),
                                                   FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    CloseHandle(file);
    if (length == 0 || length >= target.size()) return path;
    target.resize(length);
    return target;
}

inline RegularFile OpenRegularFile(const std::string& path, std::uint64_t maxBytes, bool* missing = nullptr) {
    if (missing) *missing = false;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        if (missing) *missing = errno == ENOENT;
        return {};
    }
    HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    BY_HANDLE_FILE_INFORMATION info;
    const bool regular = GetFileType(handle) == FILE_TYPE_DISK && GetFileInformationByHandle(handle, &info) &&
                         !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    const std::uint64_t size = regular ? (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow : 0;
    if (!regular || size > maxBytes) {
        std::fclose(file);
        return {};
    }
    const std::int64_t changed =
        static_cast<std::int64_t>((std::uint64_t{info.ftLastWriteTime.dwHighDateTime} << 32) |
                                  info.ftLastWriteTime.dwLowDateTime);
    return {file, size, changed};
}

#else

std::intptr_t AcquireFileLock(const std::wstring& path);
bool ReleaseFileLock(std::intptr_t lock);
std::wstring LinkTarget(const std::wstring& path);
RegularFile OpenRegularFile(const std::string& path, std::uint64_t maxBytes, bool* missing = nullptr);

#endif
