#include "toolkit/util/Paths.h"

#include <utility>

#include "PlatformApi.h"
#include "toolkit/util/TextConvert.h"

namespace OrloUtility {

std::string DirectoryOf(std::string path) {
    std::string normalised = ReplaceChar(std::move(path), '/', '\\');
    std::size_t end = normalised.find_last_of('\\');
    if (end == std::string::npos) end = normalised.find_last_of(':');
    if (end == std::string::npos) return {};
    normalised.resize(end + 1);
    return normalised;
}

std::string FileNameOf(std::string path) { return path.substr(DirectoryOf(path).size()); }

std::string WithTrailingSeparator(std::string path) {
    if (!path.empty() && path.back() != '/' && path.back() != '\\') path += '\\';
    return path;
}

std::wstring WithTrailingSeparator(std::wstring path) {
    if (!path.empty() && path.back() != L'/' && path.back() != L'\\') path += L'\\';
    return path;
}

bool EnsureDirectory(std::string path) {
    if (_access(path.c_str(), 0) == 0) return true;
    return _mkdir(path.c_str()) == 0;
}

bool EnsureDirectory(std::wstring path) {
    if (_waccess(path.c_str(), 0) == 0) return true;
    return _wmkdir(path.c_str()) == 0;
}

}  // namespace OrloUtility
