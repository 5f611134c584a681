// Replacing a file's whole content so that the file holds either all of its old content or
// all of the new, whatever happens in between: a crash, a full disk, a failed write.
//
// The new content goes to a temporary file beside the target (the same folder, so the final
// rename stays on one volume), is forced onto the disk, and only then renamed over the target
// in one step. Until that rename the target is untouched; a replacement that is not committed
// removes its temporary file. Every replacement has a temporary file of its own: two games
// saving at once must not write into, or truncate, each other's.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace OrloUtility {

class FileReplacement {
public:
    // Prepares to replace the file at `targetPath` (backslashes; wide text, as it lies in the
    // user's folder), or the file it leads to when it is a symbolic link.
    explicit FileReplacement(std::wstring targetPath);
    // Removes the temporary file unless the replacement was committed.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Creates the temporary file, emptying a leftover of an earlier run; false when it cannot.
    bool Open();
    // Appends bytes to the temporary file; false when they could not be written.
    bool Write(std::string_view bytes);
    // Puts everything written on the disk and renames it over the target. False when any
    // step fails, leaving the target as it was.
    bool Commit();

    // The target's path with the process's id, a count of this process's replacements and
    // ".tmp" appended.
    const std::wstring& TemporaryPath() const { return temporaryPath_; }

private:
    bool FlushToDiskAndClose();

    std::wstring targetPath_;
    std::wstring temporaryPath_;
    std::FILE* file_ = nullptr;
    bool created_ = false;
    bool committed_ = false;
};

}  // namespace OrloUtility
