// The runtime library's folder services, forcing written data to the disk, and the
// file-attribute query, over POSIX.
//
// The program writes its paths the Windows way, with backslashes; every call here maps them to
// the native separator first. Drive letters are not mapped: the program uses relative paths
// and folders that the platform itself reports.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "PlatformApi.h"
#include "kernel/NativePaths.h"
#include "Utf8.h"

namespace {

bool IsFolder(const std::string& nativePath) {
    struct stat info;
    return stat(nativePath.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Like the real platform, tell a missing entry in an existing folder (file not found) from a
// path whose folder is missing or is not a folder (path not found).
DWORD MissingEntryError(std::string nativePath) {
    while (nativePath.size() > 1 && nativePath.back() == '/') nativePath.pop_back();
    const std::size_t slash = nativePath.find_last_of('/');
    const std::string parent = slash == std::string::npos ? "."
                               : slash == 0               ? "/"
                                                          : nativePath.substr(0, slash);
    return IsFolder(parent) ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
}

DWORD AttributesOf(const std::string& nativePath) {
    struct stat info;
    if (stat(nativePath.c_str(), &info) != 0) {
        SetLastError(errno == EACCES ? ERROR_ACCESS_DENIED : MissingEntryError(nativePath));
        return INVALID_FILE_ATTRIBUTES;
    }
    if (S_ISDIR(info.st_mode)) return FILE_ATTRIBUTE_DIRECTORY;
    // Read-only is a property of the file on the real platform, not of who asks, so the owner's
    // write permission stands for it rather than the caller's access.
    return (info.st_mode & S_IWUSR) ? FILE_ATTRIBUTE_NORMAL : FILE_ATTRIBUTE_READONLY;
}

DWORD FailWithInvalidParameter() {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_FILE_ATTRIBUTES;
}

}  // namespace

namespace platform {

std::string NativeSeparators(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

std::string NativePathOfWide(std::wstring_view path) { return NativeSeparators(Utf8Of(path)); }

}  // namespace platform

// The program's narrow text holds one character a byte (the platform's narrow code page, ISO
// 8859-1 here), so a folder such as /home/José reaches the system as the UTF-8 it is named in.
std::string NativePath(const std::string& path) {
    std::wstring wide(path.begin(), path.end());
    for (wchar_t& unit : wide) unit = static_cast<wchar_t>(static_cast<unsigned char>(unit));
    return platform::NativePathOfWide(wide);
}

// The Windows modes (0 exists, 2 write, 4 read, 6 both) have the same values as POSIX's.
int _access(const char* path, int mode) {
    if (!path) {
        errno = EINVAL;
        return -1;
    }
    return access(NativePath(path).c_str(), mode);
}

int _mkdir(const char* path) {
    if (!path) {
        errno = EINVAL;
        return -1;
    }
    return mkdir(NativePath(path).c_str(), 0755);
}

int _fileno(std::FILE* stream) {
    if (!stream) {
        errno = EINVAL;
        return -1;
    }
    return fileno(stream);
}

int _commit(int fd) { return fsync(fd); }

int _waccess(const wchar_t* path, int mode) {
    if (!path) {
        errno = EINVAL;
        return -1;
    }
    return access(platform::NativePathOfWide(path).c_str(), mode);
}

int _wmkdir(const wchar_t* path) {
    if (!path) {
        errno = EINVAL;
        return -1;
    }
    return mkdir(platform::NativePathOfWide(path).c_str(), 0755);
}

// The mode is plain ASCII, so it narrows unit by unit.
std::FILE* _wfopen(const wchar_t* path, const wchar_t* mode) {
    if (!path || !mode) {
        errno = EINVAL;
        return nullptr;
    }
    const std::wstring_view wideMode(mode);
    return std::fopen(platform::NativePathOfWide(path).c_str(), std::string(wideMode.begin(), wideMode.end()).c_str());
}

int _wremove(const wchar_t* path) {
    if (!path) {
        errno = EINVAL;
        return -1;
    }
    return std::remove(platform::NativePathOfWide(path).c_str());
}

int _getpid() { return static_cast<int>(getpid()); }

DWORD WINAPI GetFileAttributesA(LPCSTR lpFileName) {
    if (!lpFileName) return FailWithInvalidParameter();
    return AttributesOf(NativePath(lpFileName));
}

DWORD WINAPI GetFileAttributesW(LPCWSTR lpFileName) {
    if (!lpFileName) return FailWithInvalidParameter();
    return AttributesOf(platform::NativePathOfWide(lpFileName));
}
