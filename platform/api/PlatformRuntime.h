// The few runtime-library file services the program uses, with the Windows runtime's names.
//
// The program writes its paths with backslashes. On Windows these are the runtime's own
// functions; elsewhere they are a thin shim that maps backslashes to the native separator
// first. `NativePath` does the same mapping for callers that open file streams.
#pragma once

#include <cstdio>
#include <string>

#if defined(_WIN32)

#include <direct.h>
#include <io.h>

inline std::string NativePath(const std::string& path) { return path; }

#else

std::string NativePath(const std::string& path);

// Returns 0 when the path exists (mode 0) or is accessible in the given mode, else -1.
int _access(const char* path, int mode);
// Creates one folder; 0 on success, -1 on failure (errno says why).
int _mkdir(const char* path);
// The descriptor under a stream.
int _fileno(std::FILE* stream);
// Returns once everything written to the descriptor is on the disk; 0 on success, else -1.
int _commit(int fd);

#endif
