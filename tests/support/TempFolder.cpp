#include "TempFolder.h"

#include <stdlib.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

namespace {

std::filesystem::path TemporaryRoot() {
    const char* configured = std::getenv("TMPDIR");
    return configured && *configured ? configured : "/tmp";
}

}  // namespace

TempFolder::TempFolder(const std::string& prefix) {
    std::string pattern = (TemporaryRoot() / (prefix + "-XXXXXX")).string();
    if (!mkdtemp(pattern.data())) throw std::system_error(errno, std::generic_category(), "mkdtemp " + pattern);
    path_ = pattern;
}

// What cannot be removed stays behind: a destructor must not throw.
TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}
