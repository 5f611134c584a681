#include "toolkit/scores/FileReplacement.h"

#include <atomic>
#include <utility>

#include "PlatformApi.h"

namespace OrloUtility {

namespace {

// The process's id tells apart the games running at once, the count the saves of one game. The
// count is not part of the toolkit's state, which tests replace: it must never repeat.
std::wstring UniqueTemporaryPath(const std::wstring& targetPath) {
    static std::atomic<unsigned> saves{0};
    return targetPath + L"." + std::to_wstring(_getpid()) + L"." + std::to_wstring(++saves) + L".tmp";
}

}  // namespace

// A target that is a symbolic link stays one: the link's own file gets the new content, and the
// temporary file lies beside that file, on its volume.
FileReplacement::FileReplacement(std::wstring targetPath)
    : targetPath_(LinkTarget(targetPath)), temporaryPath_(UniqueTemporaryPath(targetPath_)) {}

FileReplacement::~FileReplacement() {
    if (file_) std::fclose(file_);
    if (created_ && !committed_) _wremove(temporaryPath_.c_str());
}

bool FileReplacement::Open() {
    if (file_ || created_) return false;
    // Binary, so that the bytes on disk are exactly those written on every platform.
    file_ = _wfopen(temporaryPath_.c_str(), L"wb");
    created_ = file_ != nullptr;
    return created_;
}

bool FileReplacement::Write(std::string_view bytes) {
    return file_ && std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size();
}

bool FileReplacement::Commit() {
    if (!FlushToDiskAndClose()) return false;
    // With write-through the call returns only once the new name is on the disk too.
    committed_ = MoveFileExW(temporaryPath_.c_str(), targetPath_.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
    return committed_;
}

// Without the commit to disk, a crash just after the rename could leave the target naming a
// file whose data never reached the disk.
bool FileReplacement::FlushToDiskAndClose() {
    if (!file_) return false;
    const bool onDisk = std::fflush(file_) == 0 && _commit(_fileno(file_)) == 0;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    return onDisk && closed;
}

}  // namespace OrloUtility
