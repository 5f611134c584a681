// Splitting and joining Windows-style paths, and creating one folder.
//
// The program writes backslashes as separators; slashes are accepted on input. A colon ends a
// drive prefix ("C:game.txt" lies in "C:").
//
// A path that comes from the system (the user's data folder) is kept as wide text, which holds
// any name the system can give; it goes back to the system through the wide calls, unchanged.
// The program's own paths are narrow text.
#pragma once

#include <string>

namespace OrloUtility {

// The path up to and including its last separator (slashes turned into backslashes), or up to
// and including its last colon when it has no separator; empty text when it has neither.
std::string DirectoryOf(std::string path);
// The path without its DirectoryOf part, as passed (not normalised).
std::string FileNameOf(std::string path);
// The path with a backslash appended unless it is empty or already ends in a separator.
std::string WithTrailingSeparator(std::string path);
std::wstring WithTrailingSeparator(std::wstring path);
// True when the path exists or one folder was created there. Missing parents are not created.
bool EnsureDirectory(std::string path);
bool EnsureDirectory(std::wstring path);

}  // namespace OrloUtility
