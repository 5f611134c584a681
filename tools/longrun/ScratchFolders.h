// Where the long run's game lives: a working folder of its own beside a link to the shipped
// pictures, a data folder of its own for the leaderboard, and silent sound. Everything is
// removed again, and the working folder restored, when the object goes.
#pragma once

#include <filesystem>

namespace LongRun {

class ScratchFolders {
public:
    explicit ScratchFolders(const std::filesystem::path& pictures);
    ~ScratchFolders();
    ScratchFolders(const ScratchFolders&) = delete;
    ScratchFolders& operator=(const ScratchFolders&) = delete;

    // False when the folders could not be made; the run must not start then.
    bool Ready() const { return !root_.empty(); }

private:
    std::filesystem::path root_;
    std::filesystem::path previous_;
};

}  // namespace LongRun
