// The shell's per-user folders, for Linux.
//
// The local application-data folder is the XDG data folder ($XDG_DATA_HOME, else
// $HOME/.local/share): where Linux programs keep what Windows programs keep in their local
// AppData. As on Windows, the folder is only reported, not created, unless CSIDL_FLAG_CREATE
// asks for it.
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <optional>
#include <string>

#include "PlatformApi.h"
#include "Utf8.h"

namespace {

// The variable's value when it is an absolute path, else empty text: XDG treats a relative
// path in its variables as invalid and ignores it.
std::string AbsolutePathIn(const char* variable) {
    const char* value = std::getenv(variable);
    if (!value || value[0] != '/') return {};
    return value;
}

// The native path, without a trailing separator as the platform reports folders; empty
// when neither variable names one.
std::string LocalDataFolder() {
    std::string folder = AbsolutePathIn("XDG_DATA_HOME");
    if (folder.empty()) {
        const std::string home = AbsolutePathIn("HOME");
        if (home.empty()) return {};
        folder = home + "/.local/share";
    }
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

bool IsFolder(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Creates the folder and its missing parents, readable only by the user as XDG asks.
bool CreateFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string prefix = path.substr(0, slash);
        if (mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) break;
    }
    return IsFolder(path);
}

bool IsKnownRequest(int csidl, DWORD flags) {
    return (csidl & ~CSIDL_FLAG_CREATE) == CSIDL_LOCAL_APPDATA &&
           (flags == SHGFP_TYPE_CURRENT || flags == SHGFP_TYPE_DEFAULT);
}

}  // namespace

HRESULT WINAPI SHGetFolderPathW(HWND, int csidl, HANDLE, DWORD dwFlags, LPWSTR pszPath) {
    if (!pszPath) return E_INVALIDARG;
    pszPath[0] = L'\0';
    if (!IsKnownRequest(csidl, dwFlags)) return E_INVALIDARG;
    const std::string folder = LocalDataFolder();
    const std::optional<std::wstring> wide = platform::WideOfUtf8(folder);
    // The path and its terminating NUL must fit the caller's MAX_PATH characters.
    if (folder.empty() || !wide || wide->size() >= MAX_PATH) return E_FAIL;
    const bool create = (csidl & CSIDL_FLAG_CREATE) != 0;
    if (!IsFolder(folder) && !(create && CreateFolders(folder))) return E_FAIL;
    std::copy(wide->begin(), wide->end(), pszPath);
    pszPath[wide->size()] = L'\0';
    return S_OK;
}
