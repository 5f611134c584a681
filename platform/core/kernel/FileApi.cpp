// The runtime library's folder services and the file-attribute query, over POSIX.
//
// The program writes its paths the Windows way, with backslashes; every call here maps them to
// the native separator first. Drive letters are not mapped: the program uses relative paths
// and folders that the platform itself reports.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <string>

#include "PlatformApi.h"

namespace {

// wchar_t holds UTF-32 here and the system takes UTF-8. A unit that is no character (a lone
// surrogate, a value past U+10FFFF) becomes U+FFFD rather than a malformed name.
void AppendUtf8(std::string& out, std::uint32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    if (c < 0x80) {
        out += static_cast<char>(c);
        return;
    }
    static constexpr std::uint32_t kLeadBits[] = {0, 0xC0, 0xE0, 0xF0};
    const int trailing = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    out += static_cast<char>(kLeadBits[trailing] | (c >> (6 * trailing)));
    for (int i = trailing - 1; i >= 0; --i) {
        out += static_cast<char>(0x80 | ((c >> (6 * i)) & 0x3F));
    }
}

std::string Utf8Of(const wchar_t* text) {
    std::string out;
    for (; *text; ++text) AppendUtf8(out, static_cast<std::uint32_t>(*text));
    return out;
}

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

std::string NativePath(const std::string& path) {
    std::string native = path;
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
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

DWORD WINAPI GetFileAttributesA(LPCSTR lpFileName) {
    if (!lpFileName) return FailWithInvalidParameter();
    return AttributesOf(NativePath(lpFileName));
}

DWORD WINAPI GetFileAttributesW(LPCWSTR lpFileName) {
    if (!lpFileName) return FailWithInvalidParameter();
    return AttributesOf(NativePath(Utf8Of(lpFileName)));
}
