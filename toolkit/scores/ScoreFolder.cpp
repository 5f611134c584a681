#include "toolkit/scores/ScoreFolder.h"

#include "PlatformApi.h"
#include "toolkit/util/Paths.h"
#include "toolkit/util/TextConvert.h"

namespace OrloUtility {

namespace {

// `folder` followed by the level `name`, created when missing; empty text when it cannot be.
std::wstring Level(const std::wstring& folder, const std::string& name) {
    const std::wstring path = WithTrailingSeparator(folder) + ToWide(name);
    if (_waccess(path.c_str(), 0) != 0 && !EnsureDirectory(path)) return {};
    return path;
}

}  // namespace

// Created when missing (a new account on Linux may not have its data folder yet): without it
// the score folder would fall back to the working folder, which may not even be writable.
std::wstring LocalAppDataFolder() {
    WCHAR path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path)))
        return {};
    return path;
}

std::wstring ScoreFolder(const std::string& gameName) {
    const std::wstring gameFolder = Level(LocalAppDataFolder(), gameName);
    if (gameFolder.empty()) return {};
    const std::wstring scoreFolder = Level(gameFolder, "Score");
    if (scoreFolder.empty()) return {};
    return WithTrailingSeparator(scoreFolder);
}

}  // namespace OrloUtility
