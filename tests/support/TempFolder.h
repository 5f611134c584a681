// A folder of a test's own for the files it makes: a new folder with a unique name under
// $TMPDIR (/tmp when that is unset or empty), removed with everything in it when the object
// goes. A fixture holds one as a member, so the folder lives exactly as long as the test.
#pragma once

#include <filesystem>
#include <string>

class TempFolder {
public:
    // The folder's name starts with `prefix`; throws std::system_error when it cannot be made.
    explicit TempFolder(const std::string& prefix = "astrovex");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The path as text, for tests that build paths by appending to it.
    std::string Text() const { return path_.string(); }

private:
    std::filesystem::path path_;
};
