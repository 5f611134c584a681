// The system's file names for the program's paths. The program writes paths the Windows way,
// with backslashes; the system takes slashes and UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// A wide path (from a W call) as a native UTF-8 path.
std::string NativePathOfWide(std::wstring_view path);
// Backslashes to slashes, nothing else: for text that is UTF-8 already.
std::string NativeSeparators(std::string path);

}  // namespace platform
