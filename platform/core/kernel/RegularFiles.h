// Opening a file that comes from outside the program only when it is a regular file: a named
// pipe in its place would block the open until some writer came, and a device such as
// /dev/zero would never end a read.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <string>

namespace platform {

// A descriptor open for reading the regular file at the native path, of at most `maxBytes`
// bytes, and its status in `info`; -1 (errno says why) for anything else. The open never
// waits; reads from the descriptor do as usual.
int OpenRegularNative(const std::string& nativePath, std::uint64_t maxBytes, struct stat& info);

}  // namespace platform
