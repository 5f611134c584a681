#include "ScratchFolders.h"

#include <stdlib.h>
#include <unistd.h>

#include <system_error>

namespace LongRun {

namespace fs = std::filesystem;

ScratchFolders::ScratchFolders(const fs::path& pictures) {
    char pattern[] = "/tmp/astrovex-longrun-XXXXXX";
    if (!mkdtemp(pattern)) return;
    const fs::path root = pattern;
    std::error_code error;
    fs::create_directory_symlink(pictures, root / "images_games", error);
    if (!error) fs::create_directories(root / "play", error);
    if (!error) fs::create_directories(root / "data", error);
    if (!error) previous_ = fs::current_path(error);
    if (!error) fs::current_path(root / "play", error);
    if (error) {
        fs::remove_all(root, error);
        return;
    }
    root_ = root;
    setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
    setenv("HOME", (root_ / "no-home").c_str(), 1);
}

ScratchFolders::~ScratchFolders() {
    if (root_.empty()) return;
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    fs::remove_all(root_, ignored);
}

}  // namespace LongRun
